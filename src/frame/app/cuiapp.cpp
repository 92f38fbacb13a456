#include "frame/app/cuiapp.h"

#include "frame/app/cuiwinapp.h"
#include "frame/app/metalstyle.h"
#include "frame/app/norwegianwoodstyle.h"
#include "frame/app/uiidle.h"
#include "frame/core/exportguard.h"
#include "frame/core/toolkittext.h"
#include "frame/services/cuii18n.h"
#include "frame/services/richtextimages.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/framecreation.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "frame/windows/toolbars/embeddedimages.h"
#include "objectinspector/inspectorstartup.h"
#include "system/debugoutput.h"
#include "system/lifetime.h"
#include "system/modalseam.h"
#include "system/singleinstance.h"

#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QThread>
#include <QWidget>

#include <deque>
#include <dlfcn.h>
#include <string>
#include <utility>
#include <vector>

namespace tesk::app {

namespace {

constexpr int kInstanceIdBufferSize = 260;
constexpr int kHomeBytesInId = kInstanceIdBufferSize - 3;

struct ProcessFrame
{
    CuiWinApp *application = nullptr;
    QPointer<UIIdle> idle;
    bool frameCreated = false;
    bool loopRunning = false;
    // A shutdown asked for while no loop ran: the next CuiRun ends at once.
    bool quitPending = false;
    StyleFlags styles;
    // QApplication keeps a reference to the count and pointers into the vector for as long as
    // it lives, so both stay here.
    int argc = 0;
    std::deque<std::string> argumentStorage;
    std::vector<char *> argv;
};

ProcessFrame &frame()
{
    static ProcessFrame f;
    return f;
}

void cuiQtMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const std::string text = message.isNull() ? std::string("(null)") : message.toStdString();
    system::debugOutput(text + '\n');
    if (type == QtFatalMsg)
        system::exitProcess(1);
}

void buildArguments(const char *programName, const QStringList &words)
{
    ProcessFrame &f = frame();
    f.argumentStorage.clear();
    f.argv.clear();
    f.argumentStorage.emplace_back(programName ? programName : "");
    for (const QString &word : words)
        f.argumentStorage.emplace_back(word.toUtf8().toStdString());
    for (std::string &argument : f.argumentStorage)
        f.argv.push_back(argument.data());
    f.argv.push_back(nullptr);
    f.argc = int(f.argumentStorage.size());
}

bool userAcceptsSecondInstance()
{
    const QString home = QString::fromLocal8Bit(qgetenv("KSODEBUG_HOME"));
    const QString text =
        QObject::tr("<qt>Another copy of Kestrova Debugger is already running, which is using "
                    "the same home area as this instance. The home area is<p><nobr><b>%1</b>"
                    "</nobr><p>Multiple copies of Kestrova Debugger sharing the same home area "
                    "can lead to file corruption!<p>If you wish to start this copy press Yes, "
                    "otherwise press No.</qt>")
            .arg(home.toHtmlEscaped());
    return system::ModalSeam::messageBox(
               nullptr, QMessageBox::Critical, QObject::tr("Kestrova Debugger"), text,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

// What the library puts on a host's application goes back when the library unloads: a message
// handler or a style left pointing into an unloaded library would take the host down with its
// next warning or with its application's end. The process's end hands back the handler only:
// by then the toolkit's own statics may have gone, and setting a look would read them.
class HostsOwn
{
public:
    void installMessageHandler()
    {
        const QtMessageHandler before = qInstallMessageHandler(cuiQtMessageHandler);
        if (!std::exchange(m_handlerInstalled, true))
            m_handler = before;
    }
    void setStyle(QStyle *style)
    {
        if (m_style.isNull() && QApplication::style())
            m_style = QApplication::style()->name();
        QApplication::setStyle(style);
        m_set = style;
    }
    void handBack()
    {
        handBackHandler();
        handBackStyle();
    }
    // Only a host's application outlives the library or its start; the library's own takes its
    // style with it. A style the host set after ours is the host's to keep.
    void handBackStyle()
    {
        const bool hosts = qApp && !dynamic_cast<const CuiWinApp *>(qApp);
        const QStyle *style = hosts ? QApplication::style() : nullptr;
        if (!m_style.isNull() && style && style == m_set)
            QApplication::setStyle(m_style);
        m_style.clear();
        m_set = nullptr;
    }
    ~HostsOwn() { handBackHandler(); }

private:
    void handBackHandler()
    {
        // A handler the host installed after ours is the host's to keep.
        if (std::exchange(m_handlerInstalled, false)) {
            const QtMessageHandler current = qInstallMessageHandler(m_handler);
            if (current != cuiQtMessageHandler)
                qInstallMessageHandler(current);
        }
    }

    bool m_handlerInstalled = false;
    QtMessageHandler m_handler = nullptr;
    QString m_style;
    QPointer<QStyle> m_set;
};

HostsOwn g_hostsOwn;

void (*g_endToolkitHolders)() = nullptr;

// The plain Windows look comes before the another-copy question, which it is to show.
void applyPlainStyle()
{
    if (qEnvironmentVariableIsSet("KSODEBUG_ENABLE_ZEBSTYLE")) {
        if (QStyle *style = QStyleFactory::create(tesk::core::keptByToolkit("Windows")))
            g_hostsOwn.setStyle(style);
    }
}

void applyStyles(const StyleFlags &flags)
{
    StyleFlags &chosen = frame().styles;
    chosen.wood = flags.wood || qEnvironmentVariableIsSet("GIVE_ME_WOOD");
    chosen.metal = flags.metal || qEnvironmentVariableIsSet("GIVE_ME_METAL");
    // Both may be asked for: the later one wins.
    if (chosen.wood)
        g_hostsOwn.setStyle(new NorwegianWoodStyle);
    if (chosen.metal)
        g_hostsOwn.setStyle(new MetalStyle);
}

// The platform the command line asks for ("-platform name[:options]") is one whose plug-in is
// installed: the toolkit ends the process when it cannot load the one asked for.
bool requestedPlatformAvailable(const QStringList &words)
{
    const qsizetype at = words.indexOf(QStringLiteral("-platform"));
    if (at < 0 || at + 1 >= words.size())
        return true;
    const QString key = words.at(at + 1).section(QLatin1Char(':'), 0, 0).toLower();
    QStringList folders{QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                        QStringLiteral("/platforms")};
    for (const QString &path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << path + QStringLiteral("/platforms");
    folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    for (const QString &folder : std::as_const(folders)) {
        if (folder.isEmpty())
            continue;
        const QStringList plugins = QDir(folder).entryList(QDir::Files);
        for (const QString &plugin : plugins) {
            if (plugin.toLower().startsWith(QStringLiteral("libq") + key))
                return true;
        }
    }
    system::debugOutput("no platform plug-in \"" + key.toStdString() + "\" is installed\n");
    return false;
}

// A host that made its own application keeps it: the library only styles it, and CuiRun runs
// its loop. Windows need a widget application; any other kind cannot carry the library.
int adoptHostApplication(const char *commandLine)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        system::debugOutput("the host's application has no widgets; the library cannot start\n");
        return 0;
    }
    applyPlainStyle();
    applyStyles(
        styleFlags(splitCommandLine(QString::fromLocal8Bit(commandLine ? commandLine : ""))));
    tesk::frame::setRichTextImageSource(&tesk::frame::embeddedImage);
    return 1;
}

void deleteWindows(const QList<QPointer<QWidget>> &windows)
{
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

// Deletes what the library's application leaves: its windows, what else holds toolkit objects,
// then the application itself.
void endOwnApplication()
{
    ProcessFrame &f = frame();
    tesk::setStarted(false);
    // The application object does not delete the windows still open; they go first, while
    // the toolkit they need is still there.
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : topLevels) {
        if (!window->parent())
            windows << window;
    }
    deleteWindows(windows);
    DockWidget::unwatchFrameFocus();
    delete f.idle.data();
    tesk::frame::setRichTextImageSource(nullptr);
    if (g_endToolkitHolders)
        g_endToolkitHolders();
    // The next start installs its own; kept, these would outlive every application.
    cuiRemoveTranslations();
    delete f.application;
    f.application = nullptr;
}

// A window of one of the library's own classes (a dialog, the synchronisation window, a tool
// tip): the description of its class lies in the library.
bool ofLibraryClass(const QWidget *window)
{
    Dl_info library{};
    Dl_info its{};
    return dladdr(&MainWindow::staticMetaObject, &library) && dladdr(window->metaObject(), &its) &&
           its.dli_fbase == library.dli_fbase;
}

// Ends what the library made in a host's application, which goes on without it: the main
// windows (with their dock windows and menus), the top-level windows, the other windows of its
// classes, the idle object, the inspector client, and the watches and providers it put on the
// application.
void endInHostsApplication()
{
    tesk::setStarted(false);
    DockWidget::unwatchFrameFocus();
    QList<QPointer<QWidget>> windows;
    if (const Store *store = Store::existing()) {
        for (MainWindow *window : store->mainWindows())
            windows << window;
        for (QMainWindow *window : store->topLevelWindows())
            windows << window;
    }
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget *window : topLevels) {
        if (ofLibraryClass(window))
            windows << window;
    }
    deleteWindows(windows);
    delete frame().idle.data();
    tesk::frame::setRichTextImageSource(nullptr);
    tesk::inspector::endClient();
}

// A host may delete its application before it unloads the library (one on main's stack): what
// the library made in it ends first, while the toolkit is whole, as at the end of CuiRun. The
// application's destructor calls this before it takes its widgets down.
void hostsApplicationEnds()
{
    endInHostsApplication();
    if (g_endToolkitHolders)
        g_endToolkitHolders();
    cuiRemoveTranslations();
}

// What CuiRun does once its loop has ended: the host's own application and windows stay the
// host's; its rich text stops asking us.
void endStart()
{
    if (frame().application) {
        endOwnApplication();
        return;
    }
    endInHostsApplication();
    // The host's own windows go on until the next start: the library's catalogues (the
    // toolkit's own texts among them) and its look leave with this one.
    cuiRemoveTranslations();
    g_hostsOwn.handBackStyle();
}

void watchHostsApplication()
{
    qRemovePostRoutine(&hostsApplicationEnds);
    qAddPostRoutine(&hostsApplicationEnds);
}

} // namespace

