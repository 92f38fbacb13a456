#include "system/modalseam.h"

#include "system/debugoutput.h"
#include "system/lifetime.h"

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
// What a box answers when it is gone before the user chose: the button that dismisses it.
QMessageBox::StandardButton escapeAnswer(QMessageBox::StandardButtons buttons)
{
    for (const QMessageBox::StandardButton button :
         {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Abort, QMessageBox::Ignore}) {
        if (buttons.testFlag(button))
            return button;
    }
    return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::NoButton;
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

ModalSeam::Result ModalSeam::run(QDialog *dialog, const QObject *owner, Kind kind)
{
    if (!dialog || lifetime::doomed(dialog) || (owner && lifetime::doomed(owner)))
        return {};
    QPointer<QDialog> guard(dialog);
    QPointer<const QObject> ownerGuard(owner);
    lifetime::Scope scope(dialog);
    // An owner ended, or a window the dialog belongs to, ends the loop: hiding a window does
    // not end its children's loops.
    const auto reject = [guard] {
        if (guard)
            guard->reject();
    };
    const lifetime::EndWatch dialogEnded(dialog, reject);
    const lifetime::EndWatch ownerEnded(owner, reject);
    const QMetaObject::Connection ownerDeleted =
        owner ? QObject::connect(owner, &QObject::destroyed, dialog, reject)
              : QMetaObject::Connection();
    QString text;
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        text = box->text();
    scheduleResponse({kind, dialog, dialog->windowTitle(), text});
    Result result;
    result.code = dialog->exec();
    QObject::disconnect(ownerDeleted);
    result.alive = scope.alive() && (!owner || (ownerGuard && !lifetime::doomed(owner)));
    return result;
}

ModalSeam::Result ModalSeam::runMenu(QMenu *menu, const QPoint &pos, const QObject *owner,
                                     QAction *at)
{
    if (!menu || lifetime::doomed(menu) || (owner && lifetime::doomed(owner)))
        return {};
    QPointer<QMenu> guard(menu);
    QPointer<const QObject> ownerGuard(owner);
    lifetime::Scope scope(menu);
    const auto close = [guard] {
        if (guard)
            guard->close();
    };
    const lifetime::EndWatch menuEnded(menu, close);
    const lifetime::EndWatch ownerEnded(owner, close);
    const QMetaObject::Connection ownerDeleted =
        owner ? QObject::connect(owner, &QObject::destroyed, menu, close)
              : QMetaObject::Connection();
    scheduleResponse({Kind::Menu, menu, menu->title(), QString()});
    QPointer<QAction> chosen = menu->exec(pos, at);
    QObject::disconnect(ownerDeleted);
    Result result;
    result.alive = scope.alive() && (!owner || (ownerGuard && !lifetime::doomed(owner)));
    result.chosen = result.alive ? chosen.data() : nullptr;
    return result;
}

int ModalSeam::execDialog(QDialog *dialog, Kind kind)
{
    const Result result = run(dialog, nullptr, kind);
    return result.alive ? result.code : int(QDialog::Rejected);
}

QAction *ModalSeam::execMenu(QMenu *menu, const QPoint &pos, QAction *at)
{
    return runMenu(menu, pos, nullptr, at).chosen;
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
    // A box whose parent window is closed inside the loop goes with it and answers its escape.
    Modal<QMessageBox> box(icon, caption, text, buttons, parent);
    box->setDefaultButton(defaultButton);
    const Result result = box.run(nullptr, Kind::MessageBox);
    if (!result.alive || !box)
        return escapeAnswer(buttons);
    if (QAbstractButton *clicked = box->clickedButton())
        return box->standardButton(clicked);
    return static_cast<QMessageBox::StandardButton>(result.code);
}

} // namespace tesk::system
