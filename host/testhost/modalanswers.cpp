#include "modalanswers.h"

#include <QDialog>
#include <QMenu>
#include <QPushButton>

namespace testhost {

using tesk::system::ModalSeam;

ModalAnswers::ModalAnswers()
{
    m_previous = ModalSeam::setResponder([this](const Request &request) { respond(request); });
}

ModalAnswers::~ModalAnswers()
{
    ModalSeam::setResponder(m_previous);
}

void ModalAnswers::respond(const Request &request)
{
    m_seen.push_back({request.kind, request.caption, request.text});
    if (auto *box = qobject_cast<QMessageBox *>(request.widget.data())) {
        QAbstractButton *button =
            m_button != QMessageBox::NoButton ? box->button(m_button) : box->escapeButton();
        if (!button)
            button = box->defaultButton();
        if (button) {
            button->click();
            return;
        }
        box->reject();
        return;
    }
    if (m_handler) {
        m_handler(request);
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(request.widget.data()))
        dialog->reject();
    else if (auto *menu = qobject_cast<QMenu *>(request.widget.data()))
        menu->close();
}

} // namespace testhost
