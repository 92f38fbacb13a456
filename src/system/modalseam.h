#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>
#include <utility>

class QAction;
class QMenu;
class QWidget;

namespace tesk::system {

// Every modal interaction of the library (message boxes, dialogs, popup menus, file dialogs)
// runs through here, so that a test can answer it: a responder, when set, is called from
// inside the modal loop with the widget that waits for the user.
class ModalSeam
{
public:
    enum class Kind { MessageBox, Dialog, Menu, FileDialog };

    struct Request
    {
        Kind kind;
        QPointer<QWidget> widget;
        QString caption;
        QString text;
    };

    using Responder = std::function<void(const Request &)>;

    // Returns the previous responder; an empty one lets the user answer.
    static Responder setResponder(Responder responder);

    // What a modal run ended with. When alive is false the dialog or menu, or the owner it ran
    // for, was closed or destroyed inside the loop: the caller touches neither and returns.
    struct Result
    {
        int code = 0;              // the dialog's result code
        QAction *chosen = nullptr; // the menu's chosen item; null when not alive
        bool alive = false;
        bool accepted() const { return alive && code == QDialog::Accepted; }
    };

    // Runs a dialog, box or chooser made on the heap, inside a lifetime scope, so that whatever
    // the host destroys meanwhile waits until the loop is left. The owner (may be null) is the
    // object the dialog runs for (a view, a pane, a dialog): when it ends, the dialog is
    // rejected. The dialog may be deleted inside the loop (its parent window closed): the
    // result says so. A dialog that is running already is not run again: the call answers
    // code 0 (rejected) at once.
    static Result run(QDialog *dialog, const QObject *owner = nullptr, Kind kind = Kind::Dialog);
    // The same for a popup menu; the chosen item is null unless the menu and its owner live.
    static Result runMenu(QMenu *menu, const QPoint &pos, const QObject *owner = nullptr,
                          QAction *at = nullptr);
    // How many of the runs above are on the stack now.
    static int runningLoops();
    // Ends every run above that is on the stack, as if its widget were dismissed.
    static void endRunningLoops();
    static QMessageBox::StandardButton messageBox(QWidget *parent, QMessageBox::Icon icon,
                                                  const QString &caption, const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton);

private:
    static void scheduleResponse(const Request &request);
};

// A modal dialog, box, chooser or menu of the library, made on the heap and guarded: a parent
// that dies inside the loop takes it along, and this holder then finds nothing to delete.
// Whatever still lives when the holder goes is deleted with it. Never put a modal object on the
// stack or in a unique_ptr: a window the host closes inside the loop would free it twice.
template<typename T>
class Modal
{
public:
    template<typename... Args>
    explicit Modal(Args &&...args)
        : m_object(new T(std::forward<Args>(args)...))
    {
    }
    ~Modal() { delete m_object.data(); }
    Modal(const Modal &) = delete;
    Modal &operator=(const Modal &) = delete;

    T *get() const { return m_object.data(); }
    T *operator->() const { return m_object.data(); }
    T &operator*() const { return *m_object; }
    explicit operator bool() const { return !m_object.isNull(); }

    ModalSeam::Result run(const QObject *owner = nullptr,
                          ModalSeam::Kind kind = ModalSeam::Kind::Dialog)
    {
        return ModalSeam::run(m_object.data(), owner, kind);
    }
    ModalSeam::Result runMenu(const QPoint &pos, const QObject *owner = nullptr,
                              QAction *at = nullptr)
    {
        return ModalSeam::runMenu(m_object.data(), pos, owner, at);
    }

private:
    QPointer<T> m_object;
};

} // namespace tesk::system
