#include "app/start_arguments.h"

namespace lorvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Past the program's name, and the blanks after it. Nothing in the name is escaped: a
// program's path holds no quote.
std::size_t AfterProgramName(std::string_view line) {
    std::size_t at = 0;
    if (!line.empty() && line[0] == '"') {
        const std::size_t closing = line.find('"', 1);
        at = closing == std::string_view::npos ? line.size() : closing + 1;
    } else {
        while (at < line.size() && !IsBlank(line[at])) ++at;
    }
    while (at < line.size() && IsBlank(line[at])) ++at;
    return at;
}

}  // namespace

std::optional<std::string> FirstArgumentOf(std::string_view line) {
    std::size_t at = AfterProgramName(line);
    if (at == line.size()) return std::nullopt;
    std::string argument;
    // Quotes met in a row: 1 within quotes; 2 when a second one came, which either closes
    // them or, with a third, stands for a quote itself.
    int quotes = 0;
    while (at < line.size()) {
        if (quotes == 2 && line[at] != '"') quotes = 0;  // the second closed them
        if (quotes == 0 && IsBlank(line[at])) break;
        std::size_t backslashes = 0;
        while (at < line.size() && line[at] == '\\') ++backslashes, ++at;
        const bool quote = at < line.size() && line[at] == '"';
        // Before a quote, each pair of backslashes is one; the one left over makes the quote plain.
        argument.append(quote ? backslashes / 2 : backslashes, '\\');
        if (!quote) {
            if (backslashes == 0) argument += line[at++];
            continue;
        }
        ++at;
        if (backslashes % 2 == 1) {
            argument += '"';
        } else if (++quotes == 3) {
            argument += '"';
            quotes = 0;
        }
    }
    return argument;
}

}  // namespace lorvane
