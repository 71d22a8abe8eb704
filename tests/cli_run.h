// Runs zanvelo-cli's command line in the test process.
#pragma once

#include "app/cli.h"

#include <QString>
#include <QTextStream>

struct CliRun {
    int status;
    QString out, err;
};

inline CliRun runCli(const QStringList& args) {
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = zv::app::runCli(args, o, e);
    o.flush();
    e.flush();
    return {status, out, err};
}
