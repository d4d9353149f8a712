#include "documents/Errors.h"
#include "documents/FileUtils.h"
#include "documents/TDLLresfile.h"
#include "documents/TextCodec.h"
#include "formats/PEResourceWriter.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>

using namespace ballforge;
using namespace ballforge::test;

namespace {

std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t o) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + o, 4);
    return v;
}
void Put32(std::vector<std::uint8_t>& b, std::size_t o, std::uint32_t v) { std::memcpy(b.data() + o, &v, 4); }
void Put16(std::vector<std::uint8_t>& b, std::size_t o, std::uint16_t v) { std::memcpy(b.data() + o, &v, 2); }

const TPEInfo::Section& ResourceSection(const TPEInfo& info) {
    for (const auto& s : info.sections)
        if (s.virtualAddress == info.dataDirectoryVA[2]) return s;
    throw std::runtime_error("no resource section");
}

// Every resource of a loaded module as "type/name/lang" -> bytes.
std::map<std::string, std::vector<std::uint8_t>> Resources(const std::string& file) {
    TDLLresfile f(file);
    f.Load();
    std::map<std::string, std::vector<std::uint8_t>> out;
    for (std::size_t t = 0; t < f.root().count(); ++t)
        for (std::size_t n = 0; n < f.root().child(t)->count(); ++n)
            for (std::size_t l = 0; l < f.root().child(t)->child(n)->count(); ++l) {
                auto* type = f.root().child(t);
                auto* name = type->child(n);
                auto* lang = name->child(l);
                out[f.Tresourcefile::IdentifierText(*type) + "/" + f.IdentifierText(*name) + "/" +
                    std::to_string(lang->number)] = lang->data;
            }
    return out;
}

const char* const kCantRead =
    "Couldn't read resources from the file. It may be an unsupported format or is open by another application.";

std::string Fixture(const char* name) { return FixturePath(std::string("pe/") + name); }

} // namespace

// A small tree laid out by hand from the section format: named before numbered, pre-order tables,
// names in pre-order after the directory area, data blocks on 4-byte boundaries.
TEST(PEResourceWriter, WritesAHandComputedSectionForASmallTree) {
    TempDir dir;
    const std::string file = CopyTo(dir, Fixture("rsrc-reloc-512.dll"));
    auto u = BeginResUpdate(file, true);
    ASSERT_TRUE(u);
    const std::uint8_t ab[] = {'a', 'b'}, abc[] = {'a', 'b', 'c'}, str[] = {1, 0, 'A', 0};
    // Added out of order on purpose: the writer keeps every directory sorted.
    ASSERT_TRUE(UpdateResItem(*u, TResourceIDRec::Number(6), TResourceIDRec::Number(63), 1033, str, 4));
    ASSERT_TRUE(UpdateResItem(*u, TResourceIDRec::Name("LNZ"), TResourceIDRec::Name("ADULT"), 1033, abc, 3));
    ASSERT_TRUE(UpdateResItem(*u, TResourceIDRec::Name("LNZ"), TResourceIDRec::Name("ADULT"), 1031, ab, 2));
    ASSERT_TRUE(EndResUpdate(std::move(u), false));

    const auto bytes = ReadBytes(file);
    const TPEInfo info = ReadPEInfo(bytes);
    const auto& rs = ResourceSection(info);
    const std::uint32_t va = rs.virtualAddress;
    // clang-format off
    const std::vector<std::uint32_t> expected = {
        // root table at 0: one named entry, one numbered
        0, 0, 0, 0x00010001,
        0x80000000u | 184, 0x80000000u | 32,    // "LNZ" -> table at 32
        6, 0x80000000u | 120,                    // 6 -> table at 120
        // "LNZ" table at 32
        0, 0, 0, 0x00000001,
        0x80000000u | 192, 0x80000000u | 56,    // "ADULT" -> table at 56
        // "ADULT" table at 56: two languages
        0, 0, 0, 0x00020000,
        1031, 88,
        1033, 104,
        // data entries at 88 and 104
        va + 204, 2, 0, 0,
        va + 208, 3, 0, 0,
        // type 6 at 120
        0, 0, 0, 0x00010000,
        63, 0x80000000u | 144,
        // name 63 at 144
        0, 0, 0, 0x00010000,
        1033, 168,
        // data entry at 168
        va + 212, 4, 0, 0,
    };
    // clang-format on
    std::vector<std::uint8_t> want;
    for (std::uint32_t w : expected)
        for (int k = 0; k < 4; ++k) want.push_back(std::uint8_t(w >> (8 * k)));
    // Name strings at 184: "LNZ" then "ADULT", length-prefixed UTF-16, no padding between them.
    for (const char* s : {"LNZ", "ADULT"}) {
        want.push_back(std::uint8_t(std::strlen(s)));
        want.push_back(0);
        for (const char* c = s; *c; ++c) want.insert(want.end(), {std::uint8_t(*c), 0});
    }
    ASSERT_EQ(want.size(), 204u); // already a multiple of 4: the data area starts here
    want.insert(want.end(), {'a', 'b', 0, 0, 'a', 'b', 'c', 0, 1, 0, 'A', 0});
    ASSERT_EQ(want.size(), 216u);

    EXPECT_EQ(rs.virtualSize, 216u);
    EXPECT_EQ(info.dataDirectorySize[2], 216u);
    EXPECT_EQ(rs.sizeOfRawData, 512u);
    const std::vector<std::uint8_t> got(bytes.begin() + rs.pointerToRawData, bytes.begin() + rs.pointerToRawData + 216);
    EXPECT_EQ(got, want);
    // The rest of the raw section is zero.
    for (std::size_t i = rs.pointerToRawData + 216; i < rs.pointerToRawData + 512; ++i) ASSERT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(info.checksum, ComputePEChecksum(bytes));
}

