#include "batch/console_text.h"

#include <utility>

#include "batch/oem_convert.h"

namespace lorvane {

ConsoleText ToConsoleText(Platform& platform, const std::string& text) {
    std::string bytes = OEMConvert(text, 0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        // No pair of the table maps a character to itself: a changed byte was the table's.
        if (static_cast<unsigned char>(text[i]) < 0x80 || bytes[i] != text[i]) continue;
        const std::optional<char> consoleByte = platform.ConsoleByte(text[i]);
        if (!consoleByte) return {{}, text[i]};
        bytes[i] = *consoleByte;
    }
    return {std::move(bytes), std::nullopt};
}

}  // namespace lorvane
