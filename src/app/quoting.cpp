#include "app/quoting.h"

#include <string_view>

namespace lorvane {

namespace {

constexpr std::string_view kNeedsQuotes = " &|<>^(),;=";

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

std::string Quote(const std::string& Chaine) {
    if (Chaine.find_first_of(kNeedsQuotes) == std::string::npos) return Chaine;
    return '"' + Chaine + '"';
}

std::string DbleSlash(const std::string& Cha) {
    std::string out;
    out.reserve(Cha.size());
    const std::size_t n = Cha.size();
    for (std::size_t p = 0; p < n; ++p) {
        if (p + 1 < n && IsSeparator(Cha[p]) && IsSeparator(Cha[p + 1])) ++p;
        out += Cha[p];
    }
    return out;
}

}  // namespace lorvane
