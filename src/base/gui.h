// GUI services: event pumping, message boxes, the control skin, fonts.
#pragma once

#include "base/text.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

namespace zv {

// Message-box flags of the program (buttons in the low nibble, icon above).
enum MessageFlags : int {
    MbOk = 0,
    MbOkCancel = 1,
    MbYesNo = 4,
    MbIconStop = 16,
    MbIconQuestion = 32,
    MbIconInformation = 64,
};

// Button codes returned by messageBox.
enum MessageAnswer : int {
    AnswerOk = 0,
    AnswerCancel = 1,
    AnswerAbort = 2,
    AnswerRetry = 3,
    AnswerIgnore = 4,
    AnswerYes = 5,
    AnswerNo = 6,
};

// Everything the program shows to or asks of the user, and every address it
// opens, passes through one Interaction. The real one shows modal boxes and
// asks the system to open addresses; a scripted one stands in for tests.
class Interaction {
public:
    virtual ~Interaction() = default;
    virtual int messageBox(const Text& text, int flags, const Text& caption) = 0;
    virtual void openUrl(const Text& url) = 0;
};

// The installed interaction (the real one unless a script is installed).
Interaction& interaction();
// Installs an interaction; nullptr brings back the real one.
void installInteraction(Interaction* replacement);

// One message box as the program asked for it.
struct ShownMessage {
    QString text;
    int flags = 0;
    QString caption;
};

// Answers message boxes from a queue and records what was shown and opened.
// While it exists it is the installed interaction.
class ScriptedInteraction final : public Interaction {
public:
    ScriptedInteraction();
    ~ScriptedInteraction() override;
    ScriptedInteraction(const ScriptedInteraction&) = delete;
    ScriptedInteraction& operator=(const ScriptedInteraction&) = delete;

    // The answer to the next box; unanswered boxes get their first button.
    void answerNext(int answer) { m_answers.push_back(answer); }
    // Runs while the next boxes are "open", before they are answered.
    void whileShown(std::function<void(const ShownMessage&)> action) {
        m_whileShown = std::move(action);
    }

    int messageBox(const Text& text, int flags, const Text& caption) override;
    void openUrl(const Text& url) override;

    QList<ShownMessage> messages;
    QStringList openedUrls;

private:
    std::deque<int> m_answers;
    std::function<void(const ShownMessage&)> m_whileShown;
    Interaction* m_previous = nullptr;
};

// Shows a modal box with plain text and returns the button pressed.
int messageBox(const Text& text, int flags, const Text& caption);
// The first button of a box with these flags.
int firstButton(int flags);
// The answer when a box is dismissed without choosing (Esc or the close box).
int dismissAnswer(int flags);

// Dispatches every event already waiting and returns.
void processEvents();

// Style 1, 2 or 3 selects one of the program's looks; anything else the system's.
void setSkinStyle(int style);

// Maps the program's font faces to the CJK faces installed on this system.
void installFontSubstitutions();

} // namespace zv
