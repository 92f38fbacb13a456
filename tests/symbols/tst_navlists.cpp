// The navigator's four lists: paths, commands, menus per mode, state texts and row order, driven
// as the user and the pane drive them.
#include "modalanswers.h"
#include "symtabhost.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"
#include "symbols/funclistview.h"
#include "symbols/imagelistview.h"
#include "symbols/modlistview.h"
#include "symbols/varlistview.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using tesk::host::SymbolRecords;
using testhost::SymtabHost;

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

// The pane as the lists see it.
class FakeOwner : public DataNavListOwner
{
public:
    int mode() const override { return paneMode; }
    void appendDockMenuItems(QMenu *menu, bool withSeparator) override
    {
        if (withSeparator)
            menu->addSeparator();
        for (auto [id, label] : {std::pair{666, "Dock/Float"}, {667, "Hide"}, {668, "Close"}})
            menu->addAction(label)->setData(id);
    }
    void processPaneGenericOption(int id) override { options.push_back(id); }

    int paneMode = 0;
    std::vector<int> options;
};

// A menu as text ("-" for a separator, "*" after a checked item, "!" after a disabled one),
// answered by choosing the item with the given label (or none).
struct MenuAnswer
{
    QStringList items;
    QString choose;
};

class NavListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        source = std::make_unique<SymtabDataSource>();
        handle = reinterpret_cast<TeskHandle>(tesk::handles::add(source.get()));
        SymbolRecords r;
        r.images = {"img", "<other>"};
        r.modules = {"img m m.c", "img <Global> img"};
        r.functions = {"img m main 0x10 Public", "img <Global> start 0x20 Public",
                       "img m a\\b\\zeta 0x30 Public", "img m c\\alpha 0x40 Static"};
        r.variables = {"img m count 0x100 Global"};
        tesk::host::publishSymbols(r, handle, testhost::linkedAdders());
        answers.setHandler([this](const testhost::ModalAnswers::Request &request) {
            auto *menu = qobject_cast<QMenu *>(request.widget.data());
            ASSERT_NE(menu, nullptr);
            menuText.clear();
            QAction *chosen = nullptr;
            for (QAction *a : menu->actions()) {
                if (a->isSeparator()) {
                    menuText << "-";
                    continue;
                }
                menuText << a->text() + (a->isChecked() ? "*" : "") + (a->isEnabled() ? "" : "!");
                if (a->text() == choose)
                    chosen = a;
            }
            if (!chosen) {
                menu->close();
                return;
            }
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        });
    }

    template<typename View>
    std::unique_ptr<View> symbolList(bool variables)
    {
        auto view = std::make_unique<View>();
        std::vector<SymbolIndex> rows;
        SymbolQuery all;
        all.showLocals = all.showLabels = true;
        variables ? source->searchVariables(all, rows) : source->searchFunctions(all, rows);
        view->symbols()->setSymbols(source.get(), rows);
        view->setOwner(&owner);
        view->resize(400, 200);
        return view;
    }
    static void selectRow(DataNavListBase &view, const QString &name)
    {
        for (int row = 0; row < view.listModel()->rowCount(); ++row) {
            if (view.listModel()->text(row, 0) == name)
                view.setCurrentIndex(view.listModel()->index(row, 0));
        }
    }
    QStringList openMenu(DataNavListBase &view, const QString &item = QString())
    {
        choose = item;
        view.slotContextMenuRequested(QPoint(5, 5));
        return menuText;
    }
    static QStringList column0(const DataNavListBase &view)
    {
        QStringList out;
        for (int row = 0; row < view.listModel()->rowCount(); ++row)
            out << view.listModel()->text(row, 0);
        return out;
    }

    std::unique_ptr<SymtabDataSource> source;
    TeskHandle handle = 0;
    FakeOwner owner;
    testhost::ModalAnswers answers;
    QStringList menuText;
    QString choose;
};

} // namespace

