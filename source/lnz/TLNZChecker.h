#pragma once
// The LNZ checker and reformatter: a pass over the sections of a text that parses every body line
// with its section's line class, follows the variation markers and collects messages by line.
#include "lnz/TLNZLines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ballforge {

/// Summary marks the entries a run adds at the end; they have no line and count nowhere.
enum class TMessageSeverity : std::uint8_t { Error = 0, Hint = 1, Warning = 2, Summary = 3 };

/// One entry of the message list: the text as the list shows it, and the line it concerns.
struct TLNZMessage {
    static constexpr std::int32_t NoLine = -1;
    TMessageSeverity severity = TMessageSeverity::Error;
    std::string text;           // "[Error] (12) Line is corrupt!", or a summary without a line
    std::int32_t line = NoLine; // 0-based line index
    bool hasLine() const { return line != NoLine; }
};

/// The checker's state. The LNZ editor owns one and shows its messages; the command-line tool runs
/// one per text. Counters and messages stay until the next run.
class TLNZChecker {
public:
    std::int32_t warnings = 0, errors = 0, hints = 0;
    bool reformat = false;
    std::vector<TLNZMessage> messages;

    /// "Check for errors": a whole run without changing the lines.
    void CheckForErrors(TLNZLines& lines) { Run(lines, false); }
    /// "Reformat lines": a whole run that rewrites the body lines that parse, in canonical form.
    void ReformatLines(TLNZLines& lines) { Run(lines, true); }
    /// Resets the state, passes over the lines and adds the summary entries.
    void Run(TLNZLines& lines, bool reformatting);

    /// The pass over all lines.
    void CheckLines(TLNZLines& lines);
    /// Checks the body starting at index and leaves index on the line that ended it.
    void CheckSectionBody(std::uint8_t kind, TLNZLines& lines, std::size_t& index);
    /// Formats, counts and appends one message about the line at lineIndex.
    void AddMessage(TMessageSeverity severity, const std::string& text, std::int32_t lineIndex);

    /// The summary line of the last run ("Error check complete ...").
    std::string SummaryText() const;

private:
    void AddEntry(const std::string& text);
};

/// The display prefix of a severity ("[Error] (").
std::string_view SeverityPrefix(TMessageSeverity severity);
/// The canonical form of a body line: its fields joined by "," and a TAB, then " ;" and the comment.
std::string ReformatLine(std::string_view line);
/// The edit distance between two texts (case-sensitive, unit costs).
std::int32_t LevenshteinDistance(std::string_view a, std::string_view b);

} // namespace ballforge
