#pragma once
// The controls of a window as plain objects. Handlers read and write these properties;
// the screen binding (src/win32) mirrors them onto real controls and feeds user actions
// back through the same setters, so a change made by code and a click by the user take
// one path and raise the same events.
//
// Events follow the old form toolkit this program was designed around: a setter that
// changes a value raises the control's event at once, and the handler has finished
// before the setter returns; setting the value already held raises nothing.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/folders.h"

namespace lorvane {

// Win32 COLORREF layout (0x00BBGGRR). A value with the top bit set names a system colour
// by its index, resolved by the toolkit when it paints.
using Color = std::uint32_t;
inline constexpr Color kSystemColor = 0x80000000u;
inline constexpr Color kButtonFace = kSystemColor | 15u;  // COLOR_BTNFACE
constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Color{red} | (Color{green} << 8) | (Color{blue} << 16);
}
inline constexpr Color kBlue = Rgb(0, 0, 255);

class TextBox;

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Set by the screen binding; called after any property of the control changed so the
    // real control can be brought in line. It must not raise model events back.
    std::function<void()> SyncView;

    // The text box behind the Edit menu's selection properties; null for other controls.
    virtual TextBox* AsTextBox() { return nullptr; }

protected:
    void NotifyView() const {
        if (SyncView) SyncView();
    }

private:
    bool enabled_ = true;
};

// Also serves for frames and for the window caption: a text that only code changes.
class Label : public Control {
public:
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

private:
    std::string caption_;
};

class CommandButton : public Label {
public:
    std::function<void()> Click;
};

// A text that opens its address when clicked.
class Hyperlink : public Label {
public:
    std::function<void()> Click;
};

// Tick box: 0 cleared, 1 ticked, 2 grey. Only 1 counts as chosen.
class CheckBox : public Control {
public:
    int Value() const { return value_; }
    void SetValue(int value);
    std::function<void()> Click;

private:
    int value_ = 0;
};

class OptionGroup;

class OptionButton : public Control {
public:
    bool Value() const { return value_; }
    // Selecting a button that was not selected deselects the others of its group and
    // raises Click; deselecting raises nothing.
    void SetValue(bool value);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color color);
    std::function<void()> Click;

private:
    friend class OptionGroup;
    OptionGroup* group_ = nullptr;
    bool value_ = false;
    Color backColor_ = kButtonFace;
};

// Three option buttons in one frame; selecting one clears the others of this group only.
class OptionGroup {
public:
    static constexpr int kSize = 3;
    OptionGroup();
    OptionGroup(const OptionGroup&) = delete;
    OptionGroup& operator=(const OptionGroup&) = delete;

    OptionButton& operator[](int index) { return buttons_.at(static_cast<std::size_t>(index)); }
    const OptionButton& operator[](int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    // Index of the selected button, or -1.
    int Selected() const;

private:
    friend class OptionButton;
    void DeselectAllBut(const OptionButton& keep);
    std::array<OptionButton, kSize> buttons_;
};

// Edit box with the selection properties the Edit menu works on. Positions count UTF-16
// units from 0, as the system's edit boxes do, and are kept inside the text.
class TextBox : public Control {
public:
    TextBox* AsTextBox() override { return this; }
    const std::string& Text() const { return text_; }
    // Raises Change when the text differs. The caret goes to the start, as the toolkit does.
    void SetText(std::string text);

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    std::string SelText() const;
    void SetSelStart(int start);    // clears the selection, caret at start
    void SetSelLength(int length);  // clamped to the end of the text
    // Replaces the selection (or inserts at the caret) and leaves the caret after the
    // new text; raises Change when the text changed. The replacement is cut where the text
    // would pass MaxLength, as the edit box cuts what is typed or pasted in it.
    void SetSelText(const std::string& replacement);
    // The longest text the user can put in the box, in UTF-16 units; 0 for no limit. Text set
    // by code is not cut.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = length; }
    // The user's edit as the real control reports it: the new text and its selection.
    void ApplyEdit(std::string text, int selStart, int selLength);

    std::function<void()> Change;
    std::function<void()> MouseUp;

private:
    void ReplaceText(std::string text);
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
};

class DriveList : public Control {
public:
    // The selected drive: letter and colon ("C:").
    const std::string& Drive() const { return drive_; }
    void SetDrive(std::string drive);  // raises Change when the drive differs
    // The list's own return to a drive after a failed move; raises nothing.
    void ShowDrive(std::string drive);
    std::function<void()> Change;

private:
    std::string drive_;
};

class DirList : public Control {
public:
    // Absolute path of the open folder; no trailing separator except at a drive root.
    const std::string& Path() const { return path_; }
    // Moves to the folder the system shows for the path (a bare drive, "D:", opens that
    // drive's current folder) and raises Change when the path differs. False, with nothing
    // changed, when the folder cannot be read.
    bool SetPath(Folders& folders, const std::string& path);
    // The folder the window starts on, already known readable: taken as it is, raising nothing.
    void StartAt(std::string folder) { path_ = std::move(folder); }
    std::function<void()> Change;
    std::function<void()> Click;

private:
    std::string path_;
};

class FileList : public Control {
public:
    const std::string& Path() const { return path_; }
    // As the folder list's: a new folder clears the selected file. False, with nothing
    // changed, when the folder cannot be read.
    bool SetPath(Folders& folders, const std::string& path);
    void StartAt(std::string folder) { path_ = std::move(folder); }
    // Name only, no folder; empty when no file is selected.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string name);
    std::function<void()> Click;

private:
    std::string path_;
    std::string fileName_;
};

class MenuItem : public Control {
public:
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

private:
    std::string caption_;
    bool checked_ = false;
};

}  // namespace lorvane
