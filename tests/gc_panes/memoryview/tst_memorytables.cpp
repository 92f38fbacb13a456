// The memory tables over a small view double and the simulated target: texts of fields and
// characters, the linear range, keys, wheel and scroll bar, column labels and widths,
// colouring by attribute and change, typing and in-place edits written through the host, and
// the disassembly table's rows.
#include "gc_panes/memory/simfixture.h"
#include "memorytableviewdouble.h"
#include "modalanswers.h"
#include "testhost.h"

#include "gui_components/gc_panes/memoryview/viewmemoryascii.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "gui_components/gc_panes/memoryview/viewmemorydataformatter.h"
#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"
#include "gui_components/gc_panes/memoryview/viewmemoryscrollbar.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <tesk/tesk_memoryaccess.h>

using testhost::MemoryTableViewDouble;
using Kind = SimulatedTarget::Kind;

namespace {

constexpr uint32_t kBase = 0x1000;

class MemoryTables : public SimulatedTargetTest
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        SimulatedTargetTest::SetUp();
    }

    static std::unique_ptr<MemoryTableViewDouble> view(int rows = 4, int columns = 4,
                                                       int fieldSize = 1)
    {
        auto v = std::make_unique<MemoryTableViewDouble>(rows, columns, fieldSize);
        v->showAt(kBase);
        return v;
    }

    // Reads the block again after the simulated target changed.
    static void reload(MemoryTableViewDouble &v)
    {
        v.memoryInfo().clearCurrentBlock();
        v.refresh();
    }

    static QColor textColour(AViewMemoryTable &table, int row, int col)
    {
        QColor colour(1, 2, 3);
        table.cellTextColor(row, col, colour);
        return colour;
    }
};

void wheel(QWidget *target, int delta)
{
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

QPoint cellCentre(AViewMemoryTable &table, int row, int col)
{
    return table.contentsToViewport(table.cellGeometry(row, col).center());
}

void dragTo(AViewMemoryTable &table, const QPointF &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, table.viewport()->mapToGlobal(pos), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table.viewport(), &move);
}

void drag(AViewMemoryTable &table, int row, int col)
{
    dragTo(table, cellCentre(table, row, col));
}

} // namespace

TEST_F(MemoryTables, PressAndDragSelectALinearRangeOfTheirOwnTable)
{
    auto v = view();
    KViewMemoryData &data = v->data();
    QTest::mousePress(data.viewport(), Qt::LeftButton, {}, cellCentre(data, 1, 2));
    EXPECT_EQ(data.currentRow(), 1);
    EXPECT_EQ(data.currentColumn(), 2);
    drag(data, 2, 1);
    QTest::mouseRelease(data.viewport(), Qt::LeftButton, {}, cellCentre(data, 2, 1));
    EXPECT_TRUE(data.isInRange(3, 1));
    EXPECT_TRUE(data.isInRange(1, 2));
    EXPECT_FALSE(data.isInRange(2, 2));
    ASSERT_FALSE(v->selections().empty());
    EXPECT_TRUE(v->selections().back().active);
    EXPECT_EQ(v->selections().back().first, 6);
    EXPECT_EQ(v->selections().back().last, 9);

    // A drag in the other table starts from its own press, not from this table's last cell.
    KViewMemoryAscii &ascii = v->ascii();
    QTest::mousePress(ascii.viewport(), Qt::LeftButton, {}, cellCentre(ascii, 0, 0));
    drag(ascii, 0, 1);
    EXPECT_EQ(v->selections().back().first, 0);
    EXPECT_EQ(v->selections().back().last, 1);
}

