// A window kept on top (a find panel) and a dialog that opens over it, then grows.
#include "testhost.h"

#include "system/keptontop.h"

#include <QDialog>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

using tesk::system::clearOfKeptWindows;

// The dialog first leaves room beside it, so the panel stands aside; then it grows over the
// whole free area, so the panel hides. Once the dialog goes, the panel is back where the user
// had it, not where it stood aside.
TEST(KeptOnTop, APanelMovedAsideThenHiddenComesBackWhereTheUserHadIt)
{
    QWidget panel(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    const QRect free = panel.screen()->availableGeometry();
    const QSize size(free.width() / 4, free.height() / 8);
    const QPoint user = free.center() - QPoint(size.width() / 2, size.height() / 2);
    panel.resize(size);
    panel.show();
    panel.move(user);
    testhost::settle();
    ASSERT_EQ(panel.pos(), user);

    QDialog dialog;
    dialog.show();
    // As wide as the free area and too high to stand above or below the panel.
    const QRect wide(free.left(), free.top(), free.width(), free.height() - 2 * size.height());
    const QRect placed = clearOfKeptWindows(&dialog, wide, free);
    testhost::settle();
    ASSERT_TRUE(panel.isVisible());
    ASSERT_NE(panel.pos(), user) << "the panel did not stand aside";
    EXPECT_FALSE(panel.frameGeometry().intersects(placed));

    clearOfKeptWindows(&dialog, free, free);
    testhost::settle();
    ASSERT_FALSE(panel.isVisible()) << "the panel stands over a dialog that fills the screen";

    dialog.hide();
    testhost::settle();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.pos(), user);
}

// A find panel is a dialog: shown again at a place no code asked, it would come back centred
// over its window. One the user dragged (the window system moves it, no code) and a dialog
// hid at once, growing over it, comes back where the user had it.
TEST(KeptOnTop, APanelTheUserMovedAndADialogHidComesBackWhereTheUserHadIt)
{
    QWidget window;
    const QRect free = window.screen()->availableGeometry();
    window.setGeometry(free.adjusted(40, 40, -40, -40));
    window.show();
    QDialog panel(&window, Qt::WindowStaysOnTopHint);
    panel.resize(free.width() / 4, free.height() / 8);
    panel.show();
    testhost::settle();
    const QPoint user = free.topLeft() + QPoint(10, 10);
    ASSERT_NE(panel.pos(), user);
    panel.move(user);
    // Dragged by the user, the toolkit's own word: no code placed it.
    panel.setAttribute(Qt::WA_Moved, false);
    testhost::settle();

    QDialog dialog;
    dialog.show();
    clearOfKeptWindows(&dialog, free, free);
    testhost::settle();
    ASSERT_FALSE(panel.isVisible()) << "the panel stands over a dialog that fills the screen";
    dialog.hide();
    testhost::settle();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.pos(), user);
}
