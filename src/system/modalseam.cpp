#include "system/modalseam.h"
#include "system/freearea.h"

#include "system/debugoutput.h"
#include "system/lifetime.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

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

// The runs on the stack, innermost last: what each waits on and how it is ended.
struct RunningLoop
{
    const QObject *widget;
    std::function<void()> end;
};

std::vector<RunningLoop> &runningLoopStack()
{
    static std::vector<RunningLoop> loops;
    return loops;
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

namespace {

// Runs one modal loop of a dialog or menu inside a lifetime scope. Whatever ends the widget or
// the owner it runs for (deleted, or ended by the host inside the loop, also through a window
// it belongs to) ends the loop; the result says whether both still live afterwards.
template<typename Widget, typename End, typename Loop>
bool runGuarded(Widget *widget, const QObject *owner, End end, Loop &&loop)
{
    if (!widget || lifetime::doomed(widget) || (owner && lifetime::doomed(owner)))
        return false;
    const QPointer<Widget> guard(widget);
    const QPointer<const QObject> ownerGuard(owner);
    const lifetime::Scope scope(widget);
    const auto endLoop = [guard, end] {
        if (guard)
            end(guard.data());
    };
    const lifetime::EndWatch widgetEnded(widget, endLoop);
    const lifetime::EndWatch ownerEnded(owner, endLoop);
    const QMetaObject::Connection ownerDeleted =
        owner ? QObject::connect(owner, &QObject::destroyed, widget, endLoop)
              : QMetaObject::Connection();
    runningLoopStack().push_back({widget, endLoop});
    loop();
    runningLoopStack().pop_back();
    QObject::disconnect(ownerDeleted);
    return scope.alive() && (!owner || (ownerGuard && !lifetime::doomed(owner)));
}

} // namespace

int ModalSeam::runningLoops()
{
    return int(runningLoopStack().size());
}

void ModalSeam::endRunningLoops()
{
    // A copy: ending one may run code that leaves or starts another.
    const std::vector<RunningLoop> loops = runningLoopStack();
    for (auto it = loops.rbegin(); it != loops.rend(); ++it)
        it->end();
}

namespace {

// The toolkit answers a second loop on a dialog that waits already with -1 and a warning, and
// ends neither.
bool running(const QDialog *dialog)
{
    const std::vector<RunningLoop> &loops = runningLoopStack();
    return std::any_of(loops.begin(), loops.end(),
                       [dialog](const RunningLoop &loop) { return loop.widget == dialog; });
}

} // namespace

ModalSeam::Result ModalSeam::run(QDialog *dialog, const QObject *owner, Kind kind)
{
    Result result;
    // A dialog that waits already is not run again: the second run answers as if rejected,
    // leaving the first to its user.
    if (dialog && running(dialog)) {
        result.alive = true;
        return result;
    }
    result.alive = runGuarded(
        dialog, owner, [](QDialog *d) { d->reject(); },
        [&] {
            QString text;
            if (auto *box = qobject_cast<QMessageBox *>(dialog))
                text = box->text();
            scheduleResponse({kind, dialog, dialog->windowTitle(), text});
            placeDialogOnShow(dialog);
            result.code = dialog->exec();
        });
    return result;
}

ModalSeam::Result ModalSeam::runMenu(QMenu *menu, const QPoint &pos, const QObject *owner,
                                     QAction *at)
{
    QPointer<QAction> chosen;
    Result result;
    result.alive = runGuarded(
        menu, owner, [](QMenu *m) { m->close(); },
        [&] {
            scheduleResponse({Kind::Menu, menu, menu->title(), QString()});
            chosen = menu->exec(pos, at);
        });
    result.chosen = result.alive ? chosen.data() : nullptr;
    return result;
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
