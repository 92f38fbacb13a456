// The looks check: every window, dock, dialog, box and menu the host can open, opened through
// the exports as a host opens them, in English and in German, in a 1280x800 and a 1024x600 main
// window, and looked at as a user would: nothing cut off or squeezed, every text whole, docks
// with room for their panes, the focus where a focus export puts it, one Alt letter per item of
// a menu, and no English among German texts.
#include "hostile/exporttable.h"
#include "hostile/reentertable.h"
#include "inspect.h"
#include "loadhost.h"
#include "modalanswers.h"
#include "offscreenscreen.h"
#include "returnkey.h"
#include "screenscenes.h"
#include "simulatedtarget.h"
#include "testhost.h"
#include "windboxhost.h"

#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "frame/windows/toolbars/findtoolbar.h"
#include "registers/regview.h"
#include "system/documentopener.h"
#include "system/modalseam.h"

#include "frame/core/combobox.h"

#include "dialogdemo.h"
#include "handsondemo.h"

#include <tesk/tesk.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDockWidget>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace looks;
namespace reenter = hostile::reenter;

// The screen the check looks on, as large as the run's main window (the setting named in the
// test filter; ctest runs each setting in a process of its own), set before the library starts
// the toolkit.
struct Screen
{
    Screen()
    {
        std::ifstream cmdline("/proc/self/cmdline");
        const std::string arguments((std::istreambuf_iterator<char>(cmdline)),
                                    std::istreambuf_iterator<char>());
        const bool small = arguments.find("1024x600") != std::string::npos &&
                           arguments.find("1280x800") == std::string::npos;
        const std::string size = small ? "1024x600" : "1280x800";
        hostcommon::useOffscreenScreen("/tmp/tesk-looks-screen-" + size + ".json",
                                       small ? 1024 : 1280, small ? 600 : 800);
    }
} screen;

// Texts the scenes hand in as the host: shown as given.
const QStringList kHostTexts = {
    QStringLiteral("Caption"),
    QStringLiteral("Text"),
    QStringLiteral("Message"),
    QStringLiteral("Label"),
    QStringLiteral("Pick"),
    QStringLiteral("one"),
    QStringLiteral("two"),
    QStringLiteral("value"),
    QStringLiteral("Folder"),
    QStringLiteral("Open"),
    QStringLiteral("Load"),
    QStringLiteral("more"),
    QStringLiteral("Core"),
    // The names the host gives its main windows, which their captions show.
    QStringLiteral("Analysis"),
    QStringLiteral("Settings Window"),
};

