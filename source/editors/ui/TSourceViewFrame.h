#pragma once
// The view frame behaviour shared by every frame whose editor is a source editor.
#include "documents/ui/TViewFrame.h"
#include "editors/ui/TSourceEditor.h"

namespace ballforge {

/// Loads the node's bytes as lines, reports the editor's modified mark, stores the lines back.
class TSourceViewFrame : public TViewFrame {
public:
    using TViewFrame::TViewFrame;
    bool IsModified() override;
    void LoadFromNode() override;
    void StoreToNode() override;
    /// The source editor inside the frame's panel.
    virtual TSourceEditor* sourceEditor() const = 0;
};

} // namespace ballforge
