#include "window_fixture.h"

#include <commctrl.h>

namespace lorvane::win32::testing {
namespace {

// As Explorer shows them: the user's collation, case ignored, digits as numbers.
constexpr const char* kInTheSystemsOrder[] = {"_x",  "abc",   "ça",     "eau",   "Écoles", "Été",
                                              "file2", "file10", "foule", "Œuvre", "Zoo"};

// Names starting with the same letter in either case, in the folder list and the file list.
class KeyboardTest : public WindowTest {
protected:
    KeyboardTest()
        : WindowTest([](const TempTree& tree) {
              tree.Add({"Bleu\\", "blanc\\", "dst\\", "rouge\\", "src\\", "brut.txt", "Bilan.txt", "rouge\\x.txt",
                        "classement\\"});
              for (const char* name : kInTheSystemsOrder) tree.Add({std::string("classement\\") + name + "\\"});
          }) {}

    std::string Highlighted(const Control& list) const {
        const FolderListView* view = window.ListView(list);
        const std::optional<FolderEntry> entry = view->EntryAt(view->SelectedIndex());
        return entry ? entry->text : "(aucune)";
    }
};

// Each key through the window's own loop, which could take a key before the list has it.
TEST_F(KeyboardTest, LettersEnterAndBackspaceInTheListsWithTheOtherKeysKept) {
    ASSERT_TRUE(PumpUntil([this] { return GetFocus() == Hwnd(form.ChkSource); }, 3000));  // activation comes late
    for (int stop = 0; stop < 2; ++stop) PressKey(window, VK_TAB);
    ASSERT_EQ(GetFocus(), Hwnd(form.Dir1));
    const std::string top = tree.Root().substr(tree.Root().rfind('\\') + 1);
    ASSERT_EQ(Highlighted(form.Dir1), top);

    // The key, Shift held or not; then the folder highlighted and the one the list shows, under the tree.
    const std::tuple<UINT, unsigned, const char*, const char*> steps[] = {
        {'B', kShift, "blanc", ""},   {'B', 0, "Bleu", ""},        {'R', 0, "rouge", ""},
        {VK_UP, 0, "dst", ""},        {VK_ESCAPE, 0, "dst", ""},   {'X', 0, "dst", ""},
        {VK_RETURN, 0, "dst", "dst"}, {VK_SPACE, 0, "dst", "dst"}, {VK_BACK, 0, top.c_str(), ""}};
    for (const auto& [key, modifiers, highlighted, open] : steps) {
        PressKey(window, key, modifiers);
        ASSERT_TRUE(ListsLoaded()) << key << " " << modifiers;
        EXPECT_EQ(std::tuple(Highlighted(form.Dir1), form.Dir1.Path(), GetFocus()),
                  std::tuple(std::string(highlighted), tree.Path(open), Hwnd(form.Dir1)))
            << key << " " << modifiers;
    }

    PressKey(window, VK_TAB);
    ASSERT_EQ(Entries(form.File1), (std::vector<std::string>{"Bilan.txt", "brut.txt"}));
    for (const char* file : {"Bilan.txt", "brut.txt", "Bilan.txt"}) {
        PressKey(window, 'B');
        EXPECT_EQ(std::tuple(Highlighted(form.File1), form.File1.FileName()), std::tuple(file, file));
    }
    for (UINT key : {VK_RETURN, VK_BACK, VK_ESCAPE}) PressKey(window, key);
    EXPECT_EQ(std::tuple(form.Dir1.Path(), form.File1.FileName(), GetFocus(), platform.messages.size()),
              std::tuple(tree.Root(), "Bilan.txt", Hwnd(form.File1), 0u));

    // A destination folder picked and opened; then the source's drive list finds "z:" and "c:" by their letters.
    for (UINT key : {UINT{VK_TAB}, UINT{VK_TAB}, UINT{'D'}, UINT{VK_RETURN}}) PressKey(window, key);
    ASSERT_TRUE(ListsLoaded());
    EXPECT_EQ(std::tuple(form.Dir2.Path(), GetFocus()), std::tuple(tree.Path("dst"), Hwnd(form.Dir2)));
    for (int back = 0; back < 4; ++back) PressKey(window, VK_TAB, kShift);
    for (const char* drive : {"Z:", "C:"}) {
        PressKey(window, static_cast<UINT>(drive[0]));
        ASSERT_TRUE(ListsLoaded());
        EXPECT_EQ(std::tuple(form.Drive1.Drive(), form.Dir1.Path().substr(0, 2), GetFocus(), platform.messages.size()),
                  std::tuple(drive, drive, Hwnd(form.Drive1), 0u));
    }
    // A drive that cannot be read: the list shows again the drive the folders are on, with a beep.
    platform.unreadable.insert("Z:");
    const int beeps = platform.beeps;
    PressKey(window, 'Z');
    EXPECT_EQ(std::tuple(TextOf(Hwnd(form.Drive1)).substr(0, 2), form.Drive1.Drive(), platform.beeps),
              std::tuple("c:", "C:", beeps + 1));
}

// Windows' own radio buttons report being given the focus unticked as a click (Wine 8's do not): the level buttons made
// to here, as on Windows. A real click (the button holds the mouse then) reports only its release.
LRESULT CALLBACK ClickedOnFocus(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
    if (message == WM_SETFOCUS && GetCapture() != button && SendMessageW(button, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
    return result;
}

TEST_F(KeyboardTest, TheFocusGivenBackOnActivationChoosesNoLevel) {
    for (int i = 0; i < OptionGroup::kSize; ++i)
        ASSERT_TRUE(SetWindowSubclass(Hwnd(form.Option1[i]), ClickedOnFocus, 1, 0));
    ClickAt(Hwnd(form.Option1[1]), 4, 4);
    PumpPending(&window);
    for (const auto& [key, levels, focused] : {std::tuple(0u, "010", 1), {VK_DOWN, "001", 2}, {VK_UP, "010", 1}}) {
        if (key != 0) PressKey(window, key);
        EXPECT_EQ(std::tuple(Levels(form.Option1), GetFocus()), std::tuple(levels, Hwnd(form.Option1[focused]))) << key;
    }

    // The side goes to the file level without the focus moving: a file dropped on it.
    DropOn(window.Handle(), Hwnd(form.File1), {tree.Path("brut.txt")});
    ASSERT_TRUE(PumpUntil([&] { return Levels(form.Option1) == "001"; }));
    const std::string line = Shown(form.TxtCmd[3]);

    // Activated again, the window gives the focus back to the folder level's button, which Windows reports as clicked.
    HWND other = CreateWindowExW(0, L"STATIC", L"autre", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetActiveWindow(other);
    EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == other && GetFocus() != Hwnd(form.Option1[1]); }, 3000));
    SetActiveWindow(window.Handle());
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == Hwnd(form.Option1[1]); }, 3000));
    DestroyWindow(other);
    PumpPending(&window);
    EXPECT_EQ(std::tuple(Levels(form.Option1), form.Option1[2].Value(), Shown(form.TxtCmd[3])),
              std::tuple("001", true, line));

    PressKey(window, VK_UP);
    EXPECT_EQ(Levels(form.Option1), "100");
    ClickAt(Hwnd(form.Option1[2]), 4, 4);
    PumpPending(&window);
    EXPECT_EQ(Levels(form.Option1), "001");
}

