#include "win32/win32_shell.h"

#include <shellapi.h>

#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

bool Win32Shell::ShellOpen(const std::string& file, const std::string& directory) {
    com_.Ensure();
    const std::wstring wideFile = ToUtf16(file), wideDirectory = ToUtf16(directory);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_FLAG_NO_UI;  // the caller says in French what failed, and what to do
    request.hwnd = owner_.Active();
    request.lpVerb = L"Open";
    request.lpFile = wideFile.c_str();
    request.lpParameters = L"";
    request.lpDirectory = wideDirectory.c_str();
    request.nShow = SW_SHOWNORMAL;
    // Loaded when first asked: the shell is a large library that most sessions never need.
    auto* shellExecute = LoadSystemFunction<decltype(ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
    return shellExecute != nullptr && shellExecute(&request);
}

bool Win32Shell::StartProgram(const std::string& path) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    const std::wstring program = ToUtf16(path);
    std::wstring commandLine = L"\"" + program + L"\"";  // the system may write into it
    // Inheriting no handle of the program.
    const bool started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, {}, {}, nullptr,
                                        nullptr, &startup, &process);
    if (started) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return started;
}

void Win32Shell::EndProgram() { PostQuitMessage(0); }

}  // namespace lorvane::win32
