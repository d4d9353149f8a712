// sprites, breed, strings: sprite containers, a breed's ID and name, and string tables.
#include "app/cli/CliCommand.h"
#include "app/cli/CliSupport.h"

#include "documents/FileUtils.h"
#include "documents/TDLLresfile.h"
#include "documents/TextCodec.h"
#include "sprites/SpritePngWriter.h"
#include "sprites/spriteRCDATAunit.h"
#include "sprites/spritedecoderunit.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace ballforge {

namespace {

// Control characters inside game texts would break the one-line-per-item listing.
std::string Printable(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\x%02X", unsigned(static_cast<unsigned char>(c)));
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out;
}

// A piece of a file name made from a game text: only characters every file system accepts.
std::string FileNamePart(const std::string& text) {
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        out += (std::isalnum(u) || c == '-' || c == '_') && u < 0x80 ? c : '_';
    }
    return out.empty() ? "unnamed" : out;
}

std::string Hex32(std::uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", v);
    return buf;
}

std::string Padded(std::size_t value, int width) {
    std::string s = std::to_string(value);
    return std::string(s.size() < std::size_t(width) ? std::size_t(width) - s.size() : 0, '0') + s;
}

bool IsModule(const std::string& fileName) {
    const auto head = ReadFileRange(fileName, 0, 2);
    return head.size() == 2 && head[0] == 'M' && head[1] == 'Z';
}

struct Container {
    std::string label;  // what the listing calls it
    std::string prefix; // start of its output file names
    std::vector<std::uint8_t> bytes;
};

std::vector<Container> FindContainers(const std::string& fileName) {
    std::vector<Container> out;
    if (!IsModule(fileName)) {
        out.push_back({"\"" + fileName + "\"", FileNamePart(ToPath(fileName).stem().string()),
                       ReadWholeFile(fileName)});
        return out;
    }
    auto file = OpenForCli(fileName);
    tresourcenode* spr = file->root().FindChildByName("SPR");
    if (!spr) return out;
    for (std::size_t n = 0; n < spr->count(); ++n) {
        const tresourcenode& name = *spr->child(n);
        for (std::size_t l = 0; l < name.count(); ++l) {
            const tresourcenode& lang = *name.child(l);
            const std::string id = file->IdentifierText(name);
            out.push_back({"SPR:" + id + ":" + std::to_string(lang.number),
                           "SPR-" + FileNamePart(id) + "-" + std::to_string(lang.number), lang.data});
        }
    }
    return out;
}

void WriteOrFail(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    if (!WriteFileSafely(FromPath(path), bytes)) throw ECliUsage("cannot write \"" + FromPath(path) + "\"");
}

