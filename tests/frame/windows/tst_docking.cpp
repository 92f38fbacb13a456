// Dock windows: docking and floating with a remembered geometry, the location question, the
// rules by which hiding becomes closing, the guards, the pane registry and unique captions.
#include "frames.h"
#include "modalanswers.h"

#include "frame/core/cuidebuginfo.h"
#include "frame/core/hosttext.h"
#include "frame/core/inplaceedit.h"
#include "frame/windows/docking/cuipaneregistry.h"
#include "frame/windows/docking/dockbuttons.h"
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/docklocationbox.h"
#include "frame/windows/docking/dockwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <vector>

using testhost::ModalAnswers;

namespace {

struct HostCall
{
    TeskHandle box;
    int rect[4];
    int code;
};
std::vector<HostCall> g_hostCalls;

void recordHostCall(TeskHandle box, int *rect, int code)
{
    g_hostCalls.push_back({box, {rect[0], rect[1], rect[2], rect[3]}, code});
}

size_t closeCalls()
{
    size_t n = 0;
    for (const HostCall &call : g_hostCalls)
        n += call.code == 0;
    return n;
}

class DockingTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        g_hostCalls.clear();
        window = createFrame("Debugger", 1);
        window->show();
    }
    void TearDown() override
    {
        setInPlaceEditActive(false);
        FrameTest::TearDown();
        testhost::settle();
    }

    DockWidget *docked(const char *name, TeskHandle box)
    {
        QtCreateDocked(1, 0);
        return window->createDockedWindow(box, name, &recordHostCall);
    }

    MainWindow *window = nullptr;
};

} // namespace

TEST_F(DockingTest, GenericOptionsAreExactly666To668)
{
    EXPECT_EQ(CuiPopupIsGenericOption(12345, 665), 0);
    EXPECT_EQ(CuiPopupIsGenericOption(0, 666), 1);
    EXPECT_EQ(CuiPopupIsGenericOption(-1, 668), 1);
    EXPECT_EQ(CuiPopupIsGenericOption(0, 669), 0);
    // Unknown handles and options do nothing and answer 0.
    EXPECT_EQ(CuiPopupProcessGenericOption(999, 666), 0);
    EXPECT_EQ(CuiPopupProcessGenericOption(999, 42), 0);
}

TEST_F(DockingTest, FloatingRemembersItsGeometryAcrossDocking)
{
    DockWidget *dock = docked("Registers", 50);
    ASSERT_FALSE(dock->isFloating());
    EXPECT_TRUE(dock->dockStatusBar()->isHidden());

    CuiPopupProcessGenericOption(50, DockWidget::OptionDockFloat);
    EXPECT_TRUE(dock->isFloating());
    EXPECT_EQ(dock->size(), QSize(500, 400));
    EXPECT_FALSE(dock->dockStatusBar()->isHidden());

    dock->setGeometry(120, 130, 320, 240);
    CuiPopupProcessGenericOption(50, DockWidget::OptionDockFloat);
    EXPECT_FALSE(dock->isFloating());
    EXPECT_TRUE(dock->dockStatusBar()->isHidden());

    CuiPopupProcessGenericOption(50, DockWidget::OptionDockFloat);
    EXPECT_TRUE(dock->isFloating());
    EXPECT_EQ(dock->size(), QSize(320, 240));
    // The window manager may add its frame to the position.
    EXPECT_LE((dock->pos() - QPoint(120, 130)).manhattanLength(), 8);
}

TEST_F(DockingTest, FirstFloatByDraggingGets400By300)
{
    DockWidget *dock = docked("Registers", 51);
    dock->setFloating(true); // as a drag out of the area does
    EXPECT_EQ(dock->size(), QSize(400, 300));
    EXPECT_TRUE(dock->floatingGeometrySet());
}

TEST_F(DockingTest, DockingAsksForTheAreaUntilToldNotTo)
{
    DockWidget *dock = window->createDockedWindow(60, "Memory", &recordHostCall);
    ASSERT_TRUE(dock->isFloating());
    ASSERT_TRUE(dock->askLocation());

    ModalAnswers answers;
    int asked = 0;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *box = qobject_cast<DockLocationBox *>(request.widget.data());
        ASSERT_TRUE(box);
        ++asked;
        QTest::mousePress(box->areaButton(DockLocationBox::Bottom), Qt::LeftButton);
        box->doNotAskAgain()->setChecked(true);
        box->accept();
    });
    dock->dock();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(dock->isFloating());
    EXPECT_EQ(window->dockWidgetArea(dock), Qt::BottomDockWidgetArea);
    EXPECT_TRUE(window->doNotAskAgain());
    EXPECT_EQ(window->rememberedArea(), int(DockLocationBox::Bottom));

    // The next window asking goes straight to the remembered area.
    DockWidget *second = window->createDockedWindow(61, "Watch", &recordHostCall);
    second->dock();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(window->dockWidgetArea(second), Qt::BottomDockWidgetArea);
}