TEST(PEResourceWriter, KeepsDirectoriesOrderedAndDeletesByTheTable) {
    TempDir dir;
    const std::string file = CopyTo(dir, Fixture("rsrc-reloc-512.dll"));
    auto N = TResourceIDRec::Number;
    auto S = TResourceIDRec::Name;
    auto u = BeginResUpdate(file, true);
    ASSERT_TRUE(u);
    const std::uint8_t x[] = {1};
    for (auto type : {N(10), S("b"), N(2), S("B"), S("a"), S("AB")})
        ASSERT_TRUE(UpdateResItem(*u, type, N(1), 1033, x, 1));
    ASSERT_TRUE(UpdateResItem(*u, N(10), N(1), 7, x, 1));
    ASSERT_TRUE(UpdateResItem(*u, N(10), N(1), 0, x, 1));
    std::vector<std::string> order;
    for (const auto& c : ResUpdateRoot(*u).children) order.push_back(c->isNamed() ? Utf16ToUtf8(c->name) : std::to_string(c->id));
    EXPECT_EQ(order, (std::vector<std::string>{"AB", "B", "a", "b", "2", "10"}));
    const TResItem& rc = *ResUpdateRoot(*u).children.back()->children[0];
    ASSERT_EQ(rc.children.size(), 3u);
    EXPECT_EQ(rc.children[0]->id, 0);
    EXPECT_EQ(rc.children[1]->id, 7);
    EXPECT_EQ(rc.children[2]->id, 1033);

    // Deleting: a missing language with a non-zero id and a missing type change nothing.
    EXPECT_TRUE(UpdateResItem(*u, N(10), N(1), 99, nullptr, 0));
    EXPECT_TRUE(UpdateResItem(*u, N(77), N(1), 0, nullptr, 0));
    EXPECT_EQ(ResUpdateRoot(*u).children.size(), 6u);
    // Language 0 that does not exist removes the whole name, and with it the emptied type.
    EXPECT_TRUE(UpdateResItem(*u, S("a"), N(1), 1033, nullptr, 0));
    EXPECT_EQ(ResUpdateRoot(*u).children.size(), 5u);
    // Name 0 and language 0 remove a whole type.
    EXPECT_TRUE(UpdateResItem(*u, N(10), N(0), 0, nullptr, 0));
    EXPECT_EQ(ResUpdateRoot(*u).children.back()->id, 2);
    // Identifiers a module cannot store are refused.
    EXPECT_FALSE(UpdateResItem(*u, N(70000), N(1), 1033, x, 1));
    EXPECT_FALSE(UpdateResItem(*u, N(10), N(-1), 1033, x, 1));
    EXPECT_FALSE(UpdateResItem(*u, N(10), N(1), 65536, x, 1));
    EXPECT_TRUE(EndResUpdate(std::move(u), true));
}

