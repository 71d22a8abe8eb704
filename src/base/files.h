// File services: whole files read and written in one call.
#pragma once

#include "base/text.h"

#include <QString>

namespace zv {

// The folder of the program file, without a trailing separator.
QString runDirectory();
// Points runDirectory elsewhere (the command-line companion's --dir, tests);
// an empty path restores the program's own folder.
void setRunDirectory(const QString& dir);

// The system's temporary folder, always ending in a separator.
QString tempDirectory();
void setTempDirectory(const QString& dir);

// A path in dir whose name is a lower-case hexadecimal number and ".tmp",
// the number starting at the tick count plus a call counter and raised until
// no file of that name exists. The file is not created.
QString tempFileName(const QString& dir);

// Creates a new file named as tempFileName names it, followed by suffix, and
// writes the bytes into it. The file is made exclusively: where anything of
// that name exists already (a file, a link), the next number is taken, so a
// planted link never makes the program write elsewhere. The path, or empty
// when no file could be made or written (what was made is removed again).
QString writeNewTempFile(const QString& dir, const QString& suffix, const Bytes& bytes);

// The whole file; empty when it is missing or cannot be read.
Bytes readFile(const QString& path);
// Creates or truncates the file and writes the bytes; 1 on success, else 0.
int writeFile(const QString& path, const Bytes& bytes);
// 1 when the file was deleted, else 0.
int deleteFile(const QString& path);

} // namespace zv
