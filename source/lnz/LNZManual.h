#pragma once
// The manual's section pages, written from the line grammar so that they always match the checker.
#include <cstdint>
#include <string>

namespace ballforge {

/// The HTML page of a section topic (1000 to 1051): the sections it covers and, field by field,
/// what their lines hold, from the column headers and hints of the line classes.
std::string ManualTopicHtml(std::int32_t context);
/// The page listing every section with a link to its topic.
std::string ManualSectionsHtml();

} // namespace ballforge
