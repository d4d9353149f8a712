#include "documents/Errors.h"
#include "documents/FrameKind.h"
#include "documents/ResourceID.h"
#include "documents/TDLLresfile.h"
#include "documents/TFlatresfile.h"
#include "documents/TextCodec.h"

#include <gtest/gtest.h>

using namespace ballforge;

TEST(ParseResourceID, FollowsTheTypedIdentifierRules) {
    struct Case {
        const char* text;
        bool numeric;
        std::int32_t number;
        const char* name;
    } cases[] = {
        {"1003", true, 1003, ""},        {"bitmap", true, 2, ""},      {"BITMAP", true, 2, ""},
        {"String list", true, 6, ""},    {"string LIST", true, 6, ""}, {"Adult", false, 0, "ADULT"},
        {"RT240", false, 0, "RT240"},    {"-5", true, -5, ""},         {"", false, 0, ""},
        {"RCData", true, 10, ""},        {"2147483647", true, 2147483647, ""},
        {"2147483648", false, 0, "2147483648"}, {"12ab", false, 0, "12AB"}, {"lnz", false, 0, "LNZ"},
        {"äb", false, 0, "äB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const TResourceIDRec id = ParseResourceID(c.text);
        EXPECT_EQ(id.isNumber(), c.numeric);
        if (c.numeric) EXPECT_EQ(id.number, c.number);
        else EXPECT_EQ(id.name, c.name);
    }
}

TEST(ResourceTypeName, NamesStandardTypesAndFallsBackToRT) {
    EXPECT_EQ(ResourceTypeName(6), "String list");
    EXPECT_EQ(ResourceTypeName(10), "RCData");
    EXPECT_EQ(ResourceTypeName(22), "Animated icon");
    EXPECT_EQ(ResourceTypeName(240), "RT240");
    EXPECT_EQ(ResourceTypeName(0), "RT0");
    EXPECT_EQ(ResourceTypeName(13), "RT13");
}

TEST(ResourceNode, FindsByNameIgnoringCaseAndNeverMatchesNumbersAsText) {
    tresourcenode root;
    root.GetOrAddChildByName("LNZ");
    tresourcenode* numeric = root.GetOrAddChildByID(10);
    EXPECT_EQ(root.FindChildByName("lnz"), root.child(0));
    EXPECT_EQ(root.FindChildByName("10"), nullptr);
    EXPECT_EQ(root.FindChildByID(10), numeric);
    EXPECT_EQ(root.GetOrAddChildByID(10), numeric);
    EXPECT_EQ(root.count(), 2u);
    // Siblings may share an identifier; the first one is found.
    auto twin = std::make_unique<tresourcenode>();
    twin->SetName("lnz");
    root.AddChild(std::move(twin));
    EXPECT_EQ(root.FindChild(TResourceIDRec::Name("LNZ")), root.child(0));
}

TEST(ResourceNode, NewNodesAndIdentifierChanges) {
    tresourcenode n;
    EXPECT_FALSE(n.isNumeric());
    EXPECT_EQ(n.number, 0);
    EXPECT_TRUE(n.name.empty());
    EXPECT_EQ(n.frameclass, TFrameKind::ViewFrame);
    n.SetName("ABC");
    n.SetID(7);
    EXPECT_TRUE(n.isNumeric());
    EXPECT_EQ(n.name, "ABC"); // kept, only no longer consulted
    EXPECT_EQ(IdentifierValue(n), TResourceIDRec::Number(7));
    n.kind = 5;
    EXPECT_THROW(IdentifierValue(n), EInternalError);
    TFlatresfile f("");
    EXPECT_THROW(f.IdentifierText(n), EInternalError);
}

TEST(ResourceNode, VisitsChildrenFirstAndLevels) {
    tresourcenode root;
    auto* a = root.GetOrAddChildByName("A");
    auto* b = a->GetOrAddChildByID(1);
    auto* c = root.GetOrAddChildByName("C");
    std::vector<const tresourcenode*> order;
    root.VisitAll([&](tresourcenode& n) { order.push_back(&n); });
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[0], b);
    EXPECT_EQ(order[1], a);
    EXPECT_EQ(order[2], c);
    EXPECT_EQ(order[3], &root);
    EXPECT_EQ(root.Level(), -1);
    EXPECT_EQ(a->Level(), 0);
    EXPECT_EQ(b->Level(), 1);
    EXPECT_FALSE(root.AnyChanged());
    b->changed = true;
    EXPECT_TRUE(root.AnyChanged());
}

