#include "pool/fetch.h"

#include "base/controls.h"
#include "base/globals.h"
#include "base/gui.h"
#include "base/net.h"
#include "base/number.h"
#include "pool/draws.h"
#include "pool/entry.h"
#include "pool/pagewalk.h"
#include "pool/storeaction.h"

namespace zv::pool {

namespace {

const QString FetchButton = QStringLiteral("按钮4");
const QString PoolList = QStringLiteral("列表框1");

} // namespace

void fetchPastDraws() {
    StoreAction action;
    if (!action.started())
        return;
    setControlEnabled(FetchButton, false);
    listClear(PoolList);
    const PageWalk walk = walkPages(
        yearOf(currentTime()),
        [](int year) {
            const Bytes page = fetchUrl(pageAddress(resultsService(), year));
            processEvents();
            return page;
        },
        [](const PageWalk& w) {
            // The newest draw is the first one read: the last of every text.
            Text newest = lastDrawCaptionHead(textRight(w.texts[0], 5));
            for (int k = 1; k < store::StoreFileCount; ++k)
                newest += textRight(w.texts[size_t(k)], 1);
            setControlText(QStringLiteral("上期号码"), newest);
            setControlText(QStringLiteral("号库显示"), poolSizeCaption(w.count));
            const store::DrawRecord draw = drawJustRead(w);
            listAppend(PoolList, listRowText(draw.period, draw.digits));
            processEvents();
        });
    if (walk.count > 0 && store::writeStoreTexts(walk.texts)) {
        messageBox(fetchDoneMessage(textLength(walk.texts[1])), MbIconInformation,
                   fetchDoneCaption());
    } else {
        // Nothing could be read, or not written: the pool stays as it was, and
        // the window shows it again.
        messageBox(walk.count == 0 ? fetchErrorMessage() : saveErrorMessage(), MbIconStop,
                   errorCaption());
        refreshPoolDisplay();
        if (windowOuterWidth() != NarrowWidth)
            fillPoolList();
    }
    setControlEnabled(FetchButton, true);
}

} // namespace zv::pool