TEST_F(DockingTest, CancelledLocationLeavesItFloating)
{
    DockWidget *dock = window->createDockedWindow(62, "Memory", &recordHostCall);
    ModalAnswers answers; // rejects the dialog
    dock->dock();
    EXPECT_TRUE(dock->isFloating());
    EXPECT_TRUE(dock->askLocation());
    EXPECT_FALSE(window->doNotAskAgain());
}

TEST_F(DockingTest, CloseButtonClosesUnlessTheHostSaidDontClose)
{
    DockWidget *keep = docked("Output", 70);
    keep->setDontClose(true);
    QPointer<DockWidget> keepGuard(keep);
    keep->close();
    testhost::settle();
    ASSERT_TRUE(keepGuard);
    EXPECT_TRUE(keep->isHidden());
    EXPECT_EQ(closeCalls(), 0u);

    DockWidget *dock = docked("Registers", 71);
    QPointer<DockWidget> guard(dock);
    dock->close();
    testhost::settle();
    EXPECT_FALSE(guard);
    ASSERT_EQ(closeCalls(), 1u);
    EXPECT_EQ(g_hostCalls.back().box, 71);
    EXPECT_FALSE(window->dockList().contains(dock));
    EXPECT_EQ(CuiPaneRegistry::instance()->find(71), nullptr);
}

TEST_F(DockingTest, UserHideOnlyHidesAndALaterProgrammaticHideCloses)
{
    DockWidget *dock = docked("Registers", 72);
    QPointer<DockWidget> guard(dock);
    CuiPopupProcessGenericOption(72, DockWidget::OptionHide);
    testhost::settle();
    ASSERT_TRUE(guard);
    EXPECT_TRUE(dock->isHidden());
    EXPECT_FALSE(dock->isUserHidden());

    dock->show();
    dock->hide();
    testhost::settle();
    EXPECT_FALSE(guard);
}

TEST_F(DockingTest, FloatingAndDockingNeverCloseTheWindow)
{
    DockWidget *dock = docked("Registers", 73);
    QPointer<DockWidget> guard(dock);
    dock->undock();
    dock->dock();
    testhost::settle();
    EXPECT_TRUE(guard);
}

TEST_F(DockingTest, InPlaceEditAndModalDialogsKeepDocksOpen)
{
    DockWidget *dock = docked("Registers", 74);
    QPointer<DockWidget> guard(dock);
    setInPlaceEditActive(true);
    dock->hide();
    dock->close();
    testhost::settle();
    ASSERT_TRUE(guard);
    EXPECT_TRUE(dock->isVisible());
    setInPlaceEditActive(false);

    window->setModalDialogShown(true);
    EXPECT_FALSE(dock->hideMe());
    dock->closeMe();
    testhost::settle();
    EXPECT_TRUE(guard);
    EXPECT_EQ(closeCalls(), 0u);
    window->setModalDialogShown(false);

    dock->closeMe();
    testhost::settle();
    EXPECT_FALSE(guard);
    EXPECT_EQ(closeCalls(), 1u);
}

TEST_F(DockingTest, RegistryKeepsTheFirstAndForgetsTheDestroyed)
{
    DockWidget *first = docked("A", 80);
    DockWidget *second = docked("B", 80);
    EXPECT_EQ(CuiPaneRegistry::instance()->find(80), first);
    delete first;
    EXPECT_EQ(CuiPaneRegistry::instance()->find(80), nullptr);
    EXPECT_FALSE(window->dockList().contains(first));
    EXPECT_TRUE(window->dockList().contains(second));
    // Option 668 closes later.
    QPointer<DockWidget> guard(second);
    CuiPaneRegistry::instance()->add(81, second);
    CuiPopupProcessGenericOption(81, DockWidget::OptionClose);
    // Its box and its place in the window are given up at once, not when it is deleted.
    EXPECT_EQ(CuiPaneRegistry::instance()->find(81), nullptr);
    EXPECT_FALSE(window->dockList().contains(second));
    testhost::settle();
    EXPECT_FALSE(guard);
}

