#include "system/modalseam.h"

#include "system/debugoutput.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>

#include <utility>

namespace tesk::system {

namespace {
ModalSeam::Responder &responder()
{
    static ModalSeam::Responder r;
    return r;
}
} // namespace

ModalSeam::Responder ModalSeam::setResponder(Responder r)
{
    return std::exchange(responder(), std::move(r));
}

void ModalSeam::scheduleResponse(const Request &request)
{
    if (!responder())
        return;
    // Runs once the modal loop has started, with the widget shown.
    QTimer::singleShot(0, request.widget.data(), [request] {
        if (request.widget && responder())
            responder()(request);
    });
}

int ModalSeam::execDialog(QDialog *dialog, Kind kind)
{
    if (!dialog)
        return QDialog::Rejected;
    QString text;
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        text = box->text();
    scheduleResponse({kind, dialog, dialog->windowTitle(), text});
    return dialog->exec();
}

QAction *ModalSeam::execMenu(QMenu *menu, const QPoint &pos, QAction *at)
{
    if (!menu)
        return nullptr;
    scheduleResponse({Kind::Menu, menu, menu->title(), QString()});
    return menu->exec(pos, at);
}

QMessageBox::StandardButton ModalSeam::messageBox(QWidget *parent, QMessageBox::Icon icon,
                                                  const QString &caption, const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    // Without the toolkit application a message box would end the host: the text goes to the
    // debug output and the box answers as if its default button had been pressed.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        debugOutput((caption + QLatin1String(": ") + text).toStdString() + '\n');
        return defaultButton;
    }
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    const int result = execDialog(&box, Kind::MessageBox);
    if (QAbstractButton *clicked = box.clickedButton())
        return box.standardButton(clicked);
    return static_cast<QMessageBox::StandardButton>(result);
}

} // namespace tesk::system
