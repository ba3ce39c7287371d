#include "app/code_pages.h"

namespace lorvane {

namespace {

constexpr unsigned kUtf7 = 65000, kUtf8 = 65001, kSymbol = 42;

struct PageRange {
    unsigned first, last;
};
constexpr PageRange kIso2022 = {50220, 50229}, kIscii = {57002, 57011};

constexpr bool In(unsigned page, PageRange range) { return page >= range.first && page <= range.last; }

}  // namespace

bool TakesConversionFlags(unsigned codePage) {
    return codePage != kUtf8 && codePage != kUtf7 && codePage != kSymbol && !In(codePage, kIso2022) &&
           !In(codePage, kIscii);
}

}  // namespace lorvane