TEST(PEResourceWriter, GetResItemDataMatchesDirectoriesAndLanguagesExactly) {
    auto u = BeginResUpdate(Fixture("rsrc-reloc-512.dll"), false);
    ASSERT_TRUE(u);
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(GetResItemData(*u, TResourceIDRec::Name("LNZ"), TResourceIDRec::Name("ADULT_LNZ"), 1033, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), ";Adult\r\n[Default Scales]\r\n100\r\n");
    EXPECT_TRUE(GetResItemData(*u, TResourceIDRec::Name("LNZ"), TResourceIDRec::Name("ADULT_LNZ"), 1031, bytes));
    EXPECT_FALSE(GetResItemData(*u, TResourceIDRec::Name("lnz"), TResourceIDRec::Name("ADULT_LNZ"), 1033, bytes));
    EXPECT_FALSE(GetResItemData(*u, TResourceIDRec::Name("LNZ"), TResourceIDRec::Name("ADULT_LNZ"), 1036, bytes));
    EXPECT_TRUE(GetResItemData(*u, TResourceIDRec::Number(10), TResourceIDRec::Name("BIGDATA"), 1033, bytes));
    EXPECT_EQ(bytes.size(), 40u * 1024 + 3);
    EndResUpdate(std::move(u), true);
}

TEST(DLLresfile, LoadsTheTreeWithEditorsAndDisplayNames) {
    TDLLresfile f(Fixture("rsrc-reloc-512.dll"));
    f.Load();
    tresourcenode* lnz = f.root().FindChildByName("lnz");
    ASSERT_TRUE(lnz);
    tresourcenode* adult = lnz->FindChildByName("ADULT_LNZ");
    ASSERT_TRUE(adult);
    ASSERT_EQ(adult->count(), 2u); // languages 1031 and 1033, in directory order
    EXPECT_EQ(adult->child(0)->number, 1031);
    EXPECT_EQ(adult->child(1)->number, 1033);
    EXPECT_EQ(adult->child(1)->frameclass, TFrameKind::LNZSynedit);
    EXPECT_FALSE(adult->child(1)->changed);
    EXPECT_EQ(adult->frameclass, TFrameKind::ViewFrame);
    tresourcenode* strings = f.root().FindChildByID(6);
    ASSERT_TRUE(strings);
    EXPECT_EQ(f.IdentifierText(*strings), "String list");
    EXPECT_EQ(strings->child(0)->child(0)->frameclass, TFrameKind::StringsEditor);
    tresourcenode* rc = f.root().FindChildByID(10);
    EXPECT_EQ(rc->FindChildByID(1003)->child(0)->frameclass, TFrameKind::RCDataedit);
    EXPECT_EQ(rc->FindChildByName("BIGDATA")->child(0)->frameclass, TFrameKind::HexEditor);
    tresourcenode* rt = f.root().FindChildByID(240);
    ASSERT_TRUE(rt);
    EXPECT_EQ(f.IdentifierText(*rt), "RT240");
    EXPECT_EQ(f.IdentifierText(*rt->child(0)), "300");
}

