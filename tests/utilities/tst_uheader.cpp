// The header widget: section geometry, the mouse and key gestures, stretching and labels.
#include "testhost.h"

#include "utilities/globalstrut.h"
#include "utilities/uheader.h"

#include <QPainter>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class HeaderTest : public ::testing::Test
{
protected:
    // A horizontal header of `sections` sections of 88 pixels, shown 400 x 24.
    void make(int sections, int width = 400)
    {
        header = std::make_unique<UHeader>(sections, nullptr, "test header");
        header->resize(width, 24);
        header->show();
        grip = header->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header.get());
    }

    QPoint at(int x) const { return QPoint(x, 12); }

    void expectMapsInverse() const
    {
        for (int i = 0; i < header->count(); ++i)
            EXPECT_EQ(header->mapToIndex(header->mapToSection(i)), i) << "index " << i;
    }

    std::vector<int> order() const
    {
        std::vector<int> sections;
        for (int i = 0; i < header->count(); ++i)
            sections.push_back(header->mapToSection(i));
        return sections;
    }

    std::unique_ptr<UHeader> header;
    int grip = 0;
};

} // namespace

TEST_F(HeaderTest, SectionAtFollowsTheBinarySearch)
{
    make(0);
    EXPECT_EQ(header->sectionAt(0), -1);
    EXPECT_EQ(header->sectionAt(-5), -1);

    make(3);
    EXPECT_EQ(header->sectionAt(0), 0);
    EXPECT_EQ(header->sectionAt(87), 0);
    // An inner boundary belongs to the section that starts there; only the end of the last
    // section counts as inside it.
    EXPECT_EQ(header->sectionAt(88), 1);
    EXPECT_EQ(header->sectionAt(264), 2);
    EXPECT_EQ(header->sectionAt(265), -1);
    EXPECT_EQ(header->sectionAt(-1), -1);

    header->moveSection(2, 0);
    EXPECT_EQ(header->sectionAt(10), 2);
    EXPECT_EQ(header->sectionPos(0), 88);
    EXPECT_EQ(header->cellPos(3), 264);
    EXPECT_EQ(header->headerWidth(), 264);
    EXPECT_EQ(header->sectionPos(7), 0);
    EXPECT_EQ(header->sectionSize(7), 0);
}

TEST_F(HeaderTest, FourPixelsIsAClickAndFiveStartAMove)
{
    make(3);
    QSignalSpy clicked(header.get(), &UHeader::clicked);
    QSignalSpy moved(header.get(), &UHeader::moved);

    QTest::mousePress(header.get(), Qt::LeftButton, {}, at(100));
    QTest::mouseMove(header.get(), at(104));
    EXPECT_NE(header->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseRelease(header.get(), Qt::LeftButton, {}, at(104));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);
    EXPECT_EQ(moved.count(), 0);

    QSignalSpy indexChange(header.get(), &UHeader::indexChange);
    QTest::mousePress(header.get(), Qt::LeftButton, {}, at(20));
    QTest::mouseMove(header.get(), at(25));
    EXPECT_EQ(header->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(header.get(), at(250));
    QTest::mouseRelease(header.get(), Qt::LeftButton, {}, at(250));
    EXPECT_EQ(clicked.count(), 1);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 0);
    EXPECT_EQ(moved.at(0).at(1).toInt(), 3);
    ASSERT_EQ(indexChange.count(), 1);
    EXPECT_EQ(indexChange.at(0).at(0).toInt(), 0);
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 0}));
}

TEST_F(HeaderTest, ResizeDragStopsAtTwiceTheGripMargin)
{
    make(3);
    ASSERT_GT(grip, 0);
    QSignalSpy sizeChange(header.get(), &UHeader::sizeChange);

    QTest::mouseMove(header.get(), at(87));
    EXPECT_EQ(header->cursor().shape(), Qt::SplitHCursor);
    QTest::mousePress(header.get(), Qt::LeftButton, {}, at(87));
    QTest::mouseMove(header.get(), at(60));
    EXPECT_EQ(header->sectionSize(0), 60);
    EXPECT_EQ(sizeChange.count(), 0); // tracking is off: one signal at the end
    QTest::mouseMove(header.get(), at(1));
    QTest::mouseRelease(header.get(), Qt::LeftButton, {}, at(1));
    EXPECT_EQ(header->sectionSize(0), 2 * grip);
    ASSERT_EQ(sizeChange.count(), 1);
    EXPECT_EQ(sizeChange.at(0), (QList<QVariant>{0, 88, 2 * grip}));
    EXPECT_EQ(header->sectionPos(1), 2 * grip);

    // Grabbing the leading edge of section 1 resizes section 0; the press offset is kept.
    header->setTracking(true);
    QTest::mousePress(header.get(), Qt::LeftButton, {}, at(2 * grip + 1));
    QTest::mouseRelease(header.get(), Qt::LeftButton, {}, at(50 + 1));
    EXPECT_EQ(header->sectionSize(0), 50);
}

