#include "app/frm_xcopy.h"
#include "command/command_line.h"

namespace lorvane {

void FrmXcopy::FaireCmd(std::string& Quoi) {
    // Only the first character counts, exactly; a blank there means no part.
    Quoi = Quoi.substr(0, 1);
    if (Quoi == " ") Quoi.clear();
    if (OnFaireCmd) OnFaireCmd(Quoi);

    if (Quoi == "s") {
        TxtCmd[0].SetText(BuildLocationPart(source_));
    } else if (Quoi == "d") {
        TxtCmd[1].SetText(BuildLocationPart(destination_));
    } else if (Quoi == "a") {
        TxtCmd[2].SetText(BuildSwitchesPart());
    }
    // Always, so that a hand edit of the full line gives way to the parts as they stand.
    TxtCmd[3].SetText(FullCommandLine(TxtCmd[0].Text(), TxtCmd[1].Text(), TxtCmd[2].Text()));
}

std::string FrmXcopy::BuildLocationPart(const Side& side) const {
    LocationChoice choice;
    choice.currentDirectory = side.current.Value();
    choice.level = side.level.Selected();
    choice.dirPath = side.dir.Path();
    choice.filePath = side.file.Path();
    choice.fileName = side.file.FileName();
    choice.folderBySeparator = &side == &destination_ && !platform_.xcopy.XcopyTakesWildcardDestinationAsFolder();
    return LocationPart(choice);
}

std::string FrmXcopy::BuildSwitchesPart() const {
    std::array<int, kSwitchCount> ticks{};
    for (std::size_t i = 0; i < ticks.size(); ++i) ticks[i] = Check1[i].Value();
    // The window keeps the date day first; the command writes it as its XCOPY reads it.
    return SwitchesPart(ticks, Argument, XcopyDate(DateCopie, platform_.xcopy.XcopyReadsDatesMonthFirst()));
}

}  // namespace lorvane