TEST_F(NavListTest, NamedActionsSendTheirCommandsForTheCurrentRow)
{
    const struct
    {
        bool variables;
        const char *row;
        const char *action;
        const char *signal; // "c" doCommand, "w" doWatch, "b" doBreak
        const char *text;
    } cases[] = {
        {false, "main", "disasm", "c", "dis img\\\\m\\main"},
        {false, "main", "source", "c", "list img\\\\m\\main"},
        {false, "main", "break", "c", "binstr img\\\\m\\main"},
        {false, "main", "goto", "c", "go img\\\\m\\main"},
        {false, "main", "type", "c", "printtype img\\\\m\\main"},
        {false, "main", "info", "c", "cexpr img\\\\m\\main"},
        {false, "main", "setpc", "c", "setreg @PC=img\\\\m\\main"},
        {false, "start", "scope", "c", "scope img\\\\start"}, // <Global>: no module in the path
        {true, "count", "print_dec", "c", "print img\\\\m\\count"},
        {true, "count", "print_hex", "c", "print /himg\\\\m\\count"},
        {true, "count", "printtype", "c", "printtype img\\\\m\\count"},
        {true, "count", "info", "c", "printsym img\\\\m\\count"},
        {true, "count", "watch", "w", "img\\\\m\\count"},
        {true, "count", "break", "b", "img\\\\m\\count"},
    };
    for (const auto &c : cases) {
        std::unique_ptr<DataNavListBase> view;
        if (c.variables)
            view = symbolList<VarListView>(true);
        else
            view = symbolList<FuncListView>(false);
        QSignalSpy command(view.get(), &DataNavListBase::doCommand);
        QSignalSpy watch(view.get(), &DataNavListBase::doWatch);
        QSignalSpy brk(view.get(), &DataNavListBase::doBreak);
        // Without a current row nothing is sent.
        view->namedAction(c.action);
        EXPECT_EQ(command.size() + watch.size() + brk.size(), 0) << c.action;
        selectRow(*view, c.row);
        view->namedAction(c.action);
        QSignalSpy &expected = *c.signal == 'c' ? command : *c.signal == 'w' ? watch : brk;
        ASSERT_EQ(expected.size(), 1) << c.action;
        EXPECT_EQ(expected.at(0).at(0).toString(), c.text) << c.action;
        EXPECT_EQ(command.size() + watch.size() + brk.size(), 1) << c.action;
    }
}

TEST_F(NavListTest, PathsOfImageAndModuleRows)
{
    ImageListView images;
    std::vector<SymImage *> found;
    source->searchImages("*", found);
    images.images()->setImages(source.get(), found);
    QString path;
    EXPECT_FALSE(images.symbolPath(path));
    selectRow(images, "img");
    ASSERT_TRUE(images.symbolPath(path));
    EXPECT_EQ(path, "img");

    ModListView modules;
    std::vector<SymModule *> mods;
    source->searchModules("*", "*", mods);
    modules.modules()->setModules(source.get(), mods);
    selectRow(modules, "m");
    ASSERT_TRUE(modules.symbolPath(path));
    EXPECT_EQ(path, "img\\\\m");
}

TEST_F(NavListTest, DoubleClickSendsOnlyInPaneMode)
{
    auto functions = symbolList<FuncListView>(false);
    auto variables = symbolList<VarListView>(true);
    selectRow(*functions, "main");
    selectRow(*variables, "count");
    QSignalSpy f(functions.get(), &DataNavListBase::doCommand);
    QSignalSpy v(variables.get(), &DataNavListBase::doCommand);
    owner.paneMode = 1;
    functions->slotDoubleClicked(functions->currentIndex());
    variables->slotDoubleClicked(variables->currentIndex());
    EXPECT_EQ(f.size() + v.size(), 0);
    owner.paneMode = 0;
    functions->slotDoubleClicked(functions->currentIndex());
    variables->slotDoubleClicked(variables->currentIndex());
    ASSERT_EQ(f.size(), 1);
    EXPECT_EQ(f.at(0).at(0).toString(), "dis img\\\\m\\main");
    ASSERT_EQ(v.size(), 1);
    EXPECT_EQ(v.at(0).at(0).toString(), "print /himg\\\\m\\count");
}

TEST_F(NavListTest, TogglesFlipTheirFlagAndAskForARefill)
{
    auto variables = symbolList<VarListView>(true);
    QSignalSpy refill(variables.get(), &DataNavListBase::updateContents);
    for (const char *action :
         {"toggle_publics", "toggle_statics", "toggle_labels", "toggle_locals", "toggle_lib_syms"})
        variables->namedAction(action);
    EXPECT_EQ(refill.size(), 5);
    EXPECT_FALSE(variables->showPublics());
    EXPECT_FALSE(variables->showStatics());
    EXPECT_TRUE(variables->showLabels());
    EXPECT_TRUE(variables->showLocals());
    EXPECT_TRUE(variables->showLibSymbols());
    variables->namedAction("reset_toggle_state");
    EXPECT_EQ(refill.size(), 6);
    EXPECT_TRUE(variables->showPublics() && variables->showStatics());
    EXPECT_FALSE(variables->showLabels() || variables->showLocals() || variables->showLibSymbols());
    // Names outside the table, and the locals switch on the function list, do nothing.
    auto functions = symbolList<FuncListView>(false);
    QSignalSpy functionRefill(functions.get(), &DataNavListBase::updateContents);
    functions->namedAction("toggle_locals");
    functions->namedAction("print_hex");
    EXPECT_EQ(functionRefill.size(), 0);
}

