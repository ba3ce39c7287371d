#include "app/frm_xcopy.h"

namespace lorvane {

void FrmXcopy::Form_Load() {
    DateCopie.clear();
    Option1[0].SetValue(true);
    Option2[0].SetValue(true);
    for (std::size_t i = 0; i < kSwitchTable.size(); ++i) {
        Label3[i].SetCaption(std::string(kSwitchTable[i].description));
    }
    // The labels are the single source of the tokens.
    for (std::size_t i = 0; i < kSwitchTable.size(); ++i) {
        Argument[i] = TokenFromLabel(Label3[i].Caption());
    }
    for (std::size_t i = 0; i < kSwitchTable.size(); ++i) {
        if (kSwitchTable[i].tickedAtStart) Check1[i].SetValue(1);
    }
    FaireCmd("s");
    FaireCmd("d");
    FaireCmd("a");
}

}  // namespace lorvane