// Cases the check leaves out, each with the behaviour that makes it right.
const LeftOut kLeftOut[] = {
    {"main window > menu bar > View", nullptr, nullptr, kAltClash,
     "the English menu texts are the system's own, as the menu tables give them"},
    {"main window > menu bar > Debug", nullptr, nullptr, kAltClash,
     "the English menu texts are the system's own, as the menu tables give them"},
    {"editor window > menu bar > View", nullptr, nullptr, kAltClash,
     "the English menu texts are the system's own, as the menu tables give them"},
    {"editor window > menu bar > Debug", nullptr, nullptr, kAltClash,
     "the English menu texts are the system's own, as the menu tables give them"},
    {"Analysis > menu bar > Find", nullptr, nullptr, kAltClash,
     "the English menu texts are the system's own, as the menu tables give them"},
    {"Analysis > menu bar > Trace Data", nullptr, nullptr, kAltClash,
     "the English menu texts are the system's own, as the menu tables give them"},
    {"KViewMemory > QMenu > Format", nullptr, nullptr, kEnglish,
     "the memory view's format names stay untranslated, as its settings text names them"},
    {"", "QComboBox", "listFormats", kEnglish,
     "the memory view's format names stay untranslated, as its settings text names them"},
    {"KViewMemory > QMenu > Format", nullptr, nullptr, kUntranslated,
     "the memory view's format names stay untranslated, as its settings text names them"},
    {"CuiLoadImage", "QComboBox", nullptr, kUntranslated,
     "the host's filter names pass through the catalogue and show as given when it has none"},
    {"CuiSimpleFileExtra", "QComboBox", nullptr, kUntranslated,
     "the host's filter names pass through the catalogue and show as given when it has none"},
    {"CuiSimpleFileExtraMultipleEx", "QComboBox", nullptr, kUntranslated,
     "the host's filter names pass through the catalogue and show as given when it has none"},
    {"synchronisation window", "QPushButton", nullptr, kAltClash,
     "the tab \"&Cross Triggering\" and the button \"&Close\" are the system's own texts, "
     "given word for word"},
    {"demo menu > Target > Load Image...", "QComboBox", nullptr, kUntranslated,
     "the host's filter names pass through the catalogue and show as given when it has none"},
    {"demo menu > Target > Load Binary...", "QComboBox", nullptr, kUntranslated,
     "the host's filter names pass through the catalogue and show as given when it has none"},
    {"demo menu > Target > Synchronization Control...: the synchronisation window", "QPushButton",
     nullptr, kAltClash,
     "the tab \"&Cross Triggering\" and the button \"&Close\" are the system's own texts, "
     "given word for word"},
    {"top-level window with its find toolbar", "QLineEdit", "file", kTextCut,
     "in a narrow window the file field gives way first and shows the end of the name"},
};

// What the demo, a host that speaks English, writes into the boxes it asks.
const QStringList kDemoTexts = {
    QStringLiteral("Synchronise Cores"),
    QStringLiteral("Tick the cores that run & stop together:"),
    QStringLiteral("Timed Update"),
    QStringLiteral("Update the memory view every:"),
    QStringLiteral("Start Cores"),
    QStringLiteral("How many cores start with core A?"),
    QStringLiteral("Trace Output Folder"),
    QStringLiteral("Download"),
    QStringLiteral("The target did not answer while loading the image.\nTry again?"),
};

// The toolkit's German catalogue as the system has it, and the library's as it was built.
const Catalogue &german()
{
    static Catalogue catalogue = [] {
        Catalogue c;
        c.read(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
               QStringLiteral("/qtbase_de.qm"));
        c.read(QString::fromLocal8Bit(qgetenv("KSODEBUG_INSTALL")) +
               QStringLiteral("/etc/tesk_de.qm"));
        return c;
    }();
    return catalogue;
}

class Looks : public ::testing::TestWithParam<std::tuple<bool, QSize>>
{
protected:
    static void SetUpTestSuite()
    {
        testhost::publishHostEntryPoints();
        SimulatedTarget::registerWithBroker();
        tesk::system::setDocumentOpener([](const QString &) { return 0; });
        reenter::host().install();
    }

    void SetUp() override
    {
        if (m_setting.german)
            setenv("KSODEBUG_LANG", "de", 1);
        else
            unsetenv("KSODEBUG_LANG");
        ASSERT_EQ(CuiUpdateSettings(), 0);
        if (m_setting.german) {
            ASSERT_GT(german().size(), 100) << "the toolkit's German catalogue (package "
                                               "qt6-translations-l10n) or the library's is missing";
        }
        m_inspector.setLeftOut(kLeftOut, int(std::size(kLeftOut)));
        m_inspector.setHostTexts(kHostTexts);
        // Every modal window is looked at once it shows, then answered.
        m_previous = tesk::system::ModalSeam::setResponder(
            [this](const tesk::system::ModalSeam::Request &request) { inModal(request); });
    }

    void TearDown() override
    {
        tesk::system::ModalSeam::setResponder(m_previous);
        // The next setting's windows are made in its own language.
        QtCloseCode(reenter::host().window());
        testhost::settle();
        for (const QString &line : m_faults.lines())
            ADD_FAILURE() << qPrintable(line);
        unsetenv("KSODEBUG_LANG");
        CuiUpdateSettings();
    }

