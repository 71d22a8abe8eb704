// The process entry of zanvelo-cli.
#include "app/cli.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return zv::app::runCli(arguments, out, err);
}