TEST_F(MemoryTables, DraggingBelowTheTableKeepsScrollingALineAtATime)
{
    auto v = view();
    KViewMemoryData &data = v->data();
    QTest::mousePress(data.viewport(), Qt::LeftButton, {}, cellCentre(data, 3, 0));
    const QPoint below = cellCentre(data, 3, 0) + QPoint(0, data.visibleHeight());
    dragTo(data, below);
    EXPECT_EQ(v->scrolls(), std::vector<int>{1});
    QTest::qWait(250);
    EXPECT_GE(v->scrolls().size(), 2u);
    QTest::mouseRelease(data.viewport(), Qt::LeftButton, {}, below);
    const size_t scrolled = v->scrolls().size();
    QTest::qWait(150);
    EXPECT_EQ(v->scrolls().size(), scrolled) << "the release stops the auto-scroll";
    EXPECT_TRUE(v->selections().back().active);
}

TEST_F(MemoryTables, CellBytesAreLittleEndianAndNeverMoreThanEight)
{
    auto v = view();
    const uint8_t bytes[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    v->data().setCellBytes(0, 0, bytes, 0);
    EXPECT_EQ(v->data().cellText(0, 0), "0x0");
    v->data().setCellBytes(0, 0, bytes, 3);
    EXPECT_EQ(v->data().cellText(0, 0), "0x030201");
    v->data().setCellBytes(0, 0, bytes, 10);
    EXPECT_EQ(v->data().cellText(0, 0), "0x0807060504030201");
}

TEST_F(MemoryTables, FieldsAreFormattedOnlyWhenAllTheirBytesAreThere)
{
    auto v = view(2, 2, 4);
    sim().poke(1, kBase, {0x78, 0x56, 0x34, 0x12, 0xAA, 0xBB});
    const uint8_t bytes[6] = {0x78, 0x56, 0x34, 0x12, 0xAA, 0xBB};
    v->data().setData(bytes, 6);
    EXPECT_EQ(v->data().cellText(0, 0), "0x12345678");
    EXPECT_EQ(v->data().cellValue(0, 0), 0x12345678u);
    EXPECT_EQ(v->data().cellText(0, 1), "!!!!!!!!");
}

TEST_F(MemoryTables, CharactersShowPrintableBytesOnly)
{
    auto v = view();
    sim().poke(1, kBase, {0x7F, 0x80, 0x20, 'A'});
    reload(*v);
    EXPECT_EQ(v->ascii().text(0, 0), ".");
    EXPECT_EQ(v->ascii().text(0, 1), ".");
    EXPECT_EQ(v->ascii().text(0, 2), " ");
    EXPECT_EQ(v->ascii().text(0, 3), "A");
    sim().setUnreadable(1, kBase + 4, kBase + 4);
    reload(*v);
    EXPECT_EQ(v->ascii().text(1, 0), "!!");
    EXPECT_EQ(v->data().cellText(1, 0), "!!");
}

TEST_F(MemoryTables, ColumnLabelsGroupFieldsByAccessSize)
{
    struct Case
    {
        int fieldSize;
        int accessSize;
        QStringList labels;
    };
    const Case cases[] = {
        {1, 4, {"+0 ", "", "", "", "+1 ", "", "", "", "+2 "}},
        {4, 1, {"+0 ", "+4 ", "+8 ", "+C ", "+10"}},
    };
    for (const Case &c : cases) {
        MemoryTableViewDouble v(2, int(c.labels.size()), c.fieldSize);
        v.showAt(kBase);
        v.memoryInfo().setDefaultAccessSize(c.accessSize);
        v.data().updateColumnLabels();
        for (int i = 0; i < c.labels.size(); ++i)
            EXPECT_EQ(v.data().horizontalHeader()->label(i), c.labels[i])
                << "field " << c.fieldSize << " column " << i;
    }
}

TEST_F(MemoryTables, RowLabelsAreResolvedOncePerAddressAndGeneration)
{
    auto v = view();
    sim().clearLog();
    v->data().updateRowLabels(true);
    QString text;
    ASSERT_TRUE(v->data().headerLabel(QStringLiteral("&&2"), text));
    EXPECT_EQ(text, "0x00001008");
    const int asked = sim().count(Kind::AddressText);
    v->data().updateRowLabels(true);
    v->data().headerLabel(QStringLiteral("&&2"), text);
    EXPECT_EQ(sim().count(Kind::AddressText), asked);
    v->memoryInfo().nextGeneration();
    v->data().updateRowLabels(true);
    EXPECT_GT(sim().count(Kind::AddressText), asked);
    EXPECT_FALSE(v->data().headerLabel(QStringLiteral("&&x"), text));

    // Near the top of the space the rows past it get no label, not the one they had.
    v->showAt(0xFFFFFFF8);
    EXPECT_EQ(v->data().verticalHeader()->label(1), "&&1");
    EXPECT_EQ(v->data().verticalHeader()->label(2), "");
    EXPECT_EQ(v->data().verticalHeader()->label(3), "");
    v->data().updateRowLabels(false);
    EXPECT_EQ(v->data().verticalHeader()->label(0), "No Address");
}

TEST_F(MemoryTables, ColumnsWiderThanTheLimitAskForAutomaticColumns)
{
    testhost::ModalAnswers answers;
    answers.answerMessageBoxes(QMessageBox::Ok);
    int width = 0;
    {
        MemoryTableViewDouble probe(2, 1, 8);
        probe.showAt(kBase);
        probe.data().adjustCellSizes();
        width = probe.data().columnWidth(0);
    }
    ASSERT_GT(width, 10);
    const int fitting = AViewMemoryTable::kMaximumTableWidth / width;
    for (int columns : {fitting, fitting + 1}) {
        MemoryTableViewDouble v(2, columns, 8);
        v.showAt(kBase);
        v.data().adjustCellSizes();
        const bool tooWide = columns * width > AViewMemoryTable::kMaximumTableWidth;
        EXPECT_EQ(v.columnChoices(), tooWide ? std::vector<int>{0} : std::vector<int>{});
        if (tooWide) {
            ASSERT_FALSE(answers.seen().empty());
            EXPECT_EQ(answers.seen().back().caption, "Warning");
            EXPECT_TRUE(answers.seen().back().text.endsWith(QString::number(fitting)));
        } else {
            EXPECT_EQ(v.data().columnWidth(0), width);
        }
    }
}

// A cell font under which the widest of the texts measures exactly `width` pixels, found by
// widening the letters in the smallest steps the font allows.
QFont fontMeasuring(const QStringList &texts, const QFont &base, int width)
{
    QFont font = base;
    for (int step = 0; step < 64 * 64; ++step) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, step / 64.0);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString &text : texts)
            widest = std::max(widest, metrics.horizontalAdvance(text));
        if (widest == width)
            return font;
        if (widest > width)
            break;
    }
    ADD_FAILURE() << "no letter spacing measures " << width << " pixels";
    return base;
}

