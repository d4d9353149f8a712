// Settings, recent files, start-up rules and the games' folders (Wine registry included).
#include "TestSupport.h"

#include "app/GameFolders.h"
#include "app/StartupRules.h"
#include "app/TSettings.h"
#include "app/TWineRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace ballforge;

TEST(RecentFiles, AddFileKeepsOneEntryPerNameIgnoringCaseAndTheNewestLast) {
    TRecentfiles recent;
    int changes = 0;
    recent.onChanged = [&] { ++changes; };
    recent.AddFile("a.lnz");
    recent.AddFile("b.lnz");
    recent.AddFile("A.LNZ");
    EXPECT_EQ(recent.files(), (std::vector<std::string>{"b.lnz", "A.LNZ"}));
    const auto menu = recent.MenuEntries();
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].fileName, "A.LNZ");
    EXPECT_EQ(menu[1].fileName, "b.lnz");
    EXPECT_EQ(changes, 3);
}

TEST(RecentFiles, KeepsTheLastEightAndHidesVeryLongNamesFromTheMenu) {
    TRecentfiles recent;
    for (int i = 1; i <= 9; ++i)
        recent.AddFile("file" + std::to_string(i));
    ASSERT_EQ(recent.files().size(), 8u);
    EXPECT_EQ(recent.files().front(), "file2");
    EXPECT_EQ(recent.files().back(), "file9");

    const std::string longName(500, 'x');
    recent.AddFile(longName);
    EXPECT_EQ(recent.files().back(), longName);
    for (const auto& e : recent.MenuEntries())
        EXPECT_NE(e.fileName, longName);
    EXPECT_EQ(recent.MenuEntries().size(), 7u);
    TMemorySettingsStore store;
    recent.SaveTo(store);
    EXPECT_EQ(DecodeRecentFiles(*store.ReadBinary("RecentFiles")).back(), longName);
}

TEST(RecentFiles, ByteLayoutIsCountThenLengthPrefixedPathsOldestFirst) {
    EXPECT_EQ(EncodeRecentFiles({}), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    const std::vector<std::uint8_t> two = {2, 0, 0, 0, 1, 0, 0, 0, 'a', 2, 0, 0, 0, 'b', 'c'};
    EXPECT_EQ(EncodeRecentFiles({"a", "bc"}), two);
    EXPECT_EQ(DecodeRecentFiles(two), (std::vector<std::string>{"a", "bc"}));
}

TEST(RecentFiles, DamagedValuesReadWhatIsThereAndNeverOverrun) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::vector<std::string> expected;
    } cases[] = {
        {"empty value", {}, {}},
        {"count only, promising entries", {5, 0, 0, 0}, {}},
        {"entry longer than the value", {1, 0, 0, 0, 9, 0, 0, 0, 'a', 'b'}, {"ab"}},
        {"huge count and length", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'z'}, {"z"}},
        {"length cut short", {2, 0, 0, 0, 1, 0, 0, 0, 'a', 3, 0}, {"a"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeRecentFiles(c.bytes), c.expected) << c.what;

    // A stored list of more than eight entries is cut to the newest eight.
    std::vector<std::string> many;
    for (int i = 0; i < 12; ++i)
        many.push_back(std::to_string(i));
    TMemorySettingsStore store;
    store.exists = true;
    store.WriteBinary("RecentFiles", EncodeRecentFiles(many));
    TRecentfiles recent;
    recent.LoadFrom(store);
    ASSERT_EQ(recent.files().size(), 8u);
    EXPECT_EQ(recent.files().front(), "4");
}

TEST(Settings, DefaultsWhenTheKeyIsMissingAndRoundTripOtherwise) {
    TSettings defaults;
    TMemorySettingsStore missing;
    defaults.Load(missing);
    EXPECT_EQ(defaults.WindowPositionText(), "20,20,700,600");
    EXPECT_EQ(defaults.helpPaneHeight, 150);
    EXPECT_TRUE(defaults.recentFiles.files().empty());

    TSettings s;
    s.lastFolder = "C:\\Breeds\\";
    s.windowLeft = 5;
    s.mainWindowState = wsMaximized;
    s.childWindowState = wsMinimized;
    s.helpPaneHeight = 222;
    s.recentFiles.AddFile("x.dog");
    TMemorySettingsStore store;
    s.Save(store, "/opt/ballforge/ballforge");
    EXPECT_EQ(store.ReadString("apppath"), "/opt/ballforge/ballforge");
    EXPECT_EQ(store.ReadString("WindowPosition"), "5,20,700,600");
    EXPECT_EQ(store.ReadInteger("MainWindowState"), 2);

    TSettings back;
    back.Load(store);
    EXPECT_EQ(back.lastFolder, "C:\\Breeds\\");
    EXPECT_EQ(back.windowLeft, 5);
    EXPECT_EQ(back.mainWindowState, wsMaximized);
    EXPECT_EQ(back.childWindowState, wsMinimized);
    EXPECT_EQ(back.helpPaneHeight, 222);
    EXPECT_EQ(back.recentFiles.files(), std::vector<std::string>{"x.dog"});
}

TEST(Settings, WindowPositionItemsConvertInOrderUntilOneFails) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"5,5,x,600", "5,5,700,600"},         {"1,2,3", "20,20,700,600"},   {"1,2,3,4,5", "20,20,700,600"},
        {"-10,30,900,800", "-10,30,900,800"}, {"a,2,3,4", "20,20,700,600"},
    };
    for (const auto& c : cases) {
        TSettings s;
        s.ApplyWindowPosition(c.text);
        EXPECT_EQ(s.WindowPositionText(), c.expected) << c.text;
    }
}

