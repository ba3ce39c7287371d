#pragma once
// A clipboard that holds one text, or fails every call.

#include "app/clipboard.h"

namespace lorvane::testing {

class FakeClipboard : public Clipboard {
public:
    std::string clipboard;
    bool clipboardFails = false;

    bool ClearClipboard() override { return SetClipboardText(""); }
    bool SetClipboardText(const std::string& text) override {
        if (!clipboardFails) clipboard = text;
        return !clipboardFails;
    }
    std::string GetClipboardText() override { return clipboardFails ? "" : clipboard; }
};

}  // namespace lorvane::testing
