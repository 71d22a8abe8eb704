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
            const store::StoreTexts& t = w.texts;
            Text newest = lastDrawCaptionHead(textRight(t[0], 5));
            Text latest;
            for (int k = 1; k < store::StoreFileCount; ++k) {
                newest += textRight(t[size_t(k)], 1);
                latest += textLeft(t[size_t(k)], 1);
            }
            setControlText(QStringLiteral("上期号码"), newest);
            setControlText(QStringLiteral("号库显示"), poolSizeCaption(w.count));
            listAppend(PoolList, listRowText(textMid(t[0], 2, 5), latest));
            processEvents();
        });
    if (walk.count == 0) {
        // Nothing could be read: the pool stays as it was.
        messageBox(fetchErrorMessage(), MbIconStop, errorCaption());
        refreshPoolDisplay();
        if (windowOuterWidth() != 648)
            fillPoolList();
    } else if (!store::writeStoreTexts(walk.texts)) {
        messageBox(saveErrorMessage(), MbIconStop, errorCaption());
        refreshPoolDisplay();
        if (windowOuterWidth() != 648)
            fillPoolList();
    } else {
        messageBox(fetchDoneMessage(textLength(walk.texts[1])), MbIconInformation,
                   fetchDoneCaption());
    }
    setControlEnabled(FetchButton, true);
}

} // namespace zv::pool
