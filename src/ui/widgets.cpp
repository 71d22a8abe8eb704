#include "ui/widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace zv::ui {

TransparentLabel::TransparentLabel(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TransparentLabel::setText(const QString& text) {
    m_text = text;
    update();
}

void TransparentLabel::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void TransparentLabel::setWordWrap(bool wrap) {
    m_wordWrap = wrap;
    update();
}

void TransparentLabel::paintEvent(QPaintEvent*) {
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    const int flags = int(m_alignment) | (m_wordWrap ? Qt::TextWordWrap : 0);
    QString shown = m_text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    painter.setPen(Qt::black);
    painter.drawText(rect().translated(2, 2), flags, shown);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), flags, shown);
}

void TransparentLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->button(), event->globalPosition().toPoint());
}

void TransparentLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit released(event->button(), event->globalPosition().toPoint());
}

void TransparentLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click is a second press, as the system reports it.
    mousePressEvent(event);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        m_dragging = true;
        m_offset = mouse->globalPosition().toPoint() - m_window->pos();
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragging) {
            m_window->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_offset);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_dragging && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_dragging = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

EntryValidator::EntryValidator(int maxLength, QObject* parent)
    : QValidator(parent), m_maxLength(maxLength) {}

QValidator::State EntryValidator::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int keptPos = pos;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-'))
            kept += c;
        else if (i < pos)
            --keptPos;
    }
    const int excess = int(kept.size()) - m_maxLength;
    if (excess > 0) {
        // The characters just inserted stand before the cursor.
        const int from = std::max(0, keptPos - excess);
        kept.remove(from, keptPos - from);
        keptPos = from;
        if (kept.size() > m_maxLength)
            kept.truncate(m_maxLength);
    }
    input = kept;
    pos = std::min(keptPos, int(kept.size()));
    return Acceptable;
}

QSize RowHeightDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(option.fontMetrics.height() + m_extra);
    return size;
}

} // namespace zv::ui
