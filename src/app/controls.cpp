#include "app/controls.h"

#include <algorithm>
#include <utility>

#include "app/utf8.h"

namespace lorvane {

namespace {

void Raise(const std::function<void()>& event) {
    if (event) event();
}

int ClampTo(int value, int low, int high) { return std::max(low, std::min(value, high)); }

// The position kept inside the text, moved back to the start of its character: a
// selection never splits the two units of a character beyond the first 65,536.
int CharacterStart(const std::string& text, int units) {
    return Utf16Length(std::string_view(text).substr(0, ByteOffsetOfUtf16(text, std::max(units, 0))));
}

}  // namespace

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    NotifyView();
}

void Label::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    NotifyView();
}

void CheckBox::SetValue(int value) {
    if (value_ == value) return;
    value_ = value;
    NotifyView();
    Raise(Click);
}

void OptionButton::SetValue(bool value) {
    if (value_ == value) return;
    if (value && group_ != nullptr) group_->DeselectAllBut(*this);
    value_ = value;
    NotifyView();
    if (value) Raise(Click);
}

void OptionButton::SetBackColor(Color color) {
    if (backColor_ == color) return;
    backColor_ = color;
    NotifyView();
}

OptionGroup::OptionGroup() {
    for (auto& button : buttons_) button.group_ = this;
}

int OptionGroup::Selected() const {
    for (int i = 0; i < kSize; ++i) {
        if (buttons_[static_cast<std::size_t>(i)].Value()) return i;
    }
    return -1;
}

void OptionGroup::DeselectAllBut(const OptionButton& keep) {
    for (auto& button : buttons_) {
        if (&button != &keep) button.SetValue(false);
    }
}

void TextBox::SetText(std::string text) {
    if (text_ == text) return;
    selStart_ = 0;
    selLength_ = 0;
    ReplaceText(std::move(text));
}

std::string TextBox::SelText() const {
    const std::size_t from = ByteOffsetOfUtf16(text_, selStart_);
    return text_.substr(from, ByteOffsetOfUtf16(text_, selStart_ + selLength_) - from);
}

void TextBox::SetSelStart(int start) {
    selStart_ = CharacterStart(text_, start);
    selLength_ = 0;
    NotifyView();
}

void TextBox::SetSelLength(int length) {
    selLength_ = CharacterStart(text_, selStart_ + std::max(length, 0)) - selStart_;
    NotifyView();
}

void TextBox::SetSelText(const std::string& replacement) {
    const std::size_t from = ByteOffsetOfUtf16(text_, selStart_);
    const int room = maxLength_ - (Utf16Length(text_) - selLength_);
    const std::string_view fitting =
        maxLength_ > 0 ? std::string_view(replacement).substr(0, ByteOffsetOfUtf16(replacement, room)) : replacement;
    std::string text = text_;
    text.replace(from, ByteOffsetOfUtf16(text_, selStart_ + selLength_) - from, fitting);
    selStart_ += Utf16Length(fitting);
    selLength_ = 0;
    if (text == text_) {
        NotifyView();
        return;
    }
    ReplaceText(std::move(text));
}

void TextBox::ApplyEdit(std::string text, int selStart, int selLength) {
    const bool changed = text != text_;
    text_ = std::move(text);
    const int length = Utf16Length(text_);
    selStart_ = ClampTo(selStart, 0, length);
    selLength_ = ClampTo(selLength, 0, length - selStart_);
    if (changed) Raise(Change);
}

void TextBox::ReplaceText(std::string text) {
    text_ = std::move(text);
    NotifyView();
    Raise(Change);
}

void DriveList::SetDrive(std::string drive) {
    if (drive_ == drive) return;
    drive_ = std::move(drive);
    NotifyView();
    Raise(Change);
}

void DriveList::ShowDrive(std::string drive) {
    if (drive_ == drive) return;
    drive_ = std::move(drive);
    NotifyView();
}

bool DirList::SetPath(Folders& folders, const std::string& path) {
    // The folder already shown is not asked about again: on a server gone, each question costs
    // the whole wait, for a click that opens nothing.
    if (!path_.empty() && path == path_) return true;
    folders.WillShow(path);
    std::string folder = folders.ReadableFolder(path);
    if (folder.empty()) return false;
    if (path_ == folder) return true;
    path_ = std::move(folder);
    NotifyView();
    Raise(Change);
    return true;
}

bool FileList::SetPath(Folders& folders, const std::string& path) {
    if (!path_.empty() && path == path_) return true;  // as for the folder list
    folders.WillShow(path);
    std::string folder = folders.ReadableFolder(path);
    if (folder.empty()) return false;
    if (path_ == folder) return true;
    path_ = std::move(folder);
    fileName_.clear();
    NotifyView();
    return true;
}

void FileList::SetFileName(std::string name) {
    if (fileName_ == name) return;
    fileName_ = std::move(name);
    NotifyView();
}

void MenuItem::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    NotifyView();
}

}  // namespace lorvane
