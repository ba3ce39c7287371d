#pragma once
// A folder's names as a listing holds them: all in one buffer, so that a hundred thousand
// names are a few allocations. Fresh memory is dear (under Wine each new page costs as much
// as reading a few names), and a list box only ever shows a screenful of them.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/folder_entries.h"

namespace lorvane {

class NameList {
public:
    std::size_t Size() const { return ends_.size(); }
    std::size_t Bytes() const { return text_.size(); }
    std::string_view Name(std::size_t index) const;
    bool LoneSurrogateAt(std::size_t index) const;
    // The line of the list that name makes, `depth` steps in.
    FolderEntry Entry(std::size_t index, int depth) const;

    // The first name that is `name`, or goes by it as its short name; Size() when none.
    std::size_t Find(std::string_view name) const;

    void Reserve(std::size_t names, std::size_t bytes);
    // `loneSurrogate`: the name held half a UTF-16 pair, which its text cannot carry.
    void Add(std::string_view name, bool loneSurrogate = false);
    void SetShortName(std::size_t index, std::string shortName);
    // The name at `index` of `from`, added with what is known of it.
    void AddFrom(const NameList& from, std::size_t index);

private:
    // What only the few names the system would read as others have (app/name_spelling.h).
    struct Oddity {
        std::string shortName;
        bool loneSurrogate = false;
    };
    std::string text_;
    std::vector<std::uint32_t> ends_;
    std::map<std::size_t, Oddity> odd_;
};

}  // namespace lorvane
