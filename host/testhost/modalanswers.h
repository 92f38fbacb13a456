#pragma once

// Answers the library's modal interactions from tests: every message box, dialog and menu
// runs through the modal seam, which hands the waiting widget to the installed responder.

#include "system/modalseam.h"

#include <QMessageBox>
#include <QString>

#include <functional>
#include <vector>

namespace testhost {

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

    struct Seen
    {
        tesk::system::ModalSeam::Kind kind;
        QString caption;
        QString text;
    };
    const std::vector<Seen> &seen() const { return m_seen; }

private:
    void respond(const Request &request);

    QMessageBox::StandardButton m_button = QMessageBox::NoButton;
    std::function<void(const Request &)> m_handler;
    std::vector<Seen> m_seen;
    tesk::system::ModalSeam::Responder m_previous;
};

} // namespace testhost
