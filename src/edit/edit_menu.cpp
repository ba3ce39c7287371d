#include "app/frm_xcopy.h"

namespace lorvane {

namespace {

// Only text boxes have a selection: with any other control active, the steps that need
// one are skipped.
TextBox* SelectionHolder(Control* active) { return active != nullptr ? active->AsTextBox() : nullptr; }

}  // namespace

void FrmXcopy::MnuSelect_Click() {
    if (TextBox* box = SelectionHolder(ActiveControl)) {
        box->SetSelStart(0);
        box->SetSelLength(65535);
    }
}

void FrmXcopy::MnuCopier_Click() {
    platform_.clipboard.ClearClipboard();
    if (TextBox* box = SelectionHolder(ActiveControl)) platform_.clipboard.SetClipboardText(box->SelText());
}

void FrmXcopy::MnuCouper_Click() {
    platform_.clipboard.ClearClipboard();
    TextBox* box = SelectionHolder(ActiveControl);
    if (box == nullptr) return;
    // The text leaves the box only once it is safe on the clipboard.
    if (platform_.clipboard.SetClipboardText(box->SelText())) box->SetSelText("");
}

void FrmXcopy::MnuColler_Click() {
    const std::string text = platform_.clipboard.GetClipboardText();
    if (TextBox* box = SelectionHolder(ActiveControl)) box->SetSelText(text);
}

}  // namespace lorvane