TEST_F(NavListTest, MenusPerMode)
{
    auto functions = symbolList<FuncListView>(false);
    const QStringList toggles{"Show Publics*", "Show Statics*", "Show Labels", "-",
                              "Show Library Symbols"};
    const QStringList dock{"-", "Dock/Float", "Hide", "Close"};
    EXPECT_EQ(openMenu(*functions),
              QStringList({"View Disassembly", "View Source", "-", "Insert Breakpoint", "-",
                           "Set PC To Here", "Run To Here", "-", "Print Type Information",
                           "Print Full Information", "-"}) +
                  toggles + dock);
    auto variables = symbolList<VarListView>(true);
    variables->symbols()->setSymbols(source.get(), {});
    EXPECT_EQ(openMenu(*variables),
              QStringList({"Add Watch!", "-", "Create Breakpoint...!", "-", "Print Hex!",
                           "Print Decimal!", "Print Type Information!", "Print Full Information!",
                           "-", "Show Publics*", "Show Statics*", "Show Labels", "Show Locals", "-",
                           "Show Library Symbols"}) +
                  dock);
    ModListView modules;
    modules.setOwner(&owner);
    EXPECT_EQ(openMenu(modules), QStringList({"Dock/Float", "Hide", "Close"}));
    for (int mode : {1, 2}) {
        owner.paneMode = mode;
        EXPECT_EQ(openMenu(*functions), toggles);
        menuText.clear();
        EXPECT_EQ(openMenu(modules), QStringList());
    }
}

TEST_F(NavListTest, AChosenItemActsAndGoesToThePane)
{
    auto functions = symbolList<FuncListView>(false);
    selectRow(*functions, "main");
    QSignalSpy command(functions.get(), &DataNavListBase::doCommand);
    QSignalSpy refill(functions.get(), &DataNavListBase::updateContents);
    openMenu(*functions, "Set PC To Here");
    openMenu(*functions, "Show Labels");
    openMenu(*functions, "Hide");
    openMenu(*functions); // dismissed
    ASSERT_EQ(command.size(), 1);
    EXPECT_EQ(command.at(0).at(0).toString(), "setreg @PC=img\\\\m\\main");
    EXPECT_EQ(refill.size(), 1);
    EXPECT_TRUE(functions->showLabels());
    EXPECT_EQ(owner.options, (std::vector<int>{11, 3, 667}));
}

TEST_F(NavListTest, StateTextsSaveAndRestore)
{
    auto functions = symbolList<FuncListView>(false);
    functions->setSorting(2, false);
    const int widths[] = {130, 80, 60, 90, 70};
    for (int c = 0; c < 5; ++c)
        functions->setColumnWidth(c, widths[c]);
    QString state;
    functions->saveState(state);
    EXPECT_EQ(state, ":function_sort_desc=2:function_col_widths=130,80,60,90,70");

    ModListView modules;
    modules.restoreState("col_widths", "120,,abc,90");
    EXPECT_EQ(modules.columnWidth(0), 120);
    EXPECT_EQ(modules.columnWidth(1), 100);
    EXPECT_EQ(modules.columnWidth(2), 90);
    // Columns and widths out of range, and unknown keys, change nothing.
    modules.restoreState("col_widths", "-5,99999,75,2,3");
    modules.restoreState("sort_desc", "7");
    modules.restoreState("sort_asc", "x");
    modules.restoreState("colour", "1");
    state.clear();
    modules.saveState(state);
    EXPECT_EQ(state, ":module_sort_asc=0:module_col_widths=120,100,75");
    modules.restoreState("sort_desc", "1");
    EXPECT_EQ(modules.sortColumn(), 1);
    EXPECT_FALSE(modules.sortAscending());
}

