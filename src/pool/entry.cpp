#include "pool/entry.h"

#include "base/controls.h"
#include "base/text.h"

namespace zv::pool {

namespace {

const QString PeriodBox = QStringLiteral("编辑框2");
const QString NumberBox = QStringLiteral("编辑框1");
const QString PanelButton = QStringLiteral("按钮5");

} // namespace

void refreshPoolDisplay() {}

void periodBoxChanged() {
    if (textLength(controlText(PeriodBox)) == 5)
        setControlFocus(NumberBox);
}

void confirmEntry() {}

void deleteLastEntry() {}

void togglePanel() {
    if (windowOuterWidth() == 648) {
        listClear(QStringLiteral("列表框1"));
        setWindowOuterWidth(808);
        setControlText(PanelButton, gbk("收回高级功能"));
    } else {
        setWindowOuterWidth(648);
        setControlText(PanelButton, gbk("展开高级功能"));
    }
}

} // namespace zv::pool
