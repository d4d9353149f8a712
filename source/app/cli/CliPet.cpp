// pet: what a .pet or .baby file holds, and moving its parts in and out.
#include "app/cli/CliCommand.h"
#include "app/cli/CliSupport.h"

#include "documents/FileUtils.h"
#include "documents/OpenContainer.h"
#include "documents/TextCodec.h"
#include "formats/EDamagedfile.h"
#include "formats/PartResfileSupport.h"
#include "formats/TAncestrySummary.h"
#include "formats/TOwnerInfoDecoder.h"
#include "formats/babydecoder.h"
#include "formats/petdecoder.h"

#include <cstdio>
#include <memory>

namespace ballforge {

namespace {

constexpr std::size_t kNameOffset = 2;
constexpr std::size_t kBreedOffset = 258;

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::unique_ptr<TPartDecoder> LoadDecoder(const std::string& fileName, bool verify) {
    const TContainerKind kind = ContainerKindFor(fileName);
    std::unique_ptr<TPartDecoder> decoder;
    if (kind == TContainerKind::Pet)
        decoder = std::make_unique<TPetDecoder>();
    else if (kind == TContainerKind::Baby)
        decoder = std::make_unique<TBabyDecoder>();
    else
        throw ECliUsage("\"" + fileName + "\" is not a .pet or .baby file");
    if (!FileExists(fileName)) throw ECliUsage("cannot open \"" + fileName + "\": no such file");
    try {
        decoder->LoadFromFile(fileName, verify);
    } catch (const EDamagedfile& e) {
        throw ECliUsage("\"" + fileName + "\": " + e.what());
    } catch (const EFileOpenError& e) {
        throw ECliUsage(e.what());
    }
    return decoder;
}

TPartNode& FindPartForCli(TPartDecoder& decoder, const std::string& name) {
    if (TPartNode* part = decoder.FindPart(name)) return *part;
    std::string known;
    for (std::size_t i = 0; i < decoder.PartCount(); ++i)
        known += (i ? ", " : "") + decoder.Part(i).name;
    throw ECliUsage("no part \"" + name + "\"; the parts are " + known);
}

void PrintSummary(TPartDecoder& decoder, const std::string& fileName, std::ostream& out) {
    auto* pet = dynamic_cast<TPetDecoder*>(&decoder);
    const TPartNode* loadInfo = decoder.FindPart("LOADINFO");
    auto line = [&out](const std::string& caption, const std::string& value) {
        out << caption << std::string(caption.size() < 18 ? 18 - caption.size() : 1, ' ') << value << "\n";
    };
    line("File:", fileName + (pet ? " (pet)" : " (baby)"));
    line("Name:", Cp1252ToUtf8(LoadInfoText(*loadInfo, kNameOffset)));
    line("Breed:", Cp1252ToUtf8(LoadInfoText(*loadInfo, kBreedOffset)));
    if (pet) {
        line("Owner:", pet->ancestry ? Cp1252ToUtf8(pet->OwnerName()) : "(no family tree)");
        const TPartNode* info = decoder.FindPart("Petz info");
        if (info && info->data.size() >= 2) {
            line("Sex:", info->data[0] ? "Female" : "Male");
            line("Neutered:", info->data[1] ? "Yes" : "No");
        } else {
            line("Sex:", "(Petz info too short)");
        }
    } else {
        try {
            const TBabyOwnerInfo owner = ReadBabyOwnerInfo(decoder.FindPart("OwnerInfo")->data);
            line("Owner:", Cp1252ToUtf8(owner.ownerName));
            line("Adopted:", FormatPetDateTime(owner.adoptionDate));
        } catch (const EReadError&) {
            line("Owner:", "(OwnerInfo cannot be read)");
        }
    }
    line("Format tag:", Hex(decoder.FormatTag(), 8));
    const TPartChecksums expected = decoder.ComputeChecksums();
    auto checksum = [&](const char* caption, std::uint16_t stored, std::uint16_t wanted) {
        line(caption, Hex(stored, 4) +
                          (stored == wanted ? " (valid)" : " (INVALID, should be " + Hex(wanted, 4) + ")"));
    };
    checksum("Header checksum:", decoder.headerChecksum, expected.header);
    checksum("Body checksum:", decoder.bodyChecksum, expected.body);
    out << "Parts:\n";
    for (std::size_t i = 0; i < decoder.PartCount(); ++i) {
        const TPartNode& part = decoder.Part(i);
        out << "  " << part.name << std::string(part.name.size() < 14 ? 14 - part.name.size() : 1, ' ')
            << part.data.size() << " bytes\n";
    }
    if (pet && pet->ancestry) {
        const TAncestrySummary summary = TAncestrySummary::Of(*pet->ancestry);
        out << "Ancestry:\n";
        line("  Records:", std::to_string(summary.records));
        line("  Generations:", std::to_string(summary.deepestDepth + 1) + " stored, " +
                                   std::to_string(pet->ancestry->generation) + " by the pet's record");
        line("  Breeds:", std::to_string(summary.breeds.size()) + " distinct");
        line("  Owners:", std::to_string(summary.owners.size()) + " distinct");
    }
}

int RunPet(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {"--export", "--import", "-o"});
    const bool exporting = opt.has("--export"), importing = opt.has("--import");
    if (exporting && importing) throw ECliUsage("give either --export or --import");
    const std::string fileName = opt.positional().empty() ? std::string() : opt.positional()[0];

