// The check tables over a data set of their own, changed through a recording controller:
// mouse and keys on check cells, locked and disabled cells, selected blocks, refills.
#include "synchost.h"

#include "sync/synccntrlcorestable.h"
#include "sync/syncdata.h"
#include "sync/syncdatamediator.h"
#include "sync/syncdatamodels.h"
#include "sync/synctables.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

using Flags = SyncDataConnection;

struct RecordingController : SyncCntrlCoresTable
{
    bool beginChange() override
    {
        calls.push_back("begin");
        return true;
    }
    void setChecked(int row, int col, bool on) override
    {
        calls.push_back("set " + std::to_string(row) + "," + std::to_string(col) + "=" +
                        std::to_string(on));
    }
    bool endChange() override
    {
        calls.push_back("end");
        return true;
    }
    std::vector<std::string> calls;
};

using synctest::CoreSetup;

class Tables : public ::testing::Test
{
protected:
    void fill(std::initializer_list<CoreSetup> cores)
    {
        synctest::fillCores(data, mediator, cores);
    }

    template<typename Table, typename Model>
    Table *bind()
    {
        auto *made = new Table;
        table.reset(made);
        made->setModel(new Model(&mediator));
        made->setController(&controller);
        made->setupTable();
        made->resize(made->sizeHint() + QSize(40, 40));
        made->show();
        return made;
    }

    SyncTableCheckItem *cell(int row, int col) const
    {
        return dynamic_cast<SyncTableCheckItem *>(table->item(row, col));
    }
    QPoint centre(int row, int col) const
    {
        return table->contentsToViewport2(table->cellGeometry(row, col).center());
    }
    void click(int row, int col)
    {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre(row, col));
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(table.get(), Qt::Key(key), modifiers);
    }
    QRgb pixelIn(int row, int col)
    {
        const QImage image = table->viewport()->grab().toImage();
        return image.pixel(centre(row, col) + QPoint(-table->columnWidth(col) / 2 + 2, 0));
    }

    SyncData data;
    SyncDataMediator mediator{&data};
    RecordingController controller;
    // Last: the table's model detaches from the mediator when the table goes.
    std::unique_ptr<SyncTableGeneric> table;
};

// Counts the paints a widget receives.
struct PaintCounter : QObject
{
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

const std::vector<std::string> kOneToggle = {"begin", "set 0,1=1", "end"};

TEST_F(Tables, AClickTogglesOnceADragNothing)
{
    fill({{1, 0, 0}, {2, 0, 0}});
    bind<SyncTableCores, SyncDataModelActionsCores>();
    click(0, 1);
    EXPECT_TRUE(cell(0, 1)->isChecked());
    EXPECT_EQ(controller.calls, kOneToggle);

    controller.calls.clear();
    QTest::mousePress(table->viewport(), Qt::LeftButton, {}, centre(0, 1));
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, centre(1, 1));
    EXPECT_TRUE(controller.calls.empty());
    EXPECT_TRUE(cell(0, 1)->isChecked());
    EXPECT_FALSE(cell(1, 1)->isChecked());
    // The name column holds no check cell.
    click(0, 0);
    EXPECT_TRUE(controller.calls.empty());

    // A drag out of the table ends with the button: no auto-scroll moves the current cell on.
    QWidget *viewport = table->viewport();
    const QPoint below(centre(0, 1).x(), viewport->height() + 20);
    QTest::mousePress(viewport, Qt::LeftButton, {}, centre(0, 1));
    QMouseEvent move(QEvent::MouseMove, below, viewport->mapToGlobal(below), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, below);
    table->clearSelection();
    table->setCurrentCell(0, 1);
    QTest::qWait(300);
    EXPECT_EQ(table->currentRow(), 0);
    EXPECT_TRUE(controller.calls.empty());
}

