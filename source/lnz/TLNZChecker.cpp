#include "lnz/TLNZChecker.h"

#include "lnz/lnzparser.h"
#include "lnz/petzcommon.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace ballforge {

namespace {

bool IsHeader(const std::string& line) {
    return !line.empty() && line[0] == '[';
}

// Kinds whose lines the reformatter rewrites; the others keep the author's layout.
bool IsReformattedKind(std::uint8_t kind) {
    return (kind >= lkMove && kind <= lkBallzInfo) || (kind >= lkFuzzOverride && kind <= lkThinFat);
}

// The code part as LineCodePart gives it, without copying: the pass visits every line of large texts.
std::string_view CodeView(std::string_view line) {
    const std::size_t semi = line.find(';');
    return semi == std::string_view::npos ? line : TrimBlanks(line.substr(0, semi));
}

void ReformatLineInto(std::string_view line, std::string& out) {
    thread_local std::vector<std::string> fields;
    const std::size_t semi = line.find(';');
    SplitFieldsInto(CodeView(line), fields);
    out.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ",\t";
        out += fields[i];
    }
    if (semi != std::string_view::npos) {
        const std::string_view comment = TrimBlanks(line.substr(semi + 1));
        if (!comment.empty()) {
            out += " ;";
            out += comment;
        }
    }
}

std::int32_t LineIndex(std::size_t index) {
    return index > std::size_t(std::numeric_limits<std::int32_t>::max() - 1)
               ? std::numeric_limits<std::int32_t>::max() - 1
               : std::int32_t(index);
}

} // namespace

std::string_view SeverityPrefix(TMessageSeverity severity) {
    switch (severity) {
    case TMessageSeverity::Error:
        return "[Error] (";
    case TMessageSeverity::Hint:
        return "[Hint] (";
    case TMessageSeverity::Warning:
        return "[Warning] (";
    case TMessageSeverity::Summary:
        return "";
    }
    return "[Error] (";
}

void TLNZChecker::Run(TLNZLines& lines, bool reformatting) {
    warnings = errors = hints = 0;
    messages.clear();
    reformat = reformatting;
    CheckLines(lines);
    AddEntry(SummaryText());
    if (reformat) AddEntry("The lines have been reformatted");
}

std::string TLNZChecker::SummaryText() const {
    if (warnings == 0 && errors == 0 && hints == 0) return "Error check complete - No errors found!";
    return "Error check complete. " + std::to_string(warnings) + " warnings, " + std::to_string(errors) +
           " errors, " + std::to_string(hints) + " hints. Double click an entry to jump to that line";
}

void TLNZChecker::AddEntry(const std::string& text) {
    messages.push_back({TMessageSeverity::Summary, text, TLNZMessage::NoLine});
}

void TLNZChecker::AddMessage(TMessageSeverity severity, const std::string& text, std::int32_t lineIndex) {
    TLNZMessage m;
    m.severity = severity;
    m.line = lineIndex;
    m.text =
        std::string(SeverityPrefix(severity)) + std::to_string(std::int64_t(lineIndex) + 1) + ") " + text;
    switch (severity) {
    case TMessageSeverity::Error:
        ++errors;
        break;
    case TMessageSeverity::Hint:
        ++hints;
        break;
    case TMessageSeverity::Warning:
        ++warnings;
        break;
    case TMessageSeverity::Summary:
        break;
    }
    messages.push_back(std::move(m));
}