TEST_F(NavListTest, RowsSortByLastComponentWithAngleRowsFirst)
{
    auto functions = symbolList<FuncListView>(false);
    EXPECT_EQ(column0(*functions), QStringList({"c\\alpha", "main", "start", "a\\b\\zeta"}));
    ModListView modules;
    std::vector<SymModule *> mods;
    source->searchModules("*", "*", mods);
    modules.modules()->setModules(source.get(), mods);
    EXPECT_EQ(column0(modules), QStringList({"<Global>", "m"}));
    modules.setSorting(0, false);
    EXPECT_EQ(column0(modules), QStringList({"<Global>", "m"}));
    // The current row follows its data through a sort; sorting off keeps the order.
    selectRow(*functions, "main");
    functions->setSorting(0, false);
    EXPECT_EQ(column0(*functions), QStringList({"a\\b\\zeta", "start", "main", "c\\alpha"}));
    EXPECT_EQ(functions->currentIndex().row(), 2);
    functions->disableSorting();
    functions->symbols()->setSymbols(source.get(), {0, 1, 2});
    EXPECT_EQ(column0(*functions), QStringList({"main", "start", "a\\b\\zeta"}));
    functions->restoreSorting();
    EXPECT_EQ(column0(*functions), QStringList({"a\\b\\zeta", "start", "main"}));
    functions->setSorting(1, true);
    EXPECT_EQ(column0(*functions), QStringList({"main", "start", "a\\b\\zeta"}));
}

// The list as a user drives it: whole rows of one height, a header click sorts (again: the other
// way), Home and End go to the first and last row and Tab leaves the list.
TEST_F(NavListTest, MouseAndKeysDriveRowsAndHeader)
{
    auto functions = symbolList<FuncListView>(false);
    FuncListView &view = *functions;
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const int rows = view.listModel()->rowCount();
    ASSERT_EQ(rows, 4);
    for (int row = 0; row < rows; ++row)
        EXPECT_EQ(view.rowHeight(row), view.rowHeight(0));
    EXPECT_GE(view.rowHeight(0), view.fontMetrics().height());

    QHeaderView *header = view.horizontalHeader();
    const auto clickHeader = [header](int column) {
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                   header->height() / 2));
    };
    clickHeader(1);
    EXPECT_EQ(view.sortColumn(), 1);
    EXPECT_TRUE(view.sortAscending());
    EXPECT_EQ(column0(view), QStringList({"main", "start", "a\\b\\zeta", "c\\alpha"}));
    clickHeader(1);
    EXPECT_FALSE(view.sortAscending());
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(column0(view), QStringList({"c\\alpha", "a\\b\\zeta", "start", "main"}));

    // A click on any cell takes its whole row.
    const QRect cell = view.visualRect(view.listModel()->index(3, 3));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(view.currentIndex().row(), 3);
    EXPECT_TRUE(view.selectionModel()->isRowSelected(3, QModelIndex()));
    QString path;
    ASSERT_TRUE(view.symbolPath(path));
    EXPECT_EQ(path, "img\\\\m\\main");

    view.setFocus();
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(view.currentIndex().row(), rows - 1);
    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(view.currentIndex().row(), 0);
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(view.currentIndex().row(), 1);
    EXPECT_TRUE(view.selectionModel()->isRowSelected(1, QModelIndex()));
    const QModelIndex before = view.currentIndex();
    QTest::keyClick(&view, Qt::Key_Tab);
    EXPECT_EQ(view.currentIndex(), before);
}

// Records where the style is asked for focus frames.
class FocusFrames : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect)
            frames.push_back(option->rect);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable std::vector<QRect> frames;
};

// The row, not a cell, is current: a click on its Scope sets it at its name, type-ahead then
// searches the names, Left and Right scroll across, and one focus frame spans the row.
TEST_F(NavListTest, TheCurrentRowIsOneItemAcrossItsColumns)
{
    auto functions = symbolList<FuncListView>(false);
    FuncListView &view = *functions;
    FocusFrames *style = new FocusFrames;
    view.setStyle(style);
    view.resize(180, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const auto rowOf = [&view](const QString &name) {
        for (int row = 0; row < view.listModel()->rowCount(); ++row) {
            if (view.listModel()->text(row, 0) == name)
                return row;
        }
        return -1;
    };
    view.activateWindow();
    view.setFocus();
    const QModelIndex scope = view.listModel()->index(rowOf("main"), 2);
    view.horizontalScrollBar()->setValue(view.horizontalHeader()->sectionPosition(2));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(scope).center());
    EXPECT_EQ(view.currentIndex(), view.listModel()->index(rowOf("main"), 0));

    // "Static" is a scope, not a name: the first name beginning with s is start.
    QTest::keyClicks(&view, "s");
    EXPECT_EQ(view.currentIndex(), view.listModel()->index(rowOf("start"), 0));

    QScrollBar *across = view.horizontalScrollBar();
    ASSERT_GT(across->maximum(), 0);
    across->setValue(0);
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(view.currentIndex().column(), 0);
    EXPECT_GT(across->value(), 0);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(across->value(), 0);
    EXPECT_EQ(view.currentIndex().row(), rowOf("start"));

    style->frames.clear();
    view.viewport()->repaint();
    ASSERT_EQ(style->frames.size(), 1u);
    const QRect frame = style->frames.front();
    EXPECT_EQ(frame.top(), view.visualRect(view.currentIndex()).top());
    EXPECT_GE(frame.width(), view.horizontalHeader()->length());
    view.setStyle(nullptr);
    delete style;
}