TEST_F(Tables, KeysToggleCheckUncheckOrNavigate)
{
    fill({{1, 0, 0}, {2, 0, 0}});
    bind<SyncTableCores, SyncDataModelActionsCores>();
    table->setCurrentCell(0, 1);
    key(Qt::Key_Space);
    EXPECT_EQ(controller.calls, kOneToggle);
    // "+" on a checked cell leaves it checked but is still reported.
    controller.calls.clear();
    key(Qt::Key_Plus);
    EXPECT_TRUE(cell(0, 1)->isChecked());
    EXPECT_EQ(controller.calls, kOneToggle);
    key(Qt::Key_Minus);
    EXPECT_FALSE(cell(0, 1)->isChecked());
    // Keypad keys carry the keypad modifier and still toggle.
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(cell(0, 1)->isChecked());
    key(Qt::Key_Return);
    EXPECT_FALSE(cell(0, 1)->isChecked());

    // With Shift, Space is the table's own navigation: nothing toggles.
    controller.calls.clear();
    key(Qt::Key_Space, Qt::ShiftModifier);
    key(Qt::Key_Down);
    EXPECT_TRUE(controller.calls.empty());
    EXPECT_FALSE(cell(0, 1)->isChecked());
    EXPECT_EQ(table->currentRow(), 1);
}

TEST_F(Tables, LockedAndDisabledCellsKeepTheirState)
{
    // Core 1 can use its hardware trigger in, core 2 cannot.
    fill({{1, 0, Flags::TriggerIn | Flags::HwTriggerInPossible}, {2, 0, Flags::TriggerIn}});
    bind<SyncTrigTable, SyncDataModelXTrig>();
    constexpr int kHwIn = 3;
    EXPECT_TRUE(cell(0, kHwIn)->isChangeable());
    ASSERT_FALSE(cell(1, kHwIn)->isChangeable());
    click(1, kHwIn);
    table->setCurrentCell(1, kHwIn);
    for (int k : {Qt::Key_Space, Qt::Key_Plus})
        key(k);
    EXPECT_FALSE(cell(1, kHwIn)->isChecked());
    EXPECT_TRUE(controller.calls.empty());

    // Unlocked at the next refill once the core can use it.
    SyncTableCheckItem *locked = cell(1, kHwIn);
    data.find(2)->setFlags(Flags::TriggerIn | Flags::HwTriggerInPossible);
    mediator.notify(0, 0);
    EXPECT_EQ(cell(1, kHwIn), locked) << "the item is kept";
    EXPECT_TRUE(locked->isChangeable());
    click(1, kHwIn);
    EXPECT_TRUE(locked->isChecked());

    controller.calls.clear();
    table->setEnabled(false);
    click(0, 1);
    table->setCurrentCell(0, 1);
    key(Qt::Key_Space);
    EXPECT_TRUE(controller.calls.empty());
}

TEST_F(Tables, ASelectedBlockIsSetAndReportedWithOneCommit)
{
    fill({{1, 0, 0}, {2, 0, 0}});
    bind<SyncTableCores, SyncDataModelActionsCores>();
    // The name column inside the block is neither changed nor reported.
    table->setCurrentCell(0, 0);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(table->currentColumn(), 1);
    key(Qt::Key_Space);
    EXPECT_TRUE(cell(0, 1)->isChecked());
    EXPECT_TRUE(cell(1, 1)->isChecked());
    const std::vector<std::string> expected = {"begin", "set 0,1=1", "set 1,1=1", "end"};
    EXPECT_EQ(controller.calls, expected);
}

