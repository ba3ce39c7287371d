#include "command/command_line.h"

#include "app/text_utils.h"
#include "app/quoting.h"

namespace lorvane {

std::string LocationPart(const LocationChoice& choice) {
    std::string text;
    if (choice.currentDirectory == 1) {
        text = ". ";
    } else {
        // Names as they are on disk: the batch file's writer keeps a % from being expanded.
        switch (choice.level) {
            case 0: text = Quote(RootOf(choice.dirPath) + ".") + " "; break;
            case 1: text = Quote(choice.dirPath + (choice.folderBySeparator ? "\\" : "\\*.*")) + " "; break;
            case 2: text = Quote(choice.filePath + "\\" + choice.fileName) + " "; break;
            default: break;
        }
    }
    // Removes the doubled separator of a drive root ("D:\" + "\*.*"); the two that open a
    // network path stay, or it would name a folder of the current drive.
    const std::size_t quote = text.starts_with('"') ? 1 : 0;
    const std::size_t kept = IsNetworkPath(std::string_view(text).substr(quote)) ? quote + 2 : 0;
    return text.substr(0, kept) + DbleSlash(text.substr(kept));
}

std::string SwitchesPart(const std::array<int, kSwitchCount>& ticks,
                         const std::array<std::string, kSwitchCount>& tokens, const std::string& dateArgument) {
    std::string text;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        if (ticks[i] != 1) continue;
        text += tokens[i];
        if (kSwitchTable[i].takesDate) text += dateArgument + " ";
        text += " ";
    }
    return text;
}

std::string XcopyDate(const std::string& colonForm, bool monthFirst) {
    if (!monthFirst || colonForm.size() != 11) return colonForm;
    return ":" + colonForm.substr(4, 2) + "-" + colonForm.substr(1, 2) + "-" + colonForm.substr(7, 4);
}

std::string FullCommandLine(const std::string& source, const std::string& destination, const std::string& switches) {
    return "XCOPY " + source + " " + destination + " " + switches;
}

}  // namespace lorvane
