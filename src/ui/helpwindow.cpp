#include "ui/helpwindow.h"

#include "base/controls.h"
#include "help/document.h"
#include "ui/framedwindow.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QShortcut>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace zv::ui {

namespace {

// One profile for the manual, kept in memory: nothing of it goes to disk.
QWebEngineProfile* manualProfile() {
    static QWebEngineProfile* profile = [] {
        auto* p = new QWebEngineProfile(qApp);
        p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        return p;
    }();
    return profile;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    resize(clientSizeOf(LaidOutSize));

    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("超文本浏览框1"));
    auto* page = new QWebEnginePage(manualProfile(), m_view);
    m_view->setPage(page);
    // The middle of the five document font sizes.
    page->settings()->setFontSize(QWebEngineSettings::DefaultFontSize, 16);
    page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    m_view->setZoomFactor(1.0);
    m_view->setGeometry(0, 0, 728, 440);

    // The empty label in front of the document: only the strip at its right
    // edge, where the scroll bar is, reaches the view.
    m_cover = new TransparentLabel(this);
    m_cover->setObjectName(QStringLiteral("透明标签1"));
    m_cover->setGeometry(0, 0, 488, 256);
    m_cover->raise();
    applyLayoutRule();

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    centreOnScreen(this, LaidOutSize);
    registerWindow(objectName(), this);
    m_shown = help::showHelpDocument();
}

QSize HelpWindow::outerSize() const {
    return outerSizeOf(size());
}

void HelpWindow::applyLayoutRule() {
    const QSize outer = outerSize();
    m_view->setGeometry(0, 0, outer.width() - 4, outer.height() - 36);
    m_cover->setGeometry(0, 0, m_view->width() - 18, m_view->height());
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    // The border is fixed: only maximising and restoring change the size.
    const bool normal =
        !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
    if (normal && size() != clientSizeOf(LaidOutSize)) {
        resize(clientSizeOf(LaidOutSize));
        return;
    }
    QWidget::resizeEvent(event);
    applyLayoutRule();
}

void HelpWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        applyLayoutRule();
}

} // namespace zv::ui
