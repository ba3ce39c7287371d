#pragma once
// Said by the pickers and the drops alike.

#include "app/folder_entries.h"
#include "app/dialogs.h"

namespace lorvane {

// A name the system cannot be given (app/name_spelling.h), with nothing to go by instead: an
// error box names it and says why and what to do. The caller changes nothing.
void ReportUnspellableName(Dialogs& dialogs, const FolderEntry& entry);

}  // namespace lorvane
