// The editor toolbars in main windows of a usual width: their fields stand in the window, not
// behind an overflow arrow, and the host's focus calls put the keyboard on them.
#include "frames.h"

#include "frame/core/combobox.h"
#include "frame/windows/toolbars/findtoolbar.h"
#include "frame/windows/toolbars/scripttoolbar.h"

#include <tesk/tesk_toolbars.h>
#include <tesk/tesk_window.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

#include <string>

namespace {

constexpr TeskHandle kWindow = 1;

void onFind(TeskHandle, const void *, int, int) {}
void onScript(TeskHandle, const char *) {}

class FindSizes : public FrameTest, public ::testing::WithParamInterface<int>
{
protected:
    // A field the user can reach: shown, wholly inside the window.
    static void expectReachable(QWidget *field, const char *what)
    {
        ASSERT_TRUE(field) << what;
        EXPECT_TRUE(field->isVisible()) << what;
        const QRect inWindow(field->mapTo(field->window(), QPoint()), field->size());
        EXPECT_TRUE(field->window()->rect().contains(inWindow)) << what;
    }

    static bool focusIn(QWidget *field)
    {
        QWidget *focus = QApplication::focusWidget();
        return focus && focus->isVisible() && (focus == field || field->isAncestorOf(focus));
    }
};

} // namespace

TEST_P(FindSizes, FieldsStandInTheWindowAndTakeTheFocus)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, GetParam(), 800);
    QtFrameShow();
    ASSERT_TRUE(QtCreateEditorToolBar(kWindow, &onFind));
    // The longest file state the host shows.
    QtSetEditorBarIcon(kWindow, 3, "locked");
    ASSERT_TRUE(CuiScriptToolBarCreate(kWindow, &onScript));
    testhost::settle();
    auto *find = window->findChild<FindToolBar *>();
    auto *scripts = window->findChild<ScriptToolBar *>();
    ASSERT_TRUE(find && scripts);
    expectReachable(find->findField(), "find field");
    expectReachable(find->lineField(), "line field");
    expectReachable(find->encodingField(), "encoding");
    expectReachable(find->stateButton(), "file state");
    expectReachable(scripts->findChild<QComboBox *>(), "script list");

    window->activateWindow();
    QApplication::setActiveWindow(window);
    QtSetEditorBarFocusText(int(kWindow));
    EXPECT_TRUE(focusIn(find->findField()));
    QtSetEditorBarFocusLine(int(kWindow));
    EXPECT_TRUE(focusIn(find->lineField()));
}

INSTANTIATE_TEST_SUITE_P(UsualWidths, FindSizes, ::testing::Values(1280, 1024));

TEST(FindSizesInATopLevelWindow, TheEncodingBoxGivesWayBeforeTheFileName)
{
    // German, where the encoding's longest choice is long, in a top-level window at its own
    // width.
    setenv("KSODEBUG_LANG", "de", 1);
    ASSERT_EQ(CuiUpdateSettings(), 0);
    constexpr TeskHandle kTop = 0x7300;
    QtSetIsDockingWindow(0);
    ASSERT_NE(QtTopLevelCreate(kTop, nullptr, 0), 0);
    QPointer<QMainWindow> top = Store::currentTopLevelWindow();
    ASSERT_TRUE(QtCreateEditorToolBar(kTop, &onFind));
    CuiFindToolbarSetFilename(kTop, "targets/connections.cfg");
    QtFrameShow();
    QtSetIsDockingWindow(1);
    QtRaiseWindowByBox(kTop);
    testhost::settle();
    auto *find = top->findChild<FindToolBar *>();
    ASSERT_TRUE(find);
    const QComboBox *encoding = find->encodingField();
    EXPECT_TRUE(encoding->isVisible());
    // The file field keeps more than the encoding box, which shows its choices in its list.
    EXPECT_GE(find->fileField()->width(), encoding->width())
        << "file " << find->fileField()->width() << " encoding " << encoding->width();
    top->close();
    testhost::settle();
    unsetenv("KSODEBUG_LANG");
    CuiUpdateSettings();
}

namespace {

// The new-line field of the toolbar's record.
int newLineOf(const char *title)
{
    char buffer[256];
    for (int i = 0; i < QtToolbarCount(kWindow); ++i)
        if (QByteArray(QtReturnToolbarTitle(kWindow, i)) == title) {
            QtToolbarData(kWindow, i, buffer);
            return QByteArray(buffer).split(':').value(0).toInt();
        }
    return -1;
}

class EditorToolbarLines : public FrameTest
{
};

} // namespace

