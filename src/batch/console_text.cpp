#include "batch/console_text.h"

#include <algorithm>

#include "app/utf8.h"
#include "batch/oem_convert.h"
#include "app/quoting.h"

namespace lorvane {

namespace {

constexpr unsigned kTablePage = 437;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The bytes of one part of the text; none, but the first character the page lacks, when it
// cannot be written whole.
std::optional<char32_t> PartBytes(Console& console, std::string_view part, std::string& bytes) {
    bytes.clear();
    const bool tablePage = console.ConsoleCodePage() == kTablePage;
    for (std::size_t at = 0; at < part.size();) {
        const std::size_t start = at;
        const char32_t character = NextCharacter(part, at);
        if (character < 0x80) {
            // A batch file reads %name% as a variable: doubled, a % stays the character shown.
            bytes += character == '%' ? "%%" : std::string(1, static_cast<char>(character));
            continue;
        }
        const std::string text(part.substr(start, at - start));
        if (tablePage) {
            const std::string paired = OEMConvert(text, 0);
            if (paired != text) {  // no pair maps a character to itself
                bytes += paired;
                continue;
            }
        }
        const std::optional<std::string> pageBytes = console.ConsoleBytes(character);
        if (!pageBytes) return character;
        bytes += *pageBytes;
    }
    return std::nullopt;
}

// The path an argument names up to `end`: its quotation marks dropped.
std::string PathOnDisk(std::string_view argument) {
    std::string unquoted;
    for (const char c : argument)
        if (c != '"') unquoted += c;
    return unquoted;
}

bool IsAbsolute(std::string_view path) {
    return (path.size() >= 3 && path[1] == ':' && IsSeparator(path[2])) ||
           (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]));
}

}  // namespace

ConsoleText ToConsoleText(Console& console, Folders& folders, const std::string& text) {
    ConsoleText out;
    bool quoted = false;
    std::size_t argumentStart = 0;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        const bool argumentEnd = !quoted && (c == ' ' || c == '\n');
        if (c == '"' || argumentEnd || IsSeparator(c)) {
            if (c == '"') quoted = !quoted;
            if (argumentEnd) argumentStart = at + 1;
            out.bytes += c;
            out.shown += c;
            ++at;
            continue;
        }
        // One part of a path: up to a separator, a quotation mark or the argument's end.
        std::size_t end = at;
        while (end < text.size() && !IsSeparator(text[end]) && text[end] != '"' &&
               (quoted || (text[end] != ' ' && text[end] != '\n'))) {
            ++end;
        }
        const std::string_view part(text.data() + at, end - at);
        std::string bytes;
        std::optional<char32_t> lacking = PartBytes(console, part, bytes);
        std::string shown(part);
        if (lacking) {
            // A look-alike would name another file: the short name names this one.
            const std::string path = PathOnDisk(std::string_view(text).substr(argumentStart, end - argumentStart));
            const std::string shortName = IsAbsolute(path) ? folders.ShortName(path) : "";
            if (!shortName.empty() && !PartBytes(console, shortName, bytes)) {
                lacking.reset();
                shown = shortName;
            }
        }
        if (lacking) return {{}, {}, lacking};
        out.bytes += bytes;
        out.shown += shown;
        at = end;
    }
    return out;
}

std::size_t LongestLine(std::string_view text) {
    std::size_t longest = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        longest = std::max(longest, static_cast<std::size_t>(Utf16Length(text.substr(start, end - start))));
        start = end + 1;
    }
    return longest;
}

std::optional<char32_t> FirstControlCharacter(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const char32_t character = NextCharacter(text, at);
        if (IsControlCharacter(character)) return character;
    }
    return std::nullopt;
}

}  // namespace lorvane
