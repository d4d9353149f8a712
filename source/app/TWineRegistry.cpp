#include "app/TWineRegistry.h"

#include "documents/FileUtils.h"
#include "documents/ResourceID.h"
#include "documents/TextCodec.h"

#include <cstdlib>
#include <filesystem>

namespace ballforge {

static std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Wine writes backslashes and quotes escaped, and characters beyond ASCII as \x followed by the
// UTF-16 code unit in hexadecimal. Reads from pos up to the closing quote (or the end); answers UTF-8.
static std::string Unescape(const std::string& text, std::size_t& pos, char terminator) {
    std::u16string out;
    while (pos < text.size() && text[pos] != terminator) {
        char c = text[pos++];
        if (c != '\\' || pos >= text.size()) {
            out.push_back(static_cast<unsigned char>(c));
            continue;
        }
        char e = text[pos++];
        switch (e) {
        case 'n':
            out.push_back(u'\n');
            break;
        case 'r':
            out.push_back(u'\r');
            break;
        case 't':
            out.push_back(u'\t');
            break;
        case '0':
            out.push_back(u'\0');
            break;
        case 'x': {
            unsigned v = 0;
            int digits = 0;
            while (digits < 4 && pos < text.size() && HexDigit(text[pos]) >= 0) {
                v = v * 16 + static_cast<unsigned>(HexDigit(text[pos++]));
                ++digits;
            }
            out.push_back(static_cast<char16_t>(v));
            break;
        }
        default:
            out.push_back(static_cast<unsigned char>(e));
            break;
        }
    }
    if (pos < text.size()) ++pos; // the terminator
    return Utf16ToUtf8(out);
}

TWineRegistry::TWineRegistry(std::string prefix) : prefix_(std::move(prefix)) {
    try {
        const auto bytes = ReadWholeFile(FromPath(ToPath(prefix_) / "system.reg"));
        Parse(std::string(bytes.begin(), bytes.end()));
    } catch (const std::exception&) {
        // No Wine prefix, or none readable: no game is installed under Wine.
    }
}

TWineRegistry::TWineRegistry(std::string prefix, const std::string& systemRegText)
    : prefix_(std::move(prefix)) {
    Parse(systemRegText);
}

void TWineRegistry::Parse(const std::string& text) {
    std::map<std::string, std::string>* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line[0] == '[') {
            std::size_t pos = 1;
            std::string key = Lower(Unescape(line, pos, ']'));
            while (!key.empty() && key.front() == '\\')
                key.erase(key.begin());
            current = &keys_[key];
            continue;
        }
        if (!current) continue;
        std::string name;
        std::size_t pos = 0;
        if (line[0] == '"') {
            pos = 1;
            name = Lower(Unescape(line, pos, '"'));
        } else if (line[0] == '@') {
            pos = 1;
        } else {
            continue; // comments (;), options (#) and continuation lines of binary values
        }
        if (pos >= line.size() || line[pos] != '=') continue;
        ++pos;
        // Text values: "..." (REG_SZ) or str(2):"..." (REG_EXPAND_SZ); other kinds are not texts.
        if (line.compare(pos, 7, "str(2):") == 0) pos += 7;
        if (pos < line.size() && line[pos] == '"') {
            ++pos;
            (*current)[name] = Unescape(line, pos, '"');
        }
    }
}

std::optional<std::string> TWineRegistry::ReadMachineString(const std::string& key,
                                                            const std::string& value) const {
    std::string k = Lower(key);
    while (!k.empty() && k.front() == '\\')
        k.erase(k.begin());
    auto found = keys_.find(k);
    // A 64-bit prefix keeps the keys of 32-bit installers under Wow6432Node.
    if (found == keys_.end() && k.rfind("software\\", 0) == 0)
        found = keys_.find("software\\wow6432node\\" + k.substr(9));
    if (found == keys_.end()) return std::nullopt;
    auto v = found->second.find(Lower(value));
    if (v == found->second.end()) return std::string();
    return v->second;
}

std::string TWineRegistry::NativePath(const std::string& registryPath) const {
    namespace fs = std::filesystem;
    if (registryPath.size() < 2 || registryPath[1] != ':') return {};
    const char letter = static_cast<char>(Lower(std::string(1, registryPath[0]))[0]);
    if (letter < 'a' || letter > 'z') return {};
    std::error_code ec;
    fs::path drive = ToPath(prefix_) / "dosdevices" / (std::string(1, letter) + ":");
    if (!fs::exists(drive, ec)) {
        if (letter != 'c') return {};
        drive = ToPath(prefix_) / "drive_c";
    }
    std::string rest = registryPath.substr(2);
    for (char& c : rest)
        if (c == '\\') c = '/';
    while (!rest.empty() && rest.front() == '/')
        rest.erase(rest.begin());
    std::string result = FromPath(drive);
    if (!rest.empty()) result += "/" + rest;
    return result;
}

std::string TWineRegistry::DefaultPrefix() {
    if (const char* p = std::getenv("WINEPREFIX"); p && *p) return p;
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.wine";
    return {};
}

} // namespace ballforge
