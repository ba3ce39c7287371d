#include "app/name_list.h"

#include <utility>

namespace lorvane {

std::string_view NameList::Name(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
}

bool NameList::LoneSurrogateAt(std::size_t index) const {
    const auto odd = odd_.find(index);
    return odd != odd_.end() && odd->second.loneSurrogate;
}

FolderEntry NameList::Entry(std::size_t index, int depth) const {
    FolderEntry entry{std::string(Name(index)), {}, depth};
    if (const auto odd = odd_.find(index); odd != odd_.end()) {
        entry.shortName = odd->second.shortName;
        entry.loneSurrogate = odd->second.loneSurrogate;
    }
    return entry;
}

std::size_t NameList::Find(std::string_view name) const {
    for (std::size_t i = 0; i < Size(); ++i) {
        if (Name(i) == name) return i;
        // A file picked by its short name ("foo." by FOO_~YAG) is found by it.
        if (const auto odd = odd_.find(i); odd != odd_.end() && !name.empty() && odd->second.shortName == name) return i;
    }
    return Size();
}

void NameList::Reserve(std::size_t names, std::size_t bytes) {
    ends_.reserve(names);
    text_.reserve(bytes);
}

void NameList::Add(std::string_view name, bool loneSurrogate) {
    text_ += name;
    ends_.push_back(static_cast<std::uint32_t>(text_.size()));
    if (loneSurrogate) odd_[ends_.size() - 1].loneSurrogate = true;
}

void NameList::SetShortName(std::size_t index, std::string shortName) { odd_[index].shortName = std::move(shortName); }

void NameList::AddFrom(const NameList& from, std::size_t index) {
    Add(from.Name(index));
    if (const auto odd = from.odd_.find(index); odd != from.odd_.end()) odd_[ends_.size() - 1] = odd->second;
}

}  // namespace lorvane
