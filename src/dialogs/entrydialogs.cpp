#include "dialogs/entrydialogs.h"
#include "frame/core/services.h"

#include "dialogs/aboutdialog.h"
#include "dialogs/cuisimpledlgs.h"
#include "dialogs/dialogtext.h"
#include "dialogs/gotolinedlg.h"
#include "dialogs/listselectiondlg.h"
#include "dialogs/simpleentrydlg.h"
#include "dialogs/simpleentrypddlg.h"
#include "dialogs/sourcelocationdlg.h"
#include "dialogs/userinfodlg.h"
#include "frame/core/cuidebuginfo.h"
#include "frame/core/cuitextutils.h"
#include "frame/core/hosttext.h"
#include "system/modalseam.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>

#include <algorithm>
#include <cstring>

namespace tesk::dialogs {

using tesk::system::ModalSeam;

namespace {

using tesk::system::Modal;

// Runs the dialog for the window it belongs to; take reads the answer, only when the dialog was
// accepted and neither it nor its window was ended inside the loop.
template<typename Dialog, typename Take>
bool runAndTake(Modal<Dialog> &dialog, Take take)
{
    if (!dialog.run(dialog->parentWidget()).accepted() || !dialog)
        return false;
    take(*dialog);
    return true;
}

// A hidden main window would take its dialog out of sight along with it.
QWidget *visibleMainWindow()
{
    QWidget *window = tesk::core::frameServices().currentMainWindow();
    return window && window->isVisible() ? window : nullptr;
}

QString listCaption(const char *caption)
{
    return caption ? dialogLineLatin1(caption)
                   : QCoreApplication::translate("QObject", "Kestrova Debugger");
}

void writePositions(const QList<int> &chosen, int32_t *positions, int32_t bound, int32_t *count)
{
    const qsizetype room = positions ? std::max<int32_t>(bound, 0) : 0;
    const qsizetype written = std::min(chosen.size(), room);
    std::copy_n(chosen.cbegin(), written, positions);
    if (count)
        *count = int32_t(written);
}

template<typename Dialog>
int runEntry(Modal<Dialog> &dialog, const char *caption, const char *message, const char *value,
             char *buffer, int32_t size, const char *okText, int32_t helpId)
{
    if (caption)
        dialog->setWindowTitle(dialogLineLatin1(caption));
    dialog->setMessage(dialogTextLatin1(message));
    dialog->setValue(dialogLineLatin1(value, false));
    if (helpId != 0) {
        dialog->setHelpId(helpId);
        dialog->setHelpFunction(&showDialogHelp);
    }
    if (okText)
        dialog->setOkText(dialogLineLatin1(okText));
    return runAndTake(dialog,
                      [&](Dialog &d) {
                          core::writeCut(d.getValue().toUtf8(), buffer, size, core::Encoding::Utf8,
                                         core::Padding::Zeros);
                      })
               ? 1
               : 0;
}

void nameInputDialog(QInputDialog *dialog, const char *name, const char *caption, const char *label)
{
    dialog->setObjectName(QLatin1String(name));
    dialog->setWindowTitle(dialogLineLatin1(caption));
    dialog->setLabelText(dialogLineLatin1(label));
    // The host's label is shown as written.
    for (QLabel *text : dialog->findChildren<QLabel *>())
        text->setTextFormat(Qt::PlainText);
}

} // namespace

int simpleList(const char *caption, const char *description, const char *items, int32_t *positions,
               int32_t bound, int32_t *count, bool multiple, int32_t helpId)
{
    if (CuiDebugInfo::promptsSuppressed() || !canShowWindows("CuiSimpleList"))
        return 0;
    Modal<ListSelectionDlg> dialog(visibleMainWindow(), "CuiSimpleList", true);
    dialog->setCaption(listCaption(caption));
    // Markup in the host's description is shown as written. Without one the dialog says
    // what to do itself.
    if (description)
        dialog->setDescription(QLatin1String("<qt>") +
                               tesk::core::escapeMarkup(dialogTextLatin1(description)) +
                               QLatin1String("</qt>"));
    dialog->setMultiSelection(multiple);
    dialog->setItems(dialogListLatin1(items).split(u'\n', Qt::SkipEmptyParts));
    if (helpId != 0)
        dialog->setHelpId(helpId);
    dialog->setHelpFunction(&showDialogHelp);
    return runAndTake(dialog,
                      [&](ListSelectionDlg &d) {
                          if (!d.isMultiSelection()) {
                              // One pick always has its place: the bound only limits a
                              // check list, so a host passing 0 still learns the user's pick.
                              if (positions)
                                  positions[0] = d.currentIndex();
                              if (count)
                                  *count = 1;
                              return;
                          }
                          QList<int> chosen;
                          d.checkedPositions(chosen);
                          writePositions(chosen, positions, bound, count);
                      })
               ? 1
               : 0;
}

int simpleEntry(EntryKind kind, const char *caption, const char *message, const char *value,
                char *buffer, int32_t size, const char *okText, int32_t helpId)
{
    if (CuiDebugInfo::promptsSuppressed() || !canShowWindows("CuiSimpleEntry"))
        return 0;
    QWidget *parent = tesk::core::frameServices().currentMainWindow();
    if (kind == EntryKind::DropDown) {
        Modal<SimpleEntryPDDlg> dialog(parent);
        return runEntry(dialog, caption, message, value, buffer, size, okText, helpId);
    }
    Modal<SimpleEntryDlg> dialog(parent);
    return runEntry(dialog, caption, message, value, buffer, size, okText, helpId);
}

bool entryInteger(const char *caption, const char *label, int32_t value, int32_t step,
                  int32_t minimum, int32_t maximum, int32_t *result)
{
    if (CuiDebugInfo::promptsSuppressed() || !canShowWindows("CuiSimpleEntryInteger"))
        return false;
    Modal<QInputDialog> dialog(tesk::core::frameServices().currentMainWindow());
    nameInputDialog(dialog.get(), "CuiSimpleEntryInteger", caption, label);
    dialog->setInputMode(QInputDialog::IntInput);
    dialog->setIntRange(minimum, maximum);
    dialog->setIntStep(step);
    dialog->setIntValue(value);
    return runAndTake(dialog, [&](QInputDialog &d) { *result = d.intValue(); });
}

bool entryDouble(const char *caption, const char *label, double value, int32_t decimals,
                 double minimum, double maximum, double *result)
{
    if (CuiDebugInfo::promptsSuppressed() || !canShowWindows("CuiSimpleEntryDouble"))
        return false;
    Modal<QInputDialog> dialog(tesk::core::frameServices().currentMainWindow());
    nameInputDialog(dialog.get(), "CuiSimpleEntryDouble", caption, label);
    dialog->setInputMode(QInputDialog::DoubleInput);
    dialog->setDoubleRange(minimum, maximum);
    dialog->setDoubleDecimals(decimals);
    dialog->setDoubleValue(value);
    return runAndTake(dialog, [&](QInputDialog &d) { *result = d.doubleValue(); });
}

bool gotoLine(int32_t *line, int32_t maximum)
{
    if (!canShowWindows("CuiGotoLineDialog"))
        return false;
    Modal<GotoLineDlg> dialog(tesk::core::frameServices().currentMainWindow());
    dialog->setMaximum(maximum);
    dialog->setValue(*line);
    return runAndTake(dialog, [&](GotoLineDlg &d) { *line = d.getValue(); });
}

bool sourceLocation(const char *caption, const char *message, const char *fileName, char *buffer,
                    int32_t size)
{
    if (CuiDebugInfo::promptsSuppressed() || !canShowWindows("CuiGetSourceLocation"))
        return false;
    Modal<SourceLocationDlg> dialog(tesk::core::frameServices().currentMainWindow());
    if (caption)
        dialog->setWindowTitle(dialogLineLatin1(caption));
    if (message)
        dialog->setMessage(dialogTextLatin1(message));
    if (fileName)
        dialog->setFileName(dialogLineLatin1(fileName, false));
    return runAndTake(dialog, [&](SourceLocationDlg &d) {
        core::writeFixed(d.fileName().toUtf8(), buffer, size);
    });
}

bool userInformation(const char *templateFile, const char *outputFile)
{
    if (!canShowWindows("CuiGetUserInformation"))
        return false;
    Modal<UserInfoDlg> dialog(tesk::core::frameServices().currentMainWindow());
    // A name past the host-text limit names no file the system could open anyway.
    dialog->setTemplateFile(tesk::core::hostText(templateFile));
    dialog->setOutputFile(tesk::core::hostText(outputFile));
    return runAndTake(dialog, [](UserInfoDlg &) {});
}

void simpleAbout(const char *buildText, const char *copyrightText, const char *additionalText)
{
    if (!canShowWindows("CuiSimpleAbout"))
        return;
    Modal<AboutDialog> dialog(tesk::core::frameServices().currentMainWindow(), "about_box");
    dialog->setBuildText(dialogTextLatin1(buildText, false));
    dialog->setCopyrightText(dialogTextLatin1(copyrightText, false));
    dialog->setAdditionalText(dialogTextLatin1(additionalText, false));
    runAndTake(dialog, [](AboutDialog &) {});
}

} // namespace tesk::dialogs
