#include "testhost.h"

#include "eventsubjecthost.h"
#include "simulatedcores.h"

#include "system/debugoutput.h"

#include <tesk/tesk_dialogs.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QSettings>
#include <QThread>
#include <QWidget>

#include <cstdlib>
#include <stdexcept>

namespace testhost {

namespace {

QString &home()
{
    static QString h;
    return h;
}

int &ticks()
{
    static int t = 0;
    return t;
}

int recordingGui(int code, intptr_t object, intptr_t commandId, const char *text,
                 intptr_t windowBox)
{
    Recorder &r = Recorder::instance();
    r.calls.push_back({"gui", commandId, text ? text : "", windowBox, code, object});
    return r.guiResult;
}

int recordingEeaccess(int code, intptr_t object, intptr_t commandId, const char *text, intptr_t)
{
    Recorder &r = Recorder::instance();
    r.calls.push_back({"eeaccess", commandId, text ? text : "", 0, code, object});
    return r.eeaccessResult;
}

int recordingStringList(TeskHandle handle, char **text)
{
    Recorder &r = Recorder::instance();
    r.calls.push_back({"eeaccessFuncs.1", 0, std::string(), handle});
    *text = r.stringListText.data();
    return r.stringListResult;
}

void *eeaccessFuncs[] = {nullptr, reinterpret_cast<void *>(&recordingStringList)};

void makeHome()
{
    char pattern[] = "/tmp/tesk-test-home-XXXXXX";
    const char *dir = mkdtemp(pattern);
    if (!dir)
        throw std::runtime_error("cannot create a temporary home area");
    home() = QString::fromLocal8Bit(dir);
    setenv("KSODEBUG_HOME", dir, 1);
}

} // namespace

void startLibrary()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("KSODEBUG_INSTALL", TESK_STAGE_DIR, 0);
    if (!getenv("KSODEBUG_HOME"))
        makeHome();
    else
        home() = QString::fromLocal8Bit(getenv("KSODEBUG_HOME"));
    // The user's settings (remembered directories) stay in the temporary home.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home() + "/settings");

    SimulatedCores::registerWithBroker();
    EventSubjectHost::instance().registerWithBroker();
    MoskBroker *broker = moskGetObjectBroker();
    if (MoskResult result = moskInitialisePlugin(reinterpret_cast<MoskRegistrar *>(broker))) {
        result->ops->Release(result);
        throw std::runtime_error("plug-in registration failed");
    }
    char commandLine[] = "";
    if (CuiQtInit_WinEx("tesk-tests", commandLine) != 1)
        throw std::runtime_error("start-up declined");
}

QString homeDir()
{
    return home();
}

bool pumpUntil(const std::function<bool()> &predicate, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!predicate()) {
        if (deadline.hasExpired())
            return false;
        CuiPump();
        QThread::msleep(5);
    }
    return true;
}

void pumpFor(int ms)
{
    pumpUntil([] { return false; }, ms);
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

DebugCapture::DebugCapture()
{
    tesk::system::setDebugSink([this](const std::string &text) { m_text += text; });
}

DebugCapture::~DebugCapture()
{
    tesk::system::setDebugSink({});
}

Recorder &Recorder::instance()
{
    static Recorder recorder;
    return recorder;
}

int Recorder::count(const std::string &entry) const
{
    int n = 0;
    for (const HostCall &call : calls)
        n += call.entry == entry;
    return n;
}

void publishHostEntryPoints()
{
    CuiFunctionRegistryAddFunction("gui", reinterpret_cast<CuiRegistryFn>(&recordingGui));
    CuiFunctionRegistryAddFunction("eeaccess", reinterpret_cast<CuiRegistryFn>(&recordingEeaccess));
}

void withdrawHostEntryPoints()
{
    CuiFunctionRegistryRemoveFunction("gui");
    CuiFunctionRegistryRemoveFunction("eeaccess");
}

void publishEeaccessFuncs()
{
    CuiFunctionRegistryAddVoidStar("eeaccessFuncs", eeaccessFuncs);
}

void withdrawEeaccessFuncs()
{
    CuiFunctionRegistryRemoveVoidStar("eeaccessFuncs");
}

void recordingIdle()
{
    ++ticks();
}

int idleTicks()
{
    return ticks();
}

QWidget *openFindPanel(QSDIFind **find)
{
    if (QtQSDIInitFindCallback(find, 0, 0) != 0)
        return nullptr;
    QSDIDescription *d = nullptr;
    QtQSDIInitDialog(&d, QSDI_KIND_FIND_REPLACE, 0, QSDI_MODE_MODELESS, 0, 0);
    QtQSDIAddCallback(
        d, [](void *) {}, *find);
    QtQSDIExecDialog(d);
    QtQSDIDeleteDialog(d);
    return windowKeptOnTop();
}

QWidget *windowKeptOnTop()
{
    QWidget *kept = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            kept = widget;
    return kept;
}

} // namespace testhost