TEST_F(MemoryTables, ColumnsFillingTheLimitExactlyAreNoWarning)
{
    testhost::ModalAnswers answers;
    answers.answerMessageBoxes(QMessageBox::Ok);
    constexpr int kColumns = 10;
    static_assert(AViewMemoryTable::kMaximumTableWidth == kColumns * 400);
    // Columns are their widest text plus 5 pixels: 400 wide ends exactly at the limit, 401
    // passes it.
    for (int columnWidth : {400, 401}) {
        SCOPED_TRACE(columnWidth);
        MemoryTableViewDouble v(2, kColumns, 8);
        v.showAt(kBase);
        QStringList texts;
        for (int r = 0; r < v.data().numRows(); ++r)
            for (int c = 0; c < kColumns; ++c)
                texts << v.data().text(r, c);
        QWidget *cells = v.data().viewport();
        cells->setFont(fontMeasuring(texts, cells->font(), columnWidth - 5));
        const size_t warnings = answers.seen().size();
        v.data().adjustCellSizes();
        if (columnWidth == 400) {
            EXPECT_EQ(answers.seen().size(), warnings);
            EXPECT_TRUE(v.columnChoices().empty());
            EXPECT_EQ(v.data().columnWidth(0), 400);
        } else {
            ASSERT_EQ(answers.seen().size(), warnings + 1);
            EXPECT_EQ(answers.seen().back().caption, "Warning");
            EXPECT_TRUE(answers.seen().back().text.endsWith(u'9'));
            EXPECT_EQ(v.columnChoices(), std::vector<int>{0});
        }
    }
}

