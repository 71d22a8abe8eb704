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

QString nameOf(const ControlSpec& spec) {
    return QString::fromUtf8(spec.name);
}

void colourText(QWidget* w, const ControlSpec& spec) {
    QPalette palette = w->palette();
    if (spec.foreground) {
        const QColor fg(QString::fromLatin1(spec.foreground));
        palette.setColor(QPalette::WindowText, fg);
        palette.setColor(QPalette::Text, fg);
        palette.setColor(QPalette::ButtonText, fg);
    }
    if (spec.background)
        palette.setColor(QPalette::Base, QColor(QString::fromLatin1(spec.background)));
    w->setPalette(palette);
}

QWidget* create(const ControlSpec& spec, QWidget* parent) {
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
    case Kind::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(spec.align == AlignCentre ? Qt::AlignCenter
                                                      : Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case Kind::TransparentLabel:
        return new ui::TransparentLabel(parent);
    case Kind::EditBox: {
        auto* edit = new QLineEdit(text, parent);
        edit->setAlignment(spec.align == AlignCentre ? Qt::AlignCenter
                                                     : Qt::AlignLeft | Qt::AlignVCenter);
        edit->setReadOnly(spec.behaviour & ReadOnly);
        if (spec.behaviour & (Digits5 | Digits7))
            edit->setValidator(new EntryValidator(spec.behaviour & Digits5 ? 5 : 7, edit));
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

QFont fontOf(const ControlSpec& spec) {
    QFont font = QApplication::font();
    if (spec.face)
        font.setFamily(QString::fromUtf8(spec.face));
    if (spec.pixelSize > 0)
        font.setPixelSize(spec.pixelSize);
    font.setBold(spec.bold);
    return font;
}

void buildControls(QWidget* client, const QList<ControlSpec>& table) {
    QHash<int, QWidget*> containers{{InWindow, client}};
    // The group boxes come first: the other rows are placed inside them.
    for (const ControlSpec& spec : table) {
        if (spec.kind != Kind::GroupBox)
            continue;
        QWidget* box = create(spec, client);
        box->setObjectName(nameOf(spec));
        containers.insert(
            QString::fromUtf8(spec.name) == QStringLiteral("分组框1") ? InGroup1 : InGroup2, box);
    }
    QList<QWidget*> created;
    QList<QWidget*> tabStops;
    for (const ControlSpec& spec : table) {
        QWidget* parent = containers.value(spec.in, client);
        QWidget* w = spec.kind == Kind::GroupBox ? client->findChild<QWidget*>(nameOf(spec))
                                                 : create(spec, parent);
        w->setObjectName(nameOf(spec));
        w->setGeometry(spec.left, spec.top, spec.width, spec.height);
        w->setFont(fontOf(spec));
        colourText(w, spec);
        w->setFocusPolicy(spec.behaviour & TabStop ? Qt::StrongFocus : Qt::NoFocus);
        if (spec.behaviour & TabStop)
            tabStops.append(w);
        if (spec.behaviour & Hidden)
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
