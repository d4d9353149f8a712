#include "app/cli/CliSupport.h"

#include "documents/Errors.h"
#include "documents/FileUtils.h"
#include "documents/OpenContainer.h"
#include "documents/TDLLresfile.h"

namespace ballforge {

std::unique_ptr<Tresourcefile> OpenForCli(const std::string& fileName) {
    if (!FileExists(fileName)) throw ECliUsage("cannot open \"" + fileName + "\": no such file");
    try {
        return OpenContainer(fileName);
    } catch (const EFileOpenError& e) {
        throw ECliUsage(e.what());
    } catch (const eerrormessage& e) {
        throw ECliUsage("\"" + fileName + "\": " + e.what());
    }
}

tresourcenode& FindNodeForCli(Tresourcefile& file, const std::vector<std::string>& path) {
    tresourcenode* node = &file.root();
    std::string walked;
    for (std::size_t i = 0; i < path.size(); ++i) {
        // A language is always a number; types and names follow the typed-identifier rules.
        TResourceIDRec id = ParseResourceID(path[i]);
        tresourcenode* next = node->FindChild(id);
        if (!next && !id.isNumber()) next = node->FindChildByName(path[i]);
        walked += (i ? ":" : "") + path[i];
        if (!next) throw ECliUsage("no resource " + walked + " in \"" + file.fileName() + "\"");
        node = next;
    }
    // A node with a single child and no data of its own stands for that child, as in the editor.
    while (node->data.empty() && node->count() == 1) node = node->child(0);
    return *node;
}

void CheckPEIdentifiers(const TResourceIDRec& type, const TResourceIDRec& name, std::int64_t language) {
    if (!FitsPEIdentifier(type)) throw ECliUsage("TYPE must be a name or a number from 0 to 65535");
    if (!FitsPEIdentifier(name)) throw ECliUsage("NAME must be a name or a number from 0 to 65535");
    if (language < 0 || language > 65535) throw ECliUsage("LANG must be a number from 0 to 65535");
}

void SaveForCli(Tresourcefile& file, const std::string& newFile, CliContext&) {
    std::string target = newFile.empty() ? file.fileName() : newFile;
    bool created = false;
    if (!newFile.empty() && dynamic_cast<TDLLresfile*>(&file)) {
        // A module is saved by rebuilding the resource section of an existing copy.
        created = !FileExists(newFile);
        if (!WriteFileSafely(newFile, ReadWholeFile(file.fileName()))) throw ECliUsage("cannot write \"" + newFile + "\"");
    }
    if (!file.SaveTo(target)) {
        std::string why;
        if (auto* dll = dynamic_cast<TDLLresfile*>(&file)) why = dll->lastError();
        if (created) std::remove(ToPath(target).string().c_str());
        throw ECliUsage("could not save \"" + target + "\"" + (why.empty() ? "" : ": " + why) +
                        "; the file was left as it was");
    }
}

std::string NodeDisplayText(const tresourcenode& node) {
    if (!node.isNumeric()) return node.name;
    if (node.Level() == 0) return ResourceTypeName(node.number);
    return std::to_string(node.number);
}

} // namespace ballforge