    void inModal(const tesk::system::ModalSeam::Request &request)
    {
        QWidget *widget = request.widget.data();
        if (widget && m_return.pressing()) {
            if (request.kind != tesk::system::ModalSeam::Kind::MessageBox)
                m_return.opened(widget);
        } else if (widget) {
            ++m_modalsShown;
            const bool dialog = request.kind == tesk::system::ModalSeam::Kind::Dialog;
            const QPointer<QWidget> firstFocus = dialog ? ReturnKey::firstFocus(widget) : nullptr;
            if (m_prepare)
                std::exchange(m_prepare, nullptr)(widget);
            testhost::settle();
            const QString name = m_scene + QStringLiteral(" > ") + title(widget);
            if (qobject_cast<QMenu *>(widget))
                m_inspector.menu(widget, name);
            else
                m_inspector.window(widget, name);
            if (m_exploring && m_depth == 0 && qobject_cast<QDialog *>(widget))
                openSubDialogs(widget, name);
            if (dialog && request.widget && widget->isVisible())
                m_return.press(static_cast<QDialog *>(widget), firstFocus, name);
        }
        if (m_previous)
            m_previous(request);
    }

    // The dialogs a dialog opens from its buttons (those marked "..." and the named ones that
    // open a dialog for a new entry), each looked at in its turn; a part it shows on demand is
    // shown first and looked at again.
    void openSubDialogs(QWidget *dialog, const QString &name)
    {
        static const QStringList kOpeners = {
            QStringLiteral("conditionsAddPB"), QStringLiteral("actionsAddPB"),
            QStringLiteral("smmodifyPB"), QStringLiteral("ommodifyPB"), QStringLiteral("pushNew")};
        const QString scene = std::exchange(m_scene, name);
        ++m_depth;
        const QPointer<QWidget> alive = dialog;
        if (auto *more = dialog->findChild<QPushButton *>(QStringLiteral("morePB"))) {
            more->click();
            testhost::settle();
            if (alive)
                m_inspector.window(dialog, name + QStringLiteral(" (opened out)"));
        }
        for (const QPointer<QPushButton> button : dialog->findChildren<QPushButton *>()) {
            if (!alive)
                break;
            if (button && onShownPage(button, dialog) && button->isEnabled() &&
                (button->text().endsWith(QLatin1String("...")) ||
                 kOpeners.contains(button->objectName())) &&
                button->objectName() != QLatin1String("morePB"))
                button->click();
        }
        --m_depth;
        m_scene = scene;
    }

    // Whether the widget shows, its page of a tab widget made current first (and so left).
    static bool onShownPage(QWidget *widget, const QWidget *dialog)
    {
        for (QWidget *page = widget; page && page != dialog; page = page->parentWidget()) {
            QWidget *stack = page->parentWidget();
            if (auto *tabs = qobject_cast<QTabWidget *>(stack ? stack->parentWidget() : nullptr))
                tabs->setCurrentWidget(page);
        }
        return widget->isVisible();
    }

    static QString title(const QWidget *widget)
    {
        if (!widget->windowTitle().isEmpty())
            return widget->windowTitle();
        return QString::fromLatin1(widget->metaObject()->className());
    }

    // The host's main window at the run's size, shown.
    MainWindow *mainWindow()
    {
        const TeskHandle context = reenter::host().window();
        QtResizePosWindow(context, 0, 0, m_setting.size.width(), m_setting.size.height());
        testhost::settle();
        return Store::instance()->findMainWindowByHandle(context);
    }

    // Runs a scene the way the hostile sweep drives it, its objects ended afterwards.
    void scene(const QString &name, const std::function<void()> &body)
    {
        m_scene = name;
        reenter::host().drive(body);
        m_scene.clear();
    }

