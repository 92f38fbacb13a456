// The memory view on the simulated target: its defaults and settings text, the address field
// and its list, targets and their addresses, host events, layout arithmetic, scrolling
// through the range and one selection across the tables.
#include "gc_panes/memory/simfixture.h"
#include "modalanswers.h"
#include "testhost.h"

#include "frame/core/usettings.h"
#include "gui_components/gc_panes/memory/viewmemoryinfo.h"
#include "gui_components/gc_panes/memoryview/memorygeometry.h"
#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/memoryview/viewmemoryascii.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"

#include <tesk/tesk_app.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace geometry = tesk::gc_panes::geometry;

namespace {

using Settings = std::map<std::string, std::string>;

Settings parse(const std::string &text)
{
    usettings::KUniversalSettings group;
    EXPECT_TRUE(usettings::settingsFromString(group, text));
    Settings values;
    for (const auto &[name, entry] : group)
        values[name] = entry->getString();
    return values;
}

class MemoryView : public SimulatedTargetTest
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        SimulatedTargetTest::SetUp();
    }

    static std::unique_ptr<KViewMemory> makeView(const std::string *settings = nullptr)
    {
        auto view = std::make_unique<KViewMemory>("Memory");
        view->setAttribute(Qt::WA_DeleteOnClose, false);
        view->buildLayout(settings);
        view->resize(900, 300);
        view->show();
        testhost::pumpFor(30);
        // Showing focuses the address field first, which empties it while it has the focus.
        view->dataTable()->setFocus(Qt::TabFocusReason);
        return view;
    }

    static QLineEdit *field(KViewMemory &view) { return view.addressCombo()->lineEdit(); }

    static void type(KViewMemory &view, const QString &text)
    {
        view.addressCombo()->setFocus(Qt::TabFocusReason);
        field(view)->selectAll();
        QTest::keyClicks(view.addressCombo(), text);
        QTest::keyClick(view.addressCombo(), Qt::Key_Return);
    }

    static QString shown(KViewMemory &view) { return view.startAddressText(); }

    static void choose(QComboBox *combo, int item)
    {
        combo->setCurrentIndex(item);
        emit combo->activated(item);
    }
};

QPoint cellCentre(AViewMemoryTable &table, int row, int col)
{
    return table.contentsToViewport(table.cellGeometry(row, col).center());
}

void dragOver(AViewMemoryTable &table, int r1, int c1, int r2, int c2)
{
    QTest::mousePress(table.viewport(), Qt::LeftButton, {}, cellCentre(table, r1, c1));
    const QPointF to = cellCentre(table, r2, c2);
    QMouseEvent move(QEvent::MouseMove, to, table.viewport()->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table.viewport(), &move);
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, to.toPoint());
}

} // namespace

TEST(MemoryGeometry, AutomaticColumnsLeaveRoomForTheCharacters)
{
    EXPECT_EQ(geometry::autoColumnCount(100, 430, 4, 8), 3);
    EXPECT_EQ(geometry::autoColumnCount(100, 430, 4, 0), 4);
    // Narrower than one field: still one column; nonsense widths are floored.
    EXPECT_EQ(geometry::autoColumnCount(100, 40, 4, 8), 1);
    EXPECT_EQ(geometry::autoColumnCount(0, -5, 8, 0), 1);
}

TEST(MemoryGeometry, RowsStopAtTheEndOfTheRange)
{
    EXPECT_EQ(geometry::rowsInRange(10, 16, 0, 0x1000), 10);
    EXPECT_EQ(geometry::rowsInRange(10, 16, 0x1000 - 40, 0x1000), 3);
    EXPECT_EQ(geometry::rowsInRange(10, 16, 0x1000, 0x1000), 1);
    EXPECT_EQ(geometry::rowsInRange(10, 16, 0x2000, 0x1000), 1);
    // A range to the top of the space: offset + rows * bytes passes 32 bits.
    EXPECT_EQ(geometry::rowsInRange(10, 16, 0xFFFFFFF0u, 0xFFFFFFFFu), 1);
    EXPECT_EQ(geometry::rowsInRange(0, 16, 0, 0x1000), 1);
}

