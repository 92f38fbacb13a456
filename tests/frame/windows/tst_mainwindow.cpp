// The main window's status bar, captions, host popups, dock menu and close sequence.
#include "frames.h"

#include "frame/app/cuiapp.h"
#include "frame/app/cuiwinapp.h"
#include "frame/core/cuidebuginfo.h"
#include "frame/core/inplaceedit.h"
#include "frame/services/cuicontextmenumap.h"
#include "frame/services/cuii18n.h"
#include "frame/windows/cuiprogress.h"
#include "modalanswers.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using tesk::system::ModalSeam;
using testhost::ModalAnswers;

using MainWindowTest = FrameTest;

TEST_F(MainWindowTest, StatusFieldsTextsAndTips)
{
    MainWindow *window = createFrame("Debugger", 1);
    CuiSetStatusText(1, 1, "Running", "busy tip");
    CuiSetStatusText(1, 2, "Loaded image", nullptr);
    CuiSetStatusText(1, 3, "Ln 1, Col 2", "position tip");
    CuiSetStatusText(1, 4, "LOG", nullptr);
    CuiSetStatusText(1, 5, "JOU", nullptr);
    CuiSetStatusText(1, 6, "STDIOLog", "stdio tip");
    EXPECT_EQ(window->busyIndicator()->text(), QStringLiteral("Running"));
    EXPECT_EQ(window->busyIndicator()->toolTip(), QStringLiteral("busy tip"));
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Loaded image"));
    EXPECT_EQ(window->positionLabel()->toolTip(), QStringLiteral("position tip"));
    EXPECT_EQ(window->indicatorLabel(1)->text(), QStringLiteral("LOG"));
    EXPECT_EQ(window->indicatorLabel(2)->text(), QStringLiteral("JOU"));
    EXPECT_EQ(window->indicatorLabel(3)->toolTip(), QStringLiteral("stdio tip"));

    // Field 7 is no field; a null tip removes the earlier one.
    CuiSetStatusText(1, 7, "nothing", "nothing");
    QtSetStatusText(3, "Ln 9, Col 9", 1);
    EXPECT_EQ(window->positionLabel()->text(), QStringLiteral("Ln 9, Col 9"));
    EXPECT_EQ(window->positionLabel()->toolTip(), QString());

    window->setStatusPosition(120, 7);
    EXPECT_EQ(window->positionLabel()->text(), QStringLiteral("Ln 120, Col 7"));
    window->setLogIndicator(false);
    window->setJournalIndicator(true);
    window->setStdioLogIndicator(false);
    EXPECT_EQ(window->indicatorLabel(1)->text(), QString());
    EXPECT_EQ(window->indicatorLabel(2)->text(), QStringLiteral("JOU"));
    EXPECT_EQ(window->indicatorLabel(3)->text(), QString());
}

TEST_F(MainWindowTest, WindowsWithoutFieldsIgnoreThem)
{
    MainWindow *settings = createFrame("Settings Window", 2);
    CuiSetStatusText(2, 1, "x", "y");
    CuiSetStatusText(2, 3, "x", "y");
    CuiShowRunState(2, 1, "x");
    CuiSetPadlockState(1);
    EXPECT_EQ(settings->busyIndicator(), nullptr);
    EXPECT_EQ(settings->positionLabel(), nullptr);

    MainWindow *analysis = createFrame("Analysis", 3);
    CuiSetStatusText(3, 1, "Analysing", nullptr);
    CuiSetStatusText(3, 4, "LOG", nullptr);
    EXPECT_EQ(analysis->busyIndicator()->text(), QStringLiteral("Analysing"));
    EXPECT_EQ(analysis->indicatorLabel(1), nullptr);
}

TEST_F(MainWindowTest, PadlockStates)
{
    MainWindow *window = createFrame("Debugger", 1);
    CuiSetPadlockState(1);
    EXPECT_EQ(window->padlockLabel()->text(), QStringLiteral("<img source=\"padlock\">"));
    CuiSetPadlockState(2);
    EXPECT_EQ(window->padlockLabel()->text(), QStringLiteral("<img source=\"padunlock\">"));
    EXPECT_EQ(window->padlockLabel()->toolTip(), QStringLiteral("Normal World"));
    CuiSetPadlockState(3);
    EXPECT_EQ(window->padlockLabel()->text(), QString());
    EXPECT_EQ(window->padlockLabel()->toolTip(), QString());
}