int RunSprites(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {"-o", "--palette"});
    opt.expect(1, 1);
    TPFPalType palette = pfpPetz;
    if (opt.has("--palette") && !PaletteByName(opt.value("--palette"), palette))
        throw ECliUsage("unknown palette \"" + opt.value("--palette") +
                        "\"; use petz, babyz, oddballz, catz1 or dogz1");
    const std::string fileName = opt.positional()[0];
    if (!FileExists(fileName)) throw ECliUsage("cannot open \"" + fileName + "\": no such file");
    const std::vector<Container> containers = FindContainers(fileName);
    if (containers.empty()) {
        ctx.out << "No \"SPR\" resources in \"" << fileName << "\"\n";
        return ExitOk;
    }
    std::filesystem::path dir;
    if (opt.has("-o")) {
        dir = ToPath(opt.value("-o"));
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (!std::filesystem::is_directory(dir))
            throw ECliUsage("cannot make the folder \"" + opt.value("-o") + "\"");
    }

    bool damaged = false;
    int written = 0;
    for (const Container& c : containers) {
        TSPRDecoder decoder;
        decoder.SetPalette(PaletteColours(palette));
        std::string failure;
        try {
            decoder.LoadFromStream(c.bytes);
        } catch (const EReadError& e) {
            failure = e.what(); // what was read before the fault is still listed below
        }
        ctx.out << c.label << ": " << decoder.AnimationCount() << " animation(s), " << c.bytes.size()
                << " bytes, palette " << PaletteName(palette) << "\n";
        for (std::size_t a = 0; a < decoder.AnimationCount(); ++a) {
            const auto& anim = static_cast<const TSPRAnimation&>(decoder.Animation(a));
            ctx.out << "  animation " << a << " \"" << Printable(Cp1252ToUtf8(anim.name))
                    << "\": " << anim.FrameCount() << " frame(s), words " << Hex32(anim.firstWord) << " "
                    << Hex32(anim.secondWord) << "\n";
            const std::string animPrefix = c.prefix + "_" + Padded(a, 2) + "_" + FileNamePart(anim.name);
            for (std::size_t f = 0; f < anim.FrameCount(); ++f) {
                const auto& frame = static_cast<const TSPRFrame&>(anim.Frame(f));
                const TPoint o = frame.GetOffset();
                ctx.out << "    frame " << f << ": offset (" << o.x << ", " << o.y << "), "
                        << frame.GetWidth() << " x " << frame.GetHeight() << ", format " << frame.format()
                        << ", " << frame.pixelData.size() << " bytes";
                const std::string problem = frame.DecodeProblem();
                if (!problem.empty()) ctx.out << " (cannot decode: " << problem << ")";
                ctx.out << "\n";
                if (dir.empty() || !problem.empty() || frame.GetWidth() == 0 || frame.GetHeight() == 0)
                    continue;
                TBitmap32 picture;
                frame.DecodeTo(picture);
                WriteOrFail(dir / ToPath(animPrefix + "_" + Padded(f, 3) + ".png"), EncodePng(picture));
                ++written;
            }
            if (!dir.empty() && anim.FrameCount() > 0) {
                try {
                    WriteOrFail(dir / ToPath(animPrefix + ".anim.png"),
                                EncodeAnimatedPng(RenderAnimationFrames(anim), 100));
                    ++written;
                } catch (const std::runtime_error& e) {
                    if (dynamic_cast<const ECliUsage*>(&e)) throw;
                    ctx.err << "ballforge-cli sprites: animation " << a << " of " << c.label << ": "
                            << e.what() << "\n";
                }
            }
        }
        if (!failure.empty()) {
            ctx.err << "ballforge-cli sprites: " << c.label << " is damaged: " << failure << "\n";
            damaged = true;
        }
    }
    if (!dir.empty()) ctx.out << "Wrote " << written << " picture file(s) to " << FromPath(dir) << "\n";
    return damaged ? ExitUsage : ExitOk;
}

tresourcenode* FindLeaf(Tresourcefile& file, int type, int name, int language) {
    tresourcenode* t = file.root().FindChildByID(type);
    tresourcenode* n = t ? t->FindChildByID(name) : nullptr;
    return n ? n->FindChildByID(language) : nullptr;
}

int RunBreed(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {"--set-id", "--set-name", "-o"});
    opt.expect(1, 1);
    auto file = OpenForCli(opt.positional()[0]);
    if (!dynamic_cast<TDLLresfile*>(file.get())) throw ECliUsage("breed works on breed and toy modules");
    const bool setID = opt.has("--set-id"), setName = opt.has("--set-name");
    std::int64_t newID = 0;
    if (setID) {
        newID = CliNumber(opt.value("--set-id"), "breed ID");
        if (newID < 0 || newID > 65535) throw ECliUsage("the breed ID must be a number from 0 to 65535");
    }

    tresourcenode* listLeaf =
        FindLeaf(*file, SpriteListResourceType, SpriteListResourceName, BreedResourceLanguage);
    tresourcenode* stringsLeaf =
        FindLeaf(*file, BreedStringsResourceType, BreedStringsTable, BreedResourceLanguage);

    TStringtabledecoder strings(BreedStringsTable);
    if (stringsLeaf) strings.LoadFromStream(stringsLeaf->data);
    TSpriteRCdecoder list;
    std::string listProblem;
    if (listLeaf) {
        try {
            list.LoadFromStream(listLeaf->data);
        } catch (const std::exception& e) {
            listProblem = e.what();
        }
    }

    if (setID || setName) {
        if (setID) {
            if (!listLeaf) throw ECliUsage("the file has no sprite list (raw data 1003, language 1033)");
            if (!listProblem.empty()) throw ECliUsage("the sprite list cannot be read: " + listProblem);
            if (list.list.Count() == 0) throw ECliUsage("the sprite list has no entries to carry a breed ID");
            list.list.Item(0).breedID = std::uint16_t(newID);
            listLeaf->data = list.SaveToBytes();
            listLeaf->changed = true;
        }
        if (setName) {
            if (!stringsLeaf)
                throw ECliUsage(
                    "There is a problem with the breed which prevents it from being saved: The string "
                    "list section is missing or corrupt!");
            strings.SetString(BreedNameStringID, opt.value("--set-name"));
            stringsLeaf->data = strings.SaveToBytes();
            stringsLeaf->changed = true;
        }
        SaveForCli(*file, opt.value("-o"), ctx);
        ctx.out << "Saved " << (opt.has("-o") ? opt.value("-o") : opt.positional()[0]) << "\n";
    }

    if (stringsLeaf) {
        ctx.out << "Name: " << Printable(strings.GetString(BreedNameStringID)) << "\n";
        ctx.out << "Folder: " << Printable(strings.GetString(BreedFolderStringID)) << "\n";
    } else {
        ctx.out << "Name: (no string table 63, language 1033)\n";
    }
    if (!listLeaf) {
        ctx.out << "Sprite list: none (raw data 1003, language 1033)\n";
    } else {
        ctx.out << "Sprite list: " << list.list.Count() << " entr" << (list.list.Count() == 1 ? "y" : "ies")
                << "\n";
        for (std::size_t i = 0; i < list.list.Count(); ++i) {
            const TSpriteRC& e = list.list.Item(i);
            ctx.out << "  " << i << ": sprite \"" << Printable(Cp1252ToUtf8(e.spriteName)) << "\", display \""
                    << Printable(Cp1252ToUtf8(e.displayName)) << "\", breed ID "
                    << BreedIDDisplayText(e.breedID) << ", tag " << e.tag << "\n";
        }
        if (!listProblem.empty()) {
            ctx.err << "ballforge-cli breed: the sprite list is damaged: " << listProblem << "\n";
            return ExitUsage;
        }
    }
    return ExitOk;
}