TEST_F(DockingTest, CaptionsAreUniquePerName)
{
    EXPECT_EQ(docked("Memory", 90)->windowTitle(), QStringLiteral("Memory"));
    EXPECT_EQ(docked("Memory", 91)->windowTitle(), QStringLiteral("Memory_1"));
    EXPECT_EQ(docked("Memory", 92)->windowTitle(), QStringLiteral("Memory_2"));
    docked("Watch", 93)->setWindowTitle(QStringLiteral("Watch_5"));
    EXPECT_EQ(window->uniqueDockCaption(QStringLiteral("Watch")), QStringLiteral("Watch_6"));
    // The host's name is text, not a pattern.
    EXPECT_EQ(docked("C++ (x", 94)->windowTitle(), QStringLiteral("C++ (x"));
    EXPECT_EQ(docked("C++ (x", 95)->windowTitle(), QStringLiteral("C++ (x_1"));
}

TEST_F(DockingTest, FocusTellsTheHostOnce)
{
    DockWidget *dock = docked("Registers", 96);
    testhost::settle();
    g_hostCalls.clear();
    dock->setFocus();
    ASSERT_EQ(g_hostCalls.size(), 1u);
    EXPECT_EQ(g_hostCalls[0].code, 3);
    EXPECT_EQ(g_hostCalls[0].rect[2], dock->width());
}

TEST_F(DockingTest, HostCaptionsAreReadOnlyUpToTheHostTextLimit)
{
    // No terminator within the limit: reading on would run past what the host owns.
    std::vector<char> caption(size_t(tesk::core::kMaxHostTextBytes), 'c');
    DockWidget *dock = window->createDockedWindow(63, caption.data(), &recordHostCall);
    EXPECT_EQ(dock->windowTitle().size(), tesk::core::kMaxHostTextBytes);
}

namespace {

std::vector<std::pair<TeskHandle, int>> g_paneCalls;

void recordPaneCall(TeskHandle box, int *, int code)
{
    g_paneCalls.emplace_back(box, code);
}

} // namespace

TEST_F(DockingTest, ClickingOrTabbingIntoAFrameTellsTheHost)
{
    DockWidget *dock = docked("Registers", 97);
    auto *first = new QLineEdit(dock->pane());
    auto *second = new QLineEdit(dock->pane());
    g_paneCalls.clear();
    QtRegisterCodeCB(&recordPaneCall, 98);
    auto *inPane = new QLineEdit(window->pane());
    first->show();
    second->show();
    inPane->show();
    QApplication::setActiveWindow(window);
    testhost::settle();
    g_hostCalls.clear();
    g_paneCalls.clear();

    first->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(g_hostCalls.size(), 1u);
    EXPECT_EQ(g_hostCalls[0].box, 97);
    EXPECT_EQ(g_hostCalls[0].code, 3);
    // Within the frame: no news.
    second->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(g_hostCalls.size(), 1u);
    EXPECT_TRUE(g_paneCalls.empty());

    // Into the main window's pane, and back into the dock window.
    inPane->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(g_paneCalls.size(), 1u);
    EXPECT_EQ(g_paneCalls[0], std::make_pair(TeskHandle(98), 3));
    first->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(g_hostCalls.size(), 2u);
    EXPECT_EQ(g_paneCalls.size(), 1u);
}