TEST_F(MainWindowTest, ProgressBarComesAndGoes)
{
    MainWindow *window = createFrame("Debugger", 1);
    window->show();
    CuiShowProgress(1, 100, 0);
    CuiShowProgress(1, -1, 0);
    EXPECT_EQ(window->progressBar(), nullptr);

    CuiShowProgress(1, 0, 0);
    ASSERT_NE(window->progressBar(), nullptr);
    EXPECT_TRUE(window->progressBar()->isVisible());
    CuiShowProgress(1, 40, 0);
    EXPECT_EQ(window->progressBar()->value(), 40);
    // Negative values empty the bar but keep it.
    CuiShowProgress(1, -5, 0);
    ASSERT_NE(window->progressBar(), nullptr);
    EXPECT_LT(window->progressBar()->value(), window->progressBar()->minimum());
    CuiShowProgress(1, 100, 0);
    EXPECT_EQ(window->progressBar(), nullptr);
}

TEST_F(MainWindowTest, RunStateDrivesTheBusyIndicator)
{
    MainWindow *window = createFrame("Debugger", 1);
    CuiProgress *busy = window->busyIndicator();
    CuiShowRunState(1, 0, "Running");
    EXPECT_TRUE(busy->isRunning());
    EXPECT_EQ(busy->text(), QStringLiteral("Running"));
    CuiShowRunState(1, 1, "Running");
    CuiShowRunState(1, 1, "Running");
    EXPECT_EQ(busy->position(), 2);
    CuiShowRunState(1, -1, "Stopped");
    EXPECT_FALSE(busy->isRunning());
    EXPECT_EQ(busy->position(), 0);
    EXPECT_EQ(busy->text(), QStringLiteral("Stopped"));
}

TEST_F(MainWindowTest, CaptionsFollowKindAndConnection)
{
    struct Case
    {
        const char *frame;
        const char *connection;
        const char *caption;
    };
    const Case cases[] = {
        {"Debugger", "", "Kestrova Debugger"},
        {"Debugger", "board1", "board1 - Kestrova Debugger"},
        {"Analysis", "", "Analysis"},
        {"Analysis", "sim", "sim - Analysis"},
        {"Settings Window", "x", "x - Settings"},
    };
    TeskHandle handle = 0;
    for (const Case &c : cases) {
        MainWindow *window = createFrame(c.frame, ++handle);
        window->setConnectionName(QLatin1String(c.connection));
        EXPECT_EQ(window->windowTitle(), QLatin1String(c.caption))
            << c.frame << " " << c.connection;
        EXPECT_EQ(window->connectionName(), QLatin1String(c.connection));
    }
    QtCreateNewSpr(1);
    QtFrameCreate("x", 99, nullptr);
    Store::currentMainWindow()->setConnectionName(QString());
    EXPECT_EQ(Store::currentMainWindow()->windowTitle(), QStringLiteral("Send Problem Report"));
}

namespace {
std::vector<int> g_chosen;
void recordChoice(int id)
{
    g_chosen.push_back(id);
}

QAction *actionWithText(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}
} // namespace

