#include "ui/widgets.h"

#include <QMouseEvent>

namespace zv::ui {

TransparentLabel::TransparentLabel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
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
