#pragma once

// Answers the library's modal interactions from tests: every message box, dialog and menu
// runs through the modal seam, which hands the waiting widget to the installed responder.
//
// Steps queued with click/type/escape/close are taken in order, each against the modal widget
// that waits when its turn comes; a step that opens another modal (an error box) lets that
// one take the next steps, and the first widget goes on once it is back. A widget left waiting
// when the queue has run dry gets the default answer below. A watchdog rejects every modal
// still up 5 s after the last request and fails the test; it watches the modal windows
// themselves, so it also ends one that a fixture's own responder, laid over these answers,
// leaves waiting.

#include "system/modalseam.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

namespace testhost {

// Types the text key by key into the widget as a keyboard would, any character included (the
// toolkit's test keys know ASCII only).
void typeText(QWidget *widget, const QString &text);

class ModalAnswers
{
public:
    using Request = tesk::system::ModalSeam::Request;

    ModalAnswers();
    ~ModalAnswers();
    ModalAnswers(const ModalAnswers &) = delete;
    ModalAnswers &operator=(const ModalAnswers &) = delete;

    // Message boxes are answered with this button (default: the box's escape or default).
    void answerMessageBoxes(QMessageBox::StandardButton button) { m_button = button; }
    // Any other request goes to this function; without one, dialogs are rejected and menus
    // closed.
    void setHandler(std::function<void(const Request &)> handler)
    {
        m_handler = std::move(handler);
    }

    // Clicks the button with this object name or text ("&" marks ignored).
    ModalAnswers &click(const QString &button);
    // Types the text, key by key, into the line edit with this object name, after clearing it.
    ModalAnswers &type(const QString &edit, const QString &text);
    ModalAnswers &escape();
    // Closes the window as its close box would.
    ModalAnswers &close();
    bool allStepsTaken() const { return m_steps.empty(); }

    struct Seen
    {
        tesk::system::ModalSeam::Kind kind;
        QString caption;
        QString text;
    };
    const std::vector<Seen> &seen() const { return m_seen; }

private:
    struct Step
    {
        enum Kind { Click, Type, Escape, Close } kind;
        QString target;
        QString text;
    };

    void respond(const Request &request);
    void respondByDefault(const Request &request);
    bool take(const Step &step, QWidget *widget);
    void watch();
    void watchdogExpired();

    QMessageBox::StandardButton m_button = QMessageBox::NoButton;
    std::function<void(const Request &)> m_handler;
    std::vector<Seen> m_seen;
    std::deque<Step> m_steps;
    // Looks at the waiting modal window now and then; a window waiting longer than the
    // watchdog's time since it was first seen or since the last request is ended.
    QTimer m_watchdog;
    QPointer<QWidget> m_waiting;
    QElapsedTimer m_waitingSince;
    QElapsedTimer m_lastRequest;
    // Only the innermost answers watch: one failure for one window left waiting.
    ModalAnswers *m_outer = nullptr;
    tesk::system::ModalSeam::Responder m_previous;
};

} // namespace testhost
