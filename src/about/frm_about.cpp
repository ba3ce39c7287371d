#include "about/frm_about.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "about/about_texts.h"
#include "app/window_texts.h"

namespace lorvane {

namespace {

constexpr unsigned long kRegSz = 1;
constexpr unsigned long kRegDword = 4;

// A value's bytes as text: a terminating zero stored with it is dropped, a value stored
// without one is taken whole.
std::string RegistryText(const std::string& bytes) {
    if (!bytes.empty() && bytes.back() == '\0') return bytes.substr(0, bytes.size() - 1);
    return bytes;
}

// The registry stores a double word little-endian, as the machines Windows runs on are.
std::string DoubleWordText(const std::string& bytes) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof value));
    return std::to_string(value);
}

}  // namespace

FrmAbout::FrmAbout(Dialogs& dialogs, Files& files, Shell& shell, Registry& registry)
    : dialogs_(dialogs), files_(files), shell_(shell), registry_(registry) {
    lblTitle.SetCaption(texts::kDesignTitle);
    lblVersion.SetCaption(texts::kDesignVersion);
    lblDescription.SetCaption(texts::kDescription);
    urlhttp.SetCaption(texts::kMakerAddress);
    lblDisclaimer.SetCaption(texts::kDisclaimer);
    cmdOK.SetCaption(texts::kOk);
    cmdSysInfo.SetCaption(texts::kSysInfo);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSysInfo.Click = [this] { cmdSysInfo_Click(); };
    urlhttp.Click = [this] { urlhttp_Click(); };
}

void FrmAbout::Form_Load() {
    Caption.SetCaption(std::string(texts::kAboutCaptionPrefix) + texts::kApplicationTitle);
    lblVersion.SetCaption(std::string(texts::kVersionPrefix) + std::to_string(texts::kVersionMajor) + "." +
                          std::to_string(texts::kVersionMinor) + "." + std::to_string(texts::kVersionRevision));
    lblTitle.SetCaption(texts::kApplicationTitle);
}

void FrmAbout::cmdOK_Click() {
    if (Unload) Unload();
}

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void FrmAbout::urlhttp_Click() {
    if (!shell_.ShellOpen(texts::kMakerAddress, files_.ProgramFolder())) {
        dialogs_.MsgBox(texts::AddressNotOpened(texts::kMakerAddress), texts::kShellOpenFailedTitle, MsgButtons::Ok,
                        MsgIcon::Error);
    }
}

void FrmAbout::StartSysInfo() {
    std::string path;
    if (!GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
        std::string folder;
        if (!GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder) ||
            !files_.FileExists(folder + "\\MSINFO32.EXE")) {
            path.clear();
        } else {
            path = folder + "\\MSINFO32.EXE";
        }
    }
    // The path named by the first value is tried as it is, even if no such file exists.
    if (!path.empty() && shell_.StartProgram(path)) return;
    dialogs_.MsgBox(texts::kSysInfoUnavailable, "", MsgButtons::Ok, MsgIcon::None);
}

bool FrmAbout::GetKeyValue(unsigned long /*KeyRoot*/, const std::string& KeyName, const std::string& SubKeyRef,
                           std::string& KeyVal) {
    RegistryValue value;
    if (!registry_.ReadMachineRegistryValue(KeyName, SubKeyRef, value)) {
        KeyVal.clear();
        return false;
    }
    if (value.type == kRegSz) {
        KeyVal = RegistryText(value.bytes);
    } else if (value.type == kRegDword) {
        KeyVal = DoubleWordText(value.bytes);
    }
    return true;
}

}  // namespace lorvane