TEST(ResourceNode, MoveToNeedsAParent) {
    tresourcenode lone, target;
    EXPECT_THROW(lone.MoveTo(&target), EInternalError);
    tresourcenode root;
    auto* a = root.GetOrAddChildByName("A");
    a->MoveTo(&target);
    EXPECT_EQ(root.count(), 0u);
    EXPECT_EQ(target.child(0), a);
    EXPECT_EQ(a->parent(), &target);
}

TEST(Container, TransferResourcesArriveInReverseOrder) {
    TFlatresfile from(""), to("");
    for (const char* n : {"A", "B", "C"}) from.root().GetOrAddChildByName(n);
    to.root().GetOrAddChildByName("X");
    from.TransferResourcesTo(to);
    EXPECT_EQ(from.root().count(), 0u);
    ASSERT_EQ(to.root().count(), 4u);
    EXPECT_EQ(to.root().child(1)->name, "C");
    EXPECT_EQ(to.root().child(2)->name, "B");
    EXPECT_EQ(to.root().child(3)->name, "A");
}

TEST(Container, DLLIdentifierTextNamesOnlyTypes) {
    TDLLresfile f("x.dog");
    auto* type = f.root().GetOrAddChildByID(6);
    auto* name = type->GetOrAddChildByID(6);
    auto* rt = f.root().GetOrAddChildByID(240);
    EXPECT_EQ(f.IdentifierText(*type), "String list");
    EXPECT_EQ(f.IdentifierText(*name), "6");
    EXPECT_EQ(f.IdentifierText(*rt), "RT240");
    TFlatresfile flat("");
    EXPECT_EQ(flat.IdentifierText(*type), "6");
}

TEST(FrameClassFor, ChoosesTheEditorByTypeAndName) {
    using K = TFrameKind;
    auto N = TResourceIDRec::Number;
    auto S = TResourceIDRec::Name;
    struct Case {
        TResourceIDRec type, name;
        K expected;
    } cases[] = {
        {S("LNZ"), S("ADULT.LNZ"), K::LNZSynedit}, {S("lnz"), N(5), K::LNZSynedit},
        {S("Clz"), S("X"), K::LNZSynedit},          {S("TXT"), S("X"), K::TextEditor},
        {S("vavoruza"), S("SETTINGS"), K::IniEditor}, {S("BMP"), S("X"), K::BitmapView},
        {S("SPR"), S("X"), K::SpriteViewer},        {S("xml"), S("X"), K::XMLEditor},
        {S("BITMAP"), S("X"), K::HexEditor},        {S("WAV"), S("X"), K::HexEditor},
        {N(6), N(63), K::StringsEditor},            {N(6), S("ANY"), K::StringsEditor},
        {N(2), N(1), K::BitmapView},                {N(10), N(1003), K::RCDataedit},
        {N(10), N(1004), K::HexEditor},             {N(10), S("1003"), K::HexEditor},
        {N(3), N(1), K::HexEditor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(FrameClassName(c.expected)));
        EXPECT_EQ(FrameClassFor(c.type, c.name), c.expected);
    }
    EXPECT_EQ(FrameClassName(K::ViewFrame), "TViewFrame");
}

TEST(TextCodec, RoundTripsResourceNames) {
    const std::u16string samples[] = {u"ADULT.LNZ", u"\u00e9t\u00e9", u"\u4e2d\u6587", u"\xD800x", u"\U0001F600"};
    for (const auto& s : samples) EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(s)), s);
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(Utf8ToUtf16("\xE9"), u"\u00e9"); // not UTF-8: taken as Windows-1252
}
