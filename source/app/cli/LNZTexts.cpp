#include "app/cli/LNZTexts.h"

#include "documents/TDLLresfile.h"

namespace ballforge {

namespace {

bool IsLNZType(const tresourcenode& type) {
    if (type.isNumeric()) return false;
    std::string upper = type.name;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return upper == "LNZ" || upper == "CLZ";
}

void CollectEditorNodes(const Tresourcefile& file, tresourcenode& node, const std::string& path,
                        std::vector<TLNZTextRef>& out) {
    if (node.frameclass == TFrameKind::LNZSynedit) out.push_back({path, &node});
    for (std::size_t i = 0; i < node.count(); ++i) {
        tresourcenode& c = *node.child(i);
        CollectEditorNodes(file, c,
                           path.empty() ? file.IdentifierText(c) : path + ":" + file.IdentifierText(c), out);
    }
}

} // namespace

std::vector<TLNZTextRef> LNZTextsOf(Tresourcefile& file) {
    std::vector<TLNZTextRef> texts;
    if (dynamic_cast<TDLLresfile*>(&file)) {
        tresourcenode& root = file.root();
        for (std::size_t t = 0; t < root.count(); ++t) {
            tresourcenode& type = *root.child(t);
            if (!IsLNZType(type)) continue;
            for (std::size_t n = 0; n < type.count(); ++n) {
                tresourcenode& name = *type.child(n);
                for (std::size_t l = 0; l < name.count(); ++l) {
                    tresourcenode& lang = *name.child(l);
                    texts.push_back({file.IdentifierText(type) + ":" + file.IdentifierText(name) + ":" +
                                         file.IdentifierText(lang),
                                     &lang});
                }
            }
        }
        return texts;
    }
    CollectEditorNodes(file, file.root(), "", texts);
    return texts;
}

} // namespace ballforge
