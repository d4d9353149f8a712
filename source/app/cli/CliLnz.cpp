// check, reformat, tokens: the LNZ texts of plain files and modules.
#include "app/cli/CliCommand.h"
#include "app/cli/CliSupport.h"
#include "app/cli/LNZTexts.h"

#include "lnz/TLNZChecker.h"
#include "lnz/TLNZTextLines.h"
#include "lnz/synLNZhighlighter.h"

#include <cstdio>

namespace ballforge {

namespace {

std::string LabelPrefix(const std::string& fileLabel, const TLNZTextRef& text) {
    std::string prefix = fileLabel.empty() ? "" : fileLabel + ": ";
    if (!text.label.empty()) prefix += text.label + ": ";
    return prefix;
}

// A module without LNZ resources is no error: there is simply nothing to do in it.
std::vector<TLNZTextRef> TextsOf(Tresourcefile& file, const std::string& prefix, CliContext& ctx) {
    auto texts = LNZTextsOf(file);
    if (texts.empty()) ctx.out << prefix << "no LNZ or CLZ texts\n";
    return texts;
}

int RunCheck(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {});
    opt.expect(1, SIZE_MAX);
    bool anyErrors = false;
    const bool several = opt.positional().size() > 1;
    for (const std::string& fileName : opt.positional()) {
        auto file = OpenForCli(fileName);
        for (const TLNZTextRef& text : TextsOf(*file, several ? fileName + ": " : "", ctx)) {
            TLNZTextLines lines;
            lines.LoadFromBytes(text.node->data);
            TLNZChecker checker;
            checker.CheckForErrors(lines);
            const std::string prefix = LabelPrefix(several ? fileName : "", text);
            for (const TLNZMessage& m : checker.messages)
                ctx.out << prefix << m.text << "\n";
            anyErrors = anyErrors || checker.errors > 0;
        }
    }
    return anyErrors ? ExitFindings : ExitOk;
}

int RunReformat(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {"-o"});
    opt.expect(1, 1);
    auto file = OpenForCli(opt.positional()[0]);
    std::size_t total = 0;
    for (const TLNZTextRef& text : TextsOf(*file, "", ctx)) {
        TLNZTextLines lines;
        lines.LoadFromBytes(text.node->data);
        TLNZChecker checker;
        checker.ReformatLines(lines);
        if (lines.changedLines() > 0) {
            text.node->data = lines.SaveToBytes();
            text.node->changed = true;
        }
        total += lines.changedLines();
        ctx.out << LabelPrefix("", text) << lines.changedLines() << " lines reformatted\n";
    }
    if (total > 0 || opt.has("-o")) {
        SaveForCli(*file, opt.value("-o"), ctx);
        ctx.out << "Wrote " << (opt.has("-o") ? opt.value("-o") : opt.positional()[0]) << "\n";
    }
    return ExitOk;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '\t')
            out += "\\t";
        else if (c == '\\')
            out += "\\\\";
        else if (u < 32 || u >= 127) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        } else
            out += c;
    }
    return out;
}

int RunTokens(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {});
    opt.expect(1, 1);
    auto file = OpenForCli(opt.positional()[0]);
    TSynLNZSyn scanner;
    ApplyLNZFrameSettings(scanner);
    for (const TLNZTextRef& text : TextsOf(*file, "", ctx)) {
        if (!text.label.empty()) ctx.out << "== " << text.label << "\n";
        TLNZTextLines lines;
        lines.LoadFromBytes(text.node->data);
        for (std::size_t i = 0; i < lines.Count(); ++i) {
            for (const TLNZToken& t : scanner.ScanLine(lines.Get(i)))
                ctx.out << i + 1 << "\t" << TokenKindName(t.kind) << "\t"
                        << Escaped(std::string_view(lines.Get(i)).substr(t.start, t.length)) << "\n";
        }
    }
    return ExitOk;
}

} // namespace

extern const CliCommand cmdCheck{
    "check", "check FILE...", "Checks LNZ texts and lists errors and warnings by line.",
    "FILE is a plain LNZ text (.lnz, .clz) or a module, whose \"LNZ\" and \"CLZ\" resources are\n"
    "checked one by one (type, name and language before each message), or a .pet or .baby file,\n"
    "whose adult and child LNZ are checked (LNZ:Adult, LNZ:Child). Messages read as the\n"
    "editor's message list shows them, followed by the summary.\n"
    "Exit status 1 when an error was reported, 0 otherwise, 2 when a file cannot be used.\n",
    RunCheck};
extern const CliCommand cmdReformat{
    "reformat", "reformat FILE [-o OUT]", "Rewrites the body lines of LNZ texts in canonical form.",
    "Lines of the Move, Project Ball, Add Ball, Linez, Paint Ballz, Ballz Info, Fuzz Override,\n"
    "Ball Size Override and Thin/Fat sections that parse are rewritten with their fields\n"
    "separated by a comma and a TAB. A plain text keeps its line breaks; a module's LNZ and CLZ\n"
    "resources are saved through the module, and a pet's or baby's adult and child LNZ through\n"
    "the pet or baby with fresh checksums, safely. With -o the result goes to OUT instead.\n",
    RunReformat};
extern const CliCommand cmdTokens{
    "tokens", "tokens FILE", "Prints the highlighter's tokens of LNZ texts, line by line.",
    "Each token is printed as: line number, kind, text (TAB, backslash and bytes outside\n"
    "printable ASCII escaped).\n",
    RunTokens};

} // namespace ballforge
