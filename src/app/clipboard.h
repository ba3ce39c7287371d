#pragma once
// The clipboard, in plain text only.

#include <string>

namespace lorvane {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool ClearClipboard() = 0;
    virtual bool SetClipboardText(const std::string& text) = 0;
    // A clipboard without text gives "".
    virtual std::string GetClipboardText() = 0;
};

}  // namespace lorvane