TEST(Settings, ValuesOfTheWrongTypeKeepTheirDefaultsAndAKeyThatCannotBeWrittenStillSavesNothingElse) {
    TMemorySettingsStore store;
    store.exists = true;
    store.WriteString("MainWindowState", "2");
    store.WriteInteger("lastpath", 7);
    store.WriteString("RecentFiles", "not bytes");
    TSettings s;
    s.Load(store);
    EXPECT_EQ(s.mainWindowState, wsNormal);
    EXPECT_EQ(s.lastFolder, "");
    EXPECT_TRUE(s.recentFiles.files().empty());

    TMemorySettingsStore locked;
    locked.writable = false;
    s.Save(locked, "x");
    EXPECT_TRUE(locked.values.empty());
}

TEST(StartupRules, OnlyExactlyOneArgumentOpensAFile) {
    EXPECT_FALSE(FileToOpenFromArguments({}));
    EXPECT_EQ(FileToOpenFromArguments({"a.dog"}), "a.dog");
    EXPECT_FALSE(FileToOpenFromArguments({"a.dog", "b.dog"}));
}

TEST(StartupRules, PlacementIsTakenOnlyWhenSensible) {
    struct Case {
        int l, t, r, b;
        bool placed;
    } cases[] = {
        {20, 20, 700, 600, true},     {0, 0, 100, 600, false},   {0, 0, 101, 600, true},
        {2000, 20, 2700, 600, false}, {20, 20, 700, 120, false}, {-50, -50, 500, 500, true},
        {20, 20, 0, 600, false},
    };
    for (const auto& c : cases) {
        TSettings s;
        s.windowLeft = c.l;
        s.windowTop = c.t;
        s.windowRight = c.r;
        s.windowBottom = c.b;
        auto p = PlacementFromSettings(s, 1920, 1080);
        EXPECT_EQ(p.has_value(), c.placed) << c.l << "," << c.t << "," << c.r << "," << c.b;
    }
    TSettings def;
    auto p = PlacementFromSettings(def, 1920, 1080);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->left, 20);
    EXPECT_EQ(p->top, 20);
    EXPECT_EQ(p->width, 680);
    EXPECT_EQ(p->height, 580);
}

namespace {
const char* const kSystemReg = R"(WINE REGISTRY Version 2
;; All keys relative to \\Machine

#arch=win64

[Software\\PF.Magic\\Petz 3\\3.00.01] 1700000000
#time=1d9c0a2b3c4d5e6
"Petz Root Path"="C:\\Program Files\\PF.Magic\\Petz 3\\"

[Software\\Wow6432Node\\StudioMythos\\Petz 5\\4.00.00] 1700000000
"Petz Root Path"="C:\\Petz5"
"Other"=dword:00000001

[Software\\PF.Magic\\Petz 4\\4.00.00] 1700000000
"Petz Root Path"="D:\\Games\\Petz 4"

[Software\\PF.Magic\\Petz II\\1.00.01] 1700000000
"Version"="2"
)";

void Touch(const std::filesystem::path& p) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << "x";
}
} // namespace

TEST(WineRegistry, ReadsValuesUnescapedAndFindsKeysOf32BitInstallers) {
    TWineRegistry reg("/nowhere", kSystemReg);
    EXPECT_EQ(reg.ReadMachineString("\\SOFTWARE\\PF.Magic\\Petz 3\\3.00.01", "Petz Root Path"),
              "C:\\Program Files\\PF.Magic\\Petz 3\\");
    EXPECT_EQ(reg.ReadMachineString("\\SOFTWARE\\StudioMythos\\Petz 5\\4.00.00", "petz root path"),
              "C:\\Petz5");
    EXPECT_EQ(reg.ReadMachineString("\\SOFTWARE\\PF.Magic\\Petz II\\1.00.01", "Petz Root Path"), "");
    EXPECT_FALSE(reg.ReadMachineString("\\SOFTWARE\\Nobody", "Petz Root Path"));
}

TEST(WineRegistry, GameFoldersMapDrivesIntoThePrefixAndNeedTheResourceFileInAnyCase) {
    test::TempDir prefix;
    const auto drive = prefix.path() / "drive_c";
    Touch(drive / "Program Files" / "PF.Magic" / "Petz 3" / "Resource" / "Petz 3 Rez.dll");
    std::filesystem::create_directories(drive / "Petz5" / "resource"); // no rez.dll: not installed
    std::filesystem::create_directories(prefix.path() / "dosdevices");
    TWineRegistry reg(prefix.path().string(), kSystemReg);
    const TGameRootFolders roots = FindGameFolders(reg);
    EXPECT_EQ(roots[3], (drive / "Program Files" / "PF.Magic" / "Petz 3").string());
    EXPECT_EQ(roots[5], "");
    EXPECT_EQ(roots[4], ""); // drive D: is not mapped in this prefix
    EXPECT_EQ(roots[2], "");

    // A drive letter mapped through dosdevices.
    const auto games = prefix.path() / "games";
    Touch(games / "Games" / "Petz 4" / "RESOURCE" / "PETZ 4 REZ.DLL");
    std::filesystem::create_directory_symlink(games, prefix.path() / "dosdevices" / "d:");
    EXPECT_EQ(FindGameFolders(reg)[4], (prefix.path() / "dosdevices" / "d:").string() + "/Games/Petz 4");
}

TEST(WineRegistry, AMissingPrefixIsAnEmptyRegistry) {
    TWineRegistry reg("/definitely/not/a/prefix");
    EXPECT_FALSE(reg.ReadMachineString(PetzNames[5].key, "Petz Root Path"));
    const auto roots = FindGameFolders(reg);
    for (const auto& r : roots)
        EXPECT_EQ(r, "");
}
