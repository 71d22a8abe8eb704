#include "base/files.h"

#include "base/number.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zv {

namespace {

QString& runDirectoryOverride() {
    static QString dir;
    return dir;
}

QString& tempDirectoryOverride() {
    static QString dir;
    return dir;
}

QString withSeparator(QString dir) {
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace

QString runDirectory() {
    QString dir = runDirectoryOverride();
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

void setRunDirectory(const QString& dir) { runDirectoryOverride() = dir; }

QString tempDirectory() {
    const QString dir = tempDirectoryOverride();
    return withSeparator(dir.isEmpty() ? QDir::tempPath() : dir);
}

void setTempDirectory(const QString& dir) { tempDirectoryOverride() = dir; }

QString tempFileName(const QString& dir) {
    static std::uint32_t calls = 0;
    const QString base = withSeparator(dir);
    std::uint32_t number = tickCount() + ++calls;
    for (;;) {
        const QString path = base + QString::number(number, 16) + QStringLiteral(".tmp");
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            return path;
        ++number;
    }
}

Bytes readFile(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int writeFile(const QString& path, const Bytes& bytes) {
    if (path.isEmpty())
        return 0;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    const bool written = file.write(bytes) == bytes.size();
    return written && file.flush() ? 1 : 0;
}

int deleteFile(const QString& path) { return !path.isEmpty() && QFile::remove(path) ? 1 : 0; }

} // namespace zv