TEST(DLLresfile, ReadOnlyModulesOpenButDoNotSave) {
    TempDir dir;
    const std::string file = CopyTo(dir, Fixture("rsrc-reloc-512.dll"));
    const auto before = ReadBytes(file);
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read,
                                 std::filesystem::perm_options::replace);
    if (CanWriteFile(file)) GTEST_SKIP() << "running with rights that ignore read-only files";
    TDLLresfile f(file);
    ASSERT_NO_THROW(f.Load());
    f.root().child(0)->child(0)->child(0)->data = {1, 2, 3};
    EXPECT_FALSE(f.SaveTo(file));
    EXPECT_EQ(f.fileName(), file);
    EXPECT_EQ(ReadBytes(file), before);
}

TEST(DLLresfile, UnstorableIdentifiersFailTheSaveAndLeaveTheFile) {
    TempDir dir;
    const std::string file = CopyTo(dir, Fixture("rsrc-reloc-512.dll"));
    const auto before = ReadBytes(file);
    TDLLresfile f(file);
    f.Load();
    f.root().GetOrAddChildByID(70000)->GetOrAddChildByID(1)->GetOrAddChildByID(1033)->data = {1};
    EXPECT_FALSE(f.SaveTo(file));
    EXPECT_NE(f.lastError().find("0 to 65535"), std::string::npos);
    EXPECT_EQ(ReadBytes(file), before);
    // No temporary file is left behind.
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1u);
}

TEST(DLLresfile, EmptiedResourcesVanishAndChangedFlagsClear) {
    TempDir dir;
    const std::string file = CopyTo(dir, Fixture("rsrc-reloc-512.dll"));
    TDLLresfile f(file);
    f.Load();
    tresourcenode* txt = f.root().FindChildByName("TXT")->FindChildByName("BEVENT");
    ASSERT_EQ(txt->count(), 3u);
    txt->child(0)->data.clear();
    txt->child(2)->data = {'n', 'e', 'w'};
    txt->child(2)->changed = true;
    ASSERT_TRUE(f.SaveTo(file));
    EXPECT_FALSE(f.root().AnyChanged());
    const auto after = Resources(file);
    EXPECT_EQ(after.count("TXT/BEVENT/1031"), 0u);
    EXPECT_EQ(after.at("TXT/BEVENT/1036"), (std::vector<std::uint8_t>{'n', 'e', 'w'}));
    EXPECT_EQ(after.count("TXT/BEVENT/1033"), 1u);
}