    if (importing) {
        opt.expect(2, 2);
        // Only an intact file is changed: its checksums are renewed, which would hide damage.
        auto decoder = LoadDecoder(fileName, true);
        TPartNode& part = FindPartForCli(*decoder, opt.value("--import"));
        const std::string input = opt.positional()[1];
        if (!FileExists(input)) throw ECliUsage("cannot open \"" + input + "\": no such file");
        part.data = ReadWholeFile(input);
        const std::string target = opt.has("-o") ? opt.value("-o") : fileName;
        try {
            EncodeCheckAndWrite(*decoder, target);
        } catch (const eerrormessage& e) {
            throw ECliUsage(std::string(e.what()) + "; nothing was written");
        }
        ctx.out << "Imported " << part.data.size() << " bytes into " << part.name << "; wrote " << target
                << " with fresh checksums\n";
        return ExitOk;
    }

    opt.expect(1, 1);
    if (opt.has("-o") && !exporting) throw ECliUsage("-o goes with --export or --import");
    // Reading never needs the checksums to hold: the summary reports them.
    auto decoder = LoadDecoder(fileName, false);
    if (exporting) {
        const TPartNode& part = FindPartForCli(*decoder, opt.value("--export"));
        if (opt.has("-o")) {
            if (!WriteFileSafely(opt.value("-o"), part.data))
                throw ECliUsage("cannot write " + opt.value("-o"));
            ctx.out << "Wrote " << part.data.size() << " bytes of " << part.name << " to " << opt.value("-o")
                    << "\n";
        } else {
            ctx.out.write(reinterpret_cast<const char*>(part.data.data()), std::streamsize(part.data.size()));
        }
        return ExitOk;
    }
    PrintSummary(*decoder, fileName, ctx.out);
    return ExitOk;
}

} // namespace

extern const CliCommand cmdPet{
    "pet", "pet FILE [--export PART [-o OUT] | --import PART IN [-o NEWFILE]]",
    "Shows what a .pet or .baby file holds, or exports or imports one of its parts.",
    "Without options: name, breed, owner, sex and neutering, the format tag, both checksums and\n"
    "whether they hold, every part with its size and, for pets, a summary of the family tree.\n"
    "PART is a part name as listed (Adult.LNZ, Child.LNZ, Genome, Petz info, Picture, ...), in\n"
    "any letter case. --export writes the part's bytes to OUT (or standard output). --import\n"
    "replaces the part with the bytes of IN and writes the file with fresh checksums, in place\n"
    "or as NEWFILE; it refuses a damaged file, and a part that would not read back as given\n"
    "(an empty part, or one that contains its own separator such as a zero byte in an LNZ text).\n",
    RunPet};

} // namespace ballforge
