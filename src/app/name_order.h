#pragma once
// The order of the names in the lists, and where letters typed in a list go: as the user's
// system compares names (its collation for the user's language, case ignored, digits read as
// numbers: "_x abc ça eau Écoles Été file2 file10 Œuvre Zoo"), which the system gives.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/name_list.h"
#include "app/utf8.h"

namespace lorvane {

class NameCollation {
public:
    virtual ~NameCollation() = default;
    // Appends bytes whose plain order is the names' order: made once per name, compared many
    // times, all of a listing's in one buffer.
    virtual void AppendSortKey(std::string_view name, std::string& keys) const = 0;
    // The name begins with `prefix`, compared as the order compares names.
    virtual bool StartsWith(std::string_view name, std::string_view prefix) const = 0;
};

// A run of names with their sort keys, made once per name, and the names' order by them;
// equal names keep their order.
struct SortedRun;

class OrderedRun {
public:
    OrderedRun() = default;
    OrderedRun(const NameList& names, const NameCollation& collation);
    std::size_t Size() const { return order_.size(); }
    // Where the name of that rank stands in the names, and its key.
    std::size_t IndexAt(std::size_t rank) const { return order_[rank]; }
    std::string_view KeyAt(std::size_t rank) const { return KeyOf(order_[rank]); }

    // Two runs merged, names and keys alike; of equal names, the earlier run's first.
    static SortedRun Merged(const SortedRun& earlier, const SortedRun& later);

private:
    std::string_view KeyOf(std::size_t index) const;

    std::string keys_;
    std::vector<std::uint32_t> keyEnds_;
    std::vector<std::uint32_t> order_;
};

// Runs ordered apart (a huge folder's, as it is read), merged into one list: the order of
// all the names at once, the runs taken in their order for equal names. `orders[i]` orders
// `runs[i]`.
NameList MergeRuns(const std::vector<const NameList*>& runs, const std::vector<const OrderedRun*>& orders);
NameList Ordered(const NameList& names, const NameCollation& collation);

// A run's names and their order, as the merging keeps them.
struct SortedRun {
    NameList names;
    OrderedRun order;
};

// Runs merged as they come, while the reading goes on: two that hold as many runs merge, as
// a binary counter carries, so that each name is copied a few times only and, once the last
// run comes, a few merged runs are left where there were hundreds.
class RunMerger {
public:
    // The runs in reading order.
    void Add(SortedRun run);
    // Every name added, in order; of equal names, the earlier run's first.
    NameList Finish() const;

private:
    struct Merged {
        SortedRun run;
        std::size_t runs;
    };
    std::vector<Merged> merged_;
};

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
