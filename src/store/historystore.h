// HistoryStore: the number pool in eight enciphered files beside the program.
// File 0 holds the period text ("#" and five characters per draw), files 1
// to 7 the position texts (one digit per draw), all oldest draw first.
#pragma once

#include "base/text.h"

#include <QString>
#include <array>

namespace zv::store {

inline constexpr int StoreFileCount = 8;

// One past draw: a period number of 5 characters and 7 digits, position 1 first.
struct DrawRecord {
    Text period;
    Text digits;
};

// The eight texts of the store, index 0 the period text.
using StoreTexts = std::array<Text, StoreFileCount>;

// "Borquet" followed by InstallationId.
Text storeKeyText();
// runDirectory, a separator, n and DataFileExtension.
QString storeFilePath(int file);

// The text of store file n; empty when missing, unreadable or not an envelope.
Text readStoreText(int file);
StoreTexts readStoreTexts();
// Replaces the whole file atomically; 1 on success, 0 when it could not be written.
int writeStoreText(int file, const Text& text);
// Replaces several files together: every new file is written beside its old
// one first, and only when all are written are they put in place. 1 on
// success; on failure 0 and nothing has changed.
int writeStoreTexts(const StoreTexts& texts);
// Deletes store file n; a missing file is no error (1).
int deleteStoreFile(int file);

// Appends the draw as the newest; 1 on success, 0 when nothing could be written.
int appendDraw(const DrawRecord& draw);
// Drops the newest draw; 1 on success, 0 when nothing could be written.
int removeLastDraw();

// The byte length of the text of file 1.
int poolSize();
// The newest draw: the last 5 bytes of the period text, the last byte of each
// position text (empty where a text is empty).
DrawRecord lastDraw();

// Appends the draw to the texts, in place.
void appendDrawTo(StoreTexts& texts, const DrawRecord& draw);
// The texts with one more draw, and with the newest removed.
StoreTexts withDrawAppended(StoreTexts texts, const DrawRecord& draw);
StoreTexts withLastDrawRemoved(StoreTexts texts);

} // namespace zv::store