// Load, save unchanged, and compare: the resources, the checksum, and every byte outside the
// section and its tail move (allowing only the header fields that must change).
static void CheckRoundTrip(const std::string& source) {
    SCOPED_TRACE(source);
    TempDir dir;
    const std::string file = CopyTo(dir, source, "module.bin");
    const auto before = ReadBytes(file);
    const auto resourcesBefore = Resources(file);
    TDLLresfile f(file);
    f.Load();
    ASSERT_TRUE(f.SaveTo(file)) << f.lastError();
    const auto after = ReadBytes(file);
    EXPECT_EQ(Resources(file), resourcesBefore);
    const TPEInfo oldInfo = ReadPEInfo(before), newInfo = ReadPEInfo(after);
    EXPECT_EQ(newInfo.checksum, ComputePEChecksum(after));
    const auto& oldRes = ResourceSection(oldInfo);
    const auto& newRes = ResourceSection(newInfo);
    const std::int64_t dF = std::int64_t(newRes.sizeOfRawData) - oldRes.sizeOfRawData;
    EXPECT_EQ(std::int64_t(after.size()) - std::int64_t(before.size()), dF);

    // Header fields that may change: checksum, sizes, the section table from the resource
    // section on, the data directories, the symbol table pointer and the debug entries.
    const std::size_t sig = Get32(before, 0x3C);
    std::set<std::size_t> mayChange;
    auto allow = [&](std::size_t off, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) mayChange.insert(off + i);
    };
    allow(sig + 4 + 8, 4);         // PointerToSymbolTable
    allow(sig + 24 + 8, 4);        // SizeOfInitializedData
    allow(sig + 24 + 56, 4);       // SizeOfImage
    allow(sig + 24 + 64, 4);       // CheckSum
    allow(sig + 24 + 96, 16 * 8);  // data directories
    allow(sig + 248, 40 * oldInfo.sections.size());
    if (oldInfo.dataDirectorySize[6]) {
        for (const auto& s : oldInfo.sections)
            if (oldInfo.dataDirectoryVA[6] >= s.virtualAddress && oldInfo.dataDirectoryVA[6] - s.virtualAddress < s.sizeOfRawData)
                allow(s.pointerToRawData + (oldInfo.dataDirectoryVA[6] - s.virtualAddress), oldInfo.dataDirectorySize[6] * 28);
    }
    for (std::size_t i = 0; i < oldRes.pointerToRawData; ++i)
        if (!mayChange.count(i)) {
            ASSERT_EQ(before[i], after[i]) << "head byte " << i;
        }
    const std::size_t oldEnd = oldRes.pointerToRawData + oldRes.sizeOfRawData;
    for (std::size_t i = oldEnd; i < before.size(); ++i)
        if (!mayChange.count(i)) {
            ASSERT_EQ(before[i], after[std::size_t(std::int64_t(i) + dF)]) << "tail byte " << i;
        }

    // An independent reader agrees on the checksum and the resources.
    if (std::filesystem::exists("/usr/bin/python3") &&
        std::system("/usr/bin/python3 -c 'import pefile' 2>/dev/null") == 0) {
        const std::string script = std::string(BALLFORGE_SOURCE_ROOT) + "/tests/formats/pe_listing.py";
        const std::string outFile = dir.file("inspect.txt");
        const std::string cmd = "/usr/bin/python3 '" + script + "' '" + file + "' > '" + outFile + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
        const auto text = ReadBytes(outFile);
        const std::string report(text.begin(), text.end());
        EXPECT_EQ(report.rfind("checksum ok\n", 0), 0u) << report;
        std::size_t lines = 0;
        for (char c : report) lines += c == '\n';
        EXPECT_EQ(lines, resourcesBefore.size() + 1) << report;
        for (const auto& [key, bytes] : resourcesBefore) {
            std::uint64_t h = 0xCBF29CE484222325ULL;
            for (std::uint8_t b : bytes) h = (h ^ b) * 0x100000001B3ULL;
            char hex[17];
            std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
            std::string slashKey = key;
            // pefile prints numbered types as numbers; our key uses display names for types.
            EXPECT_NE(report.find(" " + std::to_string(bytes.size()) + " " + hex), std::string::npos) << key;
        }
    }
}

TEST(PERoundTrip, EveryFixtureSavesUnchanged) {
    for (const char* name : {"rsrc-reloc-512.dll", "rsrc-reloc-4096.dll", "symbols.dll", "debug-tail.dll",
                             "appended.dll", "certificate.dll", "sample-base.dll"})
        CheckRoundTrip(Fixture(name));
}

TEST(PERoundTrip, RealModulesSaveUnchanged) {
    BALLFORGE_REQUIRE_REALDATA("modules");
    for (const auto& entry : std::filesystem::directory_iterator(RealDataPath("modules"))) CheckRoundTrip(entry.path().string());
}

TEST(PERoundTrip, TheSampleBreedSavesUnchanged) {
    const std::string sample = std::string(BALLFORGE_SOURCE_ROOT) + "/examples/Sample.dog";
    if (!std::filesystem::exists(sample)) GTEST_SKIP();
    CheckRoundTrip(sample);
}