TEST_F(MemoryTables, SetFormatTakesWholeFieldSizesOnly)
{
    auto v = view();
    EXPECT_TRUE(v->data().setFormat(QStringLiteral("dec_16"), 16));
    EXPECT_FALSE(v->data().setFormat(QStringLiteral("dec_12"), 12));
    QString name;
    int bits = 0;
    v->data().format(name, bits);
    EXPECT_EQ(name, "dec_16");
    EXPECT_EQ(bits, 16);
}

TEST_F(MemoryTables, RangesCountInEitherDirection)
{
    auto v = view();
    AViewMemoryTable &t = v->data();
    EXPECT_FALSE(t.isInRange(0, 0));
    t.setRangeStart(2, 2);
    EXPECT_FALSE(t.hasRange()) << "a range needs both ends";
    t.setRangeEnd(1, 0);
    EXPECT_TRUE(t.isInRange(1, 0));
    EXPECT_TRUE(t.isInRange(3, 1));
    EXPECT_TRUE(t.isSelected(2, 2));
    EXPECT_FALSE(t.isInRange(3, 2));
    EXPECT_FALSE(t.isInRange(0, 0));
    t.setRangeByIndex(9, 5, 6);
    EXPECT_EQ(t.rangeStartIndex(), 9);
    EXPECT_EQ(t.rangeEndIndex(), 5);
    EXPECT_EQ(t.currentIndex(), 6);
    t.clearSelection();
    EXPECT_FALSE(t.hasRange());
}

TEST_F(MemoryTables, KeysMoveTheCursorAndScrollPastTheLastRow)
{
    auto v = view();
    KViewMemoryData &t = v->data();
    t.setCurrentCell(0, 3);
    QTest::keyClick(&t, Qt::Key_Tab);
    EXPECT_EQ(t.currentRow(), 1);
    EXPECT_EQ(t.currentColumn(), 0);
    QTest::keyClick(&t, Qt::Key_Left);
    EXPECT_EQ(t.currentRow(), 0);
    EXPECT_EQ(t.currentColumn(), 3);

    t.setCurrentCell(3, 1);
    QTest::keyClick(&t, Qt::Key_Down);
    EXPECT_EQ(v->scrolls(), std::vector<int>{1});
    EXPECT_EQ(v->startAddress().offset(), kBase + 4);
    EXPECT_EQ(t.currentRow(), 3);
    EXPECT_EQ(t.currentColumn(), 1);
    ASSERT_FALSE(v->selections().empty());
    EXPECT_FALSE(v->selections().back().active);
    EXPECT_EQ(v->selections().back().cursor, 17) << "from the start before the scroll";

    t.setCurrentCell(0, 0);
    QTest::keyClick(&t, Qt::Key_Up);
    EXPECT_EQ(v->startAddress().offset(), kBase);
    EXPECT_EQ(t.currentRow(), 0);
}

TEST_F(MemoryTables, ShiftExtendsTheRangeAndARefusedSelectionMovesNothing)
{
    auto v = view(4, 4, 2);
    KViewMemoryData &t = v->data();
    t.setCurrentCell(0, 1);
    QTest::keyClick(&t, Qt::Key_Right, Qt::ShiftModifier);
    ASSERT_FALSE(v->selections().empty());
    const auto s = v->selections().back();
    EXPECT_TRUE(s.active);
    EXPECT_EQ(s.first, 2);
    EXPECT_EQ(s.last, 5) << "the higher end reaches the last byte of its cell";
    EXPECT_EQ(s.cursor, 4);
    EXPECT_TRUE(t.isInRange(1, 0));
    EXPECT_TRUE(t.isInRange(2, 0));
    EXPECT_FALSE(v->selectionSyncSuspended());

    v->refuseSelections(true);
    QTest::keyClick(&t, Qt::Key_Down);
    EXPECT_EQ(t.currentRow(), 0);
    EXPECT_EQ(t.currentColumn(), 2);
}

