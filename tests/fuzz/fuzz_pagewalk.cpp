// Arbitrary bytes as the results service's yearly pages: the walk never
// crashes or hangs, asks for every year at most once, from the current year
// down to 2004, and keeps the eight texts aligned.
#include "pool/pagewalk.h"

#include <QList>
#include <cstdint>
#include <cstdlib>

using namespace zv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Pages are separated by a byte of 0x01; the markers are in the dictionary.
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> pages = input.split('\x01');
    const int currentYear = 2026;
    QList<int> requested;
    const pool::PageWalk walk = pool::walkPages(currentYear, [&](int year) {
        if (requested.contains(year) || year > currentYear || year < pool::LowestYear)
            std::abort();
        requested.append(year);
        const int index = currentYear - year;
        return index < pages.size() ? pages[index] : QByteArray();
    });
    if (walk.count > pool::FetchLimit || walk.count < 0)
        std::abort();
    if (walk.texts[0].size() != 6 * walk.count)
        std::abort();
    for (int k = 1; k < 8; ++k)
        if (walk.texts[size_t(k)].size() != walk.count)
            std::abort();
    for (int i = 1; i < requested.size(); ++i)
        if (requested[i] != requested[i - 1] - 1)
            std::abort();
    return 0;
}