// The names in the system's order; letters typed in quick succession make one prefix.
TEST_F(KeyboardTest, NamesInTheSystemsOrderAndLettersTypedQuicklyAsOnePrefix) {
    // A crowd, listed whole and in order however the reading cuts it.
    std::vector<std::string> folders{"foule"}, files;  // in the folder list, the open folder, then its own
    for (int i = 1000; i < 2550; ++i) {
        folders.push_back("d" + std::to_string(i));
        files.push_back("f" + std::to_string(i) + ".txt");
        tree.Add({"classement\\foule\\" + folders.back() + "\\", "classement\\foule\\" + files.back()});
    }
    ASSERT_TRUE(ListsLoaded());
    DoubleClickEntry(form.Dir1, "classement");
    ASSERT_TRUE(PumpUntil([this] { return form.Dir1.Path() == tree.Path("classement"); }, 5000) && ListsLoaded());
    const std::vector<std::string> entries = Entries(form.Dir1);
    ASSERT_GE(entries.size(), std::size(kInTheSystemsOrder));
    EXPECT_EQ(std::vector(entries.end() - std::ssize(kInTheSystemsOrder), entries.end()),
              std::vector<std::string>(std::begin(kInTheSystemsOrder), std::end(kInTheSystemsOrder)));
    SetFocus(Hwnd(form.Dir1));
    for (const UINT key : {'F', 'I', 'L', 'E', '2'}) PressKey(window, key);
    EXPECT_EQ(Highlighted(form.Dir1), "file2");

    DoubleClickEntry(form.Dir1, "foule");
    ASSERT_TRUE(PumpUntil([this] { return form.Dir1.Path() == tree.Path("classement\\foule"); }, 5000) && ListsLoaded());
    const std::vector<std::string> crowd = Entries(form.Dir1);
    EXPECT_EQ(std::vector(crowd.end() - std::ssize(folders), crowd.end()), folders);
    EXPECT_EQ(Entries(form.File1), files);
}

}  // namespace
}  // namespace lorvane::win32::testing
