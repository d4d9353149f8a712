#include "lnz/SectionHelpContexts.h"

#include "lnz/petzcommon.h"

namespace ballforge {

const std::array<THelpContext, 75> SectionHelpContexts{{
    {"Body Balls", 1000},
    {"Extra Balls", 1000},
    {"Extra Head Balls", 1000},
    {"Head Balls", 1000},
    {"Jowlz Balls", 1000},
    {"Left Arm Balls", 1000},
    {"Left Brow Balls", 1000},
    {"Left Ear Balls", 1000},
    {"Left Foot Balls", 1000},
    {"Left Hand Balls", 1000},
    {"left Leg Balls", 1000},
    {"Right Arm Balls", 1000},
    {"Right Brow Balls", 1000},
    {"Right Ear Balls", 1000},
    {"Right Foot Balls", 1000},
    {"Right Hand Balls", 1000},
    {"Right Leg Balls", 1000},
    {"Tail Balls", 1000},
    {"Whisker Balls", 1000},
    {"Add Clothing", 1001},
    {"Adjust Clothing", 1002},
    {"Flat Clothing", 1003},
    {"Head Rotation Limits", 1004},
    {"Head Shot", 1005},
    {"Head Tilt Limits", 1006},
    {"Draw Linez Before Ballz", 1007},
    {"Circle Render Mode", 1007},
    {"Line Render Mode", 1007},
    {"Default Glue Ball", 1007},
    {"Z Shade Slope", 1007},
    {"Draw Small Balls", 1007},
    {"Body Extension", 1008},
    {"Default Scales", 1009},
    {"Ear Extension", 1010},
    {"Face Extension", 1011},
    {"Feet Enlargement", 1012},
    {"Head Enlargement", 1013},
    {"Leg Extension", 1014},
    {"256 Eyelid Color", 1015},
    {"Add Ball Override", 1016},
    {"Add Ball", 1017},
    {"Additional Frames", 1018},
    {"Ball Size Override", 1019},
    {"Ballz Info", 1020},
    {"Breed Name", 1021},
    {"Color Info Override", 1022},
    {"Default Linez File", 1023},
    {"Default Linez Thickness", 1024},
    {"Eyes", 1025},
    {"Force to Male", 1026},
    {"Force to Female", 1026},
    {"Fur Color Areas", 1028},
    {"Fur Markings", 1029},
    {"Fur Pattern Balls", 1030},
    {"Fuzz Override", 1031},
    {"Key Balls", 1032},
    {"Linez", 1033},
    {"Little One", 1034},
    {"Lnz Version", 1035},
    {"Marking Factor", 1036},
    {"Move", 1037},
    {"No Texture Rotate", 1038},
    {"Num Ballz", 1039},
    {"Omissions", 1040},
    {"Outline Color Override", 1041},
    {"Paint Ballz", 1042},
    {"Project Ball", 1043},
    {"Sounds", 1044},
    {"Species", 1045},
    {"Spot Factor", 1046},
    {"Texture List", 1047},
    {"Thin/Fat", 1048},
    {"Whiskers", 1049},
    {"Eyelash Info", 1050},
    {"Polygons", 1051},
}};

static bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = char(x - 32);
        if (y >= 'a' && y <= 'z') y = char(y - 32);
        if (x != y) return false;
    }
    return true;
}

std::int32_t HelpContextOf(std::string_view sectionName) {
    for (const THelpContext& h : SectionHelpContexts)
        if (SameIgnoringCase(h.name, sectionName)) return h.context;
    return -1;
}

bool IsSectionHeaderLine(std::string_view line) {
    return !line.empty() && line.front() == '[' && line.find(']') != std::string_view::npos;
}

std::vector<TExtent> BuildSectionExtents(const std::vector<std::string>& lines) {
    std::vector<TExtent> extents;
    bool open = false;
    TExtent current;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!IsSectionHeaderLine(lines[i])) continue;
        if (open) {
            current.last = std::int32_t(i) - 1;
            extents.push_back(current);
        }
        current = {std::int32_t(i), 0, HelpContextOf(SectionNameOf(lines[i]))};
        open = true;
    }
    if (open) {
        current.last = std::int32_t(lines.size()) - 1;
        extents.push_back(current);
    }
    return extents;
}

std::vector<std::int32_t> ManualTopics() {
    std::vector<std::int32_t> topics;
    for (std::int32_t c = 1000; c <= 1051; ++c)
        if (c != 1027) topics.push_back(c);
    return topics;
}

std::string ManualTopicPage(std::int32_t context) {
    if (context == 1) return "index.html";
    return "topic" + std::to_string(context) + ".html";
}

} // namespace ballforge
