// zanvelo-cli: the pool and the engine from a shell.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace zv::app {

// Runs one command line (without the program name); returns the exit status.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace zv::app