TEST(MemoryGeometry, ScrollsStayInsideTheRange)
{
    uint32_t moved = 7;
    EXPECT_FALSE(geometry::scrollOffset(0, 0x1000, -1, 16, moved));
    EXPECT_TRUE(geometry::scrollOffset(16, 0x1000, -1, 16, moved));
    EXPECT_EQ(moved, 0u);
    EXPECT_FALSE(geometry::scrollOffset(0x1000 - 16, 0x1000, 1, 16, moved));
    EXPECT_FALSE(geometry::scrollOffset(0xFFFFFFF0u, 0xFFFFFFFFu, 1, 16, moved));
    EXPECT_TRUE(geometry::scrollOffset(0, 0xFFFFFFFFu, 0x0FFFFFFF, 16, moved));
    EXPECT_EQ(moved, 0xFFFFFFF0u);
    EXPECT_EQ(geometry::offsetAtFraction(1.0, 0xFFFFFFFFu, 16), 0xFFFFFFF0u);
    EXPECT_EQ(geometry::offsetAtFraction(0.5, 0x1000, 16), 0x800u);
    EXPECT_EQ(geometry::offsetAtFraction(-1.0, 0x1000, 16), 0u);
}

TEST_F(MemoryView, ANewViewShowsNoAddressAndItsDefaults)
{
    auto view = makeView();
    EXPECT_EQ(field(*view)->text(), "No Address");
    EXPECT_EQ(field(*view)->palette().color(QPalette::Text), QColor(Qt::gray));
    EXPECT_EQ(view->findChild<QComboBox *>("listColumns")->currentText(), "Auto column");
    EXPECT_EQ(view->findChild<QComboBox *>("listSizes")->currentText(), "4 bytes");
    EXPECT_EQ(view->findChild<QComboBox *>("listFormats")->currentText(), "Hexadecimal");
    EXPECT_FALSE(view->asciiTable()->isHidden());
    EXPECT_TRUE(view->dsmTable()->isHidden());
    EXPECT_EQ(view->findChildren<QLabel *>("StartAddressLabel").size(), 4);

    std::string text;
    view->saveSettings(text);
    const Settings values = parse(text);
    EXPECT_EQ(values.count("TargetName_0"), 0u);
    EXPECT_EQ(values.at("Columns"), "0");
    EXPECT_EQ(values.at("DataSizeId"), "3");
    EXPECT_EQ(values.at("AsciiViewShown"), "1");
}

// A settings text with keys left out (edited by hand, or junk behind its header) keeps the
// view's own settings for them, as an empty text does; the keys it holds still apply.
TEST_F(MemoryView, SettingsWithKeysLeftOutKeepTheViewsDefaults)
{
    for (const std::string text : {"", "1:junk:", "1:TargetName_0=core A:TargetAddress_0=0x3:",
                                   "1:FormatId=0:", "1:DataSizeId=1:"}) {
        auto view = makeView(&text);
        std::string saved;
        view->saveSettings(saved);
        const Settings values = parse(saved);
        EXPECT_EQ(values.at("DataSizeId"), text == "1:DataSizeId=1:" ? "1" : "3") << text;
        EXPECT_EQ(values.at("AsciiViewShown"), "1") << text;
        EXPECT_EQ(values.at("Columns"), "0") << text;
        EXPECT_FALSE(view->asciiTable()->isHidden()) << text;
    }
}

TEST_F(MemoryView, TheAddressListKeepsNinetyNineNewestFirstWithoutDuplicates)
{
    auto view = makeView();
    view->setTarget(1);
    type(*view, "0x100");
    type(*view, "0x200");
    type(*view, "0x100");
    QComboBox *list = view->addressCombo();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), "0x100");
    EXPECT_EQ(list->itemText(1), "0x200");
    EXPECT_EQ(shown(*view), "0x00000100");

    for (int i = 0; i < 120; ++i)
        type(*view, QString::number(0x1000 + i));
    EXPECT_EQ(list->count(), 99);
    EXPECT_EQ(list->itemText(0), QString::number(0x1000 + 119));
    // An address that does not evaluate changes nothing on screen.
    type(*view, "nonsense");
    EXPECT_EQ(shown(*view), "0x00001077");
}

