#include "app/cli.h"

#include "base/files.h"
#include "base/globals.h"
#include "base/net.h"
#include "base/number.h"
#include "engine/recommendation.h"
#include "pool/draws.h"
#include "pool/pagewalk.h"
#include "store/historystore.h"

#include <QFile>
#include <QSaveFile>

namespace zv::app {

namespace {

const char* const Usage = R"(Usage: zanvelo-cli [--dir DIR] COMMAND [ARGUMENTS]

Works on the number pool of Zanvelo, the same store and key as the desktop
program. --dir DIR picks the store folder (default: the program's own folder).
Output is UTF-8; the exit status is 0 on success.

Commands:
  list                    the stored draws, newest first
  add PERIOD DIGITS       adds a draw as the newest (5-digit period, 7 digits)
  remove-last             removes the newest draw
  fetch [--service URL]   rebuilds the pool from the results service
  export FILE             writes the pool as CSV (period,digits; oldest first);
                          FILE may be - for standard output
  import FILE             replaces the pool by a CSV file of that form, checked
                          whole before anything is written; - reads standard input
  recommend [--json]      the recommendation grid, as the window shows it after
                          a click on 推荐号码 (exit status 3 below 30 draws)
  --help                  shows this text
)";

struct Cli {
    QTextStream& out;
    QTextStream& err;

    int fail(const QString& message, int status = 1) {
        err << "zanvelo-cli: " << message << '\n';
        return status;
    }
    int failGbk(const Text& message, int status = 1) { return fail(fromGbk(message), status); }
    int usage(const QString& message) { return fail(message + QStringLiteral(" (see --help)"), 2); }

    int recommend(const QStringList& args) {
        const bool json = args == QStringList{QStringLiteral("--json")};
        if (!json && !args.isEmpty())
            return usage(QStringLiteral("recommend takes only --json"));
        const engine::Recommendation r = engine::recommend(store::readStoreTexts());
        if (r.positions.isEmpty()) {
            err << fromGbk(engine::shortPoolMessage()) << '\n';
            return 3;
        }
        if (json)
            out << QString::fromUtf8(engine::recommendationJson(r)) << '\n';
        else
            out << engine::recommendationTable(r);
        return 0;
    }

    int list(const QStringList& args) {
        if (!args.isEmpty())
            return usage(QStringLiteral("list takes no arguments"));
        pool::buildPoolRows(store::readStoreTexts(),
                            [&](const Text& row) { out << fromGbk(row) << '\n'; });
        return 0;
    }

    int add(const QStringList& args) {
        if (args.size() != 2)
            return usage(QStringLiteral("add takes a period and the seven digits"));
        const Text period = gbk(args[0]);
        const Text digits = gbk(args[1]);
        if (!pool::isWellFormedEntry(period, digits))
            return failGbk(pool::entryErrorMessage());
        if (!store::appendDraw({period, digits}))
            return failGbk(pool::saveErrorMessage());
        out << fromGbk(pool::addedMessage()) << '\n';
        return 0;
    }

    int removeLast(const QStringList& args) {
        if (!args.isEmpty())
            return usage(QStringLiteral("remove-last takes no arguments"));
        if (!store::removeLastDraw())
            return failGbk(pool::saveErrorMessage());
        out << fromGbk(pool::removedMessage()) << '\n';
        return 0;
    }

    int fetch(QStringList args) {
        Text service = resultsService();
        if (args.size() == 2 && args[0] == QLatin1String("--service")) {
            service = args[1].toUtf8();
            while (service.endsWith('/'))
                service.chop(1);
            args.clear();
        }
        if (!args.isEmpty())
            return usage(QStringLiteral("fetch takes only --service URL"));
        const pool::PageWalk walk = pool::walkPages(
            yearOf(currentTime()),
            [&](int year) { return fetchUrl(pool::pageAddress(service, year)); },
            [&](const pool::PageWalk& w) {
                const store::DrawRecord draw = pool::drawJustRead(w);
                out << fromGbk(pool::listRowText(draw.period, draw.digits)) << '\n';
                out.flush();
            });
        if (walk.count == 0)
            return failGbk(pool::fetchErrorMessage());
        if (!store::writeStoreTexts(walk.texts))
            return failGbk(pool::saveErrorMessage());
        out << fromGbk(pool::fetchDoneMessage(textLength(walk.texts[1]))) << '\n';
        return 0;
    }

    int exportPool(const QStringList& args) {
        if (args.size() != 1)
            return usage(QStringLiteral("export takes a file name (or -)"));
        const QByteArray csv = pool::exportCsv(store::readStoreTexts());
        if (args[0] == QLatin1String("-")) {
            out.flush();
            QFile stdoutFile;
            if (!stdoutFile.open(stdout, QIODevice::WriteOnly) ||
                stdoutFile.write(csv) != csv.size())
                return fail(QStringLiteral("could not write to standard output"));
            return 0;
        }
        QSaveFile file(args[0]);
        if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
            return fail(QStringLiteral("could not write ") + args[0]);
        return 0;
    }

    int importPool(const QStringList& args) {
        if (args.size() != 1)
            return usage(QStringLiteral("import takes a file name (or -)"));
        QByteArray csv;
        QFile file;
        const bool opened = args[0] == QLatin1String("-")
                                ? file.open(stdin, QIODevice::ReadOnly)
                                : (file.setFileName(args[0]), file.open(QIODevice::ReadOnly));
        if (!opened)
            return fail(QStringLiteral("could not read ") + args[0]);
        csv = file.readAll();
        const pool::CsvImport parsed = pool::importCsv(csv);
        if (parsed.badLine)
            return fail(QStringLiteral("line %1: %2; the pool is unchanged")
                            .arg(parsed.badLine)
                            .arg(parsed.problem));
        if (!store::writeStoreTexts(pool::textsOfDraws(parsed.draws)))
            return failGbk(pool::saveErrorMessage());
        out << "imported " << parsed.draws.size() << " draws\n";
        return 0;
    }
};

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Cli cli{out, err};
    QStringList args = arguments;
    QString dir;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--help")) {
            out << Usage;
            return 0;
        }
        if (option == QLatin1String("--dir")) {
            if (args.isEmpty())
                return cli.fail(QStringLiteral("--dir needs a folder"), 2);
            dir = args.takeFirst();
            continue;
        }
        return cli.usage(QStringLiteral("unknown option ") + option);
    }
    if (args.isEmpty())
        return cli.usage(QStringLiteral("no command given"));
    setProductGlobals();
    InstallationId = deriveInstallationId();
    DataFileExtension = ".dll";
    setRunDirectory(dir);
    const QString command = args.takeFirst();
    if (command == QLatin1String("recommend"))
        return cli.recommend(args);
    if (command == QLatin1String("list"))
        return cli.list(args);
    if (command == QLatin1String("add"))
        return cli.add(args);
    if (command == QLatin1String("remove-last"))
        return cli.removeLast(args);
    if (command == QLatin1String("fetch"))
        return cli.fetch(args);
    if (command == QLatin1String("export"))
        return cli.exportPool(args);
    if (command == QLatin1String("import"))
        return cli.importPool(args);
    return cli.usage(QStringLiteral("unknown command ") + command);
}

} // namespace zv::app