    testhost::ModalAnswers m_answers;
    Setting m_setting{std::get<0>(GetParam()), std::get<1>(GetParam())};
    Faults m_faults{m_setting};
    Inspector m_inspector{m_setting, german(), m_faults};
    ReturnKey m_return{m_faults};
    tesk::system::ModalSeam::Responder m_previous;
    QString m_scene;
    // Whether dialogs shown are searched for the dialogs they open, and how deep in that we are.
    bool m_exploring = false;
    int m_depth = 0;
    // What the user does in the next modal window before it is looked at.
    std::function<void(QWidget *)> m_prepare;
    int m_modalsShown = 0;
};

QString shown(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

std::string settingName(const ::testing::TestParamInfo<std::tuple<bool, QSize>> &info)
{
    const QSize size = std::get<1>(info.param);
    return (std::get<0>(info.param) ? "German_" : "English_") + std::to_string(size.width()) + "x" +
           std::to_string(size.height());
}

} // namespace

// The main window of every kind with its menus, its editor toolbars and their focus exports.
TEST_P(Looks, MainWindows)
{
    MainWindow *window = mainWindow();
    ASSERT_TRUE(window);
    const TeskHandle context = reenter::host().window();
    QtCreateEditorToolBar(context, &reenter::drive::findToolBar);
    CuiScriptToolBarCreate(context, &reenter::drive::scriptToolBar);
    testhost::settle();
    const QString name = QStringLiteral("main window");
    m_inspector.window(window, name);
    m_inspector.menu(window->menuBar(), name + QStringLiteral(" > menu bar"));

    auto *find = window->findChild<FindToolBar *>();
    ASSERT_TRUE(find);
    window->activateWindow();
    QtSetEditorBarFocusText(int(context));
    testhost::settle();
    m_inspector.focus(window, find->findField(), name + QStringLiteral(" > find toolbar"),
                      "QtSetEditorBarFocusText");
    QtSetEditorBarFocusLine(int(context));
    testhost::settle();
    m_inspector.focus(window, find->lineField(), name + QStringLiteral(" > find toolbar"),
                      "QtSetEditorBarFocusLine");

    // The other kinds of main window (the analysis and settings windows go by their names), for
    // their menus.
    const std::pair<void (*)(int), const char *> kinds[] = {{&QtCreateNewSpr, "peripheral window"},
                                                            {&QtCreateNewEditor, "editor window"},
                                                            {&QtCreateNewCode, "Analysis"},
                                                            {&QtCreateNewCode, "Settings Window"}};
    TeskHandle next = 0x7a00;
    for (const auto &[kind, kindName] : kinds) {
        kind(1);
        CuiFrameRecord record{1, 0, 3, 77};
        QtFrameCreate(kindName, ++next, &record);
        QtFrameShow();
        // The kind's flag holds until cleared: left set, the next kinds would be built as
        // peripheral or editor windows too.
        kind(0);
        QtResizePosWindow(next, 0, 0, m_setting.size.width(), m_setting.size.height());
        testhost::settle();
        MainWindow *other = Store::instance()->findMainWindowByHandle(next);
        ASSERT_TRUE(other) << kindName;
        m_inspector.window(other, QString::fromLatin1(kindName));
        m_inspector.menu(other->menuBar(), QString::fromLatin1(kindName) + " > menu bar");
        QtCloseCode(next);
        testhost::settle();
    }
}

// Every dialog, box, chooser and menu an export or a user's input on a pane runs modally, and the
// dialogs those open from their "..." buttons.
TEST_P(Looks, ModalWindows)
{
    mainWindow();
    m_exploring = true;
    for (const reenter::Line &line : reenter::loopsTable()) {
        if (line.run)
            scene(QString::fromLatin1(line.name), [&line] { line.run(reenter::host()); });
    }
}