TEST_F(MemoryView, AnAddressThatBeginsAnOlderOneGoesWhereItSays)
{
    auto view = makeView();
    view->setTarget(1);
    type(*view, "0x20000000");
    type(*view, "0x2000");
    EXPECT_EQ(shown(*view), "0x00002000");
    EXPECT_EQ(view->addressCombo()->itemText(0), "0x2000");
}

TEST_F(MemoryView, FocusSelectsTheFieldAndLeavingItApplies)
{
    auto view = makeView();
    view->setTarget(1);
    QTest::mouseClick(field(*view), Qt::LeftButton, {}, QPoint(5, 5));
    QApplication::setActiveWindow(view.get());
    view->addressCombo()->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(field(*view)->text().isEmpty()); // "No Address" goes on entry
    QTest::keyClicks(view->addressCombo(), "0x40");
    view->dataTable()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(shown(*view), "0x00000040");

    view->addressCombo()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(field(*view)->selectedText(), field(*view)->text());
    // The press that focused the field does not undo the selection.
    QTest::mousePress(field(*view), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(field(*view), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(field(*view)->selectedText(), field(*view)->text());

    field(*view)->clear();
    view->dataTable()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(field(*view)->text(), "No Address");
    EXPECT_EQ(shown(*view), "0x00000040");
}

TEST_F(MemoryView, EachTargetKeepsItsAddressAndTargetZeroClears)
{
    auto view = makeView();
    view->setTarget(1);
    type(*view, "0x100");
    view->setTarget(2);
    EXPECT_EQ(field(*view)->text(), "No Address");
    type(*view, "0x200");
    view->memoryInfo().setTimedUpdateWhenRunning(true);
    view->setTarget(1);
    EXPECT_EQ(shown(*view), "0x00000100");
    EXPECT_FALSE(view->isTimedUpdateRunning());
    view->setTarget(2);
    EXPECT_EQ(shown(*view), "0x00000200");
    EXPECT_TRUE(view->isTimedUpdateRunning());

    sim().clearLog();
    view->setTarget(2);
    EXPECT_EQ(reads(), 0);

    view->setTarget(0);
    EXPECT_EQ(field(*view)->text(), "No Address");
    EXPECT_FALSE(view->isTimedUpdateRunning());
    // Clearing dropped the address; the target coming back still takes up its timed update.
    view->setTarget(2);
    EXPECT_FALSE(view->isStartAddressValid());
    EXPECT_TRUE(view->isTimedUpdateRunning());
}

TEST_F(MemoryView, AStoredAddressIsUsedTheFirstTimeItsTargetIsShown)
{
    sim().setTargetName(3, "core A");
    usettings::KUniversalSettings group;
    group.setString("TargetName_0", "core A");
    group.setString("TargetAddress_0", "0x300");
    std::string text;
    usettings::settingsToString(group, text);
    auto view = makeView(&text);
    EXPECT_TRUE(view->isAsciiViewShown()); // absent: as a new view shows it

    view->setTarget(3);
    EXPECT_EQ(shown(*view), "0x00000300");
    type(*view, "0x400");
    view->setTarget(4);
    view->setTarget(3);
    EXPECT_EQ(shown(*view), "0x00000400");

    std::string saved;
    view->saveSettings(saved);
    const Settings values = parse(saved);
    EXPECT_EQ(values.at("TargetName_0"), "core A");
    EXPECT_EQ(values.at("TargetAddress_0"), "0x00000400");
    EXPECT_EQ(values.at("TargetName_1"), "target 4");
    EXPECT_EQ(values.at("TargetAddress_1"), "");
}

// Settings of the previous version wrote the name "a:#b" as "a###b", which reads back as
// "a#:b": the target still finds its place there, and the next save writes its name whole.
TEST_F(MemoryView, ANameThePreviousVersionWroteAmbiguouslyStillFindsItsPlace)
{
    sim().setTargetName(3, "a:#b");
    const std::string stored = "1:TargetAddress_0=0x300:TargetName_0=a###b:";
    auto view = makeView(&stored);
    view->setTarget(3);
    EXPECT_EQ(shown(*view), "0x00000300");
    std::string saved;
    view->saveSettings(saved);
    EXPECT_EQ(parse(saved).at("TargetName_0"), "a:#b");
    EXPECT_EQ(parse(saved).count("TargetName_1"), 0u);
}

// A target without a name keeps no pair of its own and costs no other target its place: not in
// what this run writes, nor where earlier settings hold a pair with an empty name first.
TEST_F(MemoryView, ATargetWithoutANameCostsNoOtherTargetItsPlace)
{
    sim().setTargetName(5, "");
    sim().setTargetName(6, "core B");
    usettings::KUniversalSettings group;
    group.setString("TargetName_0", "");
    group.setString("TargetAddress_0", "0x10");
    group.setString("TargetName_1", "core C");
    group.setString("TargetAddress_1", "0x700");
    std::string stored;
    usettings::settingsToString(group, stored);
    auto view = makeView(&stored);
    view->setTarget(5);
    type(*view, "0x500");
    view->setTarget(6);
    type(*view, "0x600");

    std::string saved;
    view->saveSettings(saved);
    const Settings values = parse(saved);
    EXPECT_EQ(values.at("TargetName_0"), "core B");
    EXPECT_EQ(values.at("TargetName_1"), "core C");
    EXPECT_EQ(values.count("TargetName_2"), 0u);

    sim().setTargetName(7, "core C");
    auto next = makeView(&saved);
    next->setTarget(6);
    EXPECT_EQ(shown(*next), "0x00000600");
    next->setTarget(7);
    EXPECT_EQ(shown(*next), "0x00000700");
}

TEST_F(MemoryView, HostEventsAreIgnoredWithAutomaticUpdateOff)
{
    auto view = makeView();
    view->setTarget(1);
    type(*view, "0x1000");
    sim().setVolatile(1, 0x1000, 4);
    const QString before = view->dataTable()->cellText(0, 0);
    view->memoryInfo().setAutomaticUpdate(false);
    view->setTarget(2);
    view->setTarget(1);
    sim().advance();
    const uint64_t generations = view->memoryInfo().generationCount();
    view->targetUpdated(1, 1);
    EXPECT_EQ(view->memoryInfo().generationCount(), generations);
    EXPECT_EQ(view->dataTable()->cellText(0, 0), before);

    view->memoryInfo().setAutomaticUpdate(true);
    view->setTarget(2);
    view->setTarget(1);
    view->targetUpdated(1, 1);
    EXPECT_NE(view->dataTable()->cellText(0, 0), before);
    // Another target's event is not this view's.
    const uint64_t now = view->memoryInfo().generationCount();
    view->targetUpdated(2, 1);
    EXPECT_EQ(view->memoryInfo().generationCount(), now);
}

TEST_F(MemoryView, SettingsRoundTripKeepsAUserFormatAndIgnoresNonsense)
{
    auto view = makeView();
    choose(view->findChild<QComboBox *>("listColumns"), 2);
    ASSERT_TRUE(view->dataTable()->setFormat(QStringLiteral("dec_16"), 16));
    view->slotEnableCustomFormat();
    QComboBox *formats = view->findChild<QComboBox *>("listFormats");
    EXPECT_TRUE(formats->isEditable());
    EXPECT_EQ(formats->currentText(), "User format...");
    std::string text;
    view->saveSettings(text);

    auto copy = makeView(&text);
    QComboBox *copyFormats = copy->findChild<QComboBox *>("listFormats");
    EXPECT_TRUE(copyFormats->isEditable());
    EXPECT_EQ(copyFormats->currentText(), "User format...");
    QString name;
    int bits = 0;
    copy->dataTable()->format(name, bits);
    EXPECT_EQ(name, "dec_16");
    EXPECT_EQ(bits, 16);
    EXPECT_EQ(copy->columnCount(), 2);

    // Items out of range are ignored; a format size of no whole field drops the user format.
    usettings::KUniversalSettings odd;
    ASSERT_TRUE(usettings::settingsFromString(odd, text));
    odd.setInt("Columns", 40);
    odd.setInt("DataSizeId", -1);
    odd.setInt("FormatSize", 12);
    std::string oddText;
    usettings::settingsToString(odd, oddText);
    auto third = makeView(&oddText);
    EXPECT_EQ(third->columnsId(), 0);
    EXPECT_EQ(third->dataSizeId(), 3);
    EXPECT_FALSE(third->findChild<QComboBox *>("listFormats")->isEditable());
}

// In every language: the list's items stay as the formatting library names them.
TEST_F(MemoryView, DisassemblyModeShowsTheListingAloneAndLocksColumnsAndSizes)
{
    for (const char *language : {"en", "de"}) {
        setenv("KSODEBUG_LANG", language, 1);
        CuiUpdateSettings();
        auto view = makeView();
        view->setTarget(1);
        type(*view, "0x2000");
        QComboBox *formats = view->findChild<QComboBox *>("listFormats");
        choose(formats, 5);
        EXPECT_FALSE(view->dsmTable()->isHidden()) << language;
        EXPECT_TRUE(view->dataTable()->isHidden()) << language;
        EXPECT_TRUE(view->asciiTable()->isHidden());
        EXPECT_FALSE(view->findChild<QComboBox *>("listColumns")->isEnabled());
        EXPECT_FALSE(view->findChild<QComboBox *>("listSizes")->isEnabled());
        EXPECT_EQ(view->bytesPerRow(), 4);
        EXPECT_GT(sim().count(SimulatedTarget::Kind::DisassemblyLines), 0);

        choose(formats, 1);
        EXPECT_TRUE(view->dsmTable()->isHidden());
        EXPECT_FALSE(view->asciiTable()->isHidden());
        EXPECT_TRUE(view->findChild<QComboBox *>("listSizes")->isEnabled());
        EXPECT_EQ(view->formatCode(), "dec");
    }
    unsetenv("KSODEBUG_LANG");
    CuiUpdateSettings();
}

TEST_F(MemoryView, ScrollingMovesTheStartAddressWithinTheRange)
{
    auto view = makeView();
    view->setTarget(1);
    choose(view->findChild<QComboBox *>("listColumns"), 4); // 16 bytes a row
    type(*view, "0");
    view->scrollBy(KViewMemory::PrevLine, 0);
    EXPECT_EQ(shown(*view), "0x00000000");
    view->scrollBy(KViewMemory::NextLine, 0);
    EXPECT_EQ(shown(*view), "0x00000010");
    view->scrollBy(KViewMemory::ByLines, -1);
    EXPECT_EQ(shown(*view), "0x00000000");

    type(*view, "0xFFFFFFF0");
    view->scrollBy(KViewMemory::NextLine, 0);
    EXPECT_EQ(shown(*view), "0xFFFFFFF0");
    EXPECT_EQ(view->dataTable()->numRows(), 1);

    // A preview shows where the slider would go and moves nothing, in at most 3 host calls.
    sim().clearLog();
    view->scrollToFraction(0.5, true);
    EXPECT_EQ(field(*view)->text(), "0x7FFFFFF0");
    EXPECT_EQ(shown(*view), "0xFFFFFFF0");
    EXPECT_EQ(sim().count(SimulatedTarget::Kind::Read), 0);
    view->scrollToFraction(0.5, false);
    EXPECT_EQ(shown(*view), "0x7FFFFFF0");
    EXPECT_NEAR(view->scrollFraction(), 0.5, 1e-6);
}

TEST_F(MemoryView, ASelectionInOneTableIsMirroredInTheOther)
{
    auto view = makeView();
    view->setTarget(1);
    choose(view->findChild<QComboBox *>("listColumns"), 2);
    choose(view->findChild<QComboBox *>("listSizes"), 1); // 1 byte
    type(*view, "0x100");
    KViewMemoryData &data = *view->dataTable();
    KViewMemoryAscii &ascii = *view->asciiTable();
    dragOver(data, 0, 1, 1, 0);
    EXPECT_TRUE(ascii.isInRange(1, 0));
    EXPECT_TRUE(ascii.isInRange(0, 1));
    EXPECT_FALSE(ascii.isInRange(1, 1));
    EXPECT_EQ(view->selectionStartAddress().offset(), 0x101u);
    EXPECT_EQ(view->selectionEndAddress().offset(), 0x102u);

    dragOver(ascii, 1, 1, 2, 0);
    EXPECT_TRUE(data.isInRange(1, 1));
    EXPECT_TRUE(data.isInRange(0, 2));
    EXPECT_FALSE(data.isInRange(1, 0));
    EXPECT_EQ(view->memoryInfo().selectionStart().offset(), 0x103u);
    EXPECT_EQ(view->memoryInfo().selectionEnd().offset(), 0x104u);
}

// The cursor cell is drawn while the table has the focus, however it came: a click shows it
// where clicked, and Right, then Down move it visibly.
TEST_F(MemoryView, TheCurrentCellIsDrawnWhereTheKeysMoveIt)
{
    auto view = makeView();
    view->setTarget(1);
    type(*view, "0x100");
    KViewMemoryData &data = *view->dataTable();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    const auto cell = [&](int row, int col) {
        const QRect shown(data.contentsToViewport(data.cellGeometry(row, col).topLeft()),
                          data.cellGeometry(row, col).size());
        return data.viewport()->grab(shown).toImage();
    };
    view->setFocus();
    const QImage plain[3] = {cell(1, 1), cell(1, 2), cell(2, 2)};
    QTest::mouseClick(data.viewport(), Qt::LeftButton, {}, cellCentre(data, 1, 1));
    ASSERT_TRUE(data.hasFocus());
    ASSERT_EQ(data.currentRow(), 1);
    EXPECT_NE(cell(1, 1), plain[0]) << "no cursor where clicked";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(cell(1, 1), plain[0]);
    EXPECT_NE(cell(1, 2), plain[1]) << "no cursor after Right";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(cell(1, 2), plain[1]);
    EXPECT_NE(cell(2, 2), plain[2]) << "no cursor after Down";
}

TEST_F(MemoryView, ALaidOutViewPaintsAndFitsColumnsToItsMeasuredCells)
{
    auto view = makeView();
    view->setTarget(1);
    type(*view, "0x3000");
    KViewMemoryData &data = *view->dataTable();
    KViewMemoryAscii &ascii = *view->asciiTable();
    // Holding updates off inside the layout must not leave a viewport or header switched off.
    for (AViewMemoryTable *table :
         {static_cast<AViewMemoryTable *>(&data), static_cast<AViewMemoryTable *>(&ascii)}) {
        EXPECT_TRUE(table->viewport()->updatesEnabled());
        EXPECT_TRUE(table->horizontalHeader()->updatesEnabled());
        EXPECT_TRUE(table->verticalHeader()->updatesEnabled());
    }
    // Cells take the width of their texts, so a 900 pixel view holds several fields a row.
    const QFontMetrics metrics(data.viewport()->font());
    EXPECT_EQ(data.columnWidth(0), metrics.horizontalAdvance(data.text(0, 0)) + 5);
    EXPECT_LT(ascii.columnWidth(0), 30);
    EXPECT_GE(view->columnCount(), 3);
    EXPECT_EQ(data.numCols(), view->autoColumnCount());
}

// A view given the height it asks for (as a new dock gives it) shows its address bar and eight
// whole rows of memory below the column labels.
TEST_F(MemoryView, AViewAtItsAskedHeightShowsEightWholeRows)
{
    auto view = makeView();
    view->setTarget(1);
    type(*view, "0x3000");
    view->resize(900, view->sizeHint().height());
    testhost::pumpFor(30);
    KViewMemoryData &data = *view->dataTable();
    ASSERT_TRUE(data.isVisible());
    int whole = 0;
    for (int row = 0; row < data.numRows(); ++row) {
        const QRect cell = data.cellGeometry(row, 0);
        if (data.contentsToViewport(cell.bottomLeft()).y() < data.viewport()->height())
            ++whole;
    }
    EXPECT_GE(whole, 8) << "the view is " << view->height() << " high";
}

TEST_F(MemoryView, ALayoutPaintsNothingUntilItsTablesAreFilled)
{
    auto view = makeView();
    view->setTarget(1);
    choose(view->findChild<QComboBox *>("listColumns"), 4);
    type(*view, "0x3000");
    const QList<AViewMemoryTable *> tables = {view->dataTable(), view->asciiTable()};
    int readsInside = 0;
    sim().inside = [&](SimulatedTarget::Kind kind) {
        if (kind != SimulatedTarget::Kind::Read)
            return;
        ++readsInside;
        for (AViewMemoryTable *table : tables) {
            EXPECT_FALSE(table->viewport()->updatesEnabled());
            EXPECT_FALSE(table->horizontalHeader()->updatesEnabled());
            EXPECT_FALSE(table->verticalHeader()->updatesEnabled());
        }
    };
    type(*view, "0x5000"); // a new start address lays the tables out again and reads
    sim().inside = nullptr;
    EXPECT_GT(readsInside, 0);
    for (AViewMemoryTable *table : tables) {
        EXPECT_TRUE(table->viewport()->updatesEnabled());
        EXPECT_TRUE(table->horizontalHeader()->updatesEnabled());
        EXPECT_TRUE(table->verticalHeader()->updatesEnabled());
    }
    EXPECT_EQ(view->dataTable()->numCols(), 4);
    EXPECT_EQ(view->dataTable()->horizontalHeader()->label(3).trimmed(), "+3");
}

TEST_F(MemoryView, TheViewLetsTheDataTableKeepItsWheel)
{
    auto view = makeView();
    view->setTarget(1);
    choose(view->findChild<QComboBox *>("listColumns"), 4); // 16 bytes a row
    type(*view, "0x3000");
    KViewMemoryData &data = *view->dataTable();
    data.setFocus(Qt::TabFocusReason);
    QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(data.viewport(), &down);
    EXPECT_EQ(shown(*view), "0x00003010");
}

TEST_F(MemoryView, LeavingDisassemblyWithAutomaticColumnsRefitsWithoutAWarning)
{
    auto view = makeView();
    view->setTarget(1);
    type(*view, "0x2000");
    testhost::ModalAnswers answers;
    int asked = 0;
    answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
        ++asked;
        request.widget->close();
    });
    QComboBox *formats = view->findChild<QComboBox *>("listFormats");
    choose(formats, 5);
    choose(formats, 0);
    EXPECT_EQ(asked, 0);
    // The count is fitted to the data fields again, not kept from the listing's widths.
    EXPECT_EQ(view->dataTable()->numCols(), view->autoColumnCount());
    EXPECT_LE(view->autoColumnCount(), 8);
}

