#include "documents/TDLLresfile.h"

#include "documents/Errors.h"
#include "documents/FileUtils.h"
#include "documents/TextCodec.h"
#include "formats/PEResourceWriter.h"

namespace ballforge {

static const char* const kCantReadResources =
    "Couldn't read resources from the file. It may be an unsupported format or is open by another application.";

std::string TDLLresfile::IdentifierText(const tresourcenode& node) const {
    if (node.isNumeric() && node.parent() == &root()) return ResourceTypeName(node.number);
    return Tresourcefile::IdentifierText(node);
}

static TResourceIDRec ItemID(const TResItem& item) {
    if (item.isNamed()) return TResourceIDRec::Name(Utf16ToUtf8(item.name));
    return TResourceIDRec::Number(item.id);
}

void TDLLresfile::Load() {
    root().Clear();
    if (!FileExists(fileName())) throw eerrormessage("Couldn't open file!");
    std::string reason;
    auto update = BeginResUpdate(fileName(), false, &reason);
    if (!update) {
        if (reason == "open") throw eerrormessage("Couldn't open file!");
        throw eerrormessage(kCantReadResources);
    }
    try {
        // The tree follows the resource directory in stored order: the same tree the Windows
        // enumeration gives (types, then names, then languages, named entries first).
        const TResItem& dir = ResUpdateRoot(*update);
        for (const auto& type : dir.children) {
            if (!type->isDirectory) continue;
            const TResourceIDRec typeID = ItemID(*type);
            tresourcenode* typeNode = root().GetOrAddChild(typeID);
            for (const auto& name : type->children) {
                if (!name->isDirectory) continue;
                const TResourceIDRec nameID = ItemID(*name);
                tresourcenode* nameNode = typeNode->GetOrAddChild(nameID);
                for (const auto& lang : name->children) {
                    if (lang->isDirectory) continue;
                    auto leaf = std::make_unique<tresourcenode>();
                    leaf->SetID(lang->id);
                    auto bytes = ResItemBytes(*update, *lang);
                    leaf->data.assign(bytes.begin(), bytes.end());
                    leaf->changed = false;
                    leaf->frameclass = FrameClassFor(typeID, nameID);
                    nameNode->AddChild(std::move(leaf));
                }
            }
        }
    } catch (...) {
        EndResUpdate(std::move(update), true);
        root().Clear();
        throw;
    }
    EndResUpdate(std::move(update), true);
}

bool TDLLresfile::SaveTo(const std::string& fileName) {
    lastError_.clear();
    auto update = BeginResUpdate(fileName, true, &lastError_);
    if (!update) return false;
    try {
        for (std::size_t t = 0; t < root().count(); ++t) {
            tresourcenode* type = root().child(t);
            for (std::size_t n = 0; n < type->count(); ++n) {
                tresourcenode* name = type->child(n);
                for (std::size_t l = 0; l < name->count(); ++l) {
                    tresourcenode* lang = name->child(l);
                    // An empty resource is not written: it vanishes from the file.
                    bool ok = lang->data.empty()
                                  ? UpdateResItem(*update, IdentifierValue(*type), IdentifierValue(*name),
                                                  lang->number, nullptr, 0)
                                  : UpdateResItemBorrowed(*update, IdentifierValue(*type), IdentifierValue(*name),
                                                          lang->number, lang->data);
                    if (!ok) {
                        lastError_ = "Resource " + IdentifierText(*type) + ":" + IdentifierText(*name) + ":" +
                                     std::to_string(lang->number) +
                                     " has an identifier that a module cannot store (numbers must be 0 to 65535)";
                        EndResUpdate(std::move(update), true);
                        return false;
                    }
                }
            }
        }
    } catch (...) {
        EndResUpdate(std::move(update), true);
        throw;
    }
    if (!EndResUpdate(std::move(update), false, &lastError_)) return false;
    setFileName(fileName);
    ClearChangedFlags();
    return true;
}

} // namespace ballforge
