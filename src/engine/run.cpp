#include "engine/run.h"

#include "base/controls.h"
#include "base/gui.h"
#include "base/number.h"
#include "engine/analysis.h"
#include "engine/recommendation.h"
#include "store/historystore.h"

#include <chrono>

namespace zv::engine {

namespace {

QString cell(const char* prefix, int number) {
    return QString::fromUtf8(prefix) + QString::number(number);
}

// The tier cells of row p: 号p, 号1p, ..., 号5p.
QString tierCell(int tier, int p) {
    return cell("号", tier == 0 ? p : tier * 10 + p);
}

// Pumps the window's events, but only now and then: the analysis calls it
// after every step, and asking the event loop each time would cost more than
// the steps themselves. Every few milliseconds keeps the window responsive.
class ThrottledPump {
public:
    void operator()() {
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last >= std::chrono::milliseconds(8)) {
            m_last = now;
            processEvents();
        }
    }

private:
    std::chrono::steady_clock::time_point m_last = std::chrono::steady_clock::now();
};

bool& running() {
    static bool inProgress = false;
    return inProgress;
}

} // namespace

void runRecommendation() {
    // A click that arrives while a run pumps events is ignored.
    if (running())
        return;
    running() = true;
    struct Done {
        ~Done() { running() = false; }
    } done;

    // 1. Clear the table (the 三维推荐 cells keep their text).
    for (int tier = 0; tier < 6; ++tier)
        for (int p = 1; p <= 7; ++p)
            setControlText(tierCell(tier, p), {});
    setControlText(QStringLiteral("推荐号码框"), {});
    setControlText(QStringLiteral("随机号码框"), {});
    for (int p = 1; p <= 7; ++p)
        setControlText(cell("推荐号", p), {});

    // 2.-3. The pool size.
    const int n = textLength(store::readStoreText(1));
    if (n < MinimumPool) {
        messageBox(shortPoolMessage(), MbIconInformation, shortPoolCaption());
    } else {
        ThrottledPump throttled;
        const Pump pump = [&throttled] { throttled(); };
        for (int p = 1; p <= 7; ++p) {
            const Text position = store::readStoreText(p);
            const PositionAnalysis a = analysePosition(position, n, pump);
            for (int tier = 0; tier < 6; ++tier)
                setControlText(tierCell(tier, p), a.tiers.tier[size_t(tier)]);
            setControlTextColour(cell("推荐号", p),
                                 QColor(QString::fromLatin1(colourName(a.selection.colour))));
            setControlText(cell("推荐号", p + 7), a.rarity.dimensionList);
            setControlText(cell("推荐号", p), a.selection.selectedText);
            // The recommended number: the first character of each 精选推荐 cell so far.
            Text recommended;
            for (int q = 1; q <= 7; ++q)
                recommended += textLeft(controlText(cell("推荐号", q)), 1);
            setControlText(QStringLiteral("推荐号码框"), recommended);
            processEvents();
        }
    }

    // 7. The random number, after a run and after the message alike.
    setControlText(QStringLiteral("随机号码框"), randomNumber());
}

} // namespace zv::engine
