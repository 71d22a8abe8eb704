// Reaching a window's controls by their names. Windows register themselves
// when they are built; handlers below the windows use only these functions,
// so they never include a window. A window that is gone makes every call a
// no-op (reads give empty values).
#pragma once

#include "base/text.h"

#include <QColor>
#include <QSize>
#include <QString>

class QWidget;

namespace zv {

inline const QString MainWindowName = QStringLiteral("MainWindow");

// Windows whose outer size (frame and menu bar included) differs from the
// toolkit's widget size implement this.
class OuterSized {
public:
    virtual ~OuterSized() = default;
    virtual QSize outerSize() const = 0;
    virtual void setOuterSize(QSize size) = 0;
};

// Makes the window and its named children reachable under windowName.
void registerWindow(const QString& windowName, QWidget* window);
QWidget* findWindow(const QString& windowName);
QWidget* findControl(const QString& windowName, const QString& controlName);

// Controls of MainWindow.
QWidget* control(const QString& name);
Text controlText(const QString& name);
void setControlText(const QString& name, const Text& text);
void setControlTextColour(const QString& name, const QColor& colour);
QColor controlTextColour(const QString& name);
void setControlEnabled(const QString& name, bool enabled);
void setControlFocus(const QString& name);

void listClear(const QString& name);
void listAppend(const QString& name, const Text& row);
void listInsert(const QString& name, int index, const Text& row);
int listCount(const QString& name);
Text listRow(const QString& name, int index);

// The outer size of MainWindow.
int windowOuterWidth();
int windowOuterHeight();
void setWindowOuterWidth(int width);
void setWindowOuterSize(int width, int height);
void setWindowCaption(const Text& caption);

} // namespace zv