// A big resource grows the section: .reloc moves up, the base relocation directory follows,
// debug data behind the last section and the certificate table move with the file.
TEST(PEGrowShrink, FollowingSectionsDebugDataAndCertificatesMove) {
    for (const char* name : {"debug-tail.dll", "certificate.dll", "symbols.dll"}) {
        SCOPED_TRACE(name);
        TempDir dir;
        const std::string file = CopyTo(dir, Fixture(name));
        const auto original = ReadBytes(file);
        const TPEInfo o = ReadPEInfo(original);
        TDLLresfile f(file);
        f.Load();
        auto* big = f.root().GetOrAddChildByName("BIG")->GetOrAddChildByID(1)->GetOrAddChildByID(1033);
        big->data.assign(100000, 0x5A);
        ASSERT_TRUE(f.SaveTo(file)) << f.lastError();
        const auto grown = ReadBytes(file);
        const TPEInfo g = ReadPEInfo(grown);
        const auto& oRes = ResourceSection(o);
        const auto& gRes = ResourceSection(g);
        const std::int64_t dF = std::int64_t(gRes.sizeOfRawData) - oRes.sizeOfRawData;
        ASSERT_GT(dF, 90000);
        EXPECT_EQ(std::int64_t(grown.size()) - std::int64_t(original.size()), dF);
        EXPECT_EQ(g.checksum, ComputePEChecksum(grown));
        const std::uint32_t dV = g.sizeOfImage - o.sizeOfImage;
        EXPECT_EQ(dV % o.sectionAlignment, 0u);
        EXPECT_GT(dV, 90000u);
        for (std::size_t i = 0; i < o.sections.size(); ++i) {
            if (o.sections[i].virtualAddress <= oRes.virtualAddress) {
                EXPECT_EQ(g.sections[i].virtualAddress, o.sections[i].virtualAddress);
                continue;
            }
            EXPECT_EQ(g.sections[i].virtualAddress, o.sections[i].virtualAddress + dV) << o.sections[i].name;
            EXPECT_EQ(g.sections[i].pointerToRawData, o.sections[i].pointerToRawData + dF) << o.sections[i].name;
        }
        EXPECT_EQ(g.dataDirectoryVA[5], o.dataDirectoryVA[5] + dV); // base relocations follow .reloc
        if (o.dataDirectorySize[4]) {
            EXPECT_EQ(g.dataDirectoryVA[4], o.dataDirectoryVA[4] + dF); // a file offset: moves by dF
            EXPECT_TRUE(std::equal(original.begin() + o.dataDirectoryVA[4], original.end(), grown.begin() + g.dataDirectoryVA[4]));
        }
        if (o.dataDirectorySize[6]) {
            // Find the entries, and check that their data moved with the file and is intact.
            auto entriesAt = [](const std::vector<std::uint8_t>& b, const TPEInfo& info) {
                for (const auto& s : info.sections)
                    if (info.dataDirectoryVA[6] >= s.virtualAddress && info.dataDirectoryVA[6] - s.virtualAddress < s.sizeOfRawData)
                        return std::size_t(s.pointerToRawData + (info.dataDirectoryVA[6] - s.virtualAddress));
                (void)b;
                return std::size_t(0);
            };
            const std::size_t oe = entriesAt(original, o), ge = entriesAt(grown, g);
            for (int k = 0; k < 2; ++k) {
                const std::uint32_t size = Get32(original, oe + 28 * k + 16);
                const std::uint32_t op = Get32(original, oe + 28 * k + 24), gp = Get32(grown, ge + 28 * k + 24);
                EXPECT_EQ(gp, op + dF);
                EXPECT_TRUE(std::equal(original.begin() + op, original.begin() + op + size, grown.begin() + gp));
            }
        }
        const std::size_t sig = Get32(original, 0x3C);
        if (Get32(original, sig + 12)) {
            EXPECT_EQ(Get32(grown, sig + 12), Get32(original, sig + 12) + dF);
        }

        // Deleting the resource shrinks the file back by exactly the same amount.
        TDLLresfile again(file);
        again.Load();
        again.root().FindChildByName("BIG")->child(0)->child(0)->data.clear();
        ASSERT_TRUE(again.SaveTo(file));
        const auto shrunk = ReadBytes(file);
        TDLLresfile plain(CopyTo(dir, Fixture(name), "plain.dll"));
        plain.Load();
        ASSERT_TRUE(plain.SaveTo(plain.fileName()));
        EXPECT_EQ(shrunk, ReadBytes(plain.fileName()));
    }
}