TEST_F(MemoryTables, EveryWheelEventMovesExactlyOneLine)
{
    auto v = view();
    wheel(v->data().viewport(), -360);
    EXPECT_EQ(v->startAddress().offset(), kBase + 4);
    wheel(v->ascii().viewport(), 120);
    wheel(v->data().viewport(), 1);
    EXPECT_EQ(v->startAddress().offset(), kBase - 4);
}

TEST_F(MemoryTables, ScrollBarMapsTheWholeSpace)
{
    auto v = view();
    KViewMemoryScrollbar &bar = *v->memoryScrollbar();
    EXPECT_EQ(bar.maximum(), 2147483647);
    v->scrollToFraction(1.0, false);
    bar.syncToView();
    EXPECT_EQ(bar.value(), 2147483647);
    v->showAt(0);
    bar.syncToView();
    EXPECT_EQ(bar.value(), 0);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(v->startAddress().offset(), 4u);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(v->startAddress().offset(), 20u);
    EXPECT_EQ(bar.value(), int(v->scrollFraction() * 2147483647.0));
}

TEST_F(MemoryTables, ChangedCellsFadeOverTwoGenerations)
{
    auto v = view();
    sim().setAttribute(1, kBase, kBase + 15, 3);
    sim().setVolatile(1, kBase, 1);
    v->memoryInfo().clearCurrentBlock();
    v->refresh();
    const QColor unchanged = textColour(v->data(), 0, 0);
    EXPECT_EQ(unchanged, QColor(1, 2, 3));

    const QColor expected[] = {QColor(0, 0, 255), QColor(150, 193, 244), QColor(1, 2, 3)};
    sim().advance();
    for (const QColor &colour : expected) {
        v->memoryInfo().nextGeneration();
        v->refresh();
        EXPECT_EQ(textColour(v->data(), 0, 0), colour);
        EXPECT_EQ(textColour(v->ascii(), 0, 0), colour);
        EXPECT_EQ(textColour(v->data(), 0, 1), QColor(1, 2, 3));
    }
}

TEST_F(MemoryTables, AttributesColourAndGuardCells)
{
    auto v = view();
    sim().setAttribute(1, kBase, kBase, 1);
    sim().setAttribute(1, kBase + 1, kBase + 1, 4);
    reload(*v);
    QColor base(1, 2, 3);
    v->data().cellBaseColor(0, 0, base);
    EXPECT_EQ(base, QColor(255, 255, 0));
    EXPECT_EQ(textColour(v->data(), 0, 1), QColor(255, 0, 0));
    EXPECT_EQ(v->data().cellText(0, 1), "**");
    EXPECT_FALSE(v->data().isCellEditable(0, 0));
    EXPECT_FALSE(v->data().isCellEditable(0, 1));
    EXPECT_TRUE(v->data().isCellEditable(0, 2));
}

TEST_F(MemoryTables, TypingWritesCharactersOnlyOverWritableCells)
{
    // Row 0 lies in a 1 KiB piece that cannot be read, row 1 in the next one.
    constexpr uint32_t kStart = 0x3FC;
    MemoryTableViewDouble v(4, 4, 1);
    sim().setUnreadable(1, kStart, kStart);
    v.showAt(kStart);
    KViewMemoryAscii &t = v.ascii();
    ASSERT_EQ(t.text(0, 0), "!!");
    t.setCurrentCell(0, 0);
    QTest::keyClicks(&t, "x");
    EXPECT_TRUE(v.writes().empty());

    t.setCurrentCell(1, 2);
    QTest::keyClicks(&t, "hi");
    EXPECT_EQ(sim().peek(1, kStart + 6), 'h');
    EXPECT_EQ(sim().peek(1, kStart + 7), 'i');
    EXPECT_EQ(t.text(1, 3), "i");
    EXPECT_EQ(t.currentRow(), 2);
    EXPECT_EQ(t.currentColumn(), 0);
}