// Dock windows as a host makes them: a right and a bottom window-box dock made before the window
// is shown and after it, then a register pane, a navigator and a memory view beside them.
TEST_P(Looks, Docks)
{
    testhost::WindBoxHost &boxes = testhost::WindBoxHost::instance();
    boxes.clear();
    boxes.publish();
    KSOWindBox::resetTables();
    // The right box has tabs; the bottom one is a plain drawing area.
    boxes.box(0x7501).tabBar = true;
    boxes.box(0x7501).tabs = {"main.c", "util.c"};
    const auto makeDocks = [] {
        QtCreateDocked(0, 0);
        QtWindowCreate("Right", &reenter::drive::codeCallback, 0x7501);
        QtCreateDocked(1, 0);
        QtWindowCreate("Bottom", &reenter::drive::codeCallback, 0x7502);
    };
    TeskHandle context = 0x7b00;
    for (const bool beforeShow : {true, false}) {
        const QString name = beforeShow ? QStringLiteral("docks made before the window shows")
                                        : QStringLiteral("docks made after the window shows");
        QtCreateNewCode(1);
        CuiFrameRecord record{1, 0, 3, 77};
        QtFrameCreate("Docks", ++context, &record);
        QtResizePosWindow(context, 0, 0, m_setting.size.width(), m_setting.size.height());
        if (beforeShow)
            makeDocks();
        QtFrameShow();
        if (!beforeShow)
            makeDocks();
        testhost::settle();
        auto *window = Store::instance()->findMainWindowByHandle(context);
        ASSERT_TRUE(window);
        m_inspector.window(window, name);
        m_inspector.docks(window, name);
        if (!beforeShow) {
            // The host's focus request for a box lands in its dock window.
            window->activateWindow();
            CuiNotifyQtWidgetAboutSetFocusInBox(0x7501);
            testhost::settle();
            m_inspector.focus(window, Store::instance()->findDockWidget(0x7501),
                              name + QStringLiteral(" > dock \"Right\""),
                              "CuiNotifyQtWidgetAboutSetFocusInBox");
            // The library's own panes beside them.
            static testhost::RegPaneHost registers;
            const TeskHandle regPane = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
            CuiRegPaneAttach(regPane, registers.context());
            registers.dataSet = 79;
            hostile::showRegisterSet(79, regPane, "looks");
            QtCreateDocked(0, 0);
            CuiWindowCreateQtPane("Registers", reinterpret_cast<void *>(regPane),
                                  &reenter::drive::codeCallback, 0x7503);
            const TeskHandle navigator = CuiDataNavCreate();
            QtCreateDocked(1, 0);
            CuiWindowCreateQtPane("Symbols", reinterpret_cast<void *>(navigator),
                                  &reenter::drive::codeCallback, 0x7504);
            testhost::settle();
            m_inspector.docks(window, name);
            m_inspector.window(window, name);
            CuiDataNavDestroy(navigator);
            CuiRegPaneDelete(regPane);
            CuiRegPaneDataDelete(79, 0);
        }
        QtCloseCode(context);
        testhost::settle();
    }
    boxes.withdraw();
    KSOWindBox::resetTables();
}

// The host's modeless find and replace panel, as the host opens it; the caller deletes *find.
static void openFindPanel(QSDIFind **find)
{
    ASSERT_EQ(QtQSDIInitFindCallback(find, 0, 0), 0);
    QSDIDescription *d = nullptr;
    QtQSDIInitDialog(&d, QSDI_KIND_FIND_REPLACE, 0, QSDI_MODE_MODELESS, 2020, 0);
    QtQSDIAddButton(d, "Close", 21, QSDI_ROLE_REJECT);
    QtQSDIAddCallback(d, &reenter::drive::qsdiCallback, *find);
    QtQSDIExecDialog(d);
    QtQSDIDeleteDialog(d);
    testhost::settle();
}