// A list far longer than its page: the cursor stops at both ends, PageDown moves by the rows on
// screen, and a far row brought into view is where the view says it is.
TEST_F(NavListTest, KeysAndScrollingOverALongList)
{
    SymtabDataSource many;
    many.addImage("i");
    many.addModule("i m m.c");
    for (int n = 0; n < 1000; ++n)
        many.addFunction(QByteArray("i m f") + QByteArray::number(1000 + n) + " 0x1 Public");
    FuncListView view;
    std::vector<SymbolIndex> rows;
    many.searchFunctions({}, rows);
    view.symbols()->setSymbols(&many, rows);
    view.resize(400, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    const int count = view.listModel()->rowCount();
    ASSERT_EQ(count, 1000);
    const QRect page = view.viewport()->rect();
    const int pageRows = page.height() / view.rowHeight(0);
    ASSERT_GT(pageRows, 1);
    const auto onScreen = [&view, &page] {
        const QRect rect = view.visualRect(view.currentIndex());
        return page.contains(rect.topLeft()) && rect.bottom() <= page.bottom() &&
               view.indexAt(rect.center()).row() == view.currentIndex().row();
    };

    QTest::keyClick(&view, Qt::Key_Home);
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(view.currentIndex().row(), 0);
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(view.currentIndex().row(), 0);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.currentIndex().row(), pageRows);
    EXPECT_TRUE(view.selectionModel()->isRowSelected(pageRows, QModelIndex()));
    EXPECT_TRUE(onScreen());
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.currentIndex().row(), 2 * pageRows);
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(view.currentIndex().row(), pageRows);
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(view.currentIndex().row(), count - 1);
    EXPECT_TRUE(onScreen());
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.currentIndex().row(), count - 1);
    EXPECT_TRUE(onScreen());
    // The last row sits at the bottom of the page, with nothing scrolled past it.
    EXPECT_EQ(view.verticalScrollBar()->value(), count - pageRows);

    view.setCurrentIndex(view.listModel()->index(700, 0));
    EXPECT_TRUE(onScreen());
    view.scrollTo(view.listModel()->index(300, 2), QAbstractItemView::PositionAtTop);
    EXPECT_EQ(view.indexAt(QPoint(1, 1)).row(), 300);
    EXPECT_EQ(view.visualRect(view.listModel()->index(300, 0)).top(), 0);
    view.scrollTo(view.listModel()->index(700, 0), QAbstractItemView::PositionAtCenter);
    EXPECT_TRUE(onScreen());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.visualRect(view.listModel()->index(701, 1)).center());
    EXPECT_EQ(view.currentIndex().row(), 701);
    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(view.currentIndex().row(), 0);
    EXPECT_TRUE(onScreen());
}