TEST_F(MemoryTables, InPlaceEditsWriteBigEndianFieldsInTargetOrder)
{
    auto v = view(2, 2, 4);
    v->setBigEndian(true);
    sim().poke(1, kBase, {0xDE, 0xAD, 0xBE, 0xEF});
    reload(*v);
    ASSERT_EQ(v->data().cellText(0, 0).toUpper(), "0XDEADBEEF");

    testhost::ModalAnswers answers;
    answers.setHandler([](const testhost::ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<QDialog *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit *>()->setText(QStringLiteral("0x11223344"));
        dialog->accept();
    });
    EXPECT_EQ(v->data().startEdit(0, 0, true), 1);
    EXPECT_EQ(sim().peek(1, kBase), 0x11);
    EXPECT_EQ(sim().peek(1, kBase + 3), 0x44);
    EXPECT_EQ(v->data().cellText(0, 0), "0x11223344");
    ASSERT_EQ(v->writes().size(), 1u);
    EXPECT_EQ(v->writes()[0].oldValue, 0xDEADBEEFu);
}

TEST_F(MemoryTables, AnEditWhoseItemARefillDeletesWritesNothing)
{
    auto v = view(2, 2, 4);
    testhost::ModalAnswers answers;
    answers.setHandler([&v](const testhost::ModalAnswers::Request &request) {
        v->data().clearCells();
        auto *dialog = qobject_cast<QDialog *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit *>()->setText(QStringLiteral("0x1"));
        dialog->accept();
    });
    EXPECT_EQ(v->data().startEdit(0, 0, true), 0);
    EXPECT_TRUE(v->writes().empty());
    EXPECT_EQ(sim().count(Kind::Write), 0);
    EXPECT_FALSE(v->data().isEditing());
}

// Accepts the in-place editor with `text` after `meanwhile` ran, as a host event or a timed
// update would while the user types.
void answerEditor(testhost::ModalAnswers &answers, const QString &text,
                  std::function<void()> meanwhile)
{
    answers.setHandler([text, meanwhile](const testhost::ModalAnswers::Request &request) {
        meanwhile();
        auto *dialog = qobject_cast<QDialog *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit *>()->setText(text);
        dialog->accept();
    });
}

TEST_F(MemoryTables, AnEditSurvivesARefreshOfItsCellButNotAMoveOfIt)
{
    auto v = view(2, 2, 2);
    v->setBigEndian(true);
    sim().poke(1, kBase, {0x12, 0x34});
    reload(*v);
    {
        // The refresh reads changed memory while the editor is open; the edit still lands,
        // its two bytes swapped into target order.
        testhost::ModalAnswers answers;
        answerEditor(answers, QStringLiteral("0xABCD"), [&v] {
            sim().poke(1, kBase, {0x55, 0x66});
            reload(*v);
        });
        EXPECT_EQ(v->data().startEdit(0, 0, true), 1);
        EXPECT_EQ(sim().peek(1, kBase), 0xAB);
        EXPECT_EQ(sim().peek(1, kBase + 1), 0xCD);
        ASSERT_EQ(v->writes().size(), 1u);
        EXPECT_EQ(v->writes()[0].oldValue, 0x5566u) << "what memory held when it was written";
        EXPECT_EQ(answers.seen().size(), 1u) << "the editor and no message";
    }
    {
        // The view moved on: the cell now stands for other memory, and the edit is dropped
        // with a word to the user.
        const uint8_t there = sim().peek(1, kBase + 0x20);
        testhost::ModalAnswers answers;
        answerEditor(answers, QStringLiteral("0x1"), [&v] { v->showAt(kBase + 0x20); });
        EXPECT_EQ(v->data().startEdit(0, 0, true), 0);
        EXPECT_EQ(v->writes().size(), 1u);
        EXPECT_EQ(sim().peek(1, kBase + 0x20), there);
        EXPECT_EQ(sim().count(Kind::Write), 1);
        ASSERT_EQ(answers.seen().size(), 2u);
        EXPECT_EQ(answers.seen()[1].kind, tesk::system::ModalSeam::Kind::MessageBox);
        EXPECT_FALSE(v->data().isEditing());
    }
}

