#include "base/files.h"

#include "base/number.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

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

void setRunDirectory(const QString& dir) {
    runDirectoryOverride() = dir;
}

QString tempDirectory() {
    const QString dir = tempDirectoryOverride();
    return withSeparator(dir.isEmpty() ? QDir::tempPath() : dir);
}

void setTempDirectory(const QString& dir) {
    tempDirectoryOverride() = dir;
}

namespace {

std::uint32_t firstTempNumber() {
    static std::uint32_t calls = 0;
    return tickCount() + ++calls;
}

QString tempPath(const QString& base, std::uint32_t number) {
    return base + QString::number(number, 16) + QStringLiteral(".tmp");
}

bool taken(const QString& path) {
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

} // namespace

QString tempFileName(const QString& dir) {
    const QString base = withSeparator(dir);
    std::uint32_t number = firstTempNumber();
    while (taken(tempPath(base, number)))
        ++number;
    return tempPath(base, number);
}

QString writeNewTempFile(const QString& dir, const QString& suffix, const Bytes& bytes) {
    const QString base = withSeparator(dir);
    std::uint32_t number = firstTempNumber();
    for (int attempt = 0; attempt < 10'000; ++attempt, ++number) {
        const QString name = tempPath(base, number);
        if (taken(name))
            continue;
        const QString path = name + suffix;
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST || errno == ELOOP)
                continue; // something of that name is there: the next number
            return {};
        }
        QFile file;
        const bool written = file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) &&
                             file.write(bytes) == bytes.size() && file.flush();
        file.close();
        if (!written) {
            QFile::remove(path);
            return {};
        }
        return path;
    }
    return {};
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

int deleteFile(const QString& path) {
    return !path.isEmpty() && QFile::remove(path) ? 1 : 0;
}

} // namespace zv
