// Fills in the frame link through which the subsystems' dialogs reach the store and the
// translated labels.
#include "frame/core/framelink.h"
#include "frame/services/cuii18n.h"
#include "frame/services/teskfile.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

namespace {

QWidget *currentMainWindow()
{
    return Store::currentMainWindow();
}

void setModalDialogShown(bool shown)
{
    Store::instance()->setModalDialogShown(shown);
}

const bool g_frameLinkFilled =
    (tesk::frame::setFrameLink({&currentMainWindow, &setModalDialogShown, &cuiInstallTranslations,
                                &cuiStandardLabels, &TeskFile::expandName}),
     true);

} // namespace
