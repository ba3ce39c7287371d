#include "app/frm_xcopy.h"
#include "app/whole_file.h"
#include "batch/batch_texts.h"
#include "batch/console_text.h"

namespace lorvane {

bool FrmXcopy::Sauvegarde(const std::string& NomFichier, const std::string& Batch) {
    const ConsoleText text = ToConsoleText(platform_, Batch);
    if (text.refused) {
        // Written as its ANSI byte, the character would reach XCOPY as another one: nothing
        // is written. The error box sounds the system's alert itself, so no beep is added.
        Caption.SetCaption(texts::kNotSavedCaption);
        platform_.MsgBox(texts::UnwritableCharacter(*text.refused, platform_.ConsoleCodePage()),
                         texts::kUnwritableTitle, MsgButtons::Ok, MsgIcon::Error);
        return false;
    }
    // Whole or not at all: a failed write leaves any previous file as it was.
    if (!WriteWholeFile(platform_, NomFichier, text.bytes + "\r\n")) {
        Caption.SetCaption(texts::kNotSavedCaption);
        platform_.Beep();
        return false;
    }
    Caption.SetCaption(texts::kSavedCaption + NomFichier);
    return true;
}

}  // namespace lorvane
