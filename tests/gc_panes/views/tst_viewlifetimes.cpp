// A memory view ended while one of its own menus, dialogs or boxes is up: the modal ends with
// it, the view is deleted once, from the event loop, and nothing of it is touched afterwards.
// And the host's handle 0, which names no window box, reaches no view's dock window.
#include "modalanswers.h"
#include "viewstest.h"

#include "frame/windows/docking/dockwidget.h"
#include "system/modalseam.h"

#include <tesk/tesk_window.h>

#include <QDialog>
#include <QMenu>
#include <QPointer>

#include <functional>

using namespace viewstest;
using tesk::system::ModalSeam;

namespace {

// Acts from inside the next modal loop, then records whether the modal widget is still up; one
// that is gets ended here, so that a modal that outlives its view fails the test instead of
// waiting for a user.
class Inside
{
public:
    explicit Inside(std::function<void()> act)
        : m_act(std::move(act))
    {
        m_previous = ModalSeam::setResponder([this](const ModalSeam::Request &request) {
            ++requests;
            const QPointer<QWidget> widget = request.widget;
            m_act();
            stillUp = widget && widget->isVisible();
            if (!stillUp)
                return;
            if (auto *menu = qobject_cast<QMenu *>(widget.data()))
                menu->close();
            else if (auto *dialog = qobject_cast<QDialog *>(widget.data()))
                dialog->reject();
        });
    }
    ~Inside() { ModalSeam::setResponder(m_previous); }
    Inside(const Inside &) = delete;
    Inside &operator=(const Inside &) = delete;

    int requests = 0;
    bool stillUp = false;

private:
    std::function<void()> m_act;
    ModalSeam::Responder m_previous;
};

class ViewLifetimes : public ViewsTest
{
protected:
    // Opens something modal of a fresh view; the views manager removes the view's pane from
    // inside it.
    void removePaneInside(const char *what, const std::function<void(KViewMemory &)> &open)
    {
        SCOPED_TRACE(what);
        KViewMemory *view = memoryView(newView(1));
        ASSERT_NE(view, nullptr);
        const uint64_t paneId = view->paneId();
        QPointer<KViewMemory> gone(view);
        QPointer<KPane> pane(paneWidget(paneId));
        ASSERT_FALSE(pane.isNull());
        {
            Inside inside([&] { manager()->removePane(paneId); });
            open(*view);
            EXPECT_EQ(inside.requests, 1);
            EXPECT_FALSE(inside.stillUp);
        }
        EXPECT_EQ(manager()->pane(paneId), nullptr);
        EXPECT_TRUE(testhost::pumpUntil([&] { return gone.isNull() && pane.isNull(); }));
    }
};

TEST_F(ViewLifetimes, RemovingThePaneEndsTheViewsMenuFillDialogAndWidthWarning)
{
    removePaneInside("context menu",
                     [](KViewMemory &view) { view.slotContextMenuRequestedData(0, 0, {}); });
    removePaneInside("fill dialog", [](KViewMemory &view) { view.fillMemory(); });
    removePaneInside("column width warning", [](KViewMemory &view) {
        // Sixteen columns of 64 binary digits are far wider than a table may be.
        view.setTarget(1);
        view.setStartAddress("0x40", false);
        view.setDataSizeId(4);
        view.setFormatId(3);
        view.setColumnsId(16);
    });
}

TEST_F(ViewLifetimes, HandleZeroNamesNoWindowBoxSoNoViewsDockIsReached)
{
    KViewMemory *view = memoryView(newView(1));
    ASSERT_NE(view, nullptr);
    QPointer<KViewMemory> alive(view);
    QPointer<DockWidget> dock = tesk::frame::dockHolding(paneWidget(view->paneId()));
    ASSERT_FALSE(dock.isNull());
    const bool floating = dock->isFloating();
    const bool hidden = dock->isHidden();
    // Docking or floating a window may ask where: no question may come up at all.
    testhost::ModalAnswers answers;

    EXPECT_EQ(CuiPopupProcessGenericOption(0, 666), 0);
    CuiPaneUndock(0);
    CuiPaneHide(0);
    EXPECT_EQ(CuiPopupProcessGenericOption(0, 668), 0);
    CuiPaneClose(0);
    testhost::pumpFor(30);

    ASSERT_FALSE(dock.isNull());
    EXPECT_FALSE(alive.isNull());
    EXPECT_EQ(dock->isFloating(), floating);
    EXPECT_EQ(dock->isHidden(), hidden);
    EXPECT_TRUE(answers.seen().empty());
}

} // namespace
