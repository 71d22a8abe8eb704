// Reading past draws off the results service's yearly listing pages.
#pragma once

#include "base/text.h"
#include "store/historystore.h"

#include <functional>

namespace zv::pool {

inline constexpr int FetchLimit = 280;
inline constexpr int LowestYear = 2004;

// The address of the listing page of a year.
Text pageAddress(const Text& serviceBase, int year);

struct PageWalk {
    store::StoreTexts texts; // the new store texts, oldest draw first
    int count = 0;           // complete draws
    int pagesRequested = 0;
};

// The draw read last: the oldest one so far, at the front of the texts.
store::DrawRecord drawJustRead(const PageWalk& walk);

// Walks the years from `year` down to 2004, one page each, reading draws
// (newest first on every page) until 280 are complete. `fetchPage` gives a
// year's page (empty when it could not be had); `drawRead` runs after each
// complete draw with the walk so far.
//
// A draw's entry starts at "bgcolor"; the 5 bytes before the next "</a>" are
// its period; each following <span class="ball_1"> is followed by one digit.
// A page without "bgcolor" gives nothing. A marker missing where a draw
// needs it ends that page and drops the unfinished draw.
PageWalk walkPages(int year, const std::function<Bytes(int year)>& fetchPage,
                   const std::function<void(const PageWalk&)>& drawRead = {});

} // namespace zv::pool