// Host-described dialogs of every kind, with and without an icon, the find panel left up.
TEST_P(Looks, HostDescribedDialogs)
{
    mainWindow();
    static const char kMessage[] =
        "The target stopped at breakpoint 3 in function main of module startup; go on?";
    char entry[64] = "0x2000";
    for (const int icon : {0, 2}) {
        for (const int kind : {QSDI_KIND_PLAIN, QSDI_KIND_ENTRY, QSDI_KIND_QUESTION}) {
            QSDIDescription *d = nullptr;
            ASSERT_EQ(QtQSDIInitDialog(&d, kind, icon, QSDI_MODE_MODAL, 2012, 0), 0);
            d->texts->message = kMessage;
            QtQSDIAddButton(d, "OK", 11, QSDI_ROLE_ACCEPT);
            QtQSDIAddButton(d, "Cancel", 12, QSDI_ROLE_REJECT);
            if (kind == QSDI_KIND_ENTRY)
                QtQSDIAddEntry(d, entry, 32);
            if (kind == QSDI_KIND_QUESTION)
                QtQSDIAddToggle(d, "again", 3013, 1);
            void *control = d->control;
            m_scene =
                QStringLiteral("host-described dialog of kind %1, icon %2").arg(kind).arg(icon);
            QtQSDIExecDialog(d);
            QtQSDIDeleteDialog(d);
            if (kind == QSDI_KIND_QUESTION)
                free(static_cast<QSDIToggle *>(control)->text);
            free(control);
        }
    }
    QSDIFind *find = nullptr;
    ASSERT_NO_FATAL_FAILURE(openFindPanel(&find));
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("SimpleDialog") && widget->isVisible()) {
            m_inspector.window(widget, QStringLiteral("find and replace panel"));
            m_inspector.focus(widget, widget->findChild<QLineEdit *>(QStringLiteral("FindEditBox")),
                              QStringLiteral("find and replace panel"), "QtQSDIExecDialog");
            widget->close();
        }
    }
    testhost::settle();
    QtQSDIDeleteFindCallback(find);
}

// Windows the host opens through components and proxies: the synchronisation window, a memory
// view in a pane of its own, a breakpoint dialog over a proxy, a top-level window.
TEST_P(Looks, OtherWindows)
{
    MainWindow *window = mainWindow();
    scene(QStringLiteral("synchronisation window"), [&] {
        SyncDlg *sync = reenter::drive::syncWindow(reenter::host(), reenter::drive::SyncOp(-1));
        ASSERT_TRUE(sync);
        testhost::settle();
        m_inspector.window(sync->window(), QStringLiteral("synchronisation window"));
    });
    scene(QStringLiteral("memory view"), [&] {
        ASSERT_TRUE(reenter::drive::memoryView(reenter::host()));
        testhost::settle();
        m_inspector.docks(window, QStringLiteral("memory view"));
        m_inspector.window(window, QStringLiteral("memory view"));
    });
    m_exploring = true;
    scene(QStringLiteral("breakpoint dialog"), [&] {
        const TeskHandle dialog = reenter::drive::breakpointDialog(reenter::host());
        CuiDoModal(reinterpret_cast<void *>(dialog));
    });
    QtTopLevelCreate(0x7600, &hostile::fns::topLevelSize, 0x7600);
    if (QMainWindow *top = Store::currentTopLevelWindow()) {
        top->show();
        testhost::settle();
        m_inspector.window(top, QStringLiteral("top-level window"));
        m_inspector.menu(top->menuBar(), QStringLiteral("top-level window > menu bar"));
        top->close();
    }
}

