#include "pool/entry.h"

#include "base/controls.h"
#include "base/gui.h"
#include "base/text.h"
#include "pool/draws.h"
#include "pool/storeaction.h"
#include "store/historystore.h"

namespace zv::pool {

namespace {

const QString PeriodBox = QStringLiteral("编辑框2");
const QString NumberBox = QStringLiteral("编辑框1");
const QString PanelButton = QStringLiteral("按钮5");
const QString PoolList = QStringLiteral("列表框1");
const QString PoolSizeLabel = QStringLiteral("号库显示");
const QString LastDrawLabel = QStringLiteral("上期号码");

// Counts the widenings, so that a filling interrupted by another one stops.
int& fillingGeneration() {
    static int generation = 0;
    return generation;
}

} // namespace

void refreshPoolDisplay() {
    setControlText(PoolSizeLabel, poolSizeCaption(store::poolSize()));
    Text caption = lastDrawCaptionHead(textRight(store::readStoreText(0), 5));
    setControlText(LastDrawLabel, caption);
    processEvents();
    for (int k = 1; k < store::StoreFileCount; ++k) {
        caption += textRight(store::readStoreText(k), 1);
        setControlText(LastDrawLabel, caption);
        processEvents();
    }
}

void periodBoxChanged() {
    if (textLength(controlText(PeriodBox)) == 5)
        setControlFocus(NumberBox);
}

void confirmEntry() {
    const Text digits = controlText(NumberBox);
    const Text period = controlText(PeriodBox);
    if (!isWellFormedEntry(period, digits)) {
        messageBox(entryErrorMessage(), MbIconStop, errorCaption());
        return;
    }
    StoreAction action;
    if (!action.started())
        return; // another change of the pool is under way
    if (!store::appendDraw({period, digits})) {
        messageBox(saveErrorMessage(), MbIconStop, errorCaption());
        return;
    }
    messageBox(addedMessage(), MbIconInformation, successCaption());
    setControlText(NumberBox, {});
    setControlText(PeriodBox, {});
    setControlFocus(PeriodBox);
    refreshPoolDisplay();
}

void deleteLastEntry() {
    StoreAction action;
    if (!action.started())
        return;
    if (messageBox(deleteQuestion(), MbOkCancel | MbIconQuestion, deleteQuestionCaption()) !=
        AnswerOk)
        return;
    if (!store::removeLastDraw()) {
        messageBox(saveErrorMessage(), MbIconStop, errorCaption());
        return;
    }
    messageBox(removedMessage(), MbIconInformation, successCaption());
    refreshPoolDisplay();
}

void fillPoolList() {
    const int generation = ++fillingGeneration();
    listClear(PoolList);
    int index = 0;
    buildPoolRows(
        store::readStoreTexts(), [&](const Text& row) { listInsert(PoolList, index++, row); },
        [&] {
            processEvents();
            // Narrowed (or widened anew) meanwhile: this filling is over.
            return windowOuterWidth() == WideWidth && fillingGeneration() == generation;
        });
}

void togglePanel() {
    if (windowOuterWidth() == NarrowWidth) {
        listClear(PoolList);
        setWindowOuterWidth(WideWidth);
        setControlText(PanelButton, gbk("收回高级功能"));
        fillPoolList();
    } else {
        ++fillingGeneration();
        setWindowOuterWidth(NarrowWidth);
        setControlText(PanelButton, gbk("展开高级功能"));
    }
}

} // namespace zv::pool
