#pragma once
// A loaded main window over the fake platform, started in a folder of the test's choice.

#include <gtest/gtest.h>

#include <tuple>

#include "app/frm_xcopy.h"
#include "support/fake_platform.h"

namespace lorvane::testing {

class FormTest : public ::testing::Test {
protected:
    explicit FormTest(const char* folder = "C:\\Docs") : platform(folder) {
        form.OnFaireCmd = [this](const std::string& code) { builderRuns.push_back(code); };
        form.Form_Load();
        loadRuns.swap(builderRuns);
    }
    const std::string& Source() const { return form.TxtCmd[0].Text(); }
    const std::string& Destination() const { return form.TxtCmd[1].Text(); }
    const std::string& Switches() const { return form.TxtCmd[2].Text(); }
    const std::string& FullLine() const { return form.TxtCmd[3].Text(); }

    // Forgets what the user was shown and what the builder ran, between the steps of a table.
    void Forget() {
        platform.messages.clear();
        platform.inputs.clear();
        platform.fileDialogs.clear();
        platform.shellOpens.clear();
        platform.beeps = 0;
        builderRuns.clear();
    }
    static std::string Described(const FileDialogRequest& dialog) {
        return (dialog.save ? "save|" : "open|") + dialog.defaultExt + "|" + dialog.filter + "|" + dialog.initialDir +
               "|" + dialog.title;
    }

    FakePlatform platform;
    FrmXcopy form{platform};
    std::vector<std::string> builderRuns;
    std::vector<std::string> loadRuns;  // those of the start-up
};

}  // namespace lorvane::testing
