// Measures, under Wine or on Windows, what the user feels: start-up, memory, huge folders
// in the lists and typing, each beside its yardstick measured in the same run.
//   bench_windows.exe <lorvane.exe> <bare_window.exe> <bare_controls.exe> <folder of files> <folder of folders>
// The huge folders are made by the caller: made through Wine, 100,000 files take many
// minutes, as each creation searches the folder for a name differing only in case.
#include <windows.h>

#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/frm_xcopy.h"
#include "win32/main_window.h"
#include "win32/wide_text.h"
#include "win32/win32_platform.h"

namespace {

using lorvane::FrmXcopy;
using lorvane::win32::MainWindow;
using lorvane::win32::ToUtf16;
using lorvane::win32::ToUtf8;
using lorvane::win32::Win32Platform;

constexpr int kRuns = 7;

double NowMs() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::wstring TempFolder(const wchar_t* name) {
    wchar_t temp[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    std::wstring folder = length > 0 && length < MAX_PATH ? std::wstring(temp, length) : L"C:\\";
    if (folder.back() != L'\\') folder += L'\\';
    return folder + name + L"-" + std::to_wstring(GetCurrentProcessId());
}

// --- Start-up and memory: a fresh process each run, until it waits for input. ---

struct StartFigures {
    double milliseconds;
    double peakMiB;
    bool ok;
};

StartFigures StartOnce(const std::wstring& exe, const std::wstring& folder, bool expectCommandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + exe + L"\"";
    const double begin = NowMs();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        return {0, 0, false};
    }
    // Idle for input means the first messages, paint included, have been handled.
    const bool idle = WaitForInputIdle(process.hProcess, 30000) == 0;
    const double elapsed = NowMs() - begin;
    bool ok = idle;
    HWND window = nullptr;
    for (HWND found = nullptr; (found = FindWindowExW(nullptr, found, nullptr, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == process.dwProcessId && IsWindowVisible(found)) window = found;
    }
    if (expectCommandLine) {
        wchar_t line[512] = {};
        SendMessageTimeoutW(GetDlgItem(window, 603), WM_GETTEXT, 512, reinterpret_cast<LPARAM>(line), SMTO_NORMAL, 5000,
                            nullptr);
        ok = ok && std::wstring(line).rfind(L"XCOPY ", 0) == 0;
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {elapsed, static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0), ok && window != nullptr};
}

void StartUp(const std::wstring& lorvane, const std::wstring& bare, const std::wstring& bareControls) {
    const std::wstring folder = TempFolder(L"lorvane-bench-start");
    CreateDirectoryW(folder.c_str(), nullptr);
    std::vector<double> lorvaneMs, bareMs, controlsMs, lorvaneMiB, bareMiB, controlsMiB;
    bool ok = true;
    StartOnce(bare, folder, false);  // the first start of any program pays for loading Wine
    for (int run = 0; run < kRuns; ++run) {
        const StartFigures b = StartOnce(bare, folder, false);
        const StartFigures c = StartOnce(bareControls, folder, false);
        const StartFigures l = StartOnce(lorvane, folder, true);
        ok = ok && b.ok && c.ok && l.ok;
        bareMs.push_back(b.milliseconds);
        controlsMs.push_back(c.milliseconds);
        lorvaneMs.push_back(l.milliseconds);
        bareMiB.push_back(b.peakMiB);
        controlsMiB.push_back(c.peakMiB);
        lorvaneMiB.push_back(l.peakMiB);
    }
    RemoveDirectoryW(folder.c_str());  // the programs started there leave it empty
    std::printf("start-up to first paint (ms)   lorvane %8.1f   bare window %8.1f   ratio %.2f%s\n",
                Median(lorvaneMs), Median(bareMs), Median(lorvaneMs) / Median(bareMs), ok ? "" : "  [a run failed]");
    std::printf("%-30s the same controls on a bare window %.1f ms: ratio %.2f to the bare window, lorvane %.2f to it"
                "  (target <= 1.10)\n",
                "", Median(controlsMs), Median(controlsMs) / Median(bareMs), Median(lorvaneMs) / Median(controlsMs));
    std::printf("peak working set (MiB)         lorvane %8.1f   bare window %8.1f   ratio %.2f  (target <= 1.27)\n",
                Median(lorvaneMiB), Median(bareMiB), Median(lorvaneMiB) / Median(bareMiB));
    std::printf("%-30s the same controls on a bare window %.1f MiB: ratio %.2f to the bare window\n", "",
                Median(controlsMiB), Median(controlsMiB) / Median(bareMiB));
}

// --- Huge folders, in this process's own window. ---

// Answers how long the window takes to answer a message, asked every few milliseconds
// from another thread while the window works.
class LatencyProbe {
public:
    explicit LatencyProbe(HWND window) : window_(window) { thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr); }
    ~LatencyProbe() {
        stop_ = true;
        if (thread_ != nullptr) {
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
        }
    }
    double WorstMs() const { return worst_; }

private:
    static DWORD WINAPI Run(void* parameter) {
        auto* self = static_cast<LatencyProbe*>(parameter);
        while (!self->stop_) {
            const double begin = NowMs();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(self->window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
            self->worst_ = std::max(self->worst_.load(), NowMs() - begin);
            Sleep(5);
        }
        return 0;
    }
    HWND window_;
    HANDLE thread_ = nullptr;
    std::atomic<bool> stop_{false};
    std::atomic<double> worst_{0};
};

void Pump(MainWindow& window, const std::function<bool()>& done) {
    const double deadline = NowMs() + 120000;
    MSG message;
    while (!done() && NowMs() < deadline) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (window.PreTranslate(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done()) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// The whole loop, and in `firstMs` the time its first entry took: the least any program
// waits before it can show anything of the folder. The wide functions, as a program that
// shows every name as it is must use.
double FindLoopMs(const std::wstring& folder, bool folders, double& firstMs) {
    const double begin = NowMs();
    WIN32_FIND_DATAW data;
    int count = 0;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    firstMs = NowMs() - begin;
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folders) ++count;
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    return count > 0 ? NowMs() - begin : 0;
}

int CountEntries(const std::wstring& folder, bool folders) {
    int count = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        const std::wstring name = data.cFileName;
        const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (name != L"." && name != L".." && isFolder == folders) ++count;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return count;
}

void HugeFolder(const char* what, const std::wstring& big, bool folders) {
    const int entries = CountEntries(big, folders);
    const std::wstring parent = big.substr(0, big.find_last_of(L'\\'));
    if (entries == 0) {
        std::printf("%-30s no such folder: %s\n", what, ToUtf8(big).c_str());
        return;
    }
    SetCurrentDirectoryW(parent.c_str());

    Win32Platform platform;
    FrmXcopy form(platform);
    MainWindow window(form, platform);
    if (!window.Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL)) return;
    const lorvane::win32::FolderListView& view = *window.ListView(folders ? static_cast<lorvane::Control&>(form.Dir1)
                                                                          : static_cast<lorvane::Control&>(form.File1));
    auto loaded = [&] { return !window.ListView(form.Dir1)->Loading() && !window.ListView(form.File1)->Loading(); };
    Pump(window, loaded);

    std::vector<double> reference, referenceFirst, complete, first, worst;
    for (int run = 0; run < kRuns; ++run) {
        double firstEntry = 0;
        reference.push_back(FindLoopMs(big, folders, firstEntry));
        referenceFirst.push_back(firstEntry);
        LatencyProbe probe(window.Handle());
        const double begin = NowMs();
        double firstAt = 0;
        form.OpenFolder(form.Dir1, {"", ToUtf8(big), 0});
        Pump(window, [&] {
            if (firstAt == 0 && view.Listed() > 0) firstAt = NowMs() - begin;
            return !view.Loading() && view.Listed() == entries;
        });
        complete.push_back(NowMs() - begin);
        first.push_back(firstAt);
        worst.push_back(probe.WorstMs());
        form.OpenFolder(form.Dir1, {"", ToUtf8(parent), 0});
        Pump(window, loaded);
    }
    std::printf("%-30s lorvane %8.1f   FindFirstFile loop %8.1f   ratio %.2f  (target <= %.2f)\n", what,
                Median(complete), Median(reference), Median(complete) / Median(reference), folders ? 1.35 : 1.20);
    std::printf("%-30s first screenful %6.1f ms (target <= 100; the loop's first entry came after %.1f ms)\n", "",
                Median(first), Median(referenceFirst));
    std::printf("%-30s longest wait for the window to answer %6.1f ms (target <= 100)\n", "",
                *std::max_element(worst.begin(), worst.end()));
    SetCurrentDirectoryW(L"C:\\");
}

// --- Typing one character in a part box, in the real window. ---

void Typing() {
    Win32Platform platform;
    FrmXcopy form(platform);
    MainWindow window(form, platform);
    if (!window.Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL)) return;
    HWND source = window.ControlHandle(form.TxtCmd[0]);
    SetFocus(source);
    std::vector<double> times;
    for (int i = 0; i < 400; ++i) {
        const WPARAM key = i % 2 == 0 ? 'x' : VK_BACK;
        const std::string before = form.TxtCmd[3].Text();
        const double begin = NowMs();
        SendMessageW(source, WM_CHAR, key, 1);
        times.push_back(NowMs() - begin);
        if (form.TxtCmd[3].Text() == before) std::printf("typing: the full line did not follow\n");
    }
    // Yardstick: the least any program does for it, two bare edit boxes of the same kind,
    // size and font as the part box and the full line's box, one typed into (with the
    // focus, as the user's box has it: the caret moves too), the other given the new line.
    HWND full = window.ControlHandle(form.TxtCmd[3]);
    auto twin = [&](HWND original, int top) {
        RECT rect{};
        GetClientRect(original, &rect);
        AdjustWindowRectEx(&rect, 0, FALSE, static_cast<DWORD>(GetWindowLongPtrW(original, GWL_EXSTYLE)));
        const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL;
        HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, 0, top, rect.right - rect.left,
                                   rect.bottom - rect.top, window.Handle(), nullptr, nullptr, nullptr);
        SendMessageW(box, WM_SETFONT, static_cast<WPARAM>(SendMessageW(original, WM_GETFONT, 0, 0)), FALSE);
        return box;
    };
    HWND typed = twin(source, 0);
    HWND shown = twin(full, 200);
    SetWindowTextW(typed, ToUtf16(form.TxtCmd[0].Text()).c_str());
    SendMessageW(typed, EM_SETSEL, 0x7FFF, 0x7FFF);
    SetFocus(typed);
    // The program converts its UTF-8 texts at every change: the yardstick is given them ready.
    const std::wstring line = ToUtf16(form.TxtCmd[3].Text());
    const std::wstring lineTyped = line + L"x";
    std::vector<double> floor;
    for (int i = 0; i < 400; ++i) {
        const double begin = NowMs();
        SendMessageW(typed, WM_CHAR, i % 2 == 0 ? 'x' : VK_BACK, 1);
        SetWindowTextW(shown, (i % 2 == 0 ? lineTyped : line).c_str());
        floor.push_back(NowMs() - begin);
    }
    std::printf(
        "typing one character (ms)      lorvane %8.3f   two bare edit boxes %8.3f   ratio %.2f  (target < 1 ms)\n",
        Median(times), Median(floor), Median(times) / Median(floor));
}

}  // namespace

int main() {
    // The paths as the system has them, whatever its code page.
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr || argc < 6) {
        LocalFree(argv);
        std::printf(
            "usage: bench_windows <lorvane.exe> <bare_window.exe> <bare_controls.exe> <folder of files> "
            "<folder of folders>\n");
        return 2;
    }
    SetErrorMode(SEM_FAILCRITICALERRORS);
    std::printf("medians of %d runs; each figure beside its yardstick, measured in this run\n", kRuns);
    StartUp(argv[1], argv[2], argv[3]);
    HugeFolder("files, list complete (ms)", argv[4], false);
    HugeFolder("folders, list complete (ms)", argv[5], true);
    Typing();
    LocalFree(argv);
    return 0;
}