// The editor toolbars share a line while the window is wide enough, unless records put them
// on lines of their own: a window widened later leaves the records' lines.
TEST_F(EditorToolbarLines, StayWhereTheirRecordsPutThem)
{
    createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 600, 500);
    QtCreateEditorToolBar(kWindow, &onFind);
    CuiScriptToolBarCreate(kWindow, &onScript);
    const int count = QtToolbarCount(kWindow);
    ASSERT_GT(count, 2);
    const std::string find = "1:" + std::to_string(count - 2) + ":0:0:0:0:0:0:";
    const std::string scripts = "1:" + std::to_string(count - 1) + ":0:0:0:0:0:0:";
    EXPECT_EQ(QtSetToolbarData("tb_x_Find", find.c_str()), 0);
    EXPECT_EQ(QtSetToolbarData("tb_x_Scripts", scripts.c_str()), 0);
    QtFrameShow();
    QtResizePosWindow(kWindow, 0, 0, 1280, 800);
    testhost::settle();
    EXPECT_EQ(newLineOf("Find"), 1);
    EXPECT_EQ(newLineOf("Scripts"), 1);
}

namespace {

// The width field of the record of the toolbar the layout names so.
int recordedWidth(const char *name)
{
    char buffer[256];
    for (int i = 0; i < QtToolbarCount(kWindow); ++i)
        if (QByteArray(QtReturnToolbarTitle(kWindow, i)) == name) {
            QtToolbarData(kWindow, i, buffer);
            return QByteArray(buffer).split(':').value(6).toInt();
        }
    return -1;
}

} // namespace

// The fields give way while the window is narrow; made wide again, it gives them back, and the
// record stores the toolbar as wide as before, not as the narrow window left it. Either the
// toolbars share their line at every width, as records placed them, or the narrow window puts
// them on lines of their own.
TEST_F(EditorToolbarLines, ComeBackAsWideAfterTheWindowWasNarrow)
{
    for (const bool recorded : {true, false}) {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1280, 800);
        ASSERT_TRUE(QtCreateEditorToolBar(kWindow, &onFind));
        CuiFindToolbarSetFilename(kWindow, "src/main.c");
        QtSetEditorBarIcon(kWindow, 3, "readwrite");
        ASSERT_TRUE(CuiScriptToolBarCreate(kWindow, &onScript));
        const int count = QtToolbarCount(kWindow);
        if (recorded) {
            const std::string find = "1:" + std::to_string(count - 2) + ":0:0:0:0:0:0:";
            const std::string scripts = "0:" + std::to_string(count - 1) + ":0:0:0:0:0:0:";
            ASSERT_EQ(QtSetToolbarData("tb_x_Find", find.c_str()), 0);
            ASSERT_EQ(QtSetToolbarData("tb_x_Scripts", scripts.c_str()), 0);
        }
        QtFrameShow();
        testhost::settle();
        auto *find = window->findChild<FindToolBar *>();
        auto *scripts = window->findChild<ScriptToolBar *>();
        ASSERT_TRUE(find && scripts);
        ASSERT_EQ(window->toolBarBreak(scripts), false);
        const int findWide = find->width();
        const int scriptsWide = scripts->width();
        const int recordWide = recordedWidth("Find");
        ASSERT_EQ(recordWide, findWide);
        for (const QSize narrow : {QSize(701, 478), QSize(1100, 600), QSize(600, 400)}) {
            // As the user drags the frame's corner: one size after another, and back.
            for (int step = 1; step <= 20; ++step) {
                const int away = step <= 10 ? step : 20 - step;
                QtResizePosWindow(kWindow, 0, 0, 1280 - (1280 - narrow.width()) * away / 10,
                                  800 - (800 - narrow.height()) * away / 10);
                QApplication::processEvents();
            }
            testhost::settle();
            EXPECT_EQ(find->width(), findWide) << "after " << narrow.width() << " " << recorded;
            EXPECT_EQ(scripts->width(), scriptsWide) << "after " << narrow.width();
            EXPECT_EQ(recordedWidth("Find"), recordWide) << "after " << narrow.width();
            EXPECT_TRUE(find->encodingField()->isVisible());
        }
        testhost::endMainWindows();
        testhost::settle();
    }
}
