// ls, extract, replace, delete, rewrite: the resource tree of any file the editor opens.
#include "app/cli/CliCommand.h"
#include "app/cli/CliSupport.h"

#include "documents/FileUtils.h"
#include "documents/TDLLresfile.h"

#include <iostream>

namespace ballforge {

namespace {

void PrintTree(const Tresourcefile& file, const tresourcenode& node, int depth, std::ostream& out) {
    for (std::size_t i = 0; i < node.count(); ++i) {
        const tresourcenode& c = *node.child(i);
        std::string text = NodeDisplayText(c);
        out << std::string(std::size_t(depth) * 2, ' ') << text;
        if (!c.data.empty() || c.count() == 0) {
            std::size_t pad = text.size() + std::size_t(depth) * 2;
            out << std::string(pad < 28 ? 28 - pad : 1, ' ') << c.data.size() << " bytes";
            if (!IsBaseFrame(c.frameclass)) out << "  " << FrameClassName(c.frameclass);
        }
        out << "\n";
        PrintTree(file, c, depth + 1, out);
    }
}

int RunLs(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {});
    opt.expect(1, 1);
    auto file = OpenForCli(opt.positional()[0]);
    if (file->root().count() == 0) {
        ctx.out << "(plain file) " << file->root().data.size() << " bytes  " << FrameClassName(file->root().frameclass)
                << "\n";
        return ExitOk;
    }
    PrintTree(*file, file->root(), 0, ctx.out);
    return ExitOk;
}

int RunExtract(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {"-o"});
    opt.expect(2, 4);
    auto file = OpenForCli(opt.positional()[0]);
    const tresourcenode& node = FindNodeForCli(*file, {opt.positional().begin() + 1, opt.positional().end()});
    if (opt.has("-o")) {
        if (!WriteFileSafely(opt.value("-o"), node.data)) throw ECliUsage("cannot write " + opt.value("-o"));
        ctx.out << "Wrote " << node.data.size() << " bytes to " << opt.value("-o") << "\n";
    } else {
        ctx.out.write(reinterpret_cast<const char*>(node.data.data()), std::streamsize(node.data.size()));
    }
    return ExitOk;
}

int RunReplace(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {"-o"});
    opt.expect(5, 5);
    const auto& p = opt.positional();
    auto file = OpenForCli(p[0]);
    auto* dll = dynamic_cast<TDLLresfile*>(file.get());
    if (!dll) throw ECliUsage("replace works on PE modules; use 'pet --import' for pets and babies");
    const TResourceIDRec type = ParseResourceID(p[1]), name = ParseResourceID(p[2]);
    const std::int64_t lang = CliNumber(p[3], "LANG");
    CheckPEIdentifiers(type, name, lang);
    std::vector<std::uint8_t> bytes = ReadWholeFile(p[4]);
    tresourcenode* typeNode = file->root().GetOrAddChild(type);
    tresourcenode* nameNode = typeNode->GetOrAddChild(name);
    tresourcenode* langNode = nameNode->FindChildByID(std::int32_t(lang));
    const bool added = !langNode;
    if (added) {
        langNode = nameNode->GetOrAddChildByID(std::int32_t(lang));
        langNode->frameclass = FrameClassFor(type, name);
    }
    langNode->data = std::move(bytes);
    langNode->changed = true;
    SaveForCli(*file, opt.value("-o"), ctx);
    ctx.out << (added ? "Added " : "Replaced ") << file->IdentifierText(*typeNode) << ":" << file->IdentifierText(*nameNode)
            << ":" << lang << " (" << langNode->data.size() << " bytes)\n";
    return ExitOk;
}

int RunDelete(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {"-o"});
    opt.expect(3, 4);
    const auto& p = opt.positional();
    auto file = OpenForCli(p[0]);
    if (!dynamic_cast<TDLLresfile*>(file.get())) throw ECliUsage("delete works on PE modules");
    tresourcenode& node = FindNodeForCli(*file, {p.begin() + 1, p.end()});
    tresourcenode* typeNode = p.size() == 4 ? node.parent()->parent() : node.parent();
    std::string what = file->IdentifierText(*typeNode) + ":" + file->IdentifierText(p.size() == 4 ? *node.parent() : node);
    if (p.size() == 4) what += ":" + p[3];
    node.parent()->DeleteChild(&node);
    SaveForCli(*file, opt.value("-o"), ctx);
    ctx.out << "Deleted " << what << "\n";
    return ExitOk;
}

int RunRewrite(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {"-o"});
    opt.expect(1, 1);
    auto file = OpenForCli(opt.positional()[0]);
    SaveForCli(*file, opt.value("-o"), ctx);
    ctx.out << "Rewrote " << (opt.has("-o") ? opt.value("-o") : opt.positional()[0]) << "\n";
    return ExitOk;
}

} // namespace

extern const CliCommand cmdLs{"ls", "ls FILE", "Lists the resource tree as the editor shows it.",
                              "Types show their standard names (RCData, String list, RT240); every leaf shows its\n"
                              "size and the editor that opens it. Works on modules, pets, babies and plain files.\n",
                              RunLs};
extern const CliCommand cmdExtract{
    "extract", "extract FILE TYPE NAME LANG [-o OUT]", "Writes one resource's bytes to OUT (or standard output).",
    "TYPE and NAME are numbers, standard type names (RCData, Bitmap, String list) or names (LNZ).\n"
    "For pets and babies give the node path instead, e.g. 'extract Rex.pet LNZ Adult'.\n",
    RunExtract};
extern const CliCommand cmdReplace{
    "replace", "replace FILE TYPE NAME LANG INPUT [-o NEWFILE]",
    "Replaces a resource with the bytes of INPUT, adding it when missing.",
    "The module is rebuilt beside the original and checked before it replaces it; with -o the\n"
    "original is left alone and the result is written to NEWFILE.\n",
    RunReplace};
extern const CliCommand cmdDelete{"delete", "delete FILE TYPE NAME [LANG] [-o NEWFILE]",
                                  "Deletes a resource (all its languages when LANG is not given).", "", RunDelete};
extern const CliCommand cmdRewrite{"rewrite", "rewrite FILE [-o NEWFILE]",
                                   "Loads the file and saves it unchanged (a module's resource section is rebuilt).",
                                   "", RunRewrite};

} // namespace ballforge