// A debug directory whose Size is not a multiple of 28 is read as Size entries.
TEST(PEGrowShrink, DebugSizeNotAMultipleOf28CountsEntries) {
    TempDir dir;
    const std::string file = CopyTo(dir, Fixture("debug-tail.dll"));
    auto bytes = ReadBytes(file);
    const TPEInfo info = ReadPEInfo(bytes);
    std::size_t entries = 0;
    for (const auto& s : info.sections)
        if (info.dataDirectoryVA[6] >= s.virtualAddress && info.dataDirectoryVA[6] - s.virtualAddress < s.sizeOfRawData)
            entries = s.pointerToRawData + (info.dataDirectoryVA[6] - s.virtualAddress);
    // A third entry pointing behind the sections, announced only by Size = 3.
    const std::uint32_t third = Get32(bytes, entries + 24);
    Put32(bytes, entries + 2 * 28 + 24, third);
    Put32(bytes, entries + 2 * 28 + 16, 4);
    Put32(bytes, ReadPEInfo(bytes).checksumOffset - 64 + 96 + 6 * 8 + 4, 3);
    WriteBytes(file, bytes);
    TDLLresfile f(file);
    f.Load();
    f.root().GetOrAddChildByName("BIG")->GetOrAddChildByID(1)->GetOrAddChildByID(1033)->data.assign(5000, 1);
    ASSERT_TRUE(f.SaveTo(file));
    const auto grown = ReadBytes(file);
    const std::int64_t dF = std::int64_t(grown.size()) - std::int64_t(bytes.size());
    ASSERT_GT(dF, 0);
    EXPECT_EQ(Get32(grown, entries + 2 * 28 + 24), third + dF);
}

