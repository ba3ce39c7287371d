#include "app/name_order.h"

namespace lorvane {

bool TypeAhead::Repeated(std::string_view text) {
    std::size_t at = 0;
    const char32_t first = NextCharacter(text, at);
    while (at < text.size()) {
        if (NextCharacter(text, at) != first) return false;
    }
    return true;
}

}  // namespace lorvane
