// The line classes: parsing, canonical text, hints, capabilities, references, renumbering, XML.
#include "lnz/lnzparser.h"
#include "lnz/petzcommon.h"

#include <gtest/gtest.h>

using namespace ballforge;

namespace {

std::unique_ptr<TLNZLine> Parsed(std::uint8_t kind, std::string_view code) {
    auto line = LineKindClass(kind)();
    Supports<IPFLine>(*line)->ParseText(code);
    return line;
}
std::string Format(const TLNZLine& line) {
    return Supports<IPFLine>(line)->FormatText();
}
std::string Hint(const TLNZLine& line) {
    return Supports<IPFLineHint>(line)->GetHint();
}

std::string WrongNumMessage(std::uint8_t kind, std::string_view code) {
    try {
        Parsed(kind, code);
    } catch (const EPEWrongNum& e) {
        return e.what();
    }
    return "no EPEWrongNum";
}

} // namespace

TEST(LNZLineModel, LineKindClassAndCapabilities) {
    struct Case {
        std::uint8_t kind;
        const char* className;
        bool line, hint, balls, textures, xml;
    } cases[] = {
        {0, "TPFGenericLine", true, false, false, false, false},
        {1, "TPFGenericLine", true, false, false, false, false},
        {2, "TLNZOmissions", true, true, true, false, false},
        {3, "TLNZEyelidcolour", true, true, false, false, false},
        {4, "TLNZmove", true, true, true, false, false},
        {5, "TLNZBallProjection", true, true, true, false, false},
        {6, "TLNZAddball", true, true, true, true, false},
        {7, "TLNZLinez", true, true, true, false, false},
        {8, "TLNZPaintball", true, true, true, false, false},
        {9, "TLNZBallinfo", true, true, false, true, false},
        {10, "TLNZtexturelist", true, true, false, false, true},
        {11, "TLNZColourOverride", true, true, true, false, false},
        {12, "TLNZfuzzoverride", true, true, true, false, false},
        {13, "TLNZballsizeoverride", true, true, true, false, false},
        {14, "TLNZThinfat", true, true, true, false, false},
        {15, "TPFGenericLine", true, false, false, false, false},
        {255, "TPFGenericLine", true, false, false, false, false},
    };
    for (const auto& c : cases) {
        auto line = LineKindClass(c.kind)();
        EXPECT_EQ(line->ClassName(), c.className) << int(c.kind);
        EXPECT_EQ(Supports(*line, IPFLine::GUID), c.line) << c.className;
        EXPECT_EQ(Supports(*line, IPFLineHint::GUID), c.hint) << c.className;
        EXPECT_EQ(Supports(*line, IPFBallRefs::GUID), c.balls) << c.className;
        EXPECT_EQ(Supports(*line, IPFTextureRefs::GUID), c.textures) << c.className;
        EXPECT_EQ(Supports(*line, IPFXMLItem::GUID), c.xml) << c.className;
    }
    TLNZBallRef ballRef;
    EXPECT_TRUE(Supports(ballRef, IPFBallRefs::GUID));
    EXPECT_FALSE(Supports(ballRef, IPFLine::GUID));
    TLNZLine root;
    EXPECT_FALSE(Supports(root, IPFBallRefs::GUID));
    EXPECT_FALSE(Supports(root, "{00000000-0000-0000-0000-000000000000}"));
}

