// Small widgets of the program's windows.
#pragma once

#include <QStyledItemDelegate>
#include <QValidator>
#include <QWidget>

namespace zv::ui {

// An empty label that draws nothing and catches the mouse presses over the
// controls it covers.
class TransparentLabel : public QWidget {
    Q_OBJECT
public:
    explicit TransparentLabel(QWidget* parent = nullptr);

signals:
    void pressed(Qt::MouseButton button, QPoint globalPos);
    void released(Qt::MouseButton button, QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The input rule of the entry boxes: only digits and "-", at most maxLength
// characters. Whatever comes in (typing, pasting, an input method) is held to
// it: other characters are dropped, and characters beyond the limit are cut
// from the end of what was just inserted.
class EntryValidator : public QValidator {
public:
    EntryValidator(int maxLength, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    int m_maxLength;
};

// List rows a few pixels taller than the font.
class RowHeightDelegate : public QStyledItemDelegate {
public:
    RowHeightDelegate(int extra, QObject* parent) : QStyledItemDelegate(parent), m_extra(extra) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_extra;
};

} // namespace zv::ui
