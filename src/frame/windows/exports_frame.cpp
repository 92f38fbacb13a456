// Choosing, creating and showing main windows; the splash.
#include <tesk/tesk_frame.h>

#include "frame/app/splashscreen.h"
#include "frame/core/exportguard.h"
#include "frame/windows/framecreation.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

#include <QCoreApplication>

void QtCreateNewCode(int flag)
{
    TESK_GUARDED_VOID([&] {
        Store::instance()->setNewCodeWindow(flag != 0);
        if (flag)
            Store::setMenuCallbackStage(Store::MenuCallbacksOpen);
    });
}

void QtCreateNewSpr(int flag)
{
    TESK_GUARDED_VOID([&] {
        QtCreateNewCode(flag);
        Store::instance()->setSprWindow(flag != 0);
    });
}

void QtCreateNewEditor(int flag)
{
    TESK_GUARDED_VOID([&] {
        QtCreateNewCode(flag);
        Store::instance()->setEditorWindow(flag != 0);
    });
}

TeskHandle QtFrameCreate(const char *name, TeskHandle frameContext, CuiFrameRecord *record)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        if (!tesk::applicationExists()) {
            if (record)
                record->result = 1;
            return TeskHandle(0);
        }
        return tesk::frame::createFrame(name, frameContext, record);
    });
}

void QtFrameShow(void)
{
    TESK_GUARDED_VOID([] { tesk::frame::showFrame(); });
}

void QtShowSplash(int show, const char *imageName, const char *installDir)
{
    TESK_GUARDED_VOID([&] {
        if (show && !tesk::applicationExists())
            return;
        if (show)
            SplashScreen::showSplash(imageName,
                                     installDir ? QString::fromLocal8Bit(installDir) : QString());
        else
            SplashScreen::removeSplash();
    });
}

void CuiSetSplashMessage(const char *)
{
    TESK_GUARDED_VOID([] {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 500);
    });
}
