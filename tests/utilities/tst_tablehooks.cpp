// A table subclass that replaces every hook records that the table reaches each of them
// through the virtual call, from inside its own gestures.
#include "testhost.h"

#include "utilities/table.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using Calls = std::set<std::string>;

class HookHeader : public UTableHeader
{
public:
    HookHeader(int count, UTable *table, Calls &calls)
        : UTableHeader(count, table, table, "hook header")
        , m_calls(calls)
    {
    }
    void setSectionState(int section, SectionState state) override
    {
        m_calls.insert("setSectionState");
        UTableHeader::setSectionState(section, state);
    }
    void setSectionStateToAll(SectionState state) override
    {
        m_calls.insert("setSectionStateToAll");
        UTableHeader::setSectionStateToAll(state);
    }
    bool marginNeedsUpdate(int current, int wanted) override
    {
        m_calls.insert("marginNeedsUpdate");
        return UTableHeader::marginNeedsUpdate(current, wanted);
    }
    void paintSectionLabel(QPainter *p, int index, const QRect &rect) override
    {
        m_calls.insert("paintSectionLabel");
        UTableHeader::paintSectionLabel(p, index, rect);
    }
    bool selectBySection(QMouseEvent *e) override
    {
        m_calls.insert("selectBySection");
        return UTableHeader::selectBySection(e);
    }

private:
    Calls &m_calls;
};

class HookTable : public UTable
{
public:
    HookTable()
    {
        setFrameStyle(QFrame::NoFrame);
        init(6, 4);
    }

    mutable Calls calls;
    bool createSelection(UTableSelection **selection) override
    {
        calls.insert("createSelection");
        *selection = new UTableSelection;
        return true;
    }
    using UTable::windowActivationChange;

    void ensureCellVisible(int row, int col) override
    {
        calls.insert("ensureCellVisible");
        UTable::ensureCellVisible(row, col);
    }
    bool isSelected(int row, int col, bool includeCurrent) const override
    {
        calls.insert("isSelected");
        return UTable::isSelected(row, col, includeCurrent);
    }
    void setCurrentCell(int row, int col, bool updateSelections, bool ensureVisible) override
    {
        calls.insert("setCurrentCell");
        UTable::setCurrentCell(row, col, updateSelections, ensureVisible);
    }
    void clearSelection(bool repaint) override
    {
        calls.insert("clearSelection");
        UTable::clearSelection(repaint);
    }
    void setText(int row, int col, const QString &text) override
    {
        calls.insert("setText");
        UTable::setText(row, col, text);
    }
    void paintCell(QPainter *p, int row, int col, const QRect &cr, bool selected,
                   const QPalette &cg) override
    {
        calls.insert("paintCell");
        UTable::paintCell(p, row, col, cr, selected, cg);
    }
    void paintFocus(QPainter *p, const QRect &cr) override
    {
        calls.insert("paintFocus");
        UTable::paintFocus(p, cr);
    }
    void swapRows(int a, int b, bool swapHeader) override
    {
        calls.insert("swapRows");
        UTable::swapRows(a, b, swapHeader);
    }
    void takeItem(UTableItem *item) override
    {
        calls.insert("takeItem");
        UTable::takeItem(item);
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        calls.insert("eventFilter");
        return UTable::eventFilter(o, e);
    }

protected:
    bool createTopHeader(UTableHeader **header, int cols) override
    {
        calls.insert("createTopHeader");
        *header = new HookHeader(cols, this, calls);
        return true;
    }
    bool createLeftHeader(UTableHeader **header, int rows) override
    {
        calls.insert("createLeftHeader");
        *header = new HookHeader(rows, this, calls);
        return true;
    }
    QWidget *createEditor(int row, int col, bool initFromCell) const override
    {
        calls.insert("createEditor");
        return UTable::createEditor(row, col, initFromCell);
    }
    QWidget *beginEdit(int row, int col, bool replace) override
    {
        calls.insert("beginEdit");
        return UTable::beginEdit(row, col, replace);
    }
    void endEdit(int row, int col, bool accept, bool replace) override
    {
        calls.insert("endEdit");
        UTable::endEdit(row, col, accept, replace);
    }
    void activateNextCell() override
    {
        calls.insert("activateNextCell");
        UTable::activateNextCell();
    }
    void contentsMousePressEventEx(QMouseEvent *e) override
    {
        calls.insert("contentsMousePressEventEx");
        UTable::contentsMousePressEventEx(e);
    }
    void contentsMouseMoveEvent(QMouseEvent *e) override
    {
        calls.insert("contentsMouseMoveEvent");
        UTable::contentsMouseMoveEvent(e);
    }
    void contentsMouseReleaseEvent(QMouseEvent *e) override
    {
        calls.insert("contentsMouseReleaseEvent");
        UTable::contentsMouseReleaseEvent(e);
    }
    void contentsMouseDoubleClickEvent(QMouseEvent *e) override
    {
        calls.insert("contentsMouseDoubleClickEvent");
        UTable::contentsMouseDoubleClickEvent(e);
    }
    void keyPressEvent(QKeyEvent *e) override
    {
        calls.insert("keyPressEvent");
        UTable::keyPressEvent(e);
    }
    void columnWidthChanged(int col) override
    {
        calls.insert("columnWidthChanged");
        UTable::columnWidthChanged(col);
    }
    void rowHeightChanged(int row) override
    {
        calls.insert("rowHeightChanged");
        UTable::rowHeightChanged(row);
    }
    void windowActivationChange(bool oldActive) override
    {
        calls.insert("windowActivationChange");
        UTable::windowActivationChange(oldActive);
    }
    void viewportResizeEvent(QResizeEvent *e) override
    {
        calls.insert("viewportResizeEvent");
        UTable::viewportResizeEvent(e);
    }
    void paintEmptyArea(QPainter *p, int cx, int cy, int cw, int ch) override
    {
        calls.insert("paintEmptyArea");
        UTable::paintEmptyArea(p, cx, cy, cw, ch);
    }
};

} // namespace

