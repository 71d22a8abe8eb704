// Texts of the program: GBK byte strings with 1-based byte positions.
#pragma once

#include <QByteArray>
#include <QString>
#include <climits>

namespace zv {

// A text is a sequence of GBK bytes; a byte of 0x80 or more starts a two-byte
// character. Lengths and positions count bytes; positions start at 1.
using Text = QByteArray;
// A byte string may hold zero bytes.
using Bytes = QByteArray;

// Marks an omitted position argument of findTextReverse.
inline constexpr int WholeText = INT_MAX;

int textLength(const Text& t);
Text textLeft(const Text& t, int n);
Text textRight(const Text& t, int n);
Text textMid(const Text& t, int p, int n);
// Position of the first occurrence of s at or after p (p <= 1: whole text); -1 if none.
int findText(const Text& t, const Text& s, int p = 1, bool ignoreCase = false);
// Position of the last occurrence of s lying entirely within bytes 1..p-1; -1 if none.
int findTextReverse(const Text& t, const Text& s, int p = WholeText, bool ignoreCase = false);
Text replaceTextAt(const Text& t, int p, int n, const Text& r = {});

// GBK conversions to and from the toolkit's strings.
Text gbk(const QString& s);
Text gbk(const char* utf8);
QString fromGbk(const Text& t);

} // namespace zv
