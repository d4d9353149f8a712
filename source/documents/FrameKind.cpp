#include "documents/FrameKind.h"

namespace ballforge {

std::string_view FrameClassName(TFrameKind kind) {
    switch (kind) {
    case TFrameKind::ViewFrame: return "TViewFrame";
    case TFrameKind::LNZSynedit: return "TViewframeLNZSynedit";
    case TFrameKind::TextEditor: return "TViewframeTextEditor";
    case TFrameKind::HexEditor: return "TViewFrameHexEditor";
    case TFrameKind::IniEditor: return "TViewframeIniEditor";
    case TFrameKind::XMLEditor: return "TViewframeXMLEditor";
    case TFrameKind::BitmapView: return "TViewframeBitmapView";
    case TFrameKind::StringsEditor: return "TViewframeStringseditor";
    case TFrameKind::RCDataedit: return "TViewframeRCDataedit";
    case TFrameKind::PetzInfoEdit: return "TViewFramePetzInfoEdit";
    case TFrameKind::GenomeEditor: return "TViewFrameGenomeEditor";
    case TFrameKind::EyelidColour: return "TViewframeEyelidColour";
    case TFrameKind::OwnerInfo: return "TViewframeOwnerInfo";
    case TFrameKind::AdoptPicView: return "TViewframeAdoptPicView";
    case TFrameKind::SpriteViewer: return "TViewFrameSpriteViewer";
    case TFrameKind::Ancestry: return "TViewFrameAncestry";
    }
    return "TViewFrame";
}

TFrameKind FrameClassFor(const TResourceIDRec& type, const TResourceIDRec& name) {
    static const struct {
        const char* type;
        TFrameKind kind;
    } textual[] = {
        {"LNZ", TFrameKind::LNZSynedit}, {"CLZ", TFrameKind::LNZSynedit},   {"TXT", TFrameKind::TextEditor},
        {"VAVORUZA", TFrameKind::IniEditor}, {"BMP", TFrameKind::BitmapView}, {"SPR", TFrameKind::SpriteViewer},
        {"XML", TFrameKind::XMLEditor},
    };
    if (!type.isNumber()) {
        const std::string upper = UpperCase(type.name);
        for (const auto& row : textual)
            if (upper == row.type) return row.kind;
        return TFrameKind::HexEditor;
    }
    switch (type.number) {
    case RT_STRING_ID: return TFrameKind::StringsEditor;
    case RT_BITMAP_ID: return TFrameKind::BitmapView;
    case RT_RCDATA_ID:
        if (name.isNumber() && name.number == 1003) return TFrameKind::RCDataedit;
        break;
    default: break;
    }
    return TFrameKind::HexEditor;
}

} // namespace ballforge
