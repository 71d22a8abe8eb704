#include "base/text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace zv {

int textLength(const Text& t) {
    return int(t.size());
}

Text textLeft(const Text& t, int n) {
    if (n <= 0)
        return {};
    return t.left(std::min<qsizetype>(n, t.size()));
}

Text textRight(const Text& t, int n) {
    if (n <= 0)
        return {};
    return t.right(std::min<qsizetype>(n, t.size()));
}

Text textMid(const Text& t, int p, int n) {
    if (n <= 0 || p < 1 || p > t.size())
        return {};
    return t.mid(p - 1, std::min<qsizetype>(n, t.size() - (p - 1)));
}

namespace {

inline unsigned char lowerAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

// Compares s with the bytes of t from index i (0-based). With ignoreCase the
// case of ASCII letters is ignored; the trail byte of a two-byte character is
// compared exactly, since it may look like a letter.
bool matchesAt(const Text& t, qsizetype i, const Text& s, bool ignoreCase) {
    if (!ignoreCase)
        return std::equal(s.begin(), s.end(), t.begin() + i);
    bool trail = false;
    for (qsizetype k = 0; k < s.size(); ++k) {
        const auto a = static_cast<unsigned char>(t[i + k]);
        const auto b = static_cast<unsigned char>(s[k]);
        if (trail ? a != b : lowerAscii(a) != lowerAscii(b))
            return false;
        trail = !trail && a >= 0x80;
    }
    return true;
}

// Walks the candidate positions of the region [begin, end) character by
// character and returns the 0-based index of the first (or last) match that
// fits entirely in the region, or -1.
qsizetype scanRegion(const Text& t, qsizetype begin, qsizetype end, const Text& s, bool ignoreCase,
                     bool last) {
    if (begin >= end)
        return -1;
    if (s.isEmpty())
        return 0; // an empty search text is found at position 1
    qsizetype found = -1;
    for (qsizetype i = begin; i + s.size() <= end;) {
        if (matchesAt(t, i, s, ignoreCase)) {
            if (!last)
                return i;
            found = i;
        }
        i += static_cast<unsigned char>(t[i]) >= 0x80 ? 2 : 1;
    }
    return found;
}

} // namespace

int findText(const Text& t, const Text& s, int p, bool ignoreCase) {
    const qsizetype begin = p <= 1 ? 0 : qsizetype(p) - 1;
    if (begin >= t.size())
        return -1;
    const qsizetype i = scanRegion(t, begin, t.size(), s, ignoreCase, false);
    return i < 0 ? -1 : int(i) + 1;
}

int findTextReverse(const Text& t, const Text& s, int p, bool ignoreCase) {
    if (p <= 1)
        return -1;
    const qsizetype end = std::min<qsizetype>(qsizetype(p) - 1, t.size());
    const qsizetype i = scanRegion(t, 0, end, s, ignoreCase, true);
    return i < 0 ? -1 : int(i) + 1;
}

Text replaceTextAt(const Text& t, int p, int n, const Text& r) {
    const qsizetype at = std::clamp<qsizetype>(qsizetype(p) - 1, 0, t.size());
    const qsizetype count = std::clamp<qsizetype>(n, 0, t.size() - at);
    Text out = t;
    out.replace(at, count, r);
    return out;
}

Text gbk(const QString& s) {
    QStringEncoder encoder("GBK");
    return encoder.isValid() ? Text(encoder.encode(s)) : s.toLocal8Bit();
}

Text gbk(const char* utf8) {
    return gbk(QString::fromUtf8(utf8));
}

QString fromGbk(const Text& t) {
    QStringDecoder decoder("GBK");
    return decoder.isValid() ? QString(decoder.decode(t)) : QString::fromLocal8Bit(t);
}

} // namespace zv
