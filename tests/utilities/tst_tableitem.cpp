// Table items and rectangular selections on their own, and the item's life inside a table.
#include "testhost.h"

#include "utilities/asciiline.h"
#include "utilities/table.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

TEST(TableSelection, RectangleGrowsFromTheAnchor)
{
    const UTableSelection s(5, 7, 2, 3);
    EXPECT_TRUE(s.isActive());
    EXPECT_EQ(s.anchorRow(), 5);
    EXPECT_EQ(s.anchorCol(), 7);
    EXPECT_EQ(s.topRow(), 2);
    EXPECT_EQ(s.bottomRow(), 5);
    EXPECT_EQ(s.leftCol(), 3);
    EXPECT_EQ(s.rightCol(), 7);
    EXPECT_EQ(s.numRows(), 4);
    EXPECT_EQ(s.numCols(), 5);

    // The anchor does not count for equality.
    EXPECT_EQ(s, UTableSelection(2, 3, 5, 7));
    EXPECT_NE(s, UTableSelection(2, 3, 5, 6));

    const UTableSelection none;
    EXPECT_FALSE(none.isActive());
    EXPECT_TRUE(none.isEmpty());
    EXPECT_EQ(none.numRows(), 0);
    EXPECT_EQ(none, UTableSelection());

    // Without an anchor nothing can grow.
    UTableSelection uninited;
    uninited.expandTo(3, 3);
    EXPECT_FALSE(uninited.isActive());
    UTableSelection anchored;
    anchored.init(1, 1);
    EXPECT_FALSE(anchored.isActive());
    EXPECT_EQ(anchored.numRows(), 1);
}

TEST(TableItem, NumbersAlignRightAndEverythingElseLeft)
{
    testhost::startLibrary();
    UTable table;
    table.init(1, 1);
    const int right = int(Qt::AlignRight | Qt::AlignVCenter);
    const int left = int(Qt::AlignLeft | Qt::AlignVCenter);
    for (const char *text :
         {"42", "-3.5", "1e3", "007", " 12 ", "2147483648", "inf", "-INF", "nan"})
        EXPECT_EQ(UTableItem(&table, UTableItem::Never, QString::fromLatin1(text)).alignment(),
                  right)
            << text;
    for (const char *text :
         {"0x10", "", "forty", "9e3779b1", "1a", "9e3779a1", "info", "nano", "1 2", "1e5f", "12t"})
        EXPECT_EQ(UTableItem(&table, UTableItem::Never, QString::fromLatin1(text)).alignment(),
                  left)
            << text;

    // Painted once, an item still follows a change of its text.
    table.setText(0, 0, QStringLiteral("abc"));
    table.show();
    table.viewport()->repaint();
    EXPECT_EQ(table.item(0, 0)->alignment(), left);
    table.setText(0, 0, QStringLiteral("42"));
    table.viewport()->repaint();
    EXPECT_EQ(table.item(0, 0)->alignment(), right);
}

namespace {

// Shows a text of its own making instead of the one set.
class ShowingItem : public UTableItem
{
public:
    using UTableItem::UTableItem;
    QString text() const override { return shown; }
    QString shown = QStringLiteral("7");
};

} // namespace

