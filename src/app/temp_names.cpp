#include "app/temp_names.h"

namespace lorvane {

namespace {

// Base 36, lowest digit first; nothing for zero.
void AppendDigits(std::string& name, unsigned long n) {
    constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (; n != 0; n /= kDigits.size()) name += kDigits[n % kDigits.size()];
}

}  // namespace

std::string TempPathBeside(std::string_view target, unsigned long processId, unsigned counter) {
    std::string name = "~";
    AppendDigits(name, processId % (36ul * 36ul * 36ul));  // three letters at most
    name += '.';
    AppendDigits(name, counter);
    const std::size_t separator = target.find_last_of("\\/");
    if (separator == std::string_view::npos) return name;
    return std::string(target.substr(0, separator + 1)) + name;
}

std::string FolderOfProgram(std::string_view programPath) {
    const std::size_t separator = programPath.find_last_of("\\/");
    if (separator == std::string_view::npos) return {};
    // The separator is kept at a drive's root alone ("C:\").
    return std::string(programPath.substr(0, separator > 2 ? separator : separator + 1));
}

}  // namespace lorvane
