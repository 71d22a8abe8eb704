#include "store/historystore.h"

#include "base/files.h"
#include "base/globals.h"
#include "base/gui.h"
#include "base/number.h"
#include "base/program.h"
#include "store/cipher.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>
#include <vector>

namespace zv::store {

namespace {

// A store file that exists but is no envelope under our key (another key,
// damage) is kept as N.dll.bak (or N.dll.bak.2, ...) before it is replaced.
bool keepUnreadable(int file) {
    const QString path = storeFilePath(file);
    const Bytes content = readFile(path);
    if (content.isEmpty() || openEnvelope(content, storeKeyText()))
        return true;
    QString backup = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(backup); ++n) {
        if (readFile(backup) == content)
            return true; // kept already
        backup = path + QStringLiteral(".bak.") + QString::number(n);
    }
    return QFile::copy(path, backup);
}

} // namespace

Text storeKeyText() {
    return "Borquet" + InstallationId;
}

QString storeFilePath(int file) {
    return runDirectory() + QLatin1Char('/') + QString::number(file) +
           QString::fromLatin1(DataFileExtension);
}

Text readStoreText(int file) {
    return decryptData(readFile(storeFilePath(file)), storeKeyText());
}

StoreTexts readStoreTexts() {
    StoreTexts texts;
    for (int file = 0; file < StoreFileCount; ++file)
        texts[size_t(file)] = readStoreText(file);
    return texts;
}

namespace {

// The new content of store file n, written beside the old file and not yet put
// in its place (commit does that); null when it could not be written. A file
// dropped uncommitted leaves nothing behind.
std::unique_ptr<QSaveFile> writeReplacement(int file, const Text& text) {
    if (!keepUnreadable(file) || QFileInfo(storeFilePath(file)).isDir())
        return nullptr; // a directory could never be replaced
    auto out = std::make_unique<QSaveFile>(storeFilePath(file));
    const Bytes content = encryptData(text, storeKeyText());
    if (!out->open(QIODevice::WriteOnly) || out->write(content) != content.size()) {
        out->cancelWriting();
        return nullptr;
    }
    return out;
}

} // namespace

int writeStoreText(int file, const Text& text) {
    ProgramEndGuard guard;
    const auto out = writeReplacement(file, text);
    return out && out->commit() ? 1 : 0;
}

int writeStoreTexts(const StoreTexts& texts) {
    ProgramEndGuard guard;
    std::vector<std::unique_ptr<QSaveFile>> pending;
    for (int file = 0; file < StoreFileCount; ++file) {
        auto out = writeReplacement(file, texts[size_t(file)]);
        if (!out)
            return 0; // the files written so far are dropped unseen
        pending.push_back(std::move(out));
        processEvents();
    }
    int committed = 1;
    for (auto& out : pending)
        committed &= out->commit() ? 1 : 0;
    return committed;
}

int deleteStoreFile(int file) {
    ProgramEndGuard guard;
    const QString path = storeFilePath(file);
    if (!QFileInfo::exists(path))
        return 1;
    return keepUnreadable(file) && deleteFile(path) ? 1 : 0;
}

void appendDrawTo(StoreTexts& texts, const DrawRecord& draw) {
    texts[0] += "#" + draw.period;
    for (int k = 1; k < StoreFileCount; ++k)
        texts[size_t(k)] += textMid(draw.digits, k, 1);
}

StoreTexts withDrawAppended(StoreTexts texts, const DrawRecord& draw) {
    appendDrawTo(texts, draw);
    return texts;
}

StoreTexts withLastDrawRemoved(StoreTexts texts) {
    const int hash = findTextReverse(texts[0], "#");
    texts[0] = hash < 0 ? Text() : textLeft(texts[0], hash - 1);
    for (int k = 1; k < StoreFileCount; ++k)
        texts[size_t(k)] = textLeft(texts[size_t(k)], textLength(texts[size_t(k)]) - 1);
    return texts;
}

int appendDraw(const DrawRecord& draw) {
    return writeStoreTexts(withDrawAppended(readStoreTexts(), draw));
}

int removeLastDraw() {
    return writeStoreTexts(withLastDrawRemoved(readStoreTexts()));
}

int poolSize() {
    return textLength(readStoreText(1));
}

DrawRecord lastDraw() {
    DrawRecord draw;
    draw.period = textRight(readStoreText(0), 5);
    for (int k = 1; k < StoreFileCount; ++k)
        draw.digits += textRight(readStoreText(k), 1);
    return draw;
}

} // namespace zv::store
