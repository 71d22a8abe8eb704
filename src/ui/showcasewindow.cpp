#include "ui/showcasewindow.h"

#include "base/controls.h"
#include "base/globals.h"
#include "ui/framedwindow.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace zv::ui {

ShowcaseWindow::ShowcaseWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ShowcaseWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(clientSizeOf(LaidOutSize));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    // Front to back: the button, then the picture at its own size.
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("图片框1"));
    picture->setGeometry(-46, -1, 600, 432);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/showcase.jpg")));
    auto* next = new QPushButton(QStringLiteral("下一步"), this);
    next->setObjectName(QStringLiteral("按钮1"));
    next->setGeometry(400, 8, 96, 32);
    QFont kai(QStringLiteral("楷体"));
    kai.setPixelSize(24);
    kai.setBold(true);
    next->setFont(kai);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &QDialog::accept);

    // Moved by its title bar or by dragging its background.
    auto* dragger = new WindowDragger(this);
    dragger->watch(this);
    dragger->watch(picture);

    centreOnScreen(this, LaidOutSize);
    registerWindow(objectName(), this);
    setWindowTitle(fromGbk(ProductName + "v" + versionText()));
}

} // namespace zv::ui