// What the demo's menu entries open for its user, opened as the demo opens them: the dialogs as
// they show, the windows and docks once they are up.
TEST_P(Looks, DemoMenus)
{
    MainWindow *window = mainWindow();
    ASSERT_TRUE(window);
    // The demo's parts find the exports by name, here in the test program itself.
    void *self = dlopen(nullptr, RTLD_NOW);
    ASSERT_TRUE(self);
    m_inspector.setHostTexts(kHostTexts + kDemoTexts);
    demo::addHandsOnMenus(self);
    const auto memory = [] {
        std::vector<uint8_t> bytes;
        for (uint32_t offset = 0x20000000; offset < 0x20000110; ++offset)
            bytes.push_back(SimulatedTarget::installed().peek(1, offset));
        return bytes;
    };
    for (const demo::HandsOnEntry &entry : demo::handsOnEntries()) {
        const QString name = QStringLiteral("demo menu > ") +
                             QString::fromLatin1(entry.customText ? entry.customText : entry.opens);
        const QWidgetList before = QApplication::topLevelWidgets();
        const int docksBefore = int(window->findChildren<QDockWidget *>().size());
        const int modalsBefore = m_modalsShown;
        const std::vector<uint8_t> memoryBefore = memory();
        m_scene = name;
        entry.open(self);
        testhost::settle();
        m_inspector.window(window, name);
        m_inspector.docks(window, name);
        int windowsOpened = 0;
        for (QWidget *opened : QApplication::topLevelWidgets()) {
            if (before.contains(opened) || !opened->isVisible() || qobject_cast<QMenu *>(opened))
                continue;
            ++windowsOpened;
            m_inspector.window(opened, name + QStringLiteral(" > ") + title(opened));
            opened->close();
        }
        if (entry.kind == demo::HandsOnKind::Step)
            EXPECT_NE(memory(), memoryBefore) << qPrintable(name);
        else
            EXPECT_TRUE(m_modalsShown > modalsBefore || windowsOpened > 0 ||
                        int(window->findChildren<QDockWidget *>().size()) > docksBefore)
                << qPrintable(name) << " opened nothing";
        testhost::settle();
        m_scene.clear();
    }
    // The register pane's View Memory At Value (Ctrl+M) on the register clicked opens a memory
    // view at its value.
    RegView *registers = nullptr;
    for (RegView *view : window->findChildren<RegView *>())
        if (view->isVisible())
            registers = view;
    ASSERT_TRUE(registers) << "the demo's register pane is not open";
    const int docksBefore = int(window->findChildren<QDockWidget *>().size());
    QTest::mouseClick(registers->viewport(), Qt::LeftButton, {}, QPoint(40, 8));
    QTest::keyClick(registers, Qt::Key_M, Qt::ControlModifier);
    testhost::settle();
    EXPECT_GT(int(window->findChildren<QDockWidget *>().size()), docksBefore)
        << "View Memory At Value opened nothing";
    // The dialogs of Debug > Memory/Register Operations are the demo's to open.
    for (const int command : {40106, 40107})
        EXPECT_TRUE(std::any_of(
            demo::handsOnEntries().begin(), demo::handsOnEntries().end(),
            [command](const demo::HandsOnEntry &entry) { return entry.hostId == command; }))
            << command << " opens nothing";
    // A menu command of the demo's reaches its entry from the loop; any other is not the demo's.
    EXPECT_TRUE(demo::runHandsOnCommand(40071));
    EXPECT_FALSE(demo::runHandsOnCommand(40000));
    testhost::settle();
    demo::finishDialogDemo();
    dlclose(self);
}

// Dialogs in the states a user brings them to, where their texts change.
TEST_P(Looks, DialogStates)
{
    mainWindow();
    const TeskHandle operations = CuiMemoryOperationsDlgCreate(0);
    CuiMemoryOperationsDlgSetFileTypeList(operations, "1 elf ELF image\n0 bin Raw binary\n");
    for (const char *action : {"loadFileRB", "verifyFileRB"}) {
        m_prepare = [action](QWidget *dialog) {
            if (auto *button = dialog->findChild<QAbstractButton *>(QLatin1String(action)))
                button->click();
        };
        m_scene = QStringLiteral("memory file operations, %1").arg(QLatin1String(action));
        CuiDoModal(reinterpret_cast<void *>(operations));
    }
    CuiMemoryOperationsDlgDestroy(operations);
    // A type loaded to a start address: the help line asks for one.
    const testhost::LoadHost host;
    m_scene = QStringLiteral("Load Binary of a raw binary");
    CuiLoadBinary(0, 0, nullptr, 0, "0 bin Raw binary\n");
    // Capturing switched on with Space, where the event configuration's focus starts: its list
    // buttons come alive.
    m_prepare = [](QWidget *dialog) {
        if (auto *master = dialog->findChild<QCheckBox *>(QStringLiteral("checkMaster")))
            QTest::keyClick(master, Qt::Key_Space);
    };
    m_exploring = true;
    scene(QStringLiteral("event configuration, capturing on"),
          [] { reenter::drive::moduleFilterModal(reenter::host()); });
}

