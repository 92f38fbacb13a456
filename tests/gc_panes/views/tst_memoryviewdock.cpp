// The memory view's dock entries: the view's own commands decline 666-668, so a choice from its
// menu goes on through the bridge to the dock window that holds the view.
#include "modalanswers.h"
#include "viewstest.h"

#include "frame/windows/docking/dockwidget.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"

#include <tesk/tesk_window.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace viewstest;

namespace {

class MemoryViewDock : public ViewsTest
{
protected:
    // Opens the data table's menu and chooses the entry with that text.
    static void choose(KViewMemory &view, const QString &text)
    {
        testhost::ModalAnswers answers;
        answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
            auto *menu = qobject_cast<QMenu *>(request.widget.data());
            if (!menu) {
                // Docking a floating window asks where: the offered place is taken.
                auto *box = qobject_cast<QDialog *>(request.widget.data());
                ASSERT_NE(box, nullptr);
                box->accept();
                return;
            }
            for (QAction *action : menu->actions()) {
                if (action->text() == text) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            ADD_FAILURE() << "no entry " << text.toStdString();
            menu->close();
        });
        view.slotContextMenuRequestedData(0, 0, {});
    }
};

TEST_F(MemoryViewDock, TheDockEntriesReachTheViewsDockWindow)
{
    KViewMemory *view = memoryView(newView(1));
    ASSERT_NE(view, nullptr);
    QPointer<DockWidget> dock = tesk::frame::dockHolding(paneWidget(view->paneId()));
    ASSERT_NE(dock, nullptr);
    for (int id : {666, 667, 668})
        EXPECT_FALSE(view->runCommand(id));

    const bool floating = dock->isFloating();
    choose(*view, "Dock/Float");
    EXPECT_NE(dock->isFloating(), floating);
    choose(*view, "Dock/Float");
    EXPECT_EQ(dock->isFloating(), floating);

    choose(*view, "Hide");
    EXPECT_TRUE(dock->isHidden());
    dock->show();

    choose(*view, "Close");
    testhost::pumpFor(30);
    EXPECT_TRUE(dock.isNull());
}

} // namespace

namespace {

// A memory view's dock has a window box as every other dock: the host finds it by name and in
// both lists, and hides, floats and closes it by it. The host taking a pane's last view closes
// the dock, which would otherwise be stored as a "Memory" dock with nothing to show.
TEST_F(MemoryViewDock, AMemoryDockHasAWindowBoxAndGoesWithItsLastView)
{
    constexpr TeskHandle kWindow = 0x5100;
    KViewMemory *view = memoryView(newView(1));
    ASSERT_NE(view, nullptr);
    QPointer<DockWidget> dock = tesk::frame::dockHolding(paneWidget(view->paneId()));
    ASSERT_NE(dock, nullptr);
    const TeskHandle box = QtFindWindowByKSOName(kWindow, dock->name().toLatin1().constData());
    EXPECT_NE(box, 0);
    QtSortWindowList(kWindow);
    bool inPersistList = false;
    bool inList = false;
    for (int i = 0; i < 8; ++i) {
        inPersistList = inPersistList || QtGetPersistWindowBox(kWindow, i) == box;
        inList = inList || QtGetWindowBox(kWindow, i) == box;
    }
    EXPECT_TRUE(inPersistList);
    EXPECT_TRUE(inList);
    CuiPaneUndock(box);
    EXPECT_TRUE(dock->isFloating());
    CuiPaneHide(box);
    EXPECT_TRUE(dock->isHidden());
    CuiPaneClose(box);
    testhost::pumpFor(30);
    EXPECT_TRUE(dock.isNull());

    const uint64_t paneId = newPane(1);
    const uint64_t first = viewIn(paneId);
    const uint64_t second = viewIn(paneId);
    dock = tesk::frame::dockHolding(paneWidget(paneId));
    ASSERT_NE(dock, nullptr);
    IGc_Pane *pane = nullptr;
    mosk::release(face->ops->getWindow(face, paneId, &pane));
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->ops->removeView(pane, first), nullptr);
    testhost::pumpFor(30);
    EXPECT_FALSE(dock.isNull()) << "a view is left";
    EXPECT_EQ(pane->ops->removeView(pane, second), nullptr);
    testhost::pumpFor(30);
    EXPECT_TRUE(dock.isNull());
    EXPECT_EQ(manager()->pane(paneId), nullptr);
    mosk::release(pane);
}

TEST_F(MemoryViewDock, TabbingThroughTheToolbarLeavesTheTableShownFromItsLeftEdge)
{
    KViewMemory *view = memoryView(newView(1));
    ASSERT_NE(view, nullptr);
    QPointer<DockWidget> dock = tesk::frame::dockHolding(paneWidget(view->paneId()));
    ASSERT_NE(dock, nullptr);
    auto *scroller = dock->findChild<QScrollArea *>("DockWidget::Scroller");
    ASSERT_NE(scroller, nullptr);
    // Narrower than the view's toolbar: the dock scrolls.
    dock->setFloating(true);
    dock->resize(260, 300);
    testhost::pumpFor(50);
    ASSERT_GT(scroller->horizontalScrollBar()->maximum(), 0);
    QApplication::setActiveWindow(dock);
    view->addressCombo()->setFocus(Qt::TabFocusReason);
    QScrollBar *sideways = scroller->horizontalScrollBar();
    int furthest = 0;
    QWidget *table = view->dataTable();
    while (QApplication::focusWidget() != table) {
        QWidget *before = QApplication::focusWidget();
        ASSERT_NE(before, nullptr);
        QTest::keyClick(before, Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), before) << "the focus stays in the toolbar";
        furthest = qMax(furthest, sideways->value());
    }
    EXPECT_GT(furthest, 0) << "the toolbar's last fields were never scrolled to";
    const int left = table->mapTo(scroller->widget(), QPoint()).x();
    EXPECT_EQ(sideways->value(), qMin(left, sideways->maximum()));
}

} // namespace
