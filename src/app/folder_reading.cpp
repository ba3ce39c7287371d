#include "app/folder_reading.h"

#include <map>
#include <optional>

#include "app/name_spelling.h"

namespace lorvane {

namespace {

constexpr std::size_t kFirstPartNames = 64;
constexpr std::size_t kScreenful = 16;
constexpr std::uint64_t kSlowReadingMs = 30;

}  // namespace

bool FirstPartDue(std::size_t namesRead, std::uint64_t elapsedMs) {
    return namesRead >= kFirstPartNames || (namesRead >= kScreenful && elapsedMs >= kSlowReadingMs);
}

bool NeedsShortName(std::string_view name, bool loneSurrogate) { return FlawOf(name, loneSurrogate) != NameFlaw::None; }

bool HoldsFlawedNames(const NameList& list) {
    for (std::size_t i = 0; i < list.Size(); ++i) {
        if (NeedsShortName(list.Name(i), list.LoneSurrogateAt(i))) return true;
    }
    return false;
}

void GiveShortNames(const std::vector<NameList*>& lists, const std::vector<ShortNameRead>& read) {
    // By the names as the lists hold them; none for a name read twice.
    std::map<std::string, std::optional<std::string>, std::less<>> shortNames;
    for (const ShortNameRead& entry : read) {
        const auto [at, first] = shortNames.emplace(entry.name, entry.shortName);
        if (!first) at->second.reset();
    }
    for (NameList* list : lists) {
        for (std::size_t i = 0; i < list->Size(); ++i) {
            if (!NeedsShortName(list->Name(i), list->LoneSurrogateAt(i))) continue;
            const auto found = shortNames.find(list->Name(i));
            if (found != shortNames.end() && found->second) list->SetShortName(i, *found->second);
        }
    }
}

}  // namespace lorvane
