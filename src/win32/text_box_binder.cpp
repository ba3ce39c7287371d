// The part boxes and the full line: edit boxes whose text and selection follow the model,
// and whose mouse releases drive the Edit menu.
#include "app/utf8.h"
#include "win32/binders.h"
#include "win32/wide_text.h"
#include "win32/window_messages.h"

namespace lorvane::win32 {

namespace {

class TextBoxBinder : public BinderOf<TextBox> {
public:
    using BinderOf::BinderOf;

    void ReadBack() override {
        // Both ends count UTF-16 units, as the model's selection does; the model raises
        // Change if the text moved.
        DWORD start{}, end{};
        SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        shownText_ = WindowText(Handle());
        shownSelStart_ = static_cast<int>(start);
        shownSelLength_ = static_cast<int>(end - start);
        model_.ApplyEdit(shownText_, shownSelStart_, shownSelLength_);
    }

private:
    void Attach() override {
        // Plain subclassing, for the keys below and the mouse releases that drive the Edit
        // menu (the common controls' kind costs a property lookup on every message, felt when
        // typing). Refused, the box keeps its own procedure: Tab, Enter and Escape then act
        // as in any multi-line box, and the Edit menu hears of no mouse release.
        // Ours takes the place of the box's own procedure only once both are known to it.
        editProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Handle(), GWLP_WNDPROC));
        SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TextBoxProc));
        Send(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(model_.MaxLength()));
    }

    void Show() override {
        // Only what differs is touched: each call into an edit box costs, under Wine above all.
        if (shownText_ != model_.Text()) {
            // Refused, the box keeps what it showed, and the next change tries again.
            if (!SetWindowTextW(Handle(), ToUtf16(model_.Text()).c_str())) return;
            shownText_ = model_.Text();
            shownSelStart_ = shownSelLength_ = {};  // the caret now at the start
        }
        if (shownSelStart_ != model_.SelStart() || shownSelLength_ != model_.SelLength()) {
            SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(model_.SelStart()),
                         static_cast<LPARAM>(model_.SelStart() + model_.SelLength()));
            shownSelStart_ = model_.SelStart();
            shownSelLength_ = model_.SelLength();
        }
    }

    void Notified(int code) override {
        if (code == EN_CHANGE) ReadBack();
    }

    void MouseUp() {
        const InputGate::Handling handling(Context().gate);
        if (Context().captureFocus) Context().captureFocus();
        if (model_.MouseUp) model_.MouseUp();
    }

    static LRESULT CALLBACK TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TextBoxBinder*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        switch (message) {
            case WM_GETDLGCODE:
                // A multi-line box would take Tab, Enter and Escape for itself and, asked in
                // dialog mode, post WM_CLOSE to the window on Escape. Each box holds one part
                // of one command line: Tab moves on, Enter and Escape do nothing, as in a
                // one-line box. The edit box's own answer is never asked, so it never enters
                // that mode.
                return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
            case WM_CHAR:
                // Line breaks and tabs typed in any other way (Ctrl+Enter, a character posted
                // directly) stay out of the command line as well.
                if (IsLineKey(static_cast<char32_t>(wParam))) return kHandled;
                break;
            default: break;
        }
        const LRESULT result = CallWindowProcW(self->editProc_, hwnd, message, wParam, lParam);
        // After the edit box has ended its own selection.
        switch (message) {
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP: self->MouseUp(); break;
            default: break;
        }
        return result;
    }

    // What the real control holds, as last shown or read.
    std::string shownText_;
    int shownSelStart_{};
    int shownSelLength_{};
    WNDPROC editProc_ = nullptr;  // the edit box's own procedure, under ours
};

}  // namespace

std::unique_ptr<Binder> BindTextBox(const LayoutEntry& placed, HWND hwnd, BinderContext& context) {
    return Bind<TextBoxBinder>(placed, hwnd, context);
}

}  // namespace lorvane::win32
