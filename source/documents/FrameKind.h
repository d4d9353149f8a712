#pragma once
// Which view frame edits a node, and the choice of frame for a PE resource.
#include "documents/ResourceID.h"

#include <string_view>

namespace ballforge {

/// The view frame classes. ViewFrame is the base class and stands for "no editor of its own".
enum class TFrameKind {
    ViewFrame,
    LNZSynedit,
    TextEditor,
    HexEditor,
    IniEditor,
    XMLEditor,
    BitmapView,
    StringsEditor,
    RCDataedit,
    PetzInfoEdit,
    GenomeEditor,
    EyelidColour,
    OwnerInfo,
    AdoptPicView,
    SpriteViewer,
    Ancestry,
};

/// The class name of the frame ("TViewframeLNZSynedit", "TViewFrame", ...).
std::string_view FrameClassName(TFrameKind kind);

/// True for the base class: a node with it has no editor.
inline bool IsBaseFrame(TFrameKind kind) { return kind == TFrameKind::ViewFrame; }

/// The editor of a PE resource, chosen by its type and name.
TFrameKind FrameClassFor(const TResourceIDRec& type, const TResourceIDRec& name);

} // namespace ballforge