// The find and replace panel stays above every window, yet covers no dialog that opens while it
// is up: where the dialog has no place clear of it, the panel stands aside (or, where the screen
// has no room for both, hides), and comes back once the dialog closes. Load Binary, the largest of
// them, over a panel the user left in the middle.
TEST_P(Looks, TheFindPanelCoversNoDialog)
{
    mainWindow();
    QSDIFind *find = nullptr;
    ASSERT_NO_FATAL_FAILURE(openFindPanel(&find));
    QPointer<QWidget> panel = testhost::windowKeptOnTop();
    ASSERT_TRUE(panel);
    const QRect free = panel->screen()->availableGeometry();
    QRect left = panel->frameGeometry();
    left.moveCenter(free.center());
    panel->move(left.topLeft());
    testhost::settle();
    QRect dialog;
    QRect panelThen;
    m_prepare = [&](QWidget *widget) {
        testhost::settle();
        dialog = widget->frameGeometry();
        panelThen = panel && panel->isVisible() ? panel->frameGeometry() : QRect();
    };
    const testhost::LoadHost host;
    m_scene = QStringLiteral("Load Binary under the find and replace panel");
    CuiLoadBinary(0, 0, nullptr, 0, "0 bin Raw binary\n");
    ASSERT_FALSE(dialog.isNull()) << "Load Binary did not show";
    EXPECT_FALSE(dialog.intersects(panelThen)) << "panel " << qPrintable(shown(panelThen))
                                               << " over the dialog " << qPrintable(shown(dialog));
    EXPECT_TRUE(free.contains(dialog));
    EXPECT_TRUE(panelThen.isNull() || free.contains(panelThen));
    testhost::settle();
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->frameGeometry(), left)
        << "the panel stands at " << qPrintable(shown(panel->frameGeometry()));
    panel->close();
    testhost::settle();
    QtQSDIDeleteFindCallback(find);
}

// Whole windows as a user meets them: the usual docks, windows the host gives no size.
TEST_P(Looks, AsTheyOpen)
{
    mainWindow();
    usualDocks(m_inspector, m_faults, m_setting);
    windowsAsTheyOpen(m_inspector, m_faults, m_setting);
}

// A layout the user changed, and the same layout restored from its records.
TEST_P(Looks, LayoutAgain)
{
    mainWindow();
    layoutAgain(m_inspector, m_faults, m_setting);
}

// The main window's frame and status bar within the part of the screen a desktop leaves free.
TEST_P(Looks, FreeArea)
{
    mainWindow();
    freeArea(m_inspector, m_faults, m_setting);
}

INSTANTIATE_TEST_SUITE_P(Settings, Looks,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values(QSize(1280, 800), QSize(1024, 600))),
                         settingName);

TEST(LeftOutCases, CoverTheirPathByWholeNames)
{
    // The English menu "Debug" is left out; the German "Debuggen" is looked at.
    EXPECT_TRUE(withinPath(QStringLiteral("main window > menu bar > Debug"),
                           "main window > menu bar > Debug"));
    EXPECT_TRUE(withinPath(QStringLiteral("main window > menu bar > Debug > Run"),
                           "main window > menu bar > Debug"));
    EXPECT_FALSE(withinPath(QStringLiteral("main window > menu bar > Debuggen"),
                            "main window > menu bar > Debug"));
    EXPECT_TRUE(withinPath(QStringLiteral("any window"), ""));
}
