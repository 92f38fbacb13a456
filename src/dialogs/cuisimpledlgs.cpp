#include "dialogs/cuisimpledlgs.h"

#include "dialogs/cuimessagebox.h"
#include "dialogs/dialogtext.h"
#include "dialogs/qsdirecords.h"
#include "dialogs/simpledialog.h"
#include "frame/core/cuidebuginfo.h"
#include "frame/core/cuihandles.h"
#include "frame/core/cuitextutils.h"
#include "frame/core/services.h"
#include "system/modalseam.h"

#include <QApplication>
#include <QPointer>

namespace tesk::dialogs {

using tesk::system::Modal;
using tesk::system::ModalSeam;

bool canShowWindows(const char *what)
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        return true;
    qWarning("%s: the library is not started; nothing is shown", what);
    return false;
}

QMessageBox::StandardButton runToolkitBox(QMessageBox::Icon icon, const char *caption,
                                          const char *text, QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton,
                                          QMessageBox::StandardButton escapeButton)
{
    if (!canShowWindows("message box"))
        return escapeButton;
    const QString title = caption ? dialogLineUtf8(caption)
                                  : QCoreApplication::translate("QObject", "Kestrova Debugger");
    QWidget *window = tesk::core::frameServices().currentMainWindow();
    Modal<QMessageBox> box(icon, title, dialogTextUtf8(text), buttons, window);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(defaultButton);
    box->setEscapeButton(escapeButton);
    // A window closed under the question takes the box along: that is no answer.
    if (!box.run(window, ModalSeam::Kind::MessageBox).alive || !box)
        return escapeButton;
    QAbstractButton *clicked = box->clickedButton();
    return clicked ? box->standardButton(clicked) : escapeButton;
}

int messagePrompt(const char *caption, const char *text, int icon, int button0, int button1,
                  int button2)
{
    if (CuiDebugInfo::promptsSuppressed() || !canShowWindows("CuiMessagePrompt"))
        return 0;
    // The question icon is not offered to the host.
    const int kind = icon >= CuiMessageBox::Information && icon <= CuiMessageBox::Critical
                         ? icon
                         : CuiMessageBox::NoIcon;
    QWidget *window = tesk::core::frameServices().currentMainWindow();
    Modal<CuiMessageBox> box(dialogLineLatin1(caption), dialogTextLatin1(text), kind, button0,
                             button1, button2, window, "CuiMessageBox", false);
    box->setTextFormat(Qt::PlainText);
    const ModalSeam::Result result = box.run(window, ModalSeam::Kind::MessageBox);
    return result.alive ? result.code : 0;
}

namespace {

// Lowers the main windows' modal mark however the run ends.
struct ModalMark
{
    ModalMark() { tesk::core::frameServices().setModalDialogShown(true); }
    ~ModalMark() { tesk::core::frameServices().setModalDialogShown(false); }
    ModalMark(const ModalMark &) = delete;
    ModalMark &operator=(const ModalMark &) = delete;
};

} // namespace

int execDescription(const QSDIDescription &description)
{
    if (!canShowWindows("QtQSDIExecDialog"))
        return 0;
    tesk::core::frameServices().installTranslations();
    switch (description.mode) {
    case QSDI_MODE_MODAL: {
        QWidget *window = tesk::core::frameServices().currentMainWindow();
        Modal<SimpleDialog> dialog(description, dialogLabels(), window);
        ModalMark mark;
        const ModalSeam::Result result = dialog.run(window);
        return result.alive ? result.code : 0;
    }
    case QSDI_MODE_MODELESS:
    case QSDI_MODE_MODAL_NO_WAIT: {
        auto *dialog = new SimpleDialog(description, dialogLabels(),
                                        tesk::core::frameServices().currentMainWindow());
        dialog->show();
        return 0;
    }
    default:
        // Built and never shown, it would only pile up hidden (and hold a find panel "open").
        return 0;
    }
}

int runDialogHandle(QDialog &dialog)
{
    // A dialog that deletes itself when closed ends the run "not alive", yet the user's answer
    // stands: it is taken as the dialog finishes. One the host destroys, or whose window it
    // closes, from inside the loop is rejected first, and answers 0.
    int finished = 0;
    const QMetaObject::Connection answer =
        QObject::connect(&dialog, &QDialog::finished, [&finished](int code) { finished = code; });
    const QPointer<QDialog> guard(&dialog);
    const ModalSeam::Result result = ModalSeam::run(&dialog, dialog.parentWidget());
    if (guard)
        QObject::disconnect(answer);
    return result.alive ? result.code : finished;
}

} // namespace tesk::dialogs
