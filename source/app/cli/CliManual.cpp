// "manual": writes the manual's section pages from the line grammar.
#include "app/cli/CliCommand.h"
#include "documents/FileUtils.h"
#include "lnz/LNZManual.h"
#include "lnz/SectionHelpContexts.h"

#include <filesystem>

namespace ballforge {

namespace {

int RunManual(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {});
    opt.expect(1, 1);
    const std::filesystem::path dir = opt.positional()[0];
    if (!std::filesystem::is_directory(dir)) throw ECliUsage("not a folder: " + dir.string());
    auto write = [&](const std::string& name, const std::string& html) {
        const std::string file = (dir / name).string();
        if (!WriteFileSafely(file,
                             std::span(reinterpret_cast<const std::uint8_t*>(html.data()), html.size())))
            throw ECliUsage("cannot write " + file);
        ctx.out << name << "\n";
    };
    write("sections.html", ManualSectionsHtml());
    for (std::int32_t topic : ManualTopics())
        write(ManualTopicPage(topic), ManualTopicHtml(topic));
    return ExitOk;
}

} // namespace

extern const CliCommand cmdManual{
    "manual", "manual DIR", "Writes the manual's LNZ section pages into a folder.",
    "Writes sections.html and one page per section topic (topic1000.html to topic1051.html),\n"
    "each saying what the lines of its sections hold, field by field, as the checker reads them.\n"
    "The program's bundled manual (resources/manual) is made with this command.\n",
    RunManual};

} // namespace ballforge
