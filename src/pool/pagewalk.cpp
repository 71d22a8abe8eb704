#include "pool/pagewalk.h"

#include "base/number.h"

namespace zv::pool {

namespace {

const Text EntryMarker = "bgcolor";
const Text PeriodEndMarker = "</a>";
const Text DigitMarker = "<span class=\"ball_1\">";

// Reads the draw whose entry starts at or after pos; on success pos is left
// on its last digit.
bool readDraw(const Text& page, int& pos, store::DrawRecord& draw) {
    const int entry = findText(page, EntryMarker, pos);
    if (entry < 0)
        return false;
    const int periodEnd = findText(page, PeriodEndMarker, entry + 1);
    if (periodEnd < 0)
        return false;
    draw.period = textMid(page, periodEnd - 5, 5);
    int at = periodEnd;
    draw.digits.clear();
    for (int k = 1; k <= 7; ++k) {
        const int marker = findText(page, DigitMarker, at + 1);
        if (marker < 0)
            return false;
        at = marker + textLength(DigitMarker);
        const Text digit = textMid(page, at, 1);
        if (digit.isEmpty())
            return false;
        draw.digits += digit;
    }
    pos = at;
    return true;
}

} // namespace

Text pageAddress(const Text& serviceBase, int year) {
    return serviceBase + "/lottery/draw/list/2?d=" + toText(year) + "-01-01";
}

store::DrawRecord drawJustRead(const PageWalk& walk) {
    store::DrawRecord draw{textMid(walk.texts[0], 2, 5), {}};
    for (int k = 1; k < store::StoreFileCount; ++k)
        draw.digits += textLeft(walk.texts[size_t(k)], 1);
    return draw;
}

PageWalk walkPages(int year, const std::function<Bytes(int year)>& fetchPage,
                   const std::function<void(const PageWalk&)>& drawRead) {
    PageWalk walk;
    for (; year >= LowestYear && walk.count < FetchLimit; --year) {
        const Text page = bytesToText(fetchPage(year));
        ++walk.pagesRequested;
        int pos = 0;
        // Between draws: is there another entry on this page?
        while (walk.count < FetchLimit && findText(page, EntryMarker, pos + 1) >= 0) {
            store::DrawRecord draw;
            if (!readDraw(page, pos, draw))
                break;
            walk.texts[0] = "#" + draw.period + walk.texts[0];
            for (int k = 1; k < store::StoreFileCount; ++k)
                walk.texts[size_t(k)] = textMid(draw.digits, k, 1) + walk.texts[size_t(k)];
            walk.count = textLength(walk.texts[1]);
            if (drawRead)
                drawRead(walk);
        }
    }
    return walk;
}

} // namespace zv::pool
