#pragma once
// Section help: which manual topic explains a section, and which lines of a text each section spans.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ballforge {

/// A section name and the manual topic that explains it.
struct THelpContext {
    std::string_view name;
    std::int32_t context;
};

/// The 75 sections with a manual topic (1000 to 1051; no section has 1027). Looked up ignoring case.
extern const std::array<THelpContext, 75> SectionHelpContexts;

/// The topic of the first entry whose name equals the given one ignoring case, or -1.
std::int32_t HelpContextOf(std::string_view sectionName);

/// One section of a text: its header's line index, its last line's index, its manual topic (-1: none).
struct TExtent {
    std::int32_t first = 0;
    std::int32_t last = 0;
    std::int32_t helpContext = -1;
};

/// Whether a line starts a section: not empty, begins with "[" and holds a "]".
bool IsSectionHeaderLine(std::string_view line);
/// The sections of a text, in order. A section runs from its header to the line before the next
/// header or to the last line. Lines above the first header belong to no section.
std::vector<TExtent> BuildSectionExtents(const std::vector<std::string>& lines);

/// The manual topics in order: 1000 to 1051 without 1027.
std::vector<std::int32_t> ManualTopics();
/// The page of the bundled manual that shows a topic: "index.html" for 1, "topic1042.html" for 1042.
std::string ManualTopicPage(std::int32_t context);

} // namespace ballforge