TEST(TableItem, AnItemMakingUpItsTextIsAlignedByTheTextItShowsNow)
{
    testhost::startLibrary();
    UTable table;
    table.init(1, 1);
    table.resize(300, 100);
    table.show();
    auto *showing = new ShowingItem(&table, UTableItem::Never, QStringLiteral("kept"));
    table.setItem(0, 0, showing);
    table.viewport()->repaint();
    EXPECT_EQ(showing->alignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    showing->shown = QStringLiteral("seven");
    table.viewport()->repaint();
    EXPECT_EQ(showing->alignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
}

// A text is drawn directly the first time and from its kept layout afterwards: both must put
// it in the same place, and a change of font must not draw the layout of the old font.
TEST(TableItem, ATextLooksTheSameDrawnFirstAndFromItsKeptLayout)
{
    testhost::startLibrary();
    UTable table;
    table.setFrameStyle(QFrame::NoFrame);
    table.init(2, 2);
    table.resize(400, 200);
    table.show();
    const auto cellImage = [&table](int row, int col) {
        return table.viewport()->grab(table.cellGeometry(row, col)).toImage();
    };
    for (const auto &[row, text] : {std::pair(0, "left text"), std::pair(1, "12345")}) {
        table.setText(row, 0, QString::fromLatin1(text));
        table.viewport()->repaint();
        const QImage first = cellImage(row, 0);
        table.viewport()->repaint();
        const QImage again = cellImage(row, 0);
        table.viewport()->repaint();
        EXPECT_EQ(cellImage(row, 0), again) << text;
        EXPECT_EQ(first, again) << text;
    }
    const QImage small = cellImage(0, 0);
    QFont big = table.font();
    big.setPointSize(big.pointSize() * 2);
    table.setFont(big);
    table.viewport()->repaint();
    table.viewport()->repaint();
    EXPECT_NE(cellImage(0, 0), small);
    QFont plain = big;
    plain.setPointSize(big.pointSize() / 2);
    table.setFont(plain);
    table.viewport()->repaint();
    EXPECT_EQ(cellImage(0, 0), small);
    // A text wider than its cell stays inside it, drawn either way.
    table.setText(1, 1, QString(200, QLatin1Char('W')));
    for (int pass = 0; pass < 2; ++pass) {
        table.viewport()->repaint();
        const QImage right = table.viewport()
                                 ->grab(QRect(table.columnPos(1) + table.columnWidth(1) + 2,
                                              table.rowPos(1), 20, table.rowHeight(1)))
                                 .toImage();
        const QColor base = table.palette().color(QPalette::Base);
        EXPECT_EQ(right.pixelColor(5, right.height() / 2), base) << pass;
    }
}

// A line drawn from learnt glyphs stands pixel for pixel where the painter's own text layout
// puts it: kerned pairs, every printable character, fractional baselines, and fonts that
// decorate; what it cannot draw so it leaves untouched and says so.
TEST(TableItem, AsciiLinesDrawAsThePainterDrawsThem)
{
    testhost::startLibrary();
    QString everyChar;
    for (char16_t u = 0x20; u <= 0x7e; ++u)
        everyChar += QChar(u);
    const QStringList texts = {QStringLiteral("0a1b2c3d"),         QStringLiteral("AVATAR To Wa"),
                               QStringLiteral("fi fl ffi office"), QStringLiteral("x"),
                               QStringLiteral("  spaced  out "),   everyChar};
    QFont serif(QStringLiteral("Serif"));
    serif.setPointSize(13);
    QFont underlined;
    underlined.setUnderline(true);
    QFont spaced;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    for (const QFont &font : {QFont(), serif, underlined, spaced}) {
        const auto image = [](const auto &draw) {
            QImage out(900, 40, QImage::Format_ARGB32_Premultiplied);
            out.fill(Qt::white);
            QPainter p(&out);
            draw(p);
            return out;
        };
        tesk::utilities::AsciiLine line(font);
        for (const QString &text : texts) {
            for (const QPointF origin : {QPointF(2, 20), QPointF(3.25, 21.6)}) {
                bool drawn = false;
                const QImage ours = image([&](QPainter &p) {
                    p.setFont(font);
                    drawn = line.draw(&p, origin, text);
                });
                const QImage painters = image([&](QPainter &p) {
                    p.setFont(font);
                    p.drawText(origin, text);
                });
                // Plain hexadecimal digits, what the memory views show, never need the layout.
                if (text.startsWith(QLatin1String("0a")) && !font.underline()) {
                    EXPECT_TRUE(drawn) << font.toString().toStdString();
                }
                const QImage expected = drawn ? painters : image([](QPainter &) {});
                EXPECT_EQ(ours, expected)
                    << text.toStdString() << " " << font.toString().toStdString();
            }
            // Measured as the font's metrics measure it (what eliding a text compares), and
            // refused exactly where drawing is.
            const qreal width = line.width(text);
            QImage scratch(10, 10, QImage::Format_ARGB32_Premultiplied);
            QPainter p(&scratch);
            p.setFont(font);
            EXPECT_EQ(width >= 0, line.draw(&p, QPointF(0, 5), text)) << text.toStdString();
            if (width >= 0) {
                EXPECT_DOUBLE_EQ(width, QFontMetricsF(font).horizontalAdvance(text))
                    << text.toStdString() << " " << font.toString().toStdString();
                EXPECT_GT(line.lineHeight(), line.lineAscent());
                EXPECT_GT(line.lineAscent(), 0);
            }
        }
    }
    // Not drawn so: decorated fonts, and characters outside printable ASCII.
    QImage out(50, 20, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    EXPECT_FALSE(
        tesk::utilities::AsciiLine(underlined).draw(&p, QPointF(0, 10), QStringLiteral("ab")));
    EXPECT_FALSE(
        tesk::utilities::AsciiLine(QFont()).draw(&p, QPointF(0, 10), QStringLiteral("a\u00e9")));
    EXPECT_FALSE(
        tesk::utilities::AsciiLine(QFont()).draw(&p, QPointF(0, 10), QStringLiteral("a\tb")));
    EXPECT_LT(tesk::utilities::AsciiLine(QFont()).width(QStringLiteral("a\u00e9")), 0);
    EXPECT_LT(tesk::utilities::AsciiLine(underlined).width(QStringLiteral("ab")), 0);
    EXPECT_EQ(tesk::utilities::AsciiLine(QFont()).width(QString()), 0);
    // One learning serves every table painting in the font.
    EXPECT_EQ(tesk::utilities::AsciiLine::forFont(serif),
              tesk::utilities::AsciiLine::forFont(serif));
    EXPECT_NE(tesk::utilities::AsciiLine::forFont(serif),
              tesk::utilities::AsciiLine::forFont(QFont()));
}

// Right-aligned and centred lines, as memory cells are, stand where the painter's rectangle form
// puts them; what does not fit, and a trailing blank, are left to that form.
TEST(TableItem, AlignedAsciiLinesDrawAsThePainterPlacesThem)
{
    testhost::startLibrary();
    QFont serif(QStringLiteral("Serif"));
    serif.setPointSize(11);
    // "f" reaches past its advance in proportional fonts.
    const QStringList texts = {QStringLiteral("0a1b2c3d"), QStringLiteral("AVATAR To Wa"),
                               QStringLiteral("  lead"), QStringLiteral("7"),
                               QStringLiteral("0x3f")};
    const QRectF rooms[] = {QRectF(QRect(2, 3, 161, 21)), QRectF(3.25, 4.6, 140.3, 25.5)};
    for (const QFont &font : {QFont(), serif}) {
        const auto image = [&font](const auto &draw) {
            QImage out(200, 40, QImage::Format_ARGB32_Premultiplied);
            out.fill(Qt::white);
            QPainter p(&out);
            p.setFont(font);
            draw(p);
            return out;
        };
        tesk::utilities::AsciiLine line(font);
        for (const Qt::Alignment align :
             {Qt::AlignRight | Qt::AlignVCenter, Qt::AlignHCenter | Qt::AlignVCenter,
              Qt::AlignRight | Qt::AlignBottom}) {
            for (const QRectF &room : rooms) {
                for (const QString &text : texts) {
                    bool drawn = false;
                    const QImage ours = image(
                        [&](QPainter &p) { drawn = line.drawAligned(&p, room, align, text); });
                    EXPECT_TRUE(drawn) << text.toStdString();
                    const QImage painters =
                        image([&](QPainter &p) { p.drawText(room, int(align), text); });
                    EXPECT_EQ(ours, painters) << text.toStdString() << " "
                                              << font.toString().toStdString() << " " << int(align);
                }
            }
        }
        QImage out(50, 20, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&out);
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        EXPECT_FALSE(line.drawAligned(&p, rooms[0], right, QStringLiteral("12 ")));
        EXPECT_FALSE(line.drawAligned(&p, QRectF(0, 0, 10, 20), right, QString(40, u'W')));
        EXPECT_FALSE(line.drawAligned(&p, QRectF(0, 0, 100, 3), right, QStringLiteral("1")));
    }
}

// A font on a device of twice the resolution (a second screen, a printout) has glyphs twice the
// size though it compares equal to the font on the screen: it gets a learning of its own, and
// its lines stand pixel for pixel where the painter's layout puts them there too.
TEST(TableItem, AsciiLinesOfEachResolutionAreLearntApart)
{
    testhost::startLibrary();
    QFont font(QStringLiteral("Serif"));
    font.setPointSize(11);
    const auto device = [](int scale) {
        QImage out(700, 60, QImage::Format_ARGB32_Premultiplied);
        out.setDotsPerMeterX(out.dotsPerMeterX() * scale);
        out.setDotsPerMeterY(out.dotsPerMeterY() * scale);
        out.fill(Qt::white);
        return out;
    };
    // The font as a table's painter holds it on each device.
    const auto fontOn = [&](int scale) {
        QImage out = device(scale);
        QPainter p(&out);
        p.setFont(font);
        return p.font();
    };
    const QFont screen = fontOn(1);
    const QFont twice = fontOn(2);
    ASSERT_EQ(screen, twice) << "the fonts of the two devices no longer compare equal";
    const std::shared_ptr<tesk::utilities::AsciiLine> screenLine =
        tesk::utilities::AsciiLine::forFont(screen);
    const std::shared_ptr<tesk::utilities::AsciiLine> twiceLine =
        tesk::utilities::AsciiLine::forFont(twice);
    EXPECT_NE(screenLine, twiceLine);
    EXPECT_EQ(tesk::utilities::AsciiLine::forFont(twice), twiceLine);
    EXPECT_EQ(tesk::utilities::AsciiLine::forFont(screen), screenLine);
    for (const int scale : {1, 2}) {
        const std::shared_ptr<tesk::utilities::AsciiLine> line =
            tesk::utilities::AsciiLine::forFont(fontOn(scale));
        for (const QString &text :
             {QStringLiteral("0a1b2c3d"), QStringLiteral("9e 42 7c 0d"), QStringLiteral("0x3f")}) {
            QImage ours = device(scale);
            QImage painters = device(scale);
            bool drawn = false;
            const QRectF room(2, 3, 400, 50);
            const int right = int(Qt::AlignRight | Qt::AlignVCenter);
            {
                QPainter p(&ours);
                p.setFont(font);
                drawn = line->draw(&p, QPointF(3, 30), text) &&
                        line->drawAligned(&p, room, Qt::Alignment(right), text);
            }
            {
                QPainter p(&painters);
                p.setFont(font);
                p.drawText(QPointF(3, 30), text);
                p.drawText(room, right, text);
            }
            EXPECT_TRUE(drawn) << text.toStdString();
            EXPECT_EQ(ours, painters) << text.toStdString() << " at scale " << scale;
        }
    }
}

namespace {

// Leaves the painter in a state of its own, as a subclass's paint may.
class UntidyItem : public UTableItem
{
public:
    using UTableItem::UTableItem;
    void paint(QPainter *p, const QPalette &cg, const QRect &cellRect, bool selected) override
    {
        QFont bold = p->font();
        bold.setBold(true);
        p->setFont(bold);
        p->setBrush(Qt::red);
        p->setOpacity(0.5);
        p->setClipRect(0, 0, 1, 1);
        UTableItem::paint(p, cg, cellRect, selected);
        p->translate(3, 4);
    }
};

struct PainterState
{
    QPen pen;
    QFont font;
    QBrush brush;
    qreal opacity;
    bool clipping;
    QPointF origin;
    bool operator==(const PainterState &o) const
    {
        return pen == o.pen && font == o.font && brush == o.brush && opacity == o.opacity &&
               clipping == o.clipping && origin == o.origin;
    }
};

PainterState stateOf(const QPainter *p)
{
    return {p->pen(),     p->font(),        p->brush(),
            p->opacity(), p->hasClipping(), p->worldTransform().map(QPointF(0, 0))};
}

// Notes the painter each cell gets and how the cell leaves it.
class StateTable : public UTable
{
public:
    struct Cell
    {
        int row, col;
        PainterState before, after;
    };
    std::vector<Cell> cells;

    void paintCell(QPainter *p, int row, int col, const QRect &cr, bool selected,
                   const QPalette &cg) override
    {
        const PainterState before = stateOf(p);
        UTable::paintCell(p, row, col, cr, selected, cg);
        cells.push_back({row, col, before, stateOf(p)});
    }
};

} // namespace

TEST(TableItem, EveryCellGetsThePainterAtItsCornerAsTheOthersLeftIt)
{
    testhost::startLibrary();
    StateTable table;
    table.setFrameStyle(QFrame::NoFrame);
    table.init(2, 3);
    table.setText(0, 0, QStringLiteral("plain"));
    table.setItem(0, 1, new UntidyItem(&table, UTableItem::Never, QStringLiteral("untidy")));
    table.setText(0, 2, QStringLiteral("plain"));
    auto *block = new UTableItem(&table, UTableItem::Never, QStringLiteral("block"));
    table.setItem(1, 0, block);
    block->setSpan(1, 2);
    table.setText(1, 2, QStringLiteral("after the block"));
    table.selectCells(0, 2, 1, 2); // painted in the highlighted text's pen
    table.resize(640, 200);
    table.show();
    QCoreApplication::processEvents();
    table.cells.clear();
    table.viewport()->repaint();

    ASSERT_EQ(table.cells.size(), 5u); // the block once
    const PainterState first = table.cells.front().before;
    for (const StateTable::Cell &cell : table.cells) {
        SCOPED_TRACE(testing::Message() << cell.row << ", " << cell.col);
        EXPECT_EQ(cell.before.origin, QPointF(table.cellGeometry(cell.row, cell.col).topLeft()));
        PainterState expected = first;
        expected.origin = cell.before.origin;
        EXPECT_TRUE(cell.before == expected);
        EXPECT_TRUE(cell.after == cell.before);
    }
}

TEST(TableItem, SpansAreNeverReplaceableAndStayInsideTheTable)
{
    testhost::startLibrary();
    UTable table;
    table.init(3, 3);
    auto *item = new UTableItem(&table, UTableItem::OnTyping, QStringLiteral("wide"));
    table.setItem(0, 0, item);
    item->setSpan(1, 2);
    item->setReplaceable(true);
    EXPECT_FALSE(item->isReplaceable());
    EXPECT_EQ(table.item(0, 1), item);
    EXPECT_EQ(item->row(), 0);
    EXPECT_EQ(item->col(), 0);

    // A 2 x 2 block answers its whole rectangle from any of its cells.
    item->setSpan(2, 2);
    EXPECT_EQ(table.item(1, 1), item);
    EXPECT_EQ(table.cellGeometry(1, 1), QRect(0, 0, 200, 40));
    EXPECT_EQ(table.cellRect(1, 1), QRect(0, 0, 200, 40));

    // In the last row there is no room: only the table's span flags change.
    auto *last = new UTableItem(&table, UTableItem::OnTyping, QStringLiteral("last"));
    table.setItem(2, 0, last);
    last->setSpan(2, 2);
    EXPECT_EQ(last->rowSpan(), 1);
    EXPECT_EQ(table.item(2, 1), nullptr);

    // Deleting the block's item empties every cell it covered.
    delete item;
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(table.item(r, c), nullptr);
    }
}

TEST(TableItem, TakenItemsBelongToTheCallerAndSameCellKeepsTheItem)
{
    testhost::startLibrary();
    auto table = std::make_unique<UTable>();
    table->init(2, 2);
    auto *item = new UTableItem(table.get(), UTableItem::OnTyping, QStringLiteral("kept"));
    table->setItem(1, 1, item);
    // Putting it where it already stands must not delete it.
    table->setItem(1, 1, item);
    ASSERT_EQ(table->item(1, 1), item);
    EXPECT_EQ(item->text(), QStringLiteral("kept"));

    // Moving it to another cell leaves no second reference behind.
    table->setItem(0, 0, item);
    EXPECT_EQ(table->item(1, 1), nullptr);
    EXPECT_EQ(table->item(0, 0), item);

    table->takeItem(item);
    EXPECT_EQ(table->item(0, 0), nullptr);
    EXPECT_EQ(item->row(), -1);
    std::unique_ptr<UTableItem> owned(item);

    // A cell outside the table leaves the item with its caller.
    table->setItem(5, 0, item);
    EXPECT_EQ(item->row(), -1);

    // The table goes first; its items go without calling back into it.
    table->setText(0, 1, QStringLiteral("left"));
    table->item(0, 1)->setSpan(2, 1);
    table.reset();
}

TEST(TableItem, AlwaysItemsAnswerWhatTheirEditorHolds)
{
    testhost::startLibrary();
    UTable table;
    table.init(2, 2);
    auto *item = new UTableItem(&table, UTableItem::Always, QStringLiteral("start"));
    table.setItem(0, 1, item);
    auto *editor = qobject_cast<QLineEdit *>(table.cellWidget(0, 1));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("start"));
    editor->setText(QStringLiteral("typed"));
    EXPECT_EQ(item->text(), QStringLiteral("typed"));

    // Taking the item out takes its editor with it, later.
    QPointer<QWidget> gone(editor);
    table.takeItem(item);
    delete item;
    EXPECT_EQ(table.cellWidget(0, 1), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
}

namespace {

// Notes whether its table was still reachable when it went.
class WatchingItem : public UTableItem
{
public:
    WatchingItem(UTable *table, bool &calledBack)
        : UTableItem(table, OnTyping, QStringLiteral("watch"))
        , m_calledBack(calledBack)
    {
    }
    ~WatchingItem() override { m_calledBack = table() != nullptr; }

private:
    bool &m_calledBack;
};

} // namespace

TEST(TableItem, DestroyingTheTableLetsItemsGoWithoutCallingBack)
{
    testhost::startLibrary();
    bool calledBack = true;
    auto table = std::make_unique<UTable>();
    table->init(2, 2);
    auto *item = new WatchingItem(table.get(), calledBack);
    table->setItem(0, 0, item);
    item->setSpan(2, 2);
    table.reset();
    EXPECT_FALSE(calledBack);
}

TEST(TableItem, ACellWidgetSetAgainStaysAlive)
{
    testhost::startLibrary();
    UTable table;
    table.init(2, 2);
    auto *widget = new QLineEdit;
    QPointer<QWidget> alive(widget);
    table.setCellWidget(1, 0, widget);
    table.setCellWidget(1, 0, widget);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive.isNull());
    EXPECT_EQ(table.cellWidget(1, 0), widget);
    EXPECT_EQ(widget->parentWidget(), table.viewport());

    // Shrinking the table away from it lets it go, later.
    table.setNumRows(1);
    EXPECT_FALSE(alive.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST(TableItem, ATableShownBeforeItsInitialisationStaysQuiet)
{
    testhost::startLibrary();
    UTable table;
    table.resize(200, 100);
    table.show();
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::keyClick(&table, Qt::Key_Down);
    table.viewport()->repaint();
    table.init(2, 2);
    EXPECT_EQ(table.numRows(), 2);
}