TEST_F(Tables, RefillsKeepItemsTheCurrentCellAndThePicture)
{
    fill({});
    auto *cores = bind<SyncTableCores, SyncDataModelActionsCores>();
    ASSERT_EQ(cores->numRows(), 1);
    EXPECT_EQ(cores->text(0, 0), QStringLiteral(" *** No Connected Items *** "));
    EXPECT_EQ(cell(0, 1), nullptr);

    fill({{9, 1, 0}, {3, 0, 0}});
    ASSERT_EQ(cores->numRows(), 2);
    EXPECT_EQ(cores->text(0, 0), QStringLiteral("core 3 []"));
    EXPECT_EQ(cores->text(1, 0), QStringLiteral("core 9 []"));
    EXPECT_FALSE(cell(0, 1)->isChecked());
    EXPECT_TRUE(cell(1, 1)->isChecked());
    EXPECT_FALSE(cores->pixmap(1, 0).isNull());

    // A picture once set stays.
    const qint64 chip = cores->pixmap(0, 0).cacheKey();
    cores->setPixmap(0, 0, QPixmap(4, 4));
    EXPECT_EQ(cores->pixmap(0, 0).cacheKey(), chip);

    SyncTableCheckItem *first = cell(0, 1);
    cores->setCurrentCell(1, 1);
    mediator.notify(0, 0);
    EXPECT_EQ(cell(0, 1), first);
    EXPECT_EQ(cores->currentRow(), 1);

    // The same data again repaints nothing, in the table or its header.
    QTest::qWait(20);
    PaintCounter counter;
    cores->viewport()->installEventFilter(&counter);
    cores->horizontalHeader()->installEventFilter(&counter);
    mediator.notify(0, 0);
    QTest::qWait(20);
    EXPECT_EQ(counter.paints, 0);
    data.find(3)->setEventSet(SyncDataEventSet(SyncDataEventSet::Reset));
    mediator.notify(0, 0);
    QTest::qWait(20);
    EXPECT_GT(counter.paints, 0) << "a changed cell is painted";
    cores->viewport()->removeEventFilter(&counter);
    cores->horizontalHeader()->removeEventFilter(&counter);

    // Everything gone: the placeholder again, without check cells.
    fill({});
    EXPECT_EQ(cores->numRows(), 1);
    EXPECT_EQ(cell(0, 1), nullptr);
    EXPECT_TRUE(cores->pixmap(0, 0).isNull());
}

TEST_F(Tables, CheckCellsAreCreamWhiteOrGrey)
{
    fill({{1, 0, 0}, {2, 0, 0}});
    bind<SyncTableCores, SyncDataModelActionsCores>();
    table->clearSelection();
    table->setCurrentCell(0, 0);
    EXPECT_EQ(QColor(pixelIn(1, 1)), SyncTableCheckItem::kCream);
    table->selectCells(1, 1, 1, 1);
    EXPECT_EQ(QColor(pixelIn(1, 1)), SyncTableCheckItem::kSelectionGrey);

    // White where a check cell is made without cream (the even columns).
    auto *plain = new SyncTableCheckItem(table.get(), QString(), false);
    table->setItem(0, 0, plain);
    table->clearSelection();
    EXPECT_EQ(QColor(pixelIn(0, 0)), SyncTableCheckItem::kWhite);
}

TEST_F(Tables, SmallTablesAreDisabledWhileNoCoreIsCoupled)
{
    fill({{1, 0, 0}});
    auto *actions = bind<SyncActionsTableSmall, SyncDataModelActionsSet>();
    EXPECT_EQ(actions->numRows(), 7);
    EXPECT_EQ(actions->text(6, 0), QStringLiteral("Load Binary"));
    EXPECT_FALSE(actions->isEnabled());
    fill({{1, SyncDataEventSet::LoadImage, 0}});
    EXPECT_TRUE(actions->isEnabled());
    EXPECT_TRUE(cell(0, 1)->isChecked());
    EXPECT_FALSE(cell(1, 1)->isChecked());

    auto *execution = bind<SyncExecTableSmall, SyncDataModelExecutionSet>();
    EXPECT_FALSE(execution->isEnabled());
    fill({{1, SyncDataEventSet::Run, 0}});
    EXPECT_TRUE(execution->isEnabled());
    EXPECT_TRUE(cell(1, 1)->isChecked());
}

} // namespace