TEST_F(MainWindowTest, HostPopupReportsTheChosenItem)
{
    FakeMenus menus;
    MainWindow *window = createFrame("Debugger", 1);
    window->setContextMenuCallback(&recordChoice);
    g_chosen.clear();

    ModalAnswers answers;
    QStringList shown;
    bool checked = false;
    bool closeDisabled = false;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *menu = qobject_cast<QMenu *>(request.widget.data());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QStringLiteral("DisplayPopup"));
        for (QAction *action : menu->actions())
            shown << (action->isSeparator() ? QStringLiteral("|") : action->text());
        checked = actionWithText(menu, QStringLiteral("Watch"))->isChecked();
        closeDisabled = !actionWithText(menu, QStringLiteral("C&lose Window"))->isEnabled();
        QAction *hide = actionWithText(menu, QStringLiteral("Hide"));
        menu->setActiveAction(hide);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    window->popContextMenu("=Watch\n\n!#987654:32911\n$\n");
    EXPECT_EQ(shown, QStringList({"Watch", "|", "C&lose Window", "Dock/Float", "Hide", "Close"}));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(closeDisabled);
    EXPECT_EQ(g_chosen, std::vector<int>({667}));
    EXPECT_TRUE(window->panePopupShown());

    // Closed without a choice: the host hears nothing.
    answers.setHandler([](const ModalAnswers::Request &request) {
        qobject_cast<QMenu *>(request.widget.data())->close();
    });
    window->popContextMenu("One\nTwo");
    window->popContextMenu("");
    EXPECT_EQ(g_chosen, std::vector<int>({667}));
}

TEST_F(MainWindowTest, DockMenuWaitsTwoRequestsAfterAHostPopup)
{
    MainWindow *window = createFrame("Debugger", 1);
    ModalAnswers answers;
    int menusShown = 0;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        ++menusShown;
        qobject_cast<QMenu *>(request.widget.data())->close();
    });
    window->setPanePopupShown(true);
    EXPECT_FALSE(window->showDockMenu(QPoint(10, 10)));
    EXPECT_FALSE(window->showDockMenu(QPoint(10, 10)));
    EXPECT_EQ(menusShown, 0);
    EXPECT_TRUE(window->showDockMenu(QPoint(10, 10)));
    EXPECT_EQ(menusShown, 1);
}

