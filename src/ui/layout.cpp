#include "ui/layout.h"

#include "ui/widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zv::ui {

namespace {

QString nameOf(const ControlSpec& row) {
    return QString::fromUtf8(row.name);
}

void colourText(QWidget* w, const ControlSpec& row) {
    QPalette palette = w->palette();
    if (row.foreground) {
        const QColor fg(QString::fromLatin1(row.foreground));
        palette.setColor(QPalette::WindowText, fg);
        palette.setColor(QPalette::Text, fg);
        palette.setColor(QPalette::ButtonText, fg);
    }
    if (row.background)
        palette.setColor(QPalette::Base, QColor(QString::fromLatin1(row.background)));
    w->setPalette(palette);
}

QWidget* create(const ControlSpec& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case Kind::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(row.align == AlignCentre ? Qt::AlignCenter
                                                     : Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case Kind::TransparentLabel:
        return new ui::TransparentLabel(parent);
    case Kind::EditBox: {
        auto* edit = new QLineEdit(text, parent);
        edit->setAlignment(row.align == AlignCentre ? Qt::AlignCenter
                                                    : Qt::AlignLeft | Qt::AlignVCenter);
        edit->setReadOnly(row.behaviour & ReadOnly);
        if (row.behaviour & (Digits5 | Digits7))
            edit->setValidator(new EntryValidator(row.behaviour & Digits5 ? 5 : 7, edit));
        edit->setTextMargins(0, 0, 0, 0);
        return edit;
    }
    case Kind::Button:
        return new QPushButton(text, parent);
    case Kind::GroupBox:
        return new QGroupBox(text, parent);
    case Kind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(false);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setFrameShape(QFrame::Box);
        list->setLineWidth(1);
        list->setItemDelegate(new RowHeightDelegate(3, list));
        list->setUniformItemSizes(true);
        return list;
    }
    }
    return nullptr;
}

} // namespace

QFont fontOf(const ControlSpec& row) {
    QFont font = QApplication::font();
    if (row.face)
        font.setFamily(QString::fromUtf8(row.face));
    if (row.pixelSize > 0)
        font.setPixelSize(row.pixelSize);
    font.setBold(row.bold);
    return font;
}

void buildControls(QWidget* client, const QList<ControlSpec>& table) {
    QHash<int, QWidget*> containers{{InWindow, client}};
    // The group boxes come first: the other rows are placed inside them.
    for (const ControlSpec& row : table) {
        if (row.kind != Kind::GroupBox)
            continue;
        QWidget* box = create(row, client);
        box->setObjectName(nameOf(row));
        containers.insert(
            QString::fromUtf8(row.name) == QStringLiteral("分组框1") ? InGroup1 : InGroup2, box);
    }
    QList<QWidget*> created;
    QList<QWidget*> tabStops;
    for (const ControlSpec& row : table) {
        QWidget* parent = containers.value(row.in, client);
        QWidget* w = row.kind == Kind::GroupBox ? client->findChild<QWidget*>(nameOf(row))
                                                : create(row, parent);
        w->setObjectName(nameOf(row));
        w->setGeometry(row.left, row.top, row.width, row.height);
        w->setFont(fontOf(row));
        colourText(w, row);
        w->setFocusPolicy(row.behaviour & TabStop ? Qt::StrongFocus : Qt::NoFocus);
        if (row.behaviour & TabStop)
            tabStops.append(w);
        if (row.behaviour & Hidden)
            w->hide();
        created.append(w);
    }
    // Earlier rows lie in front: raise from the back of the table to its front.
    for (auto it = created.crbegin(); it != created.crend(); ++it)
        (*it)->raise();
    for (int i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1], tabStops[i]);
}

} // namespace zv::ui