TEST_F(HeaderTest, NonResizableEdgeBlocksTheGesture)
{
    make(3);
    header->setResizeEnabled(false, 0);
    EXPECT_FALSE(header->isResizeEnabled());
    EXPECT_TRUE(header->isResizeEnabled(1));
    QSignalSpy pressed(header.get(), &UHeader::pressed);
    QSignalSpy clicked(header.get(), &UHeader::clicked);

    // The leading edge of section 1 is the handle of section 0, which cannot be resized.
    QTest::mousePress(header.get(), Qt::LeftButton, {}, at(89));
    QTest::mouseMove(header.get(), at(150));
    QTest::mouseRelease(header.get(), Qt::LeftButton, {}, at(150));
    EXPECT_EQ(header->sectionSize(0), 88);
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_EQ(clicked.count(), 0);

    header->setClickEnabled(false, 2);
    QTest::mousePress(header.get(), Qt::LeftButton, {}, at(220));
    QTest::mouseRelease(header.get(), Qt::LeftButton, {}, at(220));
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(HeaderTest, StretchModes)
{
    make(3, 300);
    QSignalSpy sizeChange(header.get(), &UHeader::sizeChange);
    header->setStretchEnabled(true);
    EXPECT_TRUE(header->isStretchEnabled());
    EXPECT_EQ(header->sectionSize(0), 100);
    EXPECT_EQ(header->sectionSize(1), 100);
    EXPECT_EQ(header->sectionSize(2), 100);
    EXPECT_EQ(sizeChange.count(), 3);

    header->resize(330, 24);
    EXPECT_EQ(header->sectionSize(0), 110);
    EXPECT_EQ(header->sectionSize(1), 110);
    EXPECT_EQ(header->sectionSize(2), 110);

    // With the sections filling the widget, the end of the last one is no handle.
    QTest::mousePress(header.get(), Qt::LeftButton, {}, at(329));
    QTest::mouseMove(header.get(), at(200));
    QTest::mouseRelease(header.get(), Qt::LeftButton, {}, at(200));
    EXPECT_EQ(header->sectionSize(2), 110);

    // Resizing an inner section lets the last one absorb the difference.
    QTest::mousePress(header.get(), Qt::LeftButton, {}, at(109));
    QTest::mouseRelease(header.get(), Qt::LeftButton, {}, at(89));
    EXPECT_EQ(header->sectionSize(0), 90);
    EXPECT_EQ(header->sectionSize(2), 130);

    make(3, 400);
    header->setStretchEnabled(true, 1);
    EXPECT_TRUE(header->isStretchEnabled(1));
    EXPECT_FALSE(header->isStretchEnabled());
    EXPECT_EQ(header->sectionSize(1), 88 + 400 - 264);
    header->resize(100, 24);
    EXPECT_EQ(header->sectionSize(1), 20);

    header->setStretchEnabled(false, 1);
    header->resize(500, 24);
    EXPECT_EQ(header->sectionSize(1), 20);
}

TEST_F(HeaderTest, LabelsFallBackToNumbersUnlessTheNullLabelsFlagIsSet)
{
    make(3);
    EXPECT_EQ(header->label(1), QStringLiteral("2"));
    header->setLabel(1, QStringLiteral("Value"));
    EXPECT_EQ(header->label(1), QStringLiteral("Value"));
    header->setLabel(1, QString());
    EXPECT_EQ(header->label(1), QStringLiteral("2"));
    EXPECT_TRUE(header->label(3).isNull());

    UHeader::setNullLabelsFlag(true);
    EXPECT_TRUE(header->label(0).isNull());
    header->setLabel(0, QStringLiteral("A"));
    EXPECT_EQ(header->label(0), QStringLiteral("A"));
    UHeader::setNullLabelsFlag(false);
    EXPECT_EQ(header->label(2), QStringLiteral("3"));

    // A label sizes a new section; a table header keeps a given size for an unlabelled one.
    const int index = header->addLabel(QStringLiteral("A rather long label"));
    EXPECT_EQ(index, 3);
    EXPECT_GT(header->sectionSize(3),
              header->fontMetrics().horizontalAdvance(QStringLiteral("A rather long label")));
    header->setIsATableHeader(true);
    header->addLabel(QString(), 33);
    EXPECT_EQ(header->sectionSize(4), 33);
    EXPECT_EQ(header->label(4), QStringLiteral("5"));
}

TEST_F(HeaderTest, MovingSectionsKeepsTheMapsInverse)
{
    make(5);
    header->moveSection(0, 3); // forward: lands before index 3
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 0, 3, 4}));
    expectMapsInverse();
    header->moveSection(4, 1); // backward: lands at index 1
    EXPECT_EQ(order(), (std::vector<int>{1, 4, 2, 0, 3}));
    expectMapsInverse();
    header->moveSection(4, 6); // past the end: ignored
    header->moveSection(9, 0);
    EXPECT_EQ(order(), (std::vector<int>{1, 4, 2, 0, 3}));
    header->moveCell(0, 5);
    EXPECT_EQ(order(), (std::vector<int>{4, 2, 0, 3, 1}));

    header->setUpdatesEnabled(false);
    header->removeLabel(2);
    header->setUpdatesEnabled(true);
    ASSERT_EQ(header->count(), 4);
    // Sections above 2 were renumbered: 4 -> 3, 3 -> 2.
    EXPECT_EQ(order(), (std::vector<int>{3, 0, 2, 1}));
    expectMapsInverse();
    EXPECT_EQ(header->sectionPos(1), 4 * 88 - 88);
}

