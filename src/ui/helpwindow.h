// The window that shows the manual.
#pragma once

#include <QWidget>

class QWebEngineView;

namespace zv::ui {

class TransparentLabel;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize LaidOutSize{732, 467};
    explicit HelpWindow(QWidget* parent = nullptr);

    // False when the document could not be shown (the window is then closed).
    bool documentShown() const { return m_shown; }
    QWebEngineView* view() const { return m_view; }
    // The outer size, frame and title bar included.
    QSize outerSize() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyLayoutRule();

    QWebEngineView* m_view = nullptr;
    TransparentLabel* m_cover = nullptr;
    bool m_shown = false;
};

} // namespace zv::ui