TEST(LNZLineModel, ParseFormatAndHintOfEveryClass) {
    struct Case {
        std::uint8_t kind;
        const char *code, *format, *hint;
    } cases[] = {
        {2, "65", "65", "Ball: 65"},
        {3, "5, 2", "5", "Color 5"},
        {4, "57 0 11 83", "57,\t0,\t11,\t83", "Ball 57 X 0 Y 11 Z 83"},
        {4, "57 0 11 83 48 9", "57,\t0,\t11,\t83,\t48", "Ball 57 X 0 Y 11 Z 83 Relative 48"},
        {5, "52 53 35", "52,\t53,\t35", "Anchor 52 Ball 53 Distance 35%"},
        {6, "52 0 -10 4 40 39 0 2 1 1 12 0 0", "52,\t0,\t-10,\t4,\t40,\t39,\t0,\t2,\t1,\t1,\t12,\t0,\t0,\t-1",
         "Base 52"},
        {6, "52 0 -10 4 40 39 0 2 1 1 12 0 0 3 -5",
         "52,\t0,\t-10,\t4,\t40,\t39,\t0,\t2,\t1,\t1,\t12,\t0,\t0,\t3", "Base 52"},
        {6, "52 0 -10 4 40 39 0 2 1 1 12 0 0 3 0",
         "52,\t0,\t-10,\t4,\t40,\t39,\t0,\t2,\t1,\t1,\t12,\t0,\t0,\t3,\t0", "Base 52"},
        {7, "3, 4, 0, 40, 40, 40, -1, 5", "3,\t4,\t0,\t40,\t40,\t40,\t100,\t5", "Start 3 End 4"},
        {7, "3, 4, 0, 40, 40, 40, 7, -1", "3,\t4,\t0,\t40,\t40,\t40,\t7,\t100", "Start 3 End 4"},
        {8, "52, 40, 0.5, -1, 2.25, 15, -1, 0, -1, -1, -1",
         "52,\t40,\t0.5,\t-1,\t2.25,\t15,\t-1,\t0,\t-1,\t-1,\t-1", "Base 52"},
        {8, "1 2 .5 5. 1e-7 3 4 5 6 7 8", "1,\t2,\t0.5,\t5,\t1E-007,\t3,\t4,\t5,\t6,\t7,\t8", "Base 1"},
        {9, "35, 244, -1, 0, -1, 4, 1, 3", "35,\t244,\t-1,\t0,\t-1,\t4,\t1,\t3",
         "Col35 OutCol244 SpkCol-1 Fuzz0"},
        {10, "\\art\\hair4.bmp 2", "\\art\\hair4.bmp  2", "\"\\art\\hair4.bmp\" Argument 2"},
        {10, "\"a b.bmp\", 1", "a b.bmp  1", "\"a b.bmp\" Argument 1"},
        {11, "12 3 4", "12,\t3,\t4", "Ball 12 Color 3 Group 4"},
        {11, "12 3", "12,\t3", "Ball 12 Color 3"},
        {11, "12 3 4 5", "12,\t3,\t4,\t5", "Ball 12 Color 3 Group 4 Texture 5"},
        {12, "12 3", "12,\t3", "Ball 12 Fuzz 3"},
        {13, "52 110", "52,\t110", "Ball: 52 Size: 110"},
        {14, "48 -10 12", "48,\t-10,\t12", "Ball 48 Min -10 Max 12"},
        {2, "0x10", "16", "Ball: 16"},
    };
    for (const auto& c : cases) {
        auto line = Parsed(c.kind, c.code);
        EXPECT_EQ(Format(*line), c.format) << c.code;
        EXPECT_EQ(Hint(*line), c.hint) << c.code;
    }
}

