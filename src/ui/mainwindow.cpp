#include "ui/mainwindow.h"

#include "engine/run.h"
#include "help/links.h"
#include "pool/entry.h"
#include "pool/fetch.h"
#include "ui/framedwindow.h"
#include "ui/mainwindow_layout.h"
#include "ui/secondary.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

namespace zv::ui {

namespace {

template <typename W> W* child(QWidget* window, const char* name) {
    return window->findChild<W*>(QString::fromUtf8(name));
}

void onClick(QWidget* window, const char* button, void (*handler)()) {
    QObject::connect(child<QPushButton>(window, button), &QPushButton::clicked, window,
                     [handler] { handler(); });
}

void onLeftPress(QWidget* window, const char* label, void (*handler)()) {
    QObject::connect(child<TransparentLabel>(window, label), &TransparentLabel::pressed, window,
                     [handler](Qt::MouseButton button, QPoint) {
                         if (button == Qt::LeftButton)
                             handler();
                     });
}

} // namespace

MainWindow::MainWindow(MainWindowHooks hooks) : m_hooks(std::move(hooks)) {
    setObjectName(MainWindowName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("客户区"));
    setCentralWidget(m_client);
    buildControls(m_client, mainWindowControls());
    buildMenus();
    setOuterSize(LaidOutSize);
    centreOnScreen(this, LaidOutSize);
    registerWindow(MainWindowName, this);
    bindEvents();
    if (m_hooks.created)
        m_hooks.created();
}

MainWindow::~MainWindow() {
    if (m_hooks.destroyed)
        m_hooks.destroyed();
}

void MainWindow::setOuterSize(QSize size) {
    m_outerSize = size;
    const QSize client = clientSizeOf(size) - QSize(0, NominalMenuBarHeight);
    m_client->setFixedSize(client);
    // The controls keep the area the layout gives them whatever the menu bar's height.
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("菜单栏"));
    auto item = [this](QMenu* menu, const char* text, void (*handler)()) {
        QAction* action = menu->addAction(QString::fromUtf8(text));
        connect(action, &QAction::triggered, this, [handler] { handler(); });
        return action;
    };
    QMenu* update = bar->addMenu(QStringLiteral("升级更新"));
    update->setObjectName(QStringLiteral("升级更新"));
    item(update, "检查更新", help::checkForUpdateFromMenu);
    update->addSeparator();
    item(update, "Korvane科技官方网站", help::openMakerSite);

    QMenu* manual = bar->addMenu(QStringLiteral("软件帮助"));
    manual->setObjectName(QStringLiteral("软件帮助"));
    item(manual, "使用说明", openHelpWindow);
    manual->addSeparator();
    item(manual, "关于我们", openAboutWindow);

    m_shortcutMenu = new QMenu(this);
    m_shortcutMenu->setObjectName(QStringLiteral("ShortcutMenu"));
    item(m_shortcutMenu, "软件升级", help::checkForUpdateFromMenu);
    item(m_shortcutMenu, "Korvane科技官网", help::openMakerSite);
    m_shortcutMenu->addSeparator();
    item(m_shortcutMenu, "帮助", openHelpWindow);
    item(m_shortcutMenu, "关于", openAboutWindow);
}

void MainWindow::bindEvents() {
    onClick(this, "按钮1", engine::runRecommendation);
    onClick(this, "按钮2", pool::confirmEntry);
    onClick(this, "按钮3", pool::deleteLastEntry);
    onClick(this, "按钮5", pool::togglePanel);
    onClick(this, "按钮4", pool::fetchPastDraws);
    onLeftPress(this, "透明标签1", help::openMakerSite);
    onLeftPress(this, "透明标签2", help::openContactLink);
    connect(child<QLineEdit>(this, "编辑框2"), &QLineEdit::textChanged, this,
            [] { pool::periodBoxChanged(); });
    child<QLineEdit>(this, "编辑框1")->installEventFilter(this);

    // Right-clicks: the window's background and the two group boxes here,
    // the two covering labels through their own presses.
    m_client->installEventFilter(this);
    child<QGroupBox>(this, "分组框1")->installEventFilter(this);
    child<QGroupBox>(this, "分组框2")->installEventFilter(this);
    for (const char* cover : {"透明标签3", "透明标签4"})
        connect(child<TransparentLabel>(this, cover), &TransparentLabel::pressed, this,
                [this](Qt::MouseButton button, QPoint globalPos) {
                    if (button == Qt::RightButton)
                        popUpShortcutMenu(globalPos);
                });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::popUpShortcutMenu(QPoint globalPos) {
    m_shortcutMenu->popup(globalPos + QPoint(3, 3));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->objectName() == QStringLiteral("编辑框1")) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pool::confirmEntry();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress &&
        watched != control(QStringLiteral("编辑框1"))) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* container = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::RightButton) {
            // Presses reach the containers also when a child passes them on
            // (labels, buttons); only the background and plain labels count.
            QWidget* under = container->childAt(mouse->position().toPoint());
            if (!under || qobject_cast<QLabel*>(under) || qobject_cast<QGroupBox*>(under)) {
                popUpShortcutMenu(mouse->globalPosition().toPoint());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_activatedOnce) {
        m_activatedOnce = true;
        if (QWidget* period = child<QWidget>(this, "编辑框2"))
            period->setFocus(Qt::ActiveWindowFocusReason);
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
}

} // namespace zv::ui