QStringList splitCommandLine(const QString &commandLine)
{
    static const QRegularExpression blanks(QStringLiteral(" +"));
    return commandLine.split(blanks, Qt::SkipEmptyParts);
}

QStringList toolkitWords(const QStringList &words)
{
    static const QStringList withValue = {
        QStringLiteral("stylesheet"), QStringLiteral("qwindowicon"),
        QStringLiteral("platformpluginpath"), QStringLiteral("plugin")};
    QStringList kept;
    for (qsizetype at = 0; at < words.size(); ++at) {
        const QString &word = words.at(at);
        // The library sets these looks itself; the toolkit knows none of them and would warn.
        if (word == QLatin1String("-style") && at + 1 < words.size() &&
            (words.at(at + 1) == QLatin1String("wood") ||
             words.at(at + 1) == QLatin1String("metal"))) {
            ++at;
            continue;
        }
        QStringView option(word);
        if (!option.startsWith(u'-')) {
            kept << word;
            continue;
        }
        option = option.mid(option.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = option.indexOf(u'=');
        const QStringView name = equals < 0 ? option : option.left(equals);
        if (name == u"testability")
            continue;
        if (!withValue.contains(name)) {
            kept << word;
            continue;
        }
        if (equals < 0)
            ++at;
    }
    return kept;
}

StyleFlags styleFlags(const QStringList &words)
{
    StyleFlags flags;
    const qsizetype at = words.indexOf(QStringLiteral("-style"));
    if (at < 0 || at + 1 >= words.size())
        return flags;
    const QString &style = words.at(at + 1);
    flags.wood = style == QLatin1String("wood");
    flags.metal = style == QLatin1String("metal");
    return flags;
}

QByteArray instanceIdBuffer(const char *home)
{
    QByteArray buffer("A ");
    buffer += QByteArray(home ? home : "<Unknown>").left(kHomeBytesInId);
    return buffer;
}

QString applicationId(const char *home)
{
    return QString::fromUtf8(instanceIdBuffer(home)).toLower();
}

void installMessageHandler()
{
    g_hostsOwn.installMessageHandler();
}

int initialise(const char *programName, const char *commandLine)
{
    installMessageHandler();
    // A host that shut the start down and starts again without CuiRun asks for a new start (its
    // language, its look): the first ends here as CuiRun would have ended it. Only outside
    // every loop and host call, where nothing of the first start is on the stack.
    if (frame().quitPending && !frame().loopRunning && QThread::currentThread()->loopLevel() == 0 &&
        !tesk::lifetime::inScope()) {
        frame().quitPending = false;
        endStart();
    }
    // One application per process: a start-up while one is up keeps it.
    if (frame().application)
        return 1;
    if (QCoreApplication::instance()) {
        const int started = adoptHostApplication(commandLine);
        if (started) {
            tesk::frame::translationsForNewStart();
            watchHostsApplication();
            tesk::inspector::startClientFromEnvironment();
            tesk::setStarted(true);
        }
        return started;
    }

    const QStringList words =
        splitCommandLine(QString::fromLocal8Bit(commandLine ? commandLine : ""));
    if (!requestedPlatformAvailable(words))
        return 0;
    buildArguments(programName, toolkitWords(words));
    const StyleFlags flags = styleFlags(words);

    const QByteArray home = qgetenv("KSODEBUG_HOME");
    const QString id =
        applicationId(qEnvironmentVariableIsSet("KSODEBUG_HOME") ? home.constData() : nullptr);
    ProcessFrame &f = frame();
    f.application = new CuiWinApp(id, f.argc, f.argv.data());
    applyPlainStyle();

    // The check also claims the home area: of several started at once only one goes unasked.
    if (!qEnvironmentVariableIsSet("KSODEBUG_ALLOW_MULTIPLE_INSTANCES") && f.application->claim() &&
        !userAcceptsSecondInstance()) {
        f.application->quit();
        delete f.application;
        f.application = nullptr;
        return 0;
    }
    f.application->initialize(true);
    tesk::frame::translationsForNewStart();
    applyStyles(flags);
    // Widgets and rich text name the toolbar pictures by file name; none is installed.
    tesk::frame::setRichTextImageSource(&tesk::frame::embeddedImage);
    tesk::inspector::startClientFromEnvironment();
    tesk::setStarted(true);
    return 1;
}

StyleFlags chosenStyles()
{
    return frame().styles;
}

CuiWinApp *application()
{
    return frame().application;
}

QStringList arguments()
{
    QStringList list;
    for (const std::string &argument : frame().argumentStorage)
        list << QString::fromStdString(argument);
    return list;
}

int run()
{
    ProcessFrame &f = frame();
    if (!QCoreApplication::instance())
        return 1;
    // A loop run from inside another one (a callback of the running loop, a host timer inside
    // a dialog or box, a host function the library called) would end the application under it
    // once it returned.
    if (f.loopRunning || QThread::currentThread()->loopLevel() > 0 || tesk::lifetime::inScope())
        return 0;
    if (!std::exchange(f.quitPending, false)) {
        f.loopRunning = true;
        QCoreApplication::exec();
        f.loopRunning = false;
    }
    // The claim outlives the start: a restart in this load must not ask about a copy that is
    // itself only asking.
    if (frame().application)
        frame().application->keepClaimForNextStart();
    endStart();
    return 1;
}

void setToolkitHoldersEnd(void (*end)())
{
    g_endToolkitHolders = end;
}

void endAtUnload()
{
    qRemovePostRoutine(&hostsApplicationEnds);
    if (frame().application)
        endOwnApplication();
    else if (QCoreApplication::instance())
        hostsApplicationEnds();
    cuiRemoveTranslations();
    tesk::system::SingleInstance::dropKeptClaim();
    g_hostsOwn.handBack();
}

void pump()
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::processEvents();
    // Outside a loop nobody carries out the deleteLater of an export; a host with a loop of
    // its own would pile the objects up.
    if (QThread::currentThread()->loopLevel() == 0)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int shutdown()
{
    ProcessFrame &f = frame();
    if (!f.frameCreated || !QCoreApplication::instance())
        return 1;
    // Asking a loop that does not run to quit would leave the request standing for the next
    // one, which every popup and dialog of a pumping host would end at once.
    const int loops = QThread::currentThread()->loopLevel();
    if (!f.loopRunning && loops == 0) {
        f.quitPending = true;
        return 0;
    }
    // From inside the library's own boxes and menus in a pumping host, those end as if
    // dismissed and the request waits for the next run: the toolkit's own quit would stand
    // for every later box, and be forgotten by the next run, which would then never return.
    if (!f.loopRunning && loops == tesk::system::ModalSeam::runningLoops()) {
        f.quitPending = true;
        tesk::system::ModalSeam::endRunningLoops();
        return 0;
    }
    // Leave the loop as the host asked. quit() would first offer every window a close event,
    // which runs the windows' close sequence with the host and lets a window veto the shutdown.
    QCoreApplication::exit(0);
    return 0;
}

void setFrameCreated(bool created)
{
    frame().frameCreated = created;
}

bool frameCreated()
{
    return frame().frameCreated;
}

UIIdle *idleObject()
{
    return frame().idle;
}

bool createIdleObject()
{
    if (frame().idle)
        return false;
    frame().idle = new UIIdle;
    return true;
}

bool deleteIdleObject()
{
    if (!frame().idle)
        return false;
    delete frame().idle.data();
    return true;
}

} // namespace tesk::app
