#include "base/gui.h"

#include "base/program.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QUrl>

namespace zv {

namespace {

class RealInteraction final : public Interaction {
public:
    int messageBox(const Text& text, int flags, const Text& caption) override;
    void openUrl(const Text& url) override {
        QDesktopServices::openUrl(QUrl::fromEncoded(url, QUrl::TolerantMode));
    }
};

Interaction* realInteraction() {
    static RealInteraction real;
    return &real;
}

Interaction*& installed() {
    static Interaction* current = realInteraction();
    return current;
}

QMessageBox::Icon iconOf(int flags) {
    switch (flags & 0xF0) {
    case MbIconStop:
        return QMessageBox::Critical;
    case MbIconQuestion:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case MbIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int RealInteraction::messageBox(const Text& text, int flags, const Text& caption) {
    QString shown = fromGbk(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(iconOf(flags), fromGbk(caption), shown);
    box.setTextFormat(Qt::PlainText); // a version file from the network is shown as it is
    box.setWindowModality(Qt::ApplicationModal);
    struct Choice {
        QMessageBox::StandardButton button;
        int answer;
    };
    QList<Choice> choices;
    switch (flags & 0x0F) {
    case MbOkCancel:
        choices = {{QMessageBox::Ok, AnswerOk}, {QMessageBox::Cancel, AnswerCancel}};
        break;
    case MbYesNo:
        choices = {{QMessageBox::Yes, AnswerYes}, {QMessageBox::No, AnswerNo}};
        break;
    default:
        choices = {{QMessageBox::Ok, AnswerOk}};
        break;
    }
    for (const Choice& c : choices)
        box.addButton(c.button);
    box.setDefaultButton(choices.front().button);
    const QMessageBox::StandardButton pressed = QMessageBox::StandardButton(box.exec());
    for (const Choice& c : choices)
        if (c.button == pressed)
            return c.answer;
    return dismissAnswer(flags);
}

} // namespace

Interaction& interaction() {
    return *installed();
}

void installInteraction(Interaction* replacement) {
    installed() = replacement ? replacement : realInteraction();
}

ScriptedInteraction::ScriptedInteraction() : m_previous(&interaction()) {
    installInteraction(this);
}

ScriptedInteraction::~ScriptedInteraction() {
    installInteraction(m_previous);
}

int ScriptedInteraction::messageBox(const Text& text, int flags, const Text& caption) {
    const ShownMessage shown{fromGbk(text), flags, fromGbk(caption)};
    messages.append(shown);
    if (m_whileShown)
        m_whileShown(shown);
    if (m_answers.empty())
        return firstButton(flags);
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedInteraction::openUrl(const Text& url) {
    openedUrls.append(fromGbk(url));
}

int messageBox(const Text& text, int flags, const Text& caption) {
    // Once the program is ending no new box appears; the box counts as dismissed.
    if (programEnding())
        return dismissAnswer(flags);
    return interaction().messageBox(text, flags, caption);
}

int firstButton(int flags) {
    switch (flags & 0x0F) {
    case MbYesNo:
        return AnswerYes;
    default:
        return AnswerOk;
    }
}

int dismissAnswer(int flags) {
    switch (flags & 0x0F) {
    case MbOkCancel:
        return AnswerCancel;
    case MbYesNo:
        return AnswerNo;
    default:
        return AnswerOk;
    }
}

void processEvents() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void setSkinStyle(int style) {
    static const QString systemStyle =
        qApp && qApp->style() ? qApp->style()->name() : QStringLiteral("fusion");
    QString name;
    switch (style) {
    case 1:
    case 3:
        name = QStringLiteral("fusion");
        break;
    case 2:
        name = QStringLiteral("windows");
        break;
    default:
        name = systemStyle;
        break;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    if (QApplication::style()->name().compare(name, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(name));
}

void installFontSubstitutions() {
    const QString sans = QStringLiteral("Noto Sans CJK SC");
    const QString serif = QStringLiteral("Noto Serif CJK SC");
    const QString kai = QStringLiteral("AR PL UKai CN");
    QFont::insertSubstitution(QStringLiteral("黑体"), sans);
    QFont::insertSubstitution(QStringLiteral("微软雅黑"), sans);
    QFont::insertSubstitution(QStringLiteral("宋体"), serif);
    QFont::insertSubstitution(QStringLiteral("楷体"), kai);
    QFont::insertSubstitution(QStringLiteral("楷体_GB2312"), kai);
}

} // namespace zv