TEST_F(MainWindowTest, DockMenuListsToolbarsAndSwitchesIconSizes)
{
    // The table's own "Debug" toolbar would stand in the way.
    FakeMenus menus;
    MainWindow *window = createFrame("Debugger", 1);
    auto *toolbar = window->addToolBar(QStringLiteral("Debug"));
    window->show();
    std::unique_ptr<QMenu> menu(window->createPopupMenu());
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Debug")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Show Big Icons")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Show Toolbar Text")));

    actionWithText(menu.get(), QStringLiteral("Debug"))->trigger();
    EXPECT_FALSE(toolbar->isVisible());
    actionWithText(menu.get(), QStringLiteral("Show Big Icons"))->trigger();
    EXPECT_TRUE(window->usesBigIcons());
    EXPECT_EQ(window->iconSize(), QSize(32, 32));
    actionWithText(menu.get(), QStringLiteral("Show Toolbar Text"))->trigger();
    EXPECT_EQ(window->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

TEST_F(MainWindowTest, CloseAsksTheHostAndHonoursItsVeto)
{
    FakeMenus menus;
    MainWindow *window = createFrame("Debugger", 1);
    window->show();

    // A veto during the first command skips the second and keeps the window.
    FakeMenuManager::onCommand = [](int hostId) {
        if (hostId == 66666)
            QtSetDontClose(0, 1);
    };
    EXPECT_FALSE(window->close());
    EXPECT_EQ(FakeMenuManager::commands, std::vector<int>({66666}));
    EXPECT_FALSE(window->dontClose());

    // A veto during the second command.
    FakeMenuManager::commands.clear();
    FakeMenuManager::onCommand = [](int hostId) {
        if (hostId == 32911)
            QtSetDontClose(1, 1);
    };
    EXPECT_FALSE(window->close());
    EXPECT_EQ(FakeMenuManager::commands, std::vector<int>({66666, 32911}));

    // No veto: the window goes.
    FakeMenuManager::commands.clear();
    FakeMenuManager::onCommand = nullptr;
    QPointer<MainWindow> watch(window);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(FakeMenuManager::commands, std::vector<int>({66666, 32911}));
    testhost::pumpUntil([&] { return watch.isNull(); });
    EXPECT_TRUE(watch.isNull());
}

TEST_F(MainWindowTest, ModalAndInPlaceEditGuardsKeepTheWindow)
{
    FakeMenus menus;
    MainWindow *window = createFrame("Debugger", 1);
    window->show();

    Store::instance()->setModalDialogShown(true);
    EXPECT_TRUE(window->modalDialogShown());
    EXPECT_FALSE(window->close());
    Store::instance()->setModalDialogShown(false);

    setInPlaceEditActive(true);
    EXPECT_FALSE(window->close());
    setInPlaceEditActive(false);
    // The host was never asked.
    EXPECT_TRUE(FakeMenuManager::commands.empty());
}

TEST_F(MainWindowTest, ModalGuardSwallowsMenuBarInput)
{
    MainWindow *window = createFrame("Debugger", 1);
    QMenu *file = window->menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Open"));
    window->show();
    const QPoint at = window->menuBar()->actionGeometry(file->menuAction()).center();

    window->setModalDialogShown(true);
    QTest::mouseClick(window->menuBar(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(file->isVisible());

    window->setModalDialogShown(false);
    QTest::mouseClick(window->menuBar(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(file->isVisible());
    file->close();
}

TEST_F(MainWindowTest, ModalGuardHoldsTheContentsUntilTheDialogEnds)
{
    MainWindow *window = createFrame("Debugger", 1);
    window->resize(400, 300);
    window->show();
    QWidget *contents = window->centralWidget();
    ASSERT_TRUE(testhost::pumpUntil([&] { return contents->width() > 0; }));
    const QSize before = contents->size();

    window->setModalDialogShown(true);
    window->resize(640, 480);
    testhost::pumpFor(50);
    EXPECT_EQ(contents->size(), before);

    window->setModalDialogShown(false);
    EXPECT_GT(contents->width(), before.width());
    EXPECT_GT(contents->height(), before.height());
}

TEST_F(MainWindowTest, AnotherInstanceBringsTheCurrentMainWindowForward)
{
    MainWindow *window = createFrame("Debugger", 1);
    window->show();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(testhost::pumpUntil([&] { return QApplication::activeWindow() == &other; }));

    tesk::app::application()->activateMainWidget();
    EXPECT_TRUE(testhost::pumpUntil([&] { return QApplication::activeWindow() == window; }));
}

TEST_F(MainWindowTest, MenuBuildErrorIsShownAndTheWindowStillBuilt)
{
    FakeMenus menus;
    FakeMenuManager::buildError = QStringLiteral("Error!\nVerifying definition\nLine 3\n");
    ModalAnswers answers;
    MainWindow *window = createFrame("Debugger", 1);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].caption, QStringLiteral("KSO Menu Error"));
    EXPECT_EQ(answers.seen()[0].text, FakeMenuManager::buildError);
    EXPECT_NE(window->statusBar(), nullptr);
}

TEST_F(MainWindowTest, ManagerSignalsReachTheWindow)
{
    FakeMenus menus;
    MainWindow *window = createFrame("Debugger", 1);
    auto *manager = qobject_cast<FakeMenuManager *>(window->menuManager());
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->objectName(), QStringLiteral("table 0"));
    emit manager->sigClearStatus();
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("For more information, select Help from Menu"));

    QWidget output;
    window->setOutputWindow(&output);
    emit manager->sigActivated(137);
    EXPECT_TRUE(output.isVisible());
}

TEST_F(MainWindowTest, ColourIconTakesTheWindowsHandleOnly)
{
    MainWindow *other = createFrame("Debugger", 4);
    MainWindow *window = createFrame("Debugger", 5);
    Store::instance()->setWindowColorIndex(0, 0xff0000);
    Store::instance()->setWindowColorIndex(6, 0xff0000);
    EXPECT_EQ(window->colour(), QRgb(0));
    Store::instance()->setWindowColorIndex(5, 0x00ff00);
    EXPECT_EQ(window->colour(), QRgb(0x00ff00));
    EXPECT_EQ(other->colour(), QRgb(0));
    EXPECT_FALSE(window->setColourForHandle(0, 0xff0000));
    window->removeColourIcon();
    EXPECT_FALSE(window->hasColourIcon());
    window->setColour(0x0000ff);
    EXPECT_EQ(window->colour(), QRgb(0x00ff00));
}
