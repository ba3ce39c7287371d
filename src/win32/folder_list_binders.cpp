// The folder and file lists: virtual list boxes whose entries live in a FolderListView.
#include "app/frm_xcopy.h"
#include "win32/binders.h"
#include "win32/folder_list_view.h"
#include "win32/list_keys.h"
#include "win32/window_messages.h"

namespace lorvane::win32 {

namespace {

template <class Model, ListingKind kKind>
class ListBinder : public BinderOf<Model> {
public:
    ListBinder(const LayoutEntry& placed, HWND hwnd, BinderContext& context, Model& model)
        : BinderOf<Model>(placed, hwnd, context, model), view_(hwnd, *context.listings, kKind) {}
    // The main window, and it alone, lends the form and the listings together.
    static bool Lent(const BinderContext& context) { return context.listings != nullptr; }
    FolderListView* ListView() override { return &view_; }

protected:
    // The list's own folder, shown anew only when it moved.
    void ShowFolder() {
        if (view_.Folder() != this->model_.Path()) view_.ShowFolder(this->model_.Path());
    }
    std::optional<FolderListView::Entry> Selected() const { return view_.EntryAt(view_.SelectedIndex()); }
    FrmXcopy& Form() const { return *this->Context().form; }

    FolderListView view_;
    TypeAhead typed_;
};

class DirListBinder : public ListBinder<DirList, ListingKind::Folders> {
public:
    using ListBinder::ListBinder;
    LRESULT KeyToItem(UINT message, WPARAM wParam) override {
        return ListKey(Form(), &model_, view_, typed_, message, wParam);
    }

private:
    // Refused, Enter does nothing in that list; a double click still opens.
    void Attach() override { LetFolderListTakeEnter(Handle()); }
    void Show() override {
        ShowFolder();
        RepaintWhole(Handle());
    }
    void Notified(int code) override {
        const std::optional<FolderListView::Entry> entry = Selected();
        if (code == LBN_DBLCLK && entry) {
            Form().OpenFolder(model_, *entry);
        } else if (code == LBN_SELCHANGE && model_.Click) {
            model_.Click();
        }
    }
};

class FileListBinder : public ListBinder<FileList, ListingKind::Files> {
public:
    using ListBinder::ListBinder;
    LRESULT KeyToItem(UINT message, WPARAM wParam) override {
        return ListKey(Form(), nullptr, view_, typed_, message, wParam);
    }

private:
    void Show() override {
        ShowFolder();
        view_.SelectName(model_.FileName());
        RepaintWhole(Handle());
    }
    void Notified(int code) override {
        if (code != LBN_SELCHANGE) return;
        const std::optional<FolderListView::Entry> entry = Selected();
        if (!entry) return;
        const std::string before = model_.FileName();
        Form().PickFile(model_, *entry);
        // A name refused leaves the file picked before: the highlight goes back to it.
        if (model_.FileName() == before) view_.SelectName(before);
    }
};

}  // namespace

std::unique_ptr<Binder> BindDirList(const LayoutEntry& placed, HWND hwnd, BinderContext& context) {
    return Bind<DirListBinder>(placed, hwnd, context);
}

std::unique_ptr<Binder> BindFileList(const LayoutEntry& placed, HWND hwnd, BinderContext& context) {
    return Bind<FileListBinder>(placed, hwnd, context);
}

}  // namespace lorvane::win32
