#include "documents/ui/TFrameRegistry.h"

#include "editors/ui/TViewFrameHexEditor.h"
#include "editors/ui/TViewframeBitmapView.h"
#include "editors/ui/TViewframeIniEditor.h"
#include "editors/ui/TViewframeTextEditor.h"
#include "editors/ui/TViewframeXMLEditor.h"
#include "lnz/ui/TViewframeLNZSynedit.h"

#include <map>

namespace ballforge {

template <typename T> static TFrameFactory Make() {
    return [](QWidget* host, tresourcenode* node) -> std::unique_ptr<TViewFrame> {
        return std::make_unique<T>(host, node);
    };
}

static std::map<TFrameKind, TFrameFactory>& Factories() {
    static std::map<TFrameKind, TFrameFactory> table = {
        {TFrameKind::LNZSynedit, Make<TViewframeLNZSynedit>()},
        {TFrameKind::TextEditor, Make<TViewframeTextEditor>()},
        {TFrameKind::HexEditor, Make<TViewFrameHexEditor>()},
        {TFrameKind::IniEditor, Make<TViewframeIniEditor>()},
        {TFrameKind::XMLEditor, Make<TViewframeXMLEditor>()},
        {TFrameKind::BitmapView, Make<TViewframeBitmapView>()},
        // Editors of their own come with later work; until then these resources open as bytes.
        {TFrameKind::StringsEditor, Make<TViewFrameHexEditor>()},
        {TFrameKind::RCDataedit, Make<TViewFrameHexEditor>()},
        {TFrameKind::PetzInfoEdit, Make<TViewFrameHexEditor>()},
        {TFrameKind::GenomeEditor, Make<TViewFrameHexEditor>()},
        {TFrameKind::EyelidColour, Make<TViewFrameHexEditor>()},
        {TFrameKind::OwnerInfo, Make<TViewFrameHexEditor>()},
        {TFrameKind::AdoptPicView, Make<TViewFrameHexEditor>()},
        {TFrameKind::SpriteViewer, Make<TViewFrameHexEditor>()},
        {TFrameKind::Ancestry, Make<TViewFrameHexEditor>()},
    };
    return table;
}

std::unique_ptr<TViewFrame> CreateViewFrame(TFrameKind kind, QWidget* host, tresourcenode* node) {
    auto& table = Factories();
    auto it = table.find(kind);
    if (it == table.end() || !it->second) return nullptr;
    return it->second(host, node);
}

void RegisterFrameFactory(TFrameKind kind, TFrameFactory factory) {
    Factories()[kind] = std::move(factory);
}

} // namespace ballforge