TEST_F(DockingTest, DockButtonsStandAcrossTheirWindowAndFocusIt)
{
    DockWidget *dock = docked("Registers", 99);
    auto *buttons = new DockButtons(dock);
    EXPECT_EQ(buttons->objectName(), QStringLiteral("CUI::DockButtons"));
    // A window standing in a side area has its strip lying across its top.
    ASSERT_EQ(window->dockWidgetArea(dock), Qt::BottomDockWidgetArea);
    EXPECT_EQ(buttons->orientation(), Qt::Horizontal);
    EXPECT_EQ(buttons->minimumSizeHint(), QSize(17, 0));
    window->addDockWidget(Qt::LeftDockWidgetArea, dock);
    EXPECT_EQ(buttons->orientation(), Qt::Vertical);
    EXPECT_EQ(buttons->minimumSizeHint(), QSize(0, 17));

    const QImage blank = buttons->indicator().toImage();
    EXPECT_EQ(blank.size(), QSize(14, 14));
    buttons->setColour(qRgb(200, 0, 0));
    const QImage coloured = buttons->indicator().toImage();
    EXPECT_EQ(coloured.pixel(7, 7), qRgb(200, 0, 0));
    EXPECT_EQ(coloured.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(coloured.pixel(13, 13), qRgb(0, 0, 0));

    QSignalSpy closes(buttons, &DockButtons::closeButtonClicked);
    QSignalSpy views(buttons, &DockButtons::viewButtonClicked);
    QSignalSpy files(buttons, &DockButtons::fileButtonClicked);
    buttons->closeButton()->click();
    buttons->viewButton()->click();
    buttons->viewButton()->click();
    buttons->fileButton()->click();
    EXPECT_EQ(closes.count(), 1);
    EXPECT_EQ(views.count(), 2);
    EXPECT_EQ(files.count(), 1);
    EXPECT_EQ(buttons->findChildren<QToolButton *>().size(), 4);

    testhost::settle();
    g_hostCalls.clear();
    QTest::mousePress(buttons, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseRelease(buttons, Qt::LeftButton, {}, QPoint(1, 1));
    ASSERT_FALSE(g_hostCalls.empty());
    EXPECT_EQ(g_hostCalls.back().code, 3);
}

namespace {

void vetoClose(TeskHandle box, int *rect, int code)
{
    recordHostCall(box, rect, code);
    // The host keeps the pane: from inside its close notice it asks for a hide instead.
    if (code == 0)
        QtSetDontClosePane();
}

} // namespace

TEST_F(DockingTest, TheHostVetoesACloseAndADontCloseWindowOnlyHides)
{
    QtCreateDocked(1, 0);
    DockWidget *vetoed = window->createDockedWindow(110, "Memory", &vetoClose);
    QPointer<DockWidget> vetoedGuard(vetoed);
    testhost::settle();
    vetoed->close();
    testhost::settle();
    // The close is refused: the window stays as it was.
    ASSERT_TRUE(vetoedGuard);
    EXPECT_FALSE(vetoed->isHidden());
    EXPECT_EQ(closeCalls(), 1u);
    EXPECT_TRUE(window->dockList().contains(vetoed));
    // Without the veto a close ends the window.
    g_hostCalls.clear();
    DockWidget *plain = docked("Watch", 111);
    QPointer<DockWidget> plainGuard(plain);
    plain->close();
    testhost::settle();
    EXPECT_FALSE(plainGuard);

    // The program hides a window the host said not to close: it stays.
    DockWidget *kept = docked("Output", 112);
    kept->setDontClose(true);
    QPointer<DockWidget> keptGuard(kept);
    kept->hide();
    testhost::settle();
    ASSERT_TRUE(keptGuard);
    EXPECT_TRUE(kept->isHidden());
    EXPECT_TRUE(window->dockList().contains(kept));
}

TEST_F(DockingTest, CreateDockedPlacesTheNextWindow)
{
    QtCreateDocked(0, 0);
    DockWidget *right = window->createDockedWindow(120, "Right", nullptr);
    EXPECT_EQ(window->dockWidgetArea(right), Qt::RightDockWidgetArea);
    QtCreateDocked(1, 0);
    DockWidget *bottom = window->createDockedWindow(121, "Bottom", nullptr);
    EXPECT_EQ(window->dockWidgetArea(bottom), Qt::BottomDockWidgetArea);
    QtCreateDocked(3, 0);
    DockWidget *beside = window->createDockedWindow(122, "Beside", nullptr);
    EXPECT_EQ(window->dockWidgetArea(beside), Qt::BottomDockWidgetArea);
    // Area 4 always starts a new line.
    QtCreateDocked(4, 0);
    DockWidget *below = window->createDockedWindow(123, "Below", nullptr);
    EXPECT_EQ(window->dockWidgetArea(below), Qt::BottomDockWidgetArea);
    EXPECT_FALSE(window->dockLayout().startsLine(bottom));
    EXPECT_FALSE(window->dockLayout().startsLine(beside));
    EXPECT_TRUE(window->dockLayout().startsLine(below));
}

namespace {

int g_resourceLoads = 0;

QVariant countResourceLoad(const QUrl &)
{
    ++g_resourceLoads;
    return {};
}

} // namespace

TEST_F(DockingTest, ConnectionNameIsShownAsPlainTextAndLoadsNothing)
{
    DockWidget *dock = docked("Registers", 110);
    CuiPopupProcessGenericOption(110, DockWidget::OptionDockFloat);
    ASSERT_TRUE(dock->isFloating());
    const auto before = QTextDocument::defaultResourceProvider();
    QTextDocument::setDefaultResourceProvider(&countResourceLoad);
    g_resourceLoads = 0;

    const char *name = "<img src=\"/dev/zero\">target";
    CuiWindowSetConnectionName(1, name);
    dock->grab();
    QTextDocument::setDefaultResourceProvider(before);
    EXPECT_EQ(g_resourceLoads, 0);
    EXPECT_EQ(dock->connectionText(), QLatin1String(name));
    QLabel *label = nullptr;
    for (QLabel *shown : dock->dockStatusBar()->findChildren<QLabel *>())
        if (shown->text() == QLatin1String(name))
            label = shown;
    ASSERT_TRUE(label);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST_F(DockingTest, MainPaneClickedFromAFocusedDockTellsTheHostOnce)
{
    DockWidget *dock = docked("Registers", 111);
    auto *inDock = new QLineEdit(dock->pane());
    inDock->show();
    QtRegisterCodeCB(&recordPaneCall, 112);
    QApplication::setActiveWindow(window);
    testhost::settle();
    inDock->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(inDock->hasFocus());
    g_paneCalls.clear();

    // The pane's own drawing area, not a field inside it.
    QWidget *area = window->pane()->findChild<QWidget *>(QStringLiteral("CuiKSOPane::mainPane"));
    ASSERT_TRUE(area);
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(QApplication::focusWidget(), window->pane());
    ASSERT_EQ(g_paneCalls.size(), 1u);
    EXPECT_EQ(g_paneCalls[0], std::make_pair(TeskHandle(112), 3));

    // The host's own focus request is told once too, not again by the watcher.
    inDock->setFocus(Qt::TabFocusReason);
    g_paneCalls.clear();
    CuiNotifyQtWidgetAboutSetFocusInBox(window->windowBoxHandle());
    ASSERT_EQ(QApplication::focusWidget(), window->pane());
    EXPECT_EQ(g_paneCalls.size(), 1u);
}

TEST_F(DockingTest, LocationQuestionOutlivesItsMainWindow)
{
    DockWidget *dock = window->createDockedWindow(113, "Memory", &recordHostCall);
    ASSERT_TRUE(dock->askLocation());
    QPointer<MainWindow> main(window);
    ModalAnswers answers;
    int asked = 0;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        ++asked;
        QtCloseCode(1);
        testhost::settle();
        if (request.widget)
            qobject_cast<QDialog *>(request.widget.data())->accept();
    });
    CuiPopupProcessGenericOption(113, DockWidget::OptionDockFloat);
    testhost::settle();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(main);
    window = nullptr;
}

TEST_F(DockingTest, LocationQuestionOutlivesItsDock)
{
    DockWidget *dock = window->createDockedWindow(114, "Memory", &recordHostCall);
    QPointer<DockWidget> guard(dock);
    ModalAnswers answers;
    int asked = 0;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        ++asked;
        CuiPopupProcessGenericOption(114, DockWidget::OptionClose);
        testhost::settle();
        if (request.widget)
            qobject_cast<QDialog *>(request.widget.data())->accept();
    });
    CuiPopupProcessGenericOption(114, DockWidget::OptionDockFloat);
    testhost::settle();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(guard);
    // The window goes on without it.
    EXPECT_TRUE(window->dockList().isEmpty());
    EXPECT_FALSE(window->doNotAskAgain());
}

TEST_F(DockingTest, TheLocationQuestionIsAnsweredUnattended)
{
    // Prompts suppressed, it is cancelled without showing: the pane goes on floating.
    window->createDockedWindow(62, "Memory", &recordHostCall);
    setenv("KSODEBUG_SUPPRESS_PROMPTS", "1", 1);
    CuiDebugInfo::reset();
    CuiPaneDock(62);
    unsetenv("KSODEBUG_SUPPRESS_PROMPTS");
    CuiDebugInfo::reset();
    EXPECT_TRUE(m_modalAnswers.seen().empty());
    EXPECT_TRUE(window->findDockWidgetByBox(62)->isFloating());

    // A host that closes the pane from its timer while the box waits ends the call.
    ModalAnswers answers;
    answers.setHandler([](const ModalAnswers::Request &request) {
        ASSERT_TRUE(qobject_cast<DockLocationBox *>(request.widget.data()));
        CuiPaneClose(62);
    });
    CuiPopupProcessGenericOption(62, DockWidget::OptionDockFloat);
    testhost::settle();
    EXPECT_EQ(window->findDockWidgetByBox(62), nullptr);
}
