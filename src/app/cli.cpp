#include "app/cli.h"

#include "base/files.h"
#include "base/globals.h"

namespace zv::app {

namespace {

const char* const Usage = R"(Usage: zanvelo-cli [--dir DIR] COMMAND [ARGUMENTS]

Works on the number pool of Zanvelo, the same store and key as the desktop
program. --dir DIR picks the store folder (default: the program's own folder).

Commands:
  --help    show this text
)";

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QStringList args = arguments;
    QString dir;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--help")) {
            out << Usage;
            return 0;
        }
        if (option == QLatin1String("--dir")) {
            if (args.isEmpty()) {
                err << "zanvelo-cli: --dir needs a folder\n";
                return 2;
            }
            dir = args.takeFirst();
            continue;
        }
        err << "zanvelo-cli: unknown option " << option << " (see --help)\n";
        return 2;
    }
    if (args.isEmpty()) {
        err << "zanvelo-cli: no command given (see --help)\n";
        return 2;
    }
    setProductGlobals();
    InstallationId = deriveInstallationId();
    DataFileExtension = ".dll";
    if (!dir.isEmpty())
        setRunDirectory(dir);
    err << "zanvelo-cli: unknown command " << args.first() << " (see --help)\n";
    return 2;
}

} // namespace zv::app