TEST(LNZLineModel, OptionalFields) {
    auto add13 = Parsed(lkAddBall, "1 2 3 4 5 6 7 8 9 10 11 12 13");
    auto& a = static_cast<TLNZAddball&>(*add13);
    EXPECT_EQ(a.texture, -1);
    EXPECT_FALSE(a.hasExtraBall);
    auto add15 = Parsed(lkAddBall, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 -5");
    EXPECT_FALSE(static_cast<TLNZAddball&>(*add15).hasExtraBall);

    auto move = Parsed(lkMove, "7 0 0 0");
    EXPECT_FALSE(static_cast<TLNZmove&>(*move).hasRelative);
    // Parsing again overwrites every field, optional ones included.
    Supports<IPFLine>(*move)->ParseText("7 0 0 0 3");
    EXPECT_TRUE(static_cast<TLNZmove&>(*move).hasRelative);
    Supports<IPFLine>(*move)->ParseText("7 0 0 0");
    EXPECT_FALSE(static_cast<TLNZmove&>(*move).hasRelative);

    auto colour = Parsed(lkColourOverride, "12 3 4");
    auto& c = static_cast<TLNZColourOverride&>(*colour);
    EXPECT_TRUE(c.hasGroup);
    EXPECT_EQ(c.group, 4);
    EXPECT_FALSE(c.hasTexture);

    TLNZPaintball fresh;
    EXPECT_EQ(fresh.outlineColour, -1);
    EXPECT_EQ(fresh.outline, -1);
    EXPECT_EQ(fresh.group, -1);
    EXPECT_EQ(fresh.texture, -1);
    EXPECT_EQ(fresh.colour, 0);
}

TEST(LNZLineModel, ParseErrors) {
    EXPECT_EQ(WrongNumMessage(lkColourOverride, "12"), "Wrong number of parameters: 1 found, 2 required.");
    EXPECT_EQ(WrongNumMessage(lkTextureList, "\\a.bmp"), "Wrong number of parameters: 1 found, 2 required.");
    EXPECT_EQ(WrongNumMessage(lkLinez, "1,2"), "Wrong number of parameters: 2 found, 8 required.");
    EXPECT_EQ(WrongNumMessage(lkAddBall, ""), "Wrong number of parameters: 0 found, 13 required.");
    EXPECT_EQ(WrongNumMessage(lkOmissions, ""), "Wrong number of parameters: 0 found, 1 required.");
    // '0,5' as a direction splits into two fields and shifts every field after it.
    auto shifted = Parsed(lkPaintBallz, "1 2 0,5 -1 1 3 4 5 6 7 8");
    EXPECT_FLOAT_EQ(static_cast<TLNZPaintball&>(*shifted).directionX, 0);
    EXPECT_FLOAT_EQ(static_cast<TLNZPaintball&>(*shifted).directionY, 5);
    EXPECT_THROW(Parsed(lkPaintBallz, "1 2 0,5 -1 2.25 3 4 5 6 7"), EConvertError)
        << "the shift moves a real into an integer slot";

    struct Case {
        std::uint8_t kind;
        const char* code;
    } corrupt[] = {
        {lkFuzzOverride, "1,,2"}, {lkLinez, "1,2,x,4,5,6,7,8"}, {lkPaintBallz, "1 2 inf 0 0 3 4 5 6 7 8"},
        {lkOmissions, "1;2"},     {lkMove, "1 2 3 4 z"},        {lkBallzInfo, "$FFFFFFFF 1 2 3 4 5 6 7"},
    };
    for (const auto& c : corrupt) {
        EXPECT_THROW(Parsed(c.kind, c.code), EConvertError) << c.code;
    }
    // Slots converted before the failing one keep their new values.
    TLNZLinez linez;
    EXPECT_THROW(linez.ParseText("5 6 x 1 1 1 1 1"), EConvertError);
    EXPECT_EQ(linez.startBall, 5);
    EXPECT_EQ(linez.endBall, 6);

    TPFGenericLine generic;
    EXPECT_NO_THROW(generic.ParseText(""));
    generic.ParseText("anything at all, \"really\"");
    EXPECT_EQ(generic.FormatText(), "anything at all, \"really\"");
    EXPECT_TRUE(generic.Renumber(rnBalls, 0, false));
}

TEST(LNZLineModel, RenumberBalls) {
    // Move with 4 fields: no relative ball. Deleting its ball makes the line meaningless.
    auto m = Parsed(lkMove, "2 0 0 0");
    EXPECT_FALSE(m->Renumber(rnBalls, 2, false));
    EXPECT_EQ(static_cast<TLNZmove&>(*m).ball, 2);
    // Deleting the relative ball drops it; the ball above moves down.
    auto r = Parsed(lkMove, "7 0 0 0 2");
    EXPECT_TRUE(r->Renumber(rnBalls, 2, false));
    EXPECT_EQ(Format(*r), "6,\t0,\t0,\t0");
    // Inserting at or below a reference moves it up.
    auto ins = Parsed(lkMove, "7 0 0 0 2");
    EXPECT_TRUE(ins->Renumber(rnBalls, 2, true));
    EXPECT_EQ(Format(*ins), "8,\t0,\t0,\t0,\t3");
    EXPECT_TRUE(ins->Renumber(rnTextures, 0, true)) << "a move has no textures";
    EXPECT_EQ(Format(*ins), "8,\t0,\t0,\t0,\t3");

    struct Case {
        std::uint8_t kind;
        const char* code;
        std::int32_t index;
        bool inserting;
        bool result;
        const char* after;
    } cases[] = {
        {lkLinez, "3 4 0 0 0 0 1 1", 4, false, false, "3,\t4,\t0,\t0,\t0,\t0,\t1,\t1"},
        {lkLinez, "3 5 0 0 0 0 1 1", 4, false, true, "3,\t4,\t0,\t0,\t0,\t0,\t1,\t1"},
        {lkLinez, "3 5 0 0 0 0 1 1", 3, false, false, "3,\t4,\t0,\t0,\t0,\t0,\t1,\t1"},
        {lkProjectBall, "1 9 5", 9, false, false, "1,\t9,\t5"},
        {lkProjectBall, "1 9 5", 0, true, true, "2,\t10,\t5"},
        {lkOmissions, "4", 5, false, true, "4"},
        {lkOmissions, "4", 4, true, true, "5"},
        {lkAddBall, "5 0 0 0 0 0 0 0 0 0 0 0 0 2 6", 6, false, true,
         "5,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t2"},
        {lkAddBall, "5 0 0 0 0 0 0 0 0 0 0 0 0 2 6", 5, false, false,
         "5,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t2,\t5"},
        {lkPaintBallz, "3 1 0 0 0 1 1 1 1 1 4", 1, false, true, "2,\t1,\t0,\t0,\t0,\t1,\t1,\t1,\t1,\t1,\t4"},
        {lkColourOverride, "3 1 1 4", 0, true, true, "4,\t1,\t1,\t4"},
    };
    for (const auto& c : cases) {
        auto line = Parsed(c.kind, c.code);
        EXPECT_EQ(line->Renumber(rnBalls, c.index, c.inserting), c.result) << c.code;
        EXPECT_EQ(Format(*line), c.after) << c.code;
    }
}

TEST(LNZLineModel, RenumberTextures) {
    struct Case {
        std::uint8_t kind;
        const char* code;
        std::int32_t index;
        bool inserting;
        const char* after;
    } cases[] = {
        {lkBallzInfo, "1 2 3 4 5 6 7 3", 3, false, "1,\t2,\t3,\t4,\t5,\t6,\t7,\t-1"},
        {lkBallzInfo, "1 2 3 4 5 6 7 3", 1, false, "1,\t2,\t3,\t4,\t5,\t6,\t7,\t2"},
        {lkBallzInfo, "1 2 3 4 5 6 7 3", 3, true, "1,\t2,\t3,\t4,\t5,\t6,\t7,\t4"},
        {lkBallzInfo, "1 2 3 4 5 6 7 -1", 0, true, "1,\t2,\t3,\t4,\t5,\t6,\t7,\t-1"},
        {lkPaintBallz, "3 1 0 0 0 1 1 1 1 1 4", 4, false, "3,\t1,\t0,\t0,\t0,\t1,\t1,\t1,\t1,\t1,\t-1"},
        {lkAddBall, "5 0 0 0 0 0 0 0 0 0 0 0 0 2", 0, false,
         "5,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t0,\t1"},
        // The texture of a colour override takes no part.
        {lkColourOverride, "3 1 1 4", 0, true, "3,\t1,\t1,\t4"},
    };
    for (const auto& c : cases) {
        auto line = Parsed(c.kind, c.code);
        EXPECT_TRUE(line->Renumber(rnTextures, c.index, c.inserting)) << c.code;
        EXPECT_EQ(Format(*line), c.after) << c.code;
    }
}

TEST(LNZLineModel, ReferencesAndRemapping) {
    auto move = Parsed(lkMove, "7 0 0 0 2");
    auto* refs = Supports<IPFBallRefs>(*move);
    EXPECT_TRUE(refs->RefersToBall("7"));
    EXPECT_TRUE(refs->RefersToBall("2"));
    EXPECT_FALSE(refs->RefersToBall("0"));
    EXPECT_FALSE(refs->RefersToBall("07")) << "decimal texts compare exactly";
    refs->RemapBalls({{"9", "1"}, {"7", "$10"}, {"7", "99"}, {"2", "3"}});
    EXPECT_EQ(Format(*move), "16,\t0,\t0,\t0,\t3");

    auto noRel = Parsed(lkMove, "7 0 0 0");
    static_cast<TLNZmove&>(*noRel).relativeBall = 5;
    EXPECT_FALSE(Supports<IPFBallRefs>(*noRel)->RefersToBall("5"))
        << "an absent optional reference does not count";

    auto add = Parsed(lkAddBall, "5 0 0 0 0 0 0 0 0 0 0 0 0 2");
    auto* tex = Supports<IPFTextureRefs>(*add);
    EXPECT_TRUE(tex->RefersToTexture("2"));
    tex->RemapTextures({{"2", "8"}});
    EXPECT_TRUE(tex->RefersToTexture("8"));
    EXPECT_THROW(tex->RemapTextures({{"8", "x"}}), EConvertError);

    auto info = Parsed(lkBallzInfo, "1 2 3 4 5 6 7 3");
    EXPECT_TRUE(Supports<IPFTextureRefs>(*info)->RefersToTexture("3"));
    EXPECT_FALSE(Supports<IPFTextureRefs>(*info)->RefersToTexture("1"));
}

TEST(LNZLineModel, AssignGoesThroughTheTextForm) {
    auto from = Parsed(lkLinez, "3 4 0 40 40 40 -1 5");
    TLNZLinez to;
    to.Assign(*from);
    EXPECT_EQ(to.FormatText(), "3,\t4,\t0,\t40,\t40,\t40,\t100,\t5");
    TPFGenericLine generic;
    generic.Assign(*from);
    EXPECT_EQ(generic.text, "3,\t4,\t0,\t40,\t40,\t40,\t100,\t5");

    TLNZBallRef noText;
    try {
        to.Assign(noText);
        FAIL() << "no ECantAssign";
    } catch (const ECantAssign& e) {
        EXPECT_STREQ(e.what(), "Can't assign a TLNZLinez to a TLNZBallRef");
    }
    EXPECT_THROW(noText.Assign(to), ECantAssign);
    // A text that does not fit the destination fails like any parse.
    TLNZLinez shortLine;
    TLNZOmissions omission;
    omission.ParseText("3");
    EXPECT_THROW(shortLine.Assign(omission), EPEWrongNum);
}

TEST(LNZLineModel, ColumnHeaders) {
    EXPECT_EQ(TLNZLine().ColumnHeader(), "");
    EXPECT_EQ(TPFGenericLine().ColumnHeader(), "");
    EXPECT_EQ(TLNZEyelidcolour().ColumnHeader(), ";Colour,group");
    EXPECT_EQ(
        TLNZBallinfo().ColumnHeader(),
        ";-1 = no outline, 0 = half outline, > 0 = outline thickness\r\n"
        ";Color,outline color,speckle color,fuzz,outline type,size difference,group,texture,ball number");
    EXPECT_EQ(TLNZThinfat().ColumnHeader(), ";Ball num,smallest change,biggest change");
}

TEST(LNZLineModel, TextureListXml) {
    pugi::xml_document doc;
    pugi::xml_node list = doc.append_child("TextureList");
    TLNZtexturelist t;
    t.ParseText("\\art\\hair4.bmp 1");
    t.displayName = "Hair";
    t.WriteXML(list);
    t.ParseText("\\art\\spots.bmp 3");
    t.displayName = "Spots";
    t.WriteXML(list);
    pugi::xml_node first = list.first_child();
    EXPECT_STREQ(first.name(), "Texture");
    EXPECT_STREQ(first.first_attribute().name(), "Name");
    EXPECT_STREQ(first.first_attribute().next_attribute().name(), "Path");
    EXPECT_FALSE(first.attribute("BlendMode")) << "argument 1 is the default and not written";
    EXPECT_STREQ(first.next_sibling().attribute("BlendMode").value(), "3");

    TLNZtexturelist back;
    back.ReadXML(first);
    EXPECT_EQ(back.displayName, "Hair");
    EXPECT_EQ(back.FormatText(), "\\art\\hair4.bmp  1");
    back.ReadXML(first.next_sibling());
    EXPECT_EQ(back.FormatText(), "\\art\\spots.bmp  3");

    struct Case {
        const char* xml;
        const char* message;
    } bad[] = {
        {"<Texture Path='a.bmp'/>", "Texture list: Missing texture name"},
        {"<Texture Name='' Path='a.bmp'/>", "Texture list: Missing texture name"},
        {"<Texture Name='n'/>", "Texture list: Missing texture path"},
    };
    for (const auto& c : bad) {
        pugi::xml_document d;
        ASSERT_TRUE(d.load_string(c.xml));
        try {
            back.ReadXML(d.first_child());
            ADD_FAILURE() << c.xml;
        } catch (const EParseError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    pugi::xml_document d;
    ASSERT_TRUE(d.load_string("<Texture Name='n' Path='p' BlendMode='x'/>"));
    EXPECT_THROW(back.ReadXML(d.first_child()), EConvertError);
}