int RunStrings(const CliArgs& args, CliContext& ctx) {
    CliOptions opt(args, {});
    opt.expect(1, 1);
    auto file = OpenForCli(opt.positional()[0]);
    if (!dynamic_cast<TDLLresfile*>(file.get())) throw ECliUsage("strings works on PE modules");
    tresourcenode* type = file->root().FindChildByID(BreedStringsResourceType);
    if (!type || type->count() == 0) {
        ctx.out << "No string tables in \"" << file->fileName() << "\"\n";
        return ExitOk;
    }
    for (std::size_t n = 0; n < type->count(); ++n) {
        const tresourcenode& block = *type->child(n);
        for (std::size_t l = 0; l < block.count(); ++l) {
            const tresourcenode& lang = *block.child(l);
            if (!block.isNumeric()) {
                ctx.out << "String table \"" << block.name << "\" (language " << lang.number
                        << "): not a numbered block, " << lang.data.size() << " bytes\n";
                continue;
            }
            TStringtabledecoder table(block.number);
            table.LoadFromStream(lang.data);
            ctx.out << "String table " << block.number << " (language " << lang.number << ")\n";
            for (int i = 0; i < TStringtabledecoder::StringCount; ++i) {
                if (table.strings[std::size_t(i)].empty()) continue;
                const std::int64_t id = std::int64_t(block.number - 1) * 16 + i;
                ctx.out << "  " << id << "  " << Printable(table.strings[std::size_t(i)]) << "\n";
            }
        }
    }
    return ExitOk;
}

} // namespace

extern const CliCommand cmdSprites{
    "sprites", "sprites FILE [-o DIR] [--palette NAME]",
    "Lists the animations and frames of sprite containers; -o writes them as PNG files.",
    "FILE is a module (every \"SPR\" resource is read) or a raw sprite container. With -o every frame\n"
    "is written as a PNG with alpha, and every animation as an animated PNG (.anim.png) that shows\n"
    "its frames at their offsets, ten a second. --palette chooses the palette of palette-indexed\n"
    "frames: petz (the default), babyz, oddballz, catz1 or dogz1.\n",
    RunSprites};
extern const CliCommand cmdBreed{
    "breed", "breed FILE [--set-id N] [--set-name TEXT] [-o NEWFILE]",
    "Shows a breed's name, folder name and sprite list; can set its breed ID and name.",
    "The name is string 1001 and the folder name string 1002 of string table 63; the sprite list is\n"
    "raw data 1003, whose first entry carries the breed ID (shown in decimal and as the game's\n"
    "byte-swapped hexadecimal). --set-id changes entry 0's breed ID and --set-name string 1001; the\n"
    "module is saved safely, or written to NEWFILE with -o.\n",
    RunBreed};
extern const CliCommand cmdStrings{"strings", "strings FILE",
                                   "Prints every string table of a module by string ID.", "", RunStrings};

} // namespace ballforge
