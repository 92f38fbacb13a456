#pragma once

#include <QMessageBox>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QDialog;
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

    static int execDialog(QDialog *dialog, Kind kind = Kind::Dialog);
    static QAction *execMenu(QMenu *menu, const QPoint &pos, QAction *at = nullptr);
    static QMessageBox::StandardButton messageBox(QWidget *parent, QMessageBox::Icon icon,
                                                  const QString &caption, const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton);

private:
    static void scheduleResponse(const Request &request);
};

} // namespace tesk::system
