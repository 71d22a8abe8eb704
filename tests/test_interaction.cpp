// Message boxes, opened addresses, the event pump, the skin and the fonts.
#include "base/gui.h"
#include "base/net.h"
#include "base/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <QTimer>

using namespace zv;

class InteractionTest : public QObject {
    Q_OBJECT
private slots:
    void scriptedAnswersAndRecords();
    void realBoxes_data();
    void realBoxes();
    void noBoxOnceTheProgramEnds();
    void pumpDispatchesWaitingEvents();
    void skinStyles();
    void cjkFaces_data();
    void cjkFaces();
};

void InteractionTest::scriptedAnswersAndRecords() {
    ScriptedInteraction script;
    script.answerNext(AnswerCancel);
    QCOMPARE(messageBox(gbk("您确定要删除吗？"), 33, gbk("注意：")), int(AnswerCancel));
    QCOMPARE(messageBox("b", 68, "c"), int(AnswerYes)); // unscripted: the first button
    QCOMPARE(messageBox("d", 33, "e"), int(AnswerOk));
    openUrl("http://example.invalid/");
    QCOMPARE(script.messages.size(), 3);
    QCOMPARE(script.messages[0].text, QStringLiteral("您确定要删除吗？"));
    QCOMPARE(script.messages[0].caption, QStringLiteral("注意："));
    QCOMPARE(script.messages[0].flags, 33);
    QCOMPARE(script.openedUrls, QStringList{"http://example.invalid/"});
    {
        ScriptedInteraction inner; // nests: the inner one records while it lives
        messageBox("x", 16, "y");
        QCOMPARE(inner.messages.size(), 1);
    }
    messageBox("z", 64, "w");
    QCOMPARE(script.messages.size(), 4);
}

void InteractionTest::realBoxes_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("press"); // a QMessageBox::StandardButton
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("icon");
    QTest::newRow("16 OK") << 16 << int(QMessageBox::Ok) << 0 << int(QMessageBox::Critical);
    QTest::newRow("33 OK") << 33 << int(QMessageBox::Ok) << 0 << int(QMessageBox::Question);
    QTest::newRow("33 Cancel") << 33 << int(QMessageBox::Cancel) << 1 << int(QMessageBox::Question);
    QTest::newRow("64 OK") << 64 << int(QMessageBox::Ok) << 0 << int(QMessageBox::Information);
    QTest::newRow("68 Yes") << 68 << int(QMessageBox::Yes) << 5 << int(QMessageBox::Information);
    QTest::newRow("68 No") << 68 << int(QMessageBox::No) << 6 << int(QMessageBox::Information);
}

void InteractionTest::realBoxes() {
    QFETCH(int, flags);
    QFETCH(int, press);
    QFETCH(int, expected);
    QFETCH(int, icon);
    const Text markup = "<b>Zanvelov3.3</b> &amp; http://x/\r\n";
    bool seen = false;
    // The box is answered by a timer as soon as it is up; nothing waits on a person.
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = true;
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->text(), fromGbk(markup).replace("\r\n", "\n"));
        QCOMPARE(box->windowTitle(), QStringLiteral("检测到新版本："));
        QCOMPARE(int(box->icon()), icon);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        box->button(QMessageBox::StandardButton(press))->click();
    });
    QTimer::singleShot(10'000, qApp, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close(); // never hang the suite
    });
    QCOMPARE(messageBox(markup, flags, gbk("检测到新版本：")), expected);
    QVERIFY(seen);
}

void InteractionTest::noBoxOnceTheProgramEnds() {
    int endedWith = -1;
    setProgramEndAction([&](int code) { endedWith = code; });
    ScriptedInteraction script;
    {
        ProgramEndGuard guard;
        endProcess(0);
        QCOMPARE(endedWith, -1); // waits for the guarded work
        QVERIFY(programEnding());
        QCOMPARE(messageBox("late", 33, "x"), int(AnswerCancel));
        QCOMPARE(messageBox("late", 68, "x"), int(AnswerNo));
        QCOMPARE(messageBox("late", 64, "x"), int(AnswerOk));
        QVERIFY(script.messages.isEmpty());
    }
    QCOMPARE(endedWith, 0);
    resetProgramEnd();
    setProgramEndAction({});
}

void InteractionTest::pumpDispatchesWaitingEvents() {
    int ran = 0;
    QMetaObject::invokeMethod(
        this, [&] { ++ran; }, Qt::QueuedConnection);
    QCOMPARE(ran, 0);
    processEvents();
    QCOMPARE(ran, 1);
    processEvents(); // nothing waiting: returns at once
    QCOMPARE(ran, 1);
}

void InteractionTest::skinStyles() {
    setSkinStyle(1);
    QCOMPARE(QApplication::style()->name().toLower(), QString("fusion"));
    setSkinStyle(2);
    QCOMPARE(QApplication::style()->name().toLower(), QString("windows"));
    setSkinStyle(0);
    QVERIFY(!QApplication::style()->name().isEmpty());
    setSkinStyle(1);
}

void InteractionTest::cjkFaces_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("黑体") << "黑体"
                          << "Noto Sans CJK SC";
    QTest::newRow("微软雅黑") << "微软雅黑"
                              << "Noto Sans CJK SC";
    QTest::newRow("宋体") << "宋体"
                          << "Noto Serif CJK SC";
    QTest::newRow("楷体") << "楷体"
                          << "AR PL UKai CN";
    QTest::newRow("楷体_GB2312") << "楷体_GB2312"
                                 << "AR PL UKai CN";
}

void InteractionTest::cjkFaces() {
    QFETCH(QString, face);
    QFETCH(QString, resolved);
    installFontSubstitutions();
    QFont font(face);
    font.setPixelSize(21);
    font.setBold(true);
    QLabel label(QStringLiteral("号库"));
    label.setFont(font);
    const QFontInfo info(label.font());
    QCOMPARE(info.family(), resolved);
    QCOMPARE(info.pixelSize(), 21);
    QVERIFY(info.bold());
    QVERIFY(QFontMetrics(label.font()).inFont(QChar(0x53F7))); // 号 has a glyph
}

QTEST_MAIN(InteractionTest)
#include "test_interaction.moc"