// A click below the last row keeps the current row and selects no other (a table clears its
// selection there too), and the selected row is painted as such.
TEST_F(NavListTest, ClickBelowTheRowsAndTheSelectedRowPainted)
{
    auto functions = symbolList<FuncListView>(false);
    FuncListView &view = *functions;
    view.resize(400, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const int rows = view.listModel()->rowCount();
    const QRect last = view.visualRect(view.listModel()->index(rows - 1, 0));
    ASSERT_LT(last.bottom() + 20, view.viewport()->height());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.visualRect(view.listModel()->index(1, 0)).center());
    ASSERT_EQ(view.currentIndex().row(), 1);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(20, last.bottom() + 10));
    EXPECT_EQ(view.currentIndex().row(), 1);
    for (int row = 0; row < rows; ++row)
        EXPECT_EQ(view.selectionModel()->isRowSelected(row, QModelIndex()), false) << row;
    EXPECT_FALSE(view.indexAt(QPoint(20, last.bottom() + 10)).isValid());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.visualRect(view.listModel()->index(1, 2)).center());
    EXPECT_TRUE(view.selectionModel()->isRowSelected(1, QModelIndex()));

    // The focus frame across the current row tints it: the selection is read without focus.
    view.clearFocus();
    const QImage image = view.viewport()->grab().toImage();
    const auto colourOf = [&view, &image](int row) {
        const QRect cell = view.visualRect(view.listModel()->index(row, 1));
        return image.pixelColor(cell.right() - 2, cell.center().y());
    };
    const QPalette palette = view.palette();
    const QColor selected = colourOf(1);
    EXPECT_TRUE(selected == palette.color(QPalette::Active, QPalette::Highlight) ||
                selected == palette.color(QPalette::Inactive, QPalette::Highlight))
        << selected.name().toStdString();
    EXPECT_NE(colourOf(0), selected);
    // Every cell on screen shows its text, within the cell, selected or not.
    const auto inked = [&image](const QRect &cell) {
        const QColor background = image.pixelColor(cell.right() - 1, cell.top() + 1);
        int count = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x)
                count += image.pixelColor(x, y) != background;
        }
        return count;
    };
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 2; ++column)
            EXPECT_GT(inked(view.visualRect(view.listModel()->index(row, column))), 10)
                << row << "," << column;
    }
    EXPECT_EQ(inked(last.translated(0, 2 * last.height())), 0);
}

// A column widened past the page: the header and the rows scroll across together.
TEST_F(NavListTest, HeaderResizeAndHorizontalScrolling)
{
    auto functions = symbolList<FuncListView>(false);
    FuncListView &view = *functions;
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QHeaderView *header = view.horizontalHeader();
    EXPECT_EQ(header->geometry().bottom() + 1, view.viewport()->geometry().top());
    EXPECT_EQ(view.horizontalScrollBar()->maximum(),
              qMax(0, header->length() - view.viewport()->width()));
    view.setColumnWidth(0, 2000);
    EXPECT_EQ(view.columnWidth(0), 2000);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), header->length() - view.viewport()->width());
    view.horizontalScrollBar()->setValue(500);
    EXPECT_EQ(header->offset(), 500);
    const QModelIndex name = view.listModel()->index(2, 0);
    const QModelIndex address = view.listModel()->index(2, 1);
    EXPECT_EQ(view.visualRect(name).left(), -500);
    EXPECT_EQ(view.visualRect(address).left(), 1500);
    EXPECT_EQ(view.visualRect(address).left(), header->sectionViewportPosition(1));
    EXPECT_EQ(view.indexAt(QPoint(1499, view.visualRect(name).center().y())), name);
    // A cell of another column brought into view scrolls across to it.
    view.scrollTo(view.listModel()->index(2, 2));
    const QRect scope = view.visualRect(view.listModel()->index(2, 2));
    EXPECT_GE(scope.left(), 0);
    EXPECT_LE(scope.right(), view.viewport()->width());
    view.scrollTo(name);
    EXPECT_EQ(view.visualRect(name).left(), 0);
    // Dragging a section edge in the header resizes the column.
    const int edge = header->sectionViewportPosition(1) + header->sectionSize(1) - 1;
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(edge, y));
    QTest::mouseMove(header->viewport(), QPoint(edge + 40, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(edge + 40, y));
    const int widened = view.columnWidth(1);
    view.setColumnWidth(0, 130);
    EXPECT_EQ(view.visualRect(view.listModel()->index(0, 2)).left(),
              130 + widened - view.horizontalScrollBar()->value());
}

