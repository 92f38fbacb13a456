// The memory view's dock entries: the view's own commands decline 666-668, so a choice from its
// menu goes on through the bridge to the dock window that holds the view.
#include "modalanswers.h"
#include "viewstest.h"

#include "frame/windows/docking/dockwidget.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPointer>
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
