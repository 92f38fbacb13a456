#pragma once

#include "frame/windows/mainframe.h"

#include <tesk/tesk_frame.h>

#include <QString>

// Frame creation: the host chooses the kind of the next window, then asks for the frame.
namespace tesk::frame {

struct FrameKind
{
    const char *objectName;
    bool destructiveClose;
    int menuTableKind;
    enum class StatusBar { Full, Message, Bare } statusBar;
    bool colourIcon;
    bool smallIcon;
    MainWindow::WindowKind windowKind;
};

// The kind for a frame name under the store's switches.
const FrameKind &frameKindFor(const QString &name, bool sprWindow);

// Builds the next frame when the host asked for one; the native handle of the current main
// window, or 0 when there is none.
TeskHandle createFrame(const char *name, TeskHandle frameContext, CuiFrameRecord *record);
void showFrame();
// Where a main window the host gave no size stands once shown, as showFrame places it: a host
// that reads it before the show (and stores it at an early exit) gets what the show gives.
// The window's own geometry for one the host sized.
QRect mainWindowAtShow(const QMainWindow *window);

// Each start of the library installs the catalogues of its language once, with its first frame
// or box: a restart in the same load may come with another language, on a new application.
void translationsForNewStart();
void installTranslationsForStart();

// Tests put their own installer in place and re-arm the once-only installation.
void setTranslationInstallerForTest(void (*installer)());

} // namespace tesk::frame