TEST_F(NavListTest, ModelsPassTheModelTester)
{
    auto functions = symbolList<FuncListView>(false);
    QAbstractItemModelTester tester(functions->listModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    functions->setSorting(3, false);
    functions->symbols()->setCheckable(true);
    SymbolListModel *model = functions->symbols();
    EXPECT_TRUE(model->setData(model->index(1, 0), Qt::Checked, Qt::CheckStateRole));
    const QString checked = model->text(1, 0);
    functions->setSorting(0, true);
    for (int row = 0; row < model->rowCount(); ++row)
        EXPECT_EQ(model->isChecked(row), model->text(row, 0) == checked);
    // The ticked function moves to another row; its tick goes with it.
    functions->setSorting(0, false);
    ASSERT_NE(model->text(1, 0), checked);
    for (int row = 0; row < model->rowCount(); ++row)
        EXPECT_EQ(model->isChecked(row), model->text(row, 0) == checked);
    source->clear();
    EXPECT_EQ(model->rowCount(), 0);
}

TEST_F(NavListTest, AutomaticColumnsGrowFromTheRowsOnScreenOnly)
{
    const std::string shortModule = "a_module_with_a_fairly_long_name.c";
    const std::string longModule(300, 'w');
    SymtabDataSource many;
    many.addImage("i");
    many.addModule(QByteArray::fromStdString("i " + shortModule + " f.c"));
    many.addModule(QByteArray::fromStdString("i " + longModule + " g.c"));
    for (int n = 0; n < 500; ++n) {
        const std::string name = "f" + std::to_string(1000 + n) + std::string(60, 'x');
        many.addFunction(
            QByteArray::fromStdString("i " + shortModule + " " + name + " 0x1 Public"));
    }
    // Sorted last, far below the rows on screen.
    many.addFunction(QByteArray::fromStdString("i " + longModule + " zzz 0x1 Public"));
    FuncListView view;
    std::vector<SymbolIndex> rows;
    many.searchFunctions({}, rows);
    view.symbols()->setSymbols(&many, rows);
    view.resize(400, 200);
    view.show();
    testhost::pumpFor(50);
    const QFontMetrics metrics(view.font());
    EXPECT_GE(view.columnWidth(3), metrics.horizontalAdvance(QString::fromStdString(shortModule)));
    EXPECT_LT(view.columnWidth(3), metrics.horizontalAdvance(QString::fromStdString(longModule)));
    EXPECT_EQ(view.columnWidth(0), 130); // a fixed column keeps its width
    view.scrollToBottom();
    testhost::pumpFor(50);
    EXPECT_GE(view.columnWidth(3), metrics.horizontalAdvance(QString::fromStdString(longModule)));
}

namespace {

TEST_F(NavListTest, AddressesSortAsNumbersAndModulesAndImagesByName)
{
    SymtabDataSource other;
    const auto otherHandle = reinterpret_cast<TeskHandle>(tesk::handles::add(&other));
    SymbolRecords r;
    r.images = {"zimg", "aimg"};
    r.modules = {"zimg b b.c", "zimg a a.c", "aimg c c.c"};
    r.functions = {"zimg b one 0x100 Public",
                   "zimg a two 0x20 Public",
                   "aimg c three 0x3 Public",
                   "zimg b four near Public",
                   "zimg a five 0xffffffffffffffff Public",
                   "aimg c <six> 0x1000 Public"};
    tesk::host::publishSymbols(r, otherHandle, testhost::linkedAdders());
    FuncListView view;
    std::vector<SymbolIndex> rows;
    other.searchFunctions(SymbolQuery{}, rows);
    view.symbols()->setSymbols(&other, rows);
    ASSERT_EQ(view.listModel()->rowCount(), 6);

    // Rows whose name starts with "<" first, whichever the column.
    view.setSorting(1, true);
    EXPECT_EQ(column0(view), QStringList({"<six>", "three", "two", "one", "five", "four"}));
    view.setSorting(1, false);
    EXPECT_EQ(column0(view), QStringList({"<six>", "four", "five", "one", "two", "three"}));
    const auto texts = [&view](int column) {
        QStringList out;
        for (int row = 0; row < view.listModel()->rowCount(); ++row)
            out << view.listModel()->text(row, column);
        return out;
    };
    view.setSorting(3, true);
    EXPECT_EQ(texts(3), QStringList({"c", "a", "a", "b", "b", "c"}));
    view.setSorting(4, false);
    EXPECT_EQ(texts(4), QStringList({"aimg", "zimg", "zimg", "zimg", "zimg", "aimg"}));
    // A refill keeps the column's order.
    view.setSorting(1, true);
    view.symbols()->setSymbols(&other, rows);
    EXPECT_EQ(column0(view), QStringList({"<six>", "three", "two", "one", "five", "four"}));
    other.clear();
}

} // namespace

// A cell whose text fits is drawn from learnt glyphs; it must land pixel for pixel where the
// painter's own layout of the cell would put it, for every alignment, odd cell heights (a
// baseline between pixels), a selected row and another font. A text too long for its cell,
// or one outside plain ASCII, is still laid out and elided.
TEST_F(NavListTest, CellsPaintAsTheLaidOutTextWould)
{
    auto functions = symbolList<FuncListView>(false);
    FuncListView &view = *functions;
    QAbstractItemDelegate *delegate = view.itemDelegate();
    QStandardItemModel model(1, 1);
    QStandardItem *item = model.item(0, 0) ? model.item(0, 0) : new QStandardItem;
    model.setItem(0, 0, item);
    const QStyle *style = view.style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    QFont serif(QStringLiteral("Serif"));
    serif.setPointSize(13);

    const auto paint = [&](const QFont &font, const QRect &rect, bool selected, const QString &text,
                           Qt::Alignment align, bool byLayout) {
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.widget = &view;
        option.rect = rect;
        option.font = font;
        option.fontMetrics = QFontMetrics(font);
        option.textElideMode = Qt::ElideRight;
        // Rows are selected whole; a panel around the text alone would follow the text's size.
        option.showDecorationSelected = true;
        option.state |= QStyle::State_Enabled | QStyle::State_Active;
        if (selected)
            option.state |= QStyle::State_Selected;
        item->setData(int(align), Qt::TextAlignmentRole);
        QImage out(rect.right() + 20, rect.bottom() + 20, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::white);
        QPainter p(&out);
        // The cell as the toolkit's layout would draw it: the delegate's panel alone, then the
        // text laid out and elided into the text rectangle.
        item->setText(byLayout ? QString() : text);
        delegate->paint(&p, option, model.index(0, 0));
        if (byLayout) {
            const QRect textRect = rect.adjusted(margin, 0, -margin, 0);
            p.setPen(option.palette.color(QPalette::Active,
                                          selected ? QPalette::HighlightedText : QPalette::Text));
            p.setFont(font);
            p.drawText(textRect, int(align) | Qt::TextSingleLine,
                       option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
        }
        return out;
    };

    // Where two paintings differ, as the rectangle of the differing pixels.
    const auto difference = [](const QImage &a, const QImage &b) {
        QRect box;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                if (a.pixel(x, y) != b.pixel(x, y))
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box.isNull() ? QString()
                            : QStringLiteral("%1,%2 %3x%4")
                                  .arg(box.x())
                                  .arg(box.y())
                                  .arg(box.width())
                                  .arg(box.height());
    };
    const QString longName = QStringLiteral("_ZN4tesk7symbols15DataNavListBase5paintEP8QPainter");
    const QStringList texts = {QStringLiteral("main"),       longName,
                               QStringLiteral("a\\b\\zeta"), QStringLiteral("AVATAR To Wa"),
                               QStringLiteral("0x00401000"), QStringLiteral("na\u00efve"),
                               QStringLiteral(" x")};
    const Qt::Alignment aligns[] = {
        Qt::AlignLeft | Qt::AlignVCenter,    Qt::AlignRight | Qt::AlignVCenter,
        Qt::AlignHCenter | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignTop,
        Qt::AlignRight | Qt::AlignBottom,    Qt::AlignCenter};
    int cases = 0;
    for (const QFont &font : {view.font(), serif}) {
        const int height = QFontMetrics(font).height() + 4;
        for (const QRect &rect :
             {QRect(3, 7, 420, height), QRect(0, 2, 401, height + 1), QRect(5, 0, 90, height)}) {
            for (const bool selected : {false, true}) {
                for (const QString &text : texts) {
                    for (const Qt::Alignment align : aligns) {
                        EXPECT_EQ(difference(paint(font, rect, selected, text, align, false),
                                             paint(font, rect, selected, text, align, true)),
                                  QString())
                            << text.toStdString() << " align " << int(align) << " in "
                            << rect.width() << "x" << rect.height() << " "
                            << font.toString().toStdString() << (selected ? " selected" : "");
                        ++cases;
                    }
                }
            }
        }
    }
    EXPECT_EQ(cases, 2 * 3 * 2 * 7 * 6);

    // The long name does not fit 90 pixels: what is drawn is its elided form, not its start.
    const QRect narrow(5, 0, 90, QFontMetrics(view.font()).height() + 4);
    const QImage elided = paint(view.font(), narrow, false, longName, Qt::AlignLeft, false);
    QImage cut(elided.size(), QImage::Format_ARGB32_Premultiplied);
    cut.fill(Qt::white);
    {
        QPainter p(&cut);
        item->setText(QString());
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.rect = narrow;
        delegate->paint(&p, option, model.index(0, 0));
        p.setClipRect(narrow.adjusted(margin, 0, -margin, 0));
        p.setFont(view.font());
        p.setPen(option.palette.color(QPalette::Active, QPalette::Text));
        p.drawText(narrow.adjusted(margin, 0, -margin, 0), Qt::AlignLeft | Qt::TextSingleLine,
                   longName);
    }
    EXPECT_NE(elided, cut);
}