TEST_F(MemoryTables, CellsPastTheTopOfTheSpaceShowNoMemoryOfAnEarlierPlace)
{
    auto v = view(4, 4, 2);
    sim().poke(1, 0xFFFFFFF8, {0x41, 0x42});
    v->showAt(0xFFFFFFF8);
    // Row 0 reaches 0xFFFFFFFF; the rows below would wrap to 0 and hold nothing.
    EXPECT_EQ(v->ascii().text(0, 0), "A");
    EXPECT_EQ(v->ascii().text(0, 1), "B");
    EXPECT_NE(v->data().cellText(0, 3), "****") << "0xFFFFFFFE is in the space";
    EXPECT_TRUE(v->data().isCellEditable(0, 3));
    for (int row = 1; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            EXPECT_EQ(v->data().cellText(row, col), "****") << row << ',' << col;
            EXPECT_EQ(v->data().cellValue(row, col), 0u) << row << ',' << col;
            EXPECT_FALSE(v->data().isCellEditable(row, col)) << row << ',' << col;
        }
        for (int col = 0; col < v->ascii().numCols(); ++col)
            EXPECT_EQ(v->ascii().text(row, col), "*") << row << ',' << col;
    }
}

TEST_F(MemoryTables, TheCharacterTableShowsNoRowNumbers)
{
    auto v = view(4, 4, 1);
    KViewMemoryAscii &t = v->ascii();
    t.setNumRows(120);
    t.window()->show();
    EXPECT_FALSE(t.verticalHeader()->isVisible());
    EXPECT_EQ(t.leftMargin(), 0);
}

TEST_F(MemoryTables, DisassemblyRowsFollowInstructionLengths)
{
    auto v = view(4, 4, 1);
    KViewMemoryDsm &t = v->dsm();
    const TeskDisassemblyLine lines[3] = {
        {{}, "  0x10 mov r0, #1", {}}, {{}, "0x12 bl 0x40", {}}, {{}, "nospace", {}}};
    const uint8_t lengths[3] = {2, 4, 0};
    t.setLines(lines, 3, lengths);
    EXPECT_EQ(t.verticalHeader()->label(0), "0x10");
    EXPECT_EQ(t.text(0, 0), "mov r0, #1");
    EXPECT_EQ(t.text(2, 0), "nospace");
    EXPECT_EQ(t.verticalHeader()->label(2), "");
    EXPECT_EQ(t.text(3, 0), "");
    EXPECT_EQ(t.lengths(), (std::vector<uint32_t>{2, 4, 1}));

    const uint8_t twoFourTwo[3] = {2, 4, 2};
    t.setLines(lines, 3, twoFourTwo);
    int col = -1;
    int row = -1;
    t.offsetToCell(5, col, row);
    EXPECT_EQ(row, 1);
    t.offsetToCell(6, col, row);
    EXPECT_EQ(row, 2);
    t.offsetToCell(10, col, row);
    EXPECT_EQ(row, 4);
    t.offsetToCell(-4, col, row);
    EXPECT_EQ(row, -2);
    int64_t offset = 0;
    t.cellToOffset(offset, 0, 3);
    EXPECT_EQ(offset, 8);

    // Far below the known lines (a slider drag away) the last length repeats.
    constexpr int kFarRow = 1'000'000'000;
    t.cellToOffset(offset, 0, kFarRow);
    EXPECT_EQ(offset, 8 + int64_t(kFarRow - 3) * 2);
    t.offsetToCell(offset, col, row);
    EXPECT_EQ(row, kFarRow);

    t.setLines(nullptr, 3, lengths);
    EXPECT_EQ(t.text(0, 0), "");
    EXPECT_TRUE(t.lengths().empty());
    t.offsetToCell(5, col, row);
    EXPECT_EQ(row, 0);
}
