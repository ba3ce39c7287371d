#pragma once
// The order of the names in the lists, and where letters typed in a list go: as the user's
// system compares names (its collation for the user's language, case ignored, digits read as
// numbers: "_x abc ça eau Écoles Été file2 file10 Œuvre Zoo"), which the system gives.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/utf8.h"

namespace lorvane {

class NameCollation {
public:
    virtual ~NameCollation() = default;
    // Bytes whose plain order is the names' order: made once per name, compared many times.
    virtual std::string SortKey(std::string_view name) const = 0;
    // The name begins with `prefix`, compared as the order compares names.
    virtual bool StartsWith(std::string_view name, std::string_view prefix) const = 0;
};

// Items in the names' order, by the names `nameOf` gives them; equal names keep their order.
template <typename Item, typename NameOf>
void SortByCollation(std::vector<Item>& items, NameOf nameOf, const NameCollation& collation) {
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) keys.emplace_back(collation.SortKey(nameOf(items[i])), i);
    std::sort(keys.begin(), keys.end());
    std::vector<Item> sorted;
    sorted.reserve(items.size());
    for (const auto& key : keys) sorted.push_back(std::move(items[key.second]));
    items = std::move(sorted);
}

// Letters typed in a list, as the system's lists take them: typed within `pauseMs` of one
// another (the system's double-click time) they make one prefix, which goes to the first name
// starting with it from the highlighted one on; one letter, or the same letter again and
// again, goes to the next name starting with it, round to the top after the last, so that
// typing it walks through them all. A letter that continues no name starts a prefix of its
// own; a control character (Backspace, Enter) starts again.
class TypeAhead {
public:
    // The entry the character goes to, or -1. `nameAt(i)` gives the name of entry i of
    // `count`; `current` may be -1 (nothing highlighted).
    template <typename NameAt>
    int Typed(char32_t typed, std::uint64_t nowMs, std::uint64_t pauseMs, int count, int current, NameAt nameAt,
              const NameCollation& collation) {
        if (IsControlCharacter(typed)) {
            prefix_.clear();
            return -1;
        }
        if (prefix_.empty() || nowMs - lastMs_ > pauseMs) prefix_.clear();
        lastMs_ = nowMs;
        AppendCharacter(prefix_, typed);
        if (!Repeated(prefix_)) {
            const int found = Find(prefix_, 0, count, current, nameAt, collation);
            if (found >= 0) return found;
            prefix_ = CharacterText(typed);  // a letter that continues no name starts a new prefix
        }
        return Find(CharacterText(typed), 1, count, current, nameAt, collation);
    }

private:
    static bool Repeated(std::string_view text);
    // The first entry from `current` + `firstStep` on, round the list, starting with `wanted`.
    template <typename NameAt>
    static int Find(const std::string& wanted, int firstStep, int count, int current, NameAt nameAt,
                    const NameCollation& collation) {
        if (count <= 0) return -1;
        const int from = current >= 0 && current < count ? current : -1;
        for (int step = from < 0 ? 1 : firstStep; step <= count; ++step) {
            const int at = (from + step) % count;
            if (collation.StartsWith(nameAt(at), wanted)) return at;
        }
        return -1;
    }

    std::string prefix_;
    std::uint64_t lastMs_ = 0;
};

}  // namespace lorvane
