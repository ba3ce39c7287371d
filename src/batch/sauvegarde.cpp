#include "app/frm_xcopy.h"
#include "app/whole_file.h"
#include "batch/batch_texts.h"
#include "batch/console_text.h"

namespace lorvane {

namespace {

std::string ControlCharacterRefusal(char32_t character, const char* nothingDone) {
    switch (character) {
        case U'\n': return texts::ControlCharacterRefused(texts::kLineBreak, false, nothingDone);
        case U'\r': return texts::ControlCharacterRefused(texts::kCarriageReturn, false, nothingDone);
        case U'\t': return texts::ControlCharacterRefused(texts::kTab, true, nothingDone);
        default:
            return texts::ControlCharacterRefused(texts::OtherControlCharacter(NamedCharacter(character)), false,
                                                  nothingDone);
    }
}

}  // namespace

std::optional<ConsoleText> FrmXcopy::ConsoleForm(const std::string& command, const std::string& Batch, bool running) {
    const char* nothingDone = running ? texts::kNothingRun : texts::kNothingSaved;
    std::string refusal;
    ConsoleText text;
    if (const std::optional<char32_t> control = FirstControlCharacter(command)) {
        refusal = ControlCharacterRefusal(*control, nothingDone);
    } else if (text = ToConsoleText(platform_.console, platform_.folders, Batch); text.refused) {
        // Written as another byte, the character would reach XCOPY as another one.
        platform_.dialogs.MsgBox(
            texts::UnwritableCharacter(NamedCharacter(*text.refused), platform_.console.ConsoleCodePage(), nothingDone),
            texts::kUnwritableTitle, MsgButtons::Ok, MsgIcon::Error);
    } else if (const std::size_t longest = LongestLine(text.shown); longest > kLongestConsoleLine) {
        refusal = texts::LineTooLong(longest, kLongestConsoleLine, nothingDone);
    }
    if (!refusal.empty()) {
        platform_.dialogs.MsgBox(refusal, texts::kCommandRefusedTitle, MsgButtons::Ok, MsgIcon::Error);
    }
    if (refusal.empty() && !text.refused) {
        if (Batch.find('!') != std::string::npos) text.bytes = std::string(kKeepExclamationMarks) + "\n" + text.bytes;
        return text;
    }
    // Nothing is written. The error box sounds the system's alert itself, so no beep is added.
    Caption.SetCaption(texts::SavedCaption(texts::kNotSaved));
    return std::nullopt;
}

std::string FrmXcopy::BatchFileBytes(const ConsoleText& Batch) { return Batch.bytes + "\r\n"; }

bool FrmXcopy::Sauvegarde(const std::string& NomFichier, const ConsoleText& Batch) {
    // Whole or not at all: a failed write leaves any previous file as it was.
    if (!WriteWholeFile(platform_.files, NomFichier, BatchFileBytes(Batch))) {
        Caption.SetCaption(texts::SavedCaption(texts::kNotSaved));
        platform_.dialogs.Beep();
        return false;
    }
    Caption.SetCaption(texts::SavedCaption(NomFichier));
    return true;
}

}  // namespace lorvane