void TLNZChecker::CheckLines(TLNZLines& lines) {
    std::size_t i = 0;
    while (i < lines.Count()) {
        const std::string& line = lines.Get(i);
        if (!IsHeader(line)) {
            ++i;
            continue;
        }
        if (line.find(']') == std::string::npos) {
            AddMessage(TMessageSeverity::Error, "Section name missing closing ']'", LineIndex(i));
            ++i;
            continue;
        }
        const std::string name = SectionNameOf(line);
        const std::uint8_t kind = SectionKindOf(name);
        if (kind == lkUnknownSection) {
            std::int32_t best = 1000;
            std::string_view bestName;
            for (const tconvrecord& row : LNZSections) {
                // The distance is at least the difference in length: skip names that cannot win.
                const std::size_t a = name.size(), b = row.name.size();
                if (std::int64_t(a > b ? a - b : b - a) >= best) continue;
                const std::int32_t d = LevenshteinDistance(name, row.name);
                if (d < best) {
                    best = d;
                    bestName = row.name;
                }
            }
            std::string text = "Unknown section name \"" + name + "\"";
            if (!bestName.empty()) text += ". Did you mean \"" + std::string(bestName) + "\"?";
            AddMessage(TMessageSeverity::Error, text, LineIndex(i));
        }
        ++i;
        CheckSectionBody(kind, lines, i);
    }
}

void TLNZChecker::CheckSectionBody(std::uint8_t kind, TLNZLines& lines, std::size_t& i) {
    // One line object serves the whole body: parsing overwrites every field it reads, and nothing
    // but success or failure is taken from it.
    const std::unique_ptr<TLNZLine> object = LineKindClass(kind)();
    IPFLine* parser = Supports<IPFLine>(*object);
    const bool rewrite = reformat && IsReformattedKind(kind);
    std::string reformatted;
    // 64 bits: a marker may carry the smallest 32-bit number, and the counter still goes down from it.
    std::int64_t counter = -1;
    for (;;) {
        const std::string& line = lines.Get(i);
        if (line.empty() || line[0] == '[') break;
        const std::string_view code = CodeView(line);
        if (code.find('#') == std::string_view::npos) {
            const std::string_view trimmed = TrimBlanks(code);
            if (!trimmed.empty()) {
                try {
                    parser->ParseText(trimmed);
                    if (rewrite) {
                        ReformatLineInto(line, reformatted);
                        lines.Put(i, reformatted);
                    }
                } catch (const EPEWrongNum& e) {
                    AddMessage(TMessageSeverity::Error, e.what(), LineIndex(i));
                } catch (const std::exception&) {
                    AddMessage(TMessageSeverity::Error, "Line is corrupt!", LineIndex(i));
                }
            }
        } else if (code.size() >= 2 && code[0] == '#' && code[1] == '#') {
            if (counter != 1) AddMessage(TMessageSeverity::Warning, "Variations missing", LineIndex(i));
            counter = -1;
        } else {
            std::int32_t n;
            try {
                n = FirstNumberIn(code);
            } catch (const EConvertError&) {
                n = -1;
                AddMessage(TMessageSeverity::Error, "Variation marker doesn't have a valid number",
                           LineIndex(i));
            }
            if (counter == -1) {
                counter = n;
            } else {
                --counter;
                if (counter != n) {
                    AddMessage(TMessageSeverity::Warning, "Variation numbers are not in sequence",
                               LineIndex(i));
                    counter = n;
                }
                if (code.find('.') != std::string::npos)
                    AddMessage(TMessageSeverity::Warning,
                               "Link letters are only allowed in the first variation of the set",
                               LineIndex(i));
            }
        }
        ++i;
    }
    if (counter > 1) AddMessage(TMessageSeverity::Warning, "Variations missing", LineIndex(i));
    if (counter > 0)
        AddMessage(TMessageSeverity::Error, "Missing end-of-variation '##' marker", LineIndex(i));
}

std::string ReformatLine(std::string_view line) {
    std::string result;
    ReformatLineInto(line, result);
    return result;
}

std::int32_t LevenshteinDistance(std::string_view a, std::string_view b) {
    if (a.empty())
        return std::int32_t(std::min<std::size_t>(b.size(), std::numeric_limits<std::int32_t>::max()));
    if (b.empty())
        return std::int32_t(std::min<std::size_t>(a.size(), std::numeric_limits<std::int32_t>::max()));
    // Two rows of the table suffice: each row depends only on the one before.
    std::vector<std::int32_t> prev(b.size() + 1), cur(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        prev[j] = std::int32_t(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        cur[0] = std::int32_t(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::int32_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + cost});
        }
        std::swap(prev, cur);
    }
    return prev[b.size()];
}

} // namespace ballforge