TEST_F(MemoryView, RowsShrinkAndGrowWithTheStepsNearTheRangeEnd)
{
    auto view = makeView();
    view->setTarget(1);
    choose(view->findChild<QComboBox *>("listColumns"), 4); // 16 bytes a row
    type(*view, "0x100");
    KViewMemoryData &data = *view->dataTable();
    const int page = data.numRows();
    ASSERT_GT(page, 3);
    // The last byte of the space is the range's inclusive end: 3 rows are left from here.
    type(*view, "0xFFFFFFD0");
    EXPECT_EQ(data.numRows(), 3);
    view->scrollBy(KViewMemory::NextLine, 0);
    EXPECT_EQ(data.numRows(), 2);
    EXPECT_EQ(view->asciiTable()->numRows(), 2);
    view->scrollBy(KViewMemory::NextLine, 0);
    EXPECT_EQ(shown(*view), "0xFFFFFFF0");
    EXPECT_EQ(data.numRows(), 1);
    // Past the end a step is refused, not clamped.
    view->scrollBy(KViewMemory::NextLine, 0);
    view->scrollBy(KViewMemory::NextPage, 0);
    EXPECT_EQ(shown(*view), "0xFFFFFFF0");
    view->scrollBy(KViewMemory::PrevLine, 0);
    EXPECT_EQ(data.numRows(), 2);
    view->scrollBy(KViewMemory::ByLines, -100);
    EXPECT_EQ(shown(*view), "0xFFFFF9A0");
    EXPECT_EQ(data.numRows(), page);
    EXPECT_EQ(view->asciiTable()->numRows(), page);
}

TEST_F(MemoryView, StepsBeforeTheRangeStartAreRefused)
{
    auto view = makeView();
    view->setTarget(1);
    choose(view->findChild<QComboBox *>("listColumns"), 4);
    type(*view, "0x10");
    view->scrollBy(KViewMemory::PrevPage, 0);
    EXPECT_EQ(shown(*view), "0x00000010");
    view->scrollBy(KViewMemory::PrevLine, 0);
    EXPECT_EQ(shown(*view), "0x00000000");
    view->scrollBy(KViewMemory::ByLines, -1);
    EXPECT_EQ(shown(*view), "0x00000000");
    view->scrollBy(KViewMemory::NextPage, 0);
    EXPECT_EQ(view->startAddress().offset(), uint32_t(16 * view->dataTable()->visibleRowCount()));
}
