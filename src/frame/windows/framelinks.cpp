// Fills in the frame link through which the subsystems' dialogs reach the store and the
// translated labels.
#include "frame/app/splashscreen.h"
#include "frame/core/framelink.h"
#include "frame/core/paneseams.h"
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

void markPanePopupShown()
{
    if (MainWindow *window = Store::currentMainWindow())
        window->setPanePopupShown(true);
}

QWidget *createSplash(const char *imageName, const QString &installDir)
{
    return new SplashScreen(imageName, installDir);
}

const bool g_frameLinkFilled =
    (tesk::frame::setFrameLink({&currentMainWindow, &setModalDialogShown, &cuiInstallTranslations,
                                &cuiStandardLabels, &createSplash, &TeskFile::expandName}),
     true);

const bool g_panePopupMarkInstalled =
    (tesk::core::addFrameServiceHooks({nullptr, nullptr, nullptr, &markPanePopupShown}), true);

} // namespace
