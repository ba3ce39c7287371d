#include "app/frm_xcopy.h"
#include "app/whole_file.h"
#include "batch/batch_texts.h"
#include "batch/oem_convert.h"

namespace lorvane {

bool FrmXcopy::Sauvegarde(const std::string& NomFichier, const std::string& Batch) {
    // Whole or not at all: a failed write leaves any previous file as it was.
    if (!WriteWholeFile(platform_, NomFichier, OEMConvert(Batch, 0) + "\r\n")) {
        Caption.SetCaption(texts::kNotSavedCaption);
        platform_.Beep();
        return false;
    }
    Caption.SetCaption(texts::kSavedCaption + NomFichier);
    return true;
}

}  // namespace lorvane
