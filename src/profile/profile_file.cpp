#include "profile/profile_file.h"

#include <algorithm>

#include "app/utf8.h"

namespace lorvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// "1", "+1", "01" and " 2" are states; anything else is not.
bool ParseState(std::string_view field, int& state) {
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) {
        if (field.front() == '-') return false;
        field.remove_prefix(1);
    }
    if (field.empty() || field.size() > 6) return false;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (value > 2) return false;
    state = value;
    return true;
}

}  // namespace

std::string ProfileText(const SwitchStates& states) {
    std::string text;
    for (int state : states) text += " " + std::to_string(state) + " \r\n";
    return text;
}

ProfileReading ReadProfile(std::string_view bytes) {
    std::string decoded;
    std::string_view text = bytes;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    } else if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        decoded = Utf16BytesAsUtf8(text.substr(2), text[0] == '\xFE');
        text = decoded;
    }
    ProfileReading reading;
    std::size_t pos = 0;
    int line = 1;
    auto consumeLineEnd = [&] {
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
        ++pos;
        ++line;
    };
    for (std::size_t index = 0; index < reading.states.size();) {
        while (pos < text.size() && IsBlank(text[pos])) ++pos;
        if (pos == text.size()) {
            reading.fault = ProfileReading::Fault::TooShort;
            reading.line = line;
            return reading;
        }
        if (IsLineEnd(text[pos])) {  // an empty line, or the end of a line after a comma
            consumeLineEnd();
            continue;
        }
        const std::size_t start = pos;
        pos = std::min(text.find_first_of(",\r\n", start), text.size());  // the field ends the line or at a comma
        std::string_view value = text.substr(start, pos - start);
        const int fieldLine = line;
        if (pos < text.size()) {
            if (text[pos] == ',') {
                ++pos;
            } else {
                consumeLineEnd();
            }
        }
        while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
        while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
        if (!ParseState(value, reading.states[index])) {
            reading.fault = ProfileReading::Fault::NotAState;
            reading.line = fieldLine;
            reading.field = std::string(value);
            return reading;
        }
        ++index;
    }
    return reading;
}

}  // namespace lorvane
