#include "app/name_order.h"

#include <numeric>
#include <queue>
#include <utility>

namespace lorvane {

OrderedRun::OrderedRun(const NameList& names, const NameCollation& collation) {
    keyEnds_.reserve(names.Size());
    keys_.reserve(names.Bytes() * 3);
    for (std::size_t i = 0; i < names.Size(); ++i) {
        collation.AppendSortKey(names.Name(i), keys_);
        keyEnds_.push_back(static_cast<std::uint32_t>(keys_.size()));
    }
    order_.resize(names.Size());
    std::iota(order_.begin(), order_.end(), 0U);
    std::stable_sort(order_.begin(), order_.end(), [this](auto a, auto b) { return KeyOf(a) < KeyOf(b); });
}

std::string_view OrderedRun::KeyOf(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : keyEnds_[index - 1];
    return std::string_view(keys_).substr(begin, keyEnds_[index] - begin);
}

NameList MergeRuns(const std::vector<const NameList*>& runs, const std::vector<const OrderedRun*>& orders) {
    struct Cursor {
        std::size_t run;
        std::size_t rank;
    };
    // The cursor whose name comes first is on top; of equal names, the earlier run's.
    const auto later = [&](const Cursor& a, const Cursor& b) {
        const std::string_view keyA = orders[a.run]->KeyAt(a.rank), keyB = orders[b.run]->KeyAt(b.rank);
        return keyA != keyB ? keyA > keyB : a.run > b.run;
    };
    std::priority_queue<Cursor, std::vector<Cursor>, decltype(later)> next(later);
    std::size_t names = 0, bytes = 0;
    for (std::size_t run = 0; run < orders.size(); ++run) {
        if (orders[run]->Size() > 0) next.push({run, 0});
        names += runs[run]->Size();
        bytes += runs[run]->Bytes();
    }
    NameList merged;
    merged.Reserve(names, bytes);
    while (!next.empty()) {
        const Cursor top = next.top();
        next.pop();
        merged.AddFrom(*runs[top.run], orders[top.run]->IndexAt(top.rank));
        if (top.rank + 1 < orders[top.run]->Size()) next.push({top.run, top.rank + 1});
    }
    return merged;
}

SortedRun OrderedRun::Merged(const SortedRun& earlier, const SortedRun& later) {
    SortedRun merged;
    const std::size_t size = earlier.order.Size() + later.order.Size();
    merged.names.Reserve(size, earlier.names.Bytes() + later.names.Bytes());
    OrderedRun& order = merged.order;
    order.keys_.reserve(earlier.order.keys_.size() + later.order.keys_.size());
    order.keyEnds_.reserve(size);
    const auto take = [&](const SortedRun& from, std::size_t& rank) {
        merged.names.AddFrom(from.names, from.order.IndexAt(rank));
        order.keys_ += from.order.KeyAt(rank);
        order.keyEnds_.push_back(static_cast<std::uint32_t>(order.keys_.size()));
        ++rank;
    };
    std::size_t a = 0, b = 0;
    while (a < earlier.order.Size() && b < later.order.Size()) {
        if (later.order.KeyAt(b) < earlier.order.KeyAt(a)) {
            take(later, b);
        } else {
            take(earlier, a);
        }
    }
    while (a < earlier.order.Size()) take(earlier, a);
    while (b < later.order.Size()) take(later, b);
    order.order_.resize(size);
    std::iota(order.order_.begin(), order.order_.end(), 0U);
    return merged;
}

void RunMerger::Add(SortedRun run) {
    merged_.push_back({std::move(run), 1});
    while (merged_.size() >= 2 && merged_[merged_.size() - 2].runs == merged_.back().runs) {
        const Merged later = std::move(merged_.back());
        merged_.pop_back();
        merged_.back().run = OrderedRun::Merged(merged_.back().run, later.run);
        merged_.back().runs *= 2;
    }
}

NameList RunMerger::Finish() const {
    std::vector<const NameList*> runs;
    std::vector<const OrderedRun*> orders;
    for (const Merged& merged : merged_) {
        runs.push_back(&merged.run.names);
        orders.push_back(&merged.run.order);
    }
    return MergeRuns(runs, orders);
}

NameList Ordered(const NameList& names, const NameCollation& collation) {
    const OrderedRun order(names, collation);
    return MergeRuns({&names}, {&order});
}

bool TypeAhead::Repeated(std::string_view text) {
    std::size_t at = 0;
    const char32_t first = NextCharacter(text, at);
    while (at < text.size()) {
        if (NextCharacter(text, at) != first) return false;
    }
    return true;
}

}  // namespace lorvane
