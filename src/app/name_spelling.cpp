#include "app/name_spelling.h"

#include "app/utf8.h"

namespace lorvane {

namespace {

bool IsReserved(char c) {
    return c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|';
}

}  // namespace

NameFlaw FlawOf(std::string_view name, bool loneSurrogate) {
    if (loneSurrogate) return NameFlaw::LoneSurrogate;
    if (!ReservedCharacterIn(name).empty()) return NameFlaw::ReservedCharacter;
    // "." and ".." name the folder itself and its parent: the lists never show them as entries.
    if (name.empty() || name == "." || name == "..") return NameFlaw::None;
    if (name.back() == '.') return NameFlaw::TrailingDot;
    if (name.back() == ' ') return NameFlaw::TrailingBlank;
    return NameFlaw::None;
}

std::string ReservedCharacterIn(std::string_view name) {
    for (const char c : name) {
        if (IsReserved(c)) return std::string(1, c);
    }
    return {};
}

std::string ReadableName(std::string_view name, std::string_view blank) {
    std::size_t end = name.size();
    while (end > 0 && name[end - 1] == ' ') --end;
    std::string readable;
    for (std::size_t at = 0; at < end;) {
        const char32_t character = NextCharacter(name, at);
        if (IsControlCharacter(character) || IsInvisibleCharacter(character)) {
            readable += "[" + NamedCharacter(character) + "]";
        } else {
            AppendCharacter(readable, character);
        }
    }
    for (std::size_t i = end; i < name.size(); ++i) readable += blank;
    return readable;
}

}  // namespace lorvane