TEST_F(HeaderTest, KeyboardResizesMovesAndFocuses)
{
    make(3);
    QSignalSpy sizeChange(header.get(), &UHeader::sizeChange);
    QTest::keyClick(header.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(header->sectionSize(0), 98);
    QTest::keyClick(header.get(), Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(header->sectionSize(0), 97);
    ASSERT_EQ(sizeChange.count(), 2);
    EXPECT_EQ(sizeChange.at(1), (QList<QVariant>{0, 98, 97}));

    QSignalSpy moved(header.get(), &UHeader::moved);
    QSignalSpy indexChange(header.get(), &UHeader::indexChange);
    QTest::keyClick(header.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(order(), (std::vector<int>{1, 0, 2}));
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0), (QList<QVariant>{0, 1}));
    EXPECT_EQ(indexChange.at(0), (QList<QVariant>{0, 0, 1}));

    // The focus followed the section to index 1; two more steps wrap it round to the front.
    QTest::keyClick(header.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 0}));
    QTest::keyClick(header.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(order(), (std::vector<int>{0, 1, 2}));
    expectMapsInverse();

    // Plain arrows move the focus; Space presses and releases the focused section.
    QSignalSpy clicked(header.get(), &UHeader::clicked);
    QTest::keyClick(header.get(), Qt::Key_Left);
    QTest::keyClick(header.get(), Qt::Key_Space);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);

    // Up and Down mean nothing to a horizontal header.
    QTest::keyClick(header.get(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(header->sectionSize(2), 88);
}

TEST_F(HeaderTest, EmptyHeaderIgnoresKeysAndMouse)
{
    make(0);
    QSignalSpy pressed(header.get(), &UHeader::pressed);
    QTest::keyClick(header.get(), Qt::Key_Right);
    QTest::keyClick(header.get(), Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(header.get(), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(header.get(), Qt::Key_Space);
    QTest::mouseClick(header.get(), Qt::LeftButton, {}, at(10));
    QTest::mouseDClick(header.get(), Qt::LeftButton, {}, at(10));
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_FALSE(header->grab().isNull());
}

TEST_F(HeaderTest, DoubleClickOnAHandleNamesTheSection)
{
    make(3);
    QSignalSpy doubleClicked(header.get(), &UHeader::sectionHandleDoubleClicked);
    QTest::mouseDClick(header.get(), Qt::LeftButton, {}, at(176 + 1));
    ASSERT_GE(doubleClicked.count(), 1);
    EXPECT_EQ(doubleClicked.last().at(0).toInt(), 1);
    doubleClicked.clear();
    QTest::mouseDClick(header.get(), Qt::LeftButton, {}, at(130));
    EXPECT_EQ(doubleClicked.count(), 0);
}

TEST_F(HeaderTest, RightToLeftLayoutIsNotMirrored)
{
    make(3);
    header->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(header->sectionRect(0), QRect(0, 0, 88, 24));
    EXPECT_EQ(header->sectionAt(10), 0);
    QSignalSpy pressed(header.get(), &UHeader::pressed);
    QTest::mouseClick(header.get(), Qt::LeftButton, {}, at(10));
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).toInt(), 0);
}

TEST_F(HeaderTest, VerticalHeaderUsesHeights)
{
    header = std::make_unique<UHeader>(2);
    header->setOrientation(Qt::Vertical);
    header->resize(40, 300);
    header->show();
    EXPECT_EQ(header->sectionRect(1), QRect(0, 88, 40, 88));
    QSignalSpy clicked(header.get(), &UHeader::clicked);
    QTest::mouseClick(header.get(), Qt::LeftButton, {}, QPoint(20, 120));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);
    QTest::keyClick(header.get(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(header->sectionSize(0), 98);
    EXPECT_EQ(header->sizeHint().height(), 98 + 88);
}

TEST_F(HeaderTest, ScrolledOffsetShiftsHitTests)
{
    make(6, 200);
    header->setOffset(100);
    EXPECT_EQ(header->offset(), 100);
    EXPECT_EQ(header->sectionRect(1), QRect(-12, 0, 88, 24));
    QSignalSpy clicked(header.get(), &UHeader::clicked);
    QTest::mouseClick(header.get(), Qt::LeftButton, {}, at(10));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);

    make(2, 400); // shorter than the widget: the offset stays 0
    header->setOffset(50);
    EXPECT_EQ(header->offset(), 0);
}

TEST_F(HeaderTest, SizeHintSumsSectionsAndHonoursTheGlobalStrut)
{
    make(3);
    QSize hint = header->sizeHint();
    EXPECT_EQ(hint.width(), 264);
    EXPECT_GE(hint.height(), header->fontMetrics().lineSpacing() + 6);
    cuiSetGlobalStrut(QSize(500, 90));
    hint = header->sizeHint();
    cuiSetGlobalStrut(QSize(0, 0));
    EXPECT_EQ(hint, QSize(500, 90));
}

namespace {

// Supplies its texts and icons without storing them and records what the header asks.
class VirtualLabelHeader : public UHeader
{
public:
    using UHeader::UHeader;

    QString label(int section) const override
    {
        ++labelCalls;
        return QStringLiteral("Column %1 of a subclass").arg(section);
    }
    QIcon iconSet(int section) const override
    {
        ++iconCalls;
        if (section != 0)
            return QIcon();
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        return QIcon(pixmap);
    }
    void paintSectionLabel(QPainter *p, int index, const QRect &rect) override
    {
        paintedIndices.push_back(index);
        UHeader::paintSectionLabel(p, index, rect);
    }

    mutable int labelCalls = 0;
    mutable int iconCalls = 0;
    std::vector<int> paintedIndices;
};

} // namespace

// Positions are worked out again only from the first section that changed; after any mix of
// appends, resizes, removals and moves they are still the running sums in display order, and
// the thickness follows the thickest label left.
TEST_F(HeaderTest, PositionsAndThicknessStayExactThroughIncrementalChanges)
{
    make(4);
    header->setOrientation(Qt::Vertical);
    const auto expectSums = [this](const char *step) {
        int sum = 0;
        for (int i = 0; i < header->count(); ++i) {
            const int section = header->mapToSection(i);
            EXPECT_EQ(header->sectionPos(section), sum) << step << ", index " << i;
            EXPECT_EQ(header->sectionAt(sum), section) << step << ", index " << i;
            sum += header->sectionSize(section);
        }
        EXPECT_EQ(header->headerWidth(), sum) << step;
    };
    expectSums("start");
    header->addLabel(QString(), 30);
    header->addLabel(QString(), 40);
    expectSums("appended");
    header->resizeSection(1, 10);
    expectSums("resized in the middle");
    header->resizeSection(5, 7);
    expectSums("resized the last");
    header->removeLabel(5);
    expectSums("removed the last");
    header->moveSection(0, 3);
    expectSums("moved");
    header->removeLabel(header->count() - 1);
    header->addLabel(QString(), 12);
    expectSums("removed and appended after a move");

    header->setLabel(0, QStringLiteral("a much longer label than the others"));
    const int wide = header->sizeHint().width();
    header->setLabel(1, QStringLiteral("x"));
    EXPECT_EQ(header->sizeHint().width(), wide);
    header->setLabel(0, QStringLiteral("y"));
    EXPECT_LT(header->sizeHint().width(), wide);
}

TEST(HeaderSubclass, LabelIconAndPaintHooksAreCalledVirtually)
{
    VirtualLabelHeader header;
    header.resize(600, 24);
    header.addLabel(QString());
    header.addLabel(QString());
    EXPECT_GT(header.labelCalls, 0);
    EXPECT_GT(header.iconCalls, 0);
    // The subclass's text and icon gave the new sections their size.
    const QFontMetrics fm = header.fontMetrics();
    EXPECT_GT(header.sectionSize(1),
              fm.horizontalAdvance(QStringLiteral("Column 1 of a subclass")));
    EXPECT_GT(header.sectionSize(0), header.sectionSize(1));

    header.labelCalls = 0;
    header.iconCalls = 0;
    header.setSortIndicator(1, false);
    const QImage image = header.grab().toImage();
    EXPECT_FALSE(image.isNull());
    EXPECT_EQ(header.paintedIndices, (std::vector<int>{0, 1}));
    EXPECT_GE(header.labelCalls, 2);
    EXPECT_GE(header.iconCalls, 2);
}
