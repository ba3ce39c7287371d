#include "batch/destination_question.h"

#include <vector>

#include "app/quoting.h"

namespace lorvane {

namespace {

// Arguments as the command interpreter splits them: blanks outside quotation marks.
std::vector<std::string> Arguments(const std::string& line) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false, inArgument = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inArgument) arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) arguments.push_back(current);
    return arguments;
}

}  // namespace

std::string DestinationArgument(const std::string& commandLine) {
    const std::vector<std::string> arguments = Arguments(commandLine);
    int locations = 0;
    for (std::size_t i = 1; i < arguments.size(); ++i) {  // after the command word
        if (!arguments[i].empty() && arguments[i][0] == '/') continue;
        if (++locations < 2) continue;
        return SinglePercents(arguments[i]);
    }
    return {};
}

}  // namespace lorvane