TEST(TableHooks, EveryHookIsReachedThroughTheVirtualCall)
{
    testhost::startLibrary();
    HookTable table;
    table.resize(500, 300);
    table.show();
    QCoreApplication::processEvents();
    QWidget *viewport = table.viewport();
    const auto center = [&](int row, int col) {
        return table.contentsToViewport2(table.cellGeometry(row, col).center());
    };

    // Mouse: press, drag, release and a double click that opens an editor.
    QTest::mousePress(viewport, Qt::LeftButton, {}, center(1, 1));
    QTest::mouseMove(viewport, center(2, 2));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, center(2, 2));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, center(3, 0));
    auto *editor = qobject_cast<QLineEdit *>(table.cellWidget(3, 0));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("value"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(table.text(3, 0), QStringLiteral("value"));

    // Keys, sizes, rows, headers, activation and a repaint.
    QTest::keyClick(&table, Qt::Key_Down);
    table.setColumnWidth(0, 120);
    table.setRowHeight(0, 30);
    table.insertRows(0, 1);
    table.horizontalHeader()->setLabel(0, QStringLiteral("Label"));
    QTest::mouseClick(table.horizontalHeader(), Qt::LeftButton, {}, QPoint(150, 5));
    table.resize(520, 320);
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(&table, &activation);
    ASSERT_EQ(table.text(4, 0), QStringLiteral("value"));
    delete table.item(4, 0);
    EXPECT_EQ(table.item(4, 0), nullptr);
    // Inserting moved the rows in one block; sorting whole rows swaps them.
    table.setText(2, 1, QStringLiteral("b"));
    table.setText(0, 1, QStringLiteral("c"));
    table.sortColumn(1, true, true);
    EXPECT_EQ(table.text(0, 1), QStringLiteral("b"));
    viewport->repaint();

    UTableSelection *made = nullptr;
    UTable &base = table;
    EXPECT_TRUE(base.createSelection(&made));
    delete made;

    for (const char *hook : {"createTopHeader",
                             "createLeftHeader",
                             "createSelection",
                             "ensureCellVisible",
                             "isSelected",
                             "setCurrentCell",
                             "clearSelection",
                             "createEditor",
                             "beginEdit",
                             "endEdit",
                             "setText",
                             "activateNextCell",
                             "contentsMousePressEventEx",
                             "contentsMouseMoveEvent",
                             "contentsMouseReleaseEvent",
                             "contentsMouseDoubleClickEvent",
                             "keyPressEvent",
                             "eventFilter",
                             "columnWidthChanged",
                             "rowHeightChanged",
                             "windowActivationChange",
                             "viewportResizeEvent",
                             "paintCell",
                             "paintFocus",
                             "paintEmptyArea",
                             "swapRows",
                             "takeItem",
                             "setSectionState",
                             "setSectionStateToAll",
                             "marginNeedsUpdate",
                             "paintSectionLabel",
                             "selectBySection"})
        EXPECT_EQ(table.calls.count(hook), 1u) << hook;
    EXPECT_EQ(table.horizontalHeader()->objectName(), QStringLiteral("hook header"));
    EXPECT_EQ(table.horizontalHeader()->orientation(), Qt::Horizontal);
    EXPECT_EQ(table.verticalHeader()->orientation(), Qt::Vertical);
}
