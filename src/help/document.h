// The help document: the program's manual, carried inside the program and
// shown in HelpWindow from a temporary file that is gone afterwards.
#pragma once

#include "base/text.h"

namespace zv::help {

// The manual as a MIME HTML document (multipart/related).
Bytes helpDocument();

// The creation handler of HelpWindow: sets its caption, writes the document
// to a new temporary file and points the window's HTML view at it; the file
// is deleted once the view has loaded it, or when the window goes, whichever
// comes first. False (after telling the user) when the file could not be
// written; the window is then to be closed.
bool showHelpDocument();

// Deletes the temporary files of help windows still loading (the end of the program).
void removeHelpFiles();

} // namespace zv::help
