#include "lnz/LNZManual.h"

#include "lnz/SectionHelpContexts.h"
#include "lnz/lnzparser.h"
#include "lnz/petzcommon.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace ballforge {

namespace {

std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

/// The line kind of a section, its name compared ignoring case (the help table and the section
/// table differ in capitals here and there).
std::uint8_t KindOfSection(std::string_view name) {
    for (const tconvrecord& r : LNZSections)
        if (SameIgnoringCase(r.name, name)) return r.kind;
    return lkUnknownSection;
}

/// Splits a column header at commas outside brackets: "direction (x,y,z)" stays one column.
std::vector<std::string> Columns(std::string_view header) {
    std::vector<std::string> out;
    std::string current;
    int depth = 0;
    for (char c : header) {
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        if (c == ',' && depth == 0) {
            out.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) out.push_back(current);
    return out;
}

std::vector<std::string> HeaderLines(const std::string& header) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= header.size()) {
        std::size_t end = header.find_first_of("\r\n", start);
        if (end == std::string::npos) end = header.size();
        std::string line = header.substr(start, end - start);
        if (!line.empty() && line.front() == ';') line.erase(0, 1);
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
        if (start < header.size() && header[start] == '\n') ++start;
    }
    return lines;
}

/// A line's hint with its numbers shown as placeholders: "Ball <i>n</i> X <i>n</i>".
std::string HintPattern(const std::string& hint) {
    std::string out;
    for (std::size_t i = 0; i < hint.size();) {
        const char c = hint[i];
        const bool startsNumber =
            std::isdigit(static_cast<unsigned char>(c)) ||
            (c == '-' && i + 1 < hint.size() && std::isdigit(static_cast<unsigned char>(hint[i + 1])));
        if (startsNumber) {
            ++i;
            while (i < hint.size() && (std::isdigit(static_cast<unsigned char>(hint[i])) || hint[i] == '.'))
                ++i;
            out += "<i>n</i>";
        } else if (c == '"' && i + 1 < hint.size() && hint[i + 1] == '"') {
            out += "&quot;<i>name</i>&quot;";
            i += 2;
        } else {
            out += Escape(std::string_view(&hint[i], 1));
            ++i;
        }
    }
    return out;
}

/// The fewest fields a line of this kind must have to parse, found by asking the line class.
int RequiredFieldCount(std::uint8_t kind) {
    std::string text;
    for (int n = 0; n <= 32; ++n) {
        const auto line = LineKindClass(kind)();
        auto* parser = Supports<IPFLine>(*line);
        if (!parser) return 0;
        try {
            parser->ParseText(text);
            return n;
        } catch (const std::exception&) {
        }
        text += text.empty() ? "0" : ", 0";
    }
    return -1;
}

std::string LineGrammarHtml(std::uint8_t kind) {
    const auto line = LineKindClass(kind)();
    const std::string header = line->ColumnHeader();
    std::string html;
    if (header.empty()) {
        html += "<p>Ballforge knows no fixed layout for the lines of this section: the checker takes each "
                "line's text as it stands and does not check its fields.</p>\n";
        return html;
    }
    std::vector<std::string> lines = HeaderLines(header);
    const std::string columnLine = lines.empty() ? std::string() : lines.back();
    html += "<p>Each line of this section holds these fields, in this order, separated by commas, blanks "
            "or tabs:</p>\n<ol>\n";
    bool optional = false;
    for (const std::string& column : Columns(columnLine)) {
        if (!column.empty() && column.front() == '(' && column.back() == ')') optional = true;
        html += "<li>" + Escape(column) + "</li>\n";
    }
    html += "</ol>\n";
    if (optional) html += "<p>A field named in brackets may be left out of a line.</p>\n";
    const int required = RequiredFieldCount(kind);
    if (required > 0)
        html += "<p>A line needs at least " + std::to_string(required) +
                (required == 1 ? " field" : " fields") +
                (columnLine.find("(x,y,z)") != std::string::npos ? " (a bracketed (x,y,z) counts as three)"
                                                                 : "") +
                "; the checker reports a line with fewer.</p>\n";
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        html += "<p>Note from the column header: " + Escape(lines[i]) + "</p>\n";
    html += "<p>The column header of these lines reads:</p>\n<pre>" + Escape(header) + "</pre>\n";
    if (const auto* hint = Supports<IPFLineHint>(*line))
        html += "<p>Ballforge describes such a line as <tt>" + HintPattern(hint->GetHint()) +
                "</tt>, where <i>n</i> stands for the line's numbers.</p>\n";
    return html;
}

std::string PageStart(const std::string& title) {
    return "<html>\n<head><title>" + Escape(title) + "</title></head>\n<body>\n";
}

const char* const PageEnd =
    "<p>Text after a semicolon (;) is a comment. <a href=\"sections.html\">All sections</a> "
    "&middot; <a href=\"index.html\">Contents</a></p>\n</body>\n</html>\n";

} // namespace

std::string ManualTopicHtml(std::int32_t context) {
    std::vector<std::string_view> names;
    for (const THelpContext& h : SectionHelpContexts)
        if (h.context == context) names.push_back(h.name);
    std::string title;
    for (std::string_view n : names)
        title += (title.empty() ? "" : ", ") + std::string("[") + std::string(n) + "]";
    std::string html = PageStart(title);
    html += "<h1>" + Escape(title) + "</h1>\n";
    if (names.size() > 1) html += "<p>This page covers " + std::to_string(names.size()) + " sections.</p>\n";
    // Sections that share a page may still differ in their lines; say so per layout.
    std::vector<std::uint8_t> kinds;
    for (std::string_view n : names) {
        const std::uint8_t k = KindOfSection(n);
        if (std::find(kinds.begin(), kinds.end(), k) == kinds.end()) kinds.push_back(k);
    }
    for (std::uint8_t k : kinds) {
        if (kinds.size() > 1) {
            std::string which;
            for (std::string_view n : names)
                if (KindOfSection(n) == k)
                    which += (which.empty() ? "" : ", ") + ("[" + std::string(n) + "]");
            html += "<h2>" + Escape(which) + "</h2>\n";
        }
        html += LineGrammarHtml(k);
    }
    html += PageEnd;
    return html;
}

std::string ManualSectionsHtml() {
    std::string html = PageStart("LNZ sections");
    html += "<h1>LNZ sections</h1>\n<p>An LNZ text is made of sections. Each starts with a header line that "
            "names it in square brackets, for example <tt>[Paint Ballz]</tt>; the lines below it, up to the "
            "next header, are its body. In the LNZ editor, F1 shows the page of the section the caret is "
            "in.</p>\n<ul>\n";
    for (const THelpContext& h : SectionHelpContexts)
        html += "<li><a href=\"" + ManualTopicPage(h.context) + "\">[" + Escape(h.name) + "]</a></li>\n";
    html += "</ul>\n<p><a href=\"index.html\">Contents</a></p>\n</body>\n</html>\n";
    return html;
}

} // namespace ballforge