// Damaged and hostile modules end the load with the usual message, never a crash or a hang.
TEST(PEDamaged, EveryDamagedModuleGivesTheClearError) {
    const auto good = ReadBytes(Fixture("rsrc-reloc-512.dll"));
    const TPEInfo info = ReadPEInfo(good);
    const auto& rs = ResourceSection(info);
    const std::size_t R = rs.pointerToRawData;
    const std::size_t sig = Get32(good, 0x3C);
    struct Case {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> damage;
        const char* message;
    } cases[] = {
        {"cut inside the resource section", [&](auto& b) { b.resize(R + 40); }, kCantRead},
        {"cut inside the headers", [&](auto& b) { b.resize(sig + 100); }, kCantRead},
        {"cut to two bytes", [&](auto& b) { b.resize(2); }, kCantRead},
        {"no PE signature", [&](auto& b) { b[sig] = 'X'; }, kCantRead},
        {"signature offset past the end", [&](auto& b) { Put32(b, 0x3C, 0x7FFFFFF0); }, kCantRead},
        {"PE32+ optional header", [&](auto& b) { Put16(b, sig + 24, 0x20B); }, kCantRead},
        {"file alignment 0", [&](auto& b) { Put32(b, sig + 24 + 36, 0); }, kCantRead},
        {"no resource section", [&](auto& b) { Put32(b, sig + 24 + 96 + 16, 0x7777000); }, kCantRead},
        {"directory loops to the root", [&](auto& b) { Put32(b, R + 16 + 4, 0x80000000u); }, kCantRead},
        {"huge entry counts", [&](auto& b) { Put16(b, R + 12, 0xFFFF); Put16(b, R + 14, 0xFFFF); }, kCantRead},
        {"subdirectory past the section", [&](auto& b) { Put32(b, R + 16 + 4, 0x80000000u | 0x7FFFFF00u); }, kCantRead},
        {"name string past the section",
         [&](auto& b) {
             // The first root entry is a named type ("LNZ"): point its string far away.
             Put32(b, R + 16, 0x80000000u | 0x00FFFFF0u);
         },
         kCantRead},
        {"name string length beyond the section",
         [&](auto& b) {
             const std::uint32_t off = Get32(b, R + 16) & 0x7FFFFFFFu;
             Put16(b, R + off, 0xFFFF);
         },
         kCantRead},
        {"section table count beyond the file", [&](auto& b) { Put16(b, sig + 6, 0xFFFF); }, kCantRead},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        auto bytes = good;
        c.damage(bytes);
        const std::string file = dir.file("damaged.dll");
        WriteBytes(file, bytes);
        TDLLresfile f(file);
        try {
            f.Load();
            ADD_FAILURE() << "loaded";
        } catch (const eerrormessage& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(f.root().count(), 0u);
    }
}

// Fan-out: many entries that all point to one subdirectory would multiply the work; the shared
// subdirectory is refused, and data entries outside the file are refused too.
TEST(PEDamaged, SharedSubdirectoriesAndDataOutsideTheFileAreRefused) {
    const auto good = ReadBytes(Fixture("rsrc-reloc-512.dll"));
    const TPEInfo info = ReadPEInfo(good);
    const auto& rs = ResourceSection(info);
    const std::size_t R = rs.pointerToRawData;
    TempDir dir;
    {
        auto b = good;
        // Make the second root entry point to the first one's subdirectory.
        Put32(b, R + 24 + 4, Get32(b, R + 16 + 4));
        WriteBytes(dir.file("shared.dll"), b);
        TDLLresfile f(dir.file("shared.dll"));
        EXPECT_THROW(f.Load(), eerrormessage);
    }
    {
        auto b = good;
        // Find the first data entry by walking three levels down the first entries.
        std::uint32_t off = 0;
        for (int level = 0; level < 3; ++level) off = Get32(b, R + off + 16 + 4) & 0x7FFFFFFFu;
        Put32(b, R + off, 0x7FFFFFF0u);
        WriteBytes(dir.file("outside.dll"), b);
        TDLLresfile f(dir.file("outside.dll"));
        EXPECT_THROW(f.Load(), eerrormessage);
        // A size that runs past the end of the file.
        auto c = good;
        Put32(c, R + off + 4, 0x7FFFFFF0u);
        WriteBytes(dir.file("long.dll"), c);
        TDLLresfile g(dir.file("long.dll"));
        EXPECT_THROW(g.Load(), eerrormessage);
    }
}

TEST(PEDamaged, UnsupportedModulesGiveTheClearError) {
    for (const char* name : {"pe32plus.dll", "no-resources.dll"}) {
        TDLLresfile f(Fixture(name));
        try {
            f.Load();
            ADD_FAILURE() << name << " loaded";
        } catch (const eerrormessage& e) {
            EXPECT_STREQ(e.what(), kCantRead) << name;
        }
    }
    TDLLresfile missing("/nonexistent/x.dog");
    try {
        missing.Load();
        ADD_FAILURE();
    } catch (const eerrormessage& e) {
        EXPECT_STREQ(e.what(), "Couldn't open file!");
    }
}

// Data entries that point outside the resource section are found through the section table.
TEST(PEResourceWriter, DataOutsideTheResourceSectionIsLocated) {
    TempDir dir;
    auto b = ReadBytes(Fixture("rsrc-reloc-512.dll"));
    const TPEInfo info = ReadPEInfo(b);
    const auto& rs = ResourceSection(info);
    const std::size_t R = rs.pointerToRawData;
    std::uint32_t off = 0;
    for (int level = 0; level < 3; ++level) off = Get32(b, R + off + 16 + 4) & 0x7FFFFFFFu;
    // Point the first resource at the first bytes of .text, whatever they are.
    const auto& text = info.sections[0];
    Put32(b, R + off, text.virtualAddress);
    Put32(b, R + off + 4, 16);
    WriteBytes(dir.file("m.dll"), b);
    TDLLresfile f(dir.file("m.dll"));
    f.Load();
    const auto& data = f.root().child(0)->child(0)->child(0)->data;
    ASSERT_EQ(data.size(), 16u);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), b.begin() + text.pointerToRawData));
    // A zero Size in the resource data directory does not stop the reading.
    Put32(b, ReadPEInfo(b).checksumOffset - 64 + 96 + 2 * 8 + 4, 0);
    WriteBytes(dir.file("m.dll"), b);
    TDLLresfile g(dir.file("m.dll"));
    EXPECT_NO_THROW(g.Load());
    EXPECT_TRUE(g.SaveTo(g.fileName())) << g.lastError();
}
