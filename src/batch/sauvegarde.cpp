#include <cstdio>

#include "app/frm_xcopy.h"
#include "app/whole_file.h"
#include "batch/batch_texts.h"
#include "batch/console_text.h"

namespace lorvane {

namespace {

std::string ControlCharacterName(char32_t character) {
    switch (character) {
        case U'\n': return texts::kLineBreak;
        case U'\r': return texts::kCarriageReturn;
        case U'\t': return texts::kTab;
        default: break;
    }
    char code[8];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    return texts::OtherControlCharacter(code);
}

}  // namespace

std::optional<ConsoleText> FrmXcopy::ConsoleForm(const std::string& command, const std::string& Batch) {
    std::string refusal;
    ConsoleText text;
    if (const std::optional<char32_t> control = FirstControlCharacter(command)) {
        refusal = texts::ControlCharacterRefused(ControlCharacterName(*control));
    } else if (text = ToConsoleText(platform_, Batch); text.refused) {
        // Written as another byte, the character would reach XCOPY as another one.
        platform_.MsgBox(texts::UnwritableCharacter(CharacterText(*text.refused), platform_.ConsoleCodePage()),
                         texts::kUnwritableTitle, MsgButtons::Ok, MsgIcon::Error);
    } else if (const std::size_t longest = LongestLine(text.shown); longest > kLongestConsoleLine) {
        refusal = texts::LineTooLong(longest, kLongestConsoleLine);
    }
    if (!refusal.empty()) {
        platform_.MsgBox(refusal, texts::kCommandRefusedTitle, MsgButtons::Ok, MsgIcon::Error);
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
    if (!WriteWholeFile(platform_, NomFichier, BatchFileBytes(Batch))) {
        Caption.SetCaption(texts::SavedCaption(texts::kNotSaved));
        platform_.Beep();
        return false;
    }
    Caption.SetCaption(texts::SavedCaption(NomFichier));
    return true;
}

}  // namespace lorvane
