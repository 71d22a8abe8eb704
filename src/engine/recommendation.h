// The recommendation of a whole pool: seven analysed positions, the
// recommended number and a random one. Shared by the window and zanvelo-cli.
#pragma once

#include "engine/analysis.h"
#include "store/historystore.h"

#include <QList>

namespace zv::engine {

Text shortPoolMessage(); // 号库不足：请按先后顺序依次存入最近开出至少三十期的号码。
Text shortPoolCaption(); // 无法荐号：
const char* colourName(CellColour colour);

// Seeds the generator from the tick count and draws seven digits.
Text randomNumber();

struct Recommendation {
    int poolSize = 0;
    QList<PositionAnalysis> positions; // empty when the pool is too small
    Text recommended;
    Text random;
};
// The whole recommendation from the store texts (index 1..7 the positions).
Recommendation recommend(const store::StoreTexts& texts, const Pump& pump = {});

// The grid as text, one line a row, tab-separated, as the window shows it.
QString recommendationTable(const Recommendation& r);
// One JSON object on one line.
QByteArray recommendationJson(const Recommendation& r);

} // namespace zv::engine
