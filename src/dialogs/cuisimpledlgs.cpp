#include "dialogs/cuisimpledlgs.h"

#include "dialogs/cuimessagebox.h"
#include "dialogs/qsdirecords.h"
#include "dialogs/simpledialog.h"
#include "frame/core/cuidebuginfo.h"
#include "frame/core/cuihandles.h"
#include "frame/core/cuitextutils.h"
#include "frame/core/framelink.h"
#include "system/modalseam.h"

#include <QApplication>
#include <QPointer>

namespace tesk::dialogs {

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
    const QString title = caption ? QString::fromUtf8(caption)
                                  : QCoreApplication::translate("QObject", "Kestrova Debugger");
    QMessageBox box(icon, title, QString::fromUtf8(text), buttons, frame::currentMainWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escapeButton);
    ModalSeam::execDialog(&box, ModalSeam::Kind::MessageBox);
    QAbstractButton *clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : escapeButton;
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
    QPointer<CuiMessageBox> box =
        new CuiMessageBox(cuiTranslateLatin1(caption), cuiTranslateLatin1(text), kind, button0,
                          button1, button2, frame::currentMainWindow(), "CuiMessageBox", false);
    box->setTextFormat(Qt::PlainText);
    const int result = ModalSeam::execDialog(box, ModalSeam::Kind::MessageBox);
    delete box;
    return result;
}

namespace {

// Lowers the main windows' modal mark however the run ends.
struct ModalMark
{
    ModalMark() { frame::setModalDialogShown(true); }
    ~ModalMark() { frame::setModalDialogShown(false); }
    ModalMark(const ModalMark &) = delete;
    ModalMark &operator=(const ModalMark &) = delete;
};

} // namespace

int execDescription(const QSDIDescription &description)
{
    if (!canShowWindows("QtQSDIExecDialog"))
        return 0;
    static bool translationsInstalled = false;
    if (!translationsInstalled) {
        translationsInstalled = true;
        frame::installTranslations();
    }
    switch (description.mode) {
    case QSDI_MODE_MODAL: {
        QPointer<SimpleDialog> dialog =
            new SimpleDialog(description, dialogLabels(), frame::currentMainWindow());
        int result;
        {
            ModalMark mark;
            result = ModalSeam::execDialog(dialog);
        }
        delete dialog;
        return result;
    }
    case QSDI_MODE_MODELESS:
    case QSDI_MODE_MODAL_NO_WAIT: {
        auto *dialog = new SimpleDialog(description, dialogLabels(), frame::currentMainWindow());
        dialog->show();
        return 0;
    }
    default:
        // Built and never shown, it would only pile up hidden (and hold a find panel "open").
        return 0;
    }
}

int runDialogHandle(const char *exportName, void *handle)
{
    auto *dialog = qobject_cast<QDialog *>(tesk::handles::object(handle));
    if (!dialog) {
        qWarning("%s: %p is not a dialog handed out by this library", exportName, handle);
        return 0;
    }
    return ModalSeam::execDialog(dialog);
}

} // namespace tesk::dialogs
