// Small widgets of the program's windows.
#pragma once

#include <QStyledItemDelegate>
#include <QValidator>
#include <QWidget>

namespace zv::ui {

// A label without a background that catches the mouse presses over the
// controls it covers. Its text, when it has one, is drawn with a drop shadow:
// first in black 2 pixels right and down, then in its own colour.
class TransparentLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit TransparentLabel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setAlignment(Qt::Alignment alignment);
    void setWordWrap(bool wrap);

signals:
    void pressed(Qt::MouseButton button, QPoint globalPos);
    void released(Qt::MouseButton button, QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = false;
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

// Moves a window while the left button drags one of the widgets it watches.
class WindowDragger : public QObject {
public:
    explicit WindowDragger(QWidget* window) : QObject(window), m_window(window) {}
    void watch(QWidget* widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QPoint m_offset;
    bool m_dragging = false;
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
