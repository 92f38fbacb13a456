// The data navigator pane as the host drives it: its filter line, its state text, lazy fills
// counted in host calls, drill-down, script commands and the words of its host calls.
#include "datanavhost.h"
#include "modalanswers.h"
#include "nonregularfiles.h"
#include "symtabhost.h"
#include "testhost.h"

#include <tesk/tesk.h>

#include "frame/core/cuihandles.h"
#include "frame/core/services.h"
#include "symbols/datanav.h"
#include "symbols/datanavstate.h"
#include "symbols/funclistview.h"
#include "symbols/imagelistview.h"
#include "symbols/modlistview.h"
#include "symbols/varlistview.h"
#include "system/modalseam.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using tesk::host::SymbolRecords;
using testhost::DataNavHost;
using testhost::SymtabHost;

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const std::string kLongName(2000, 'v');

SymbolRecords testRecords()
{
    SymbolRecords r;
    r.images = {"img", "lib"};
    r.modules = {"img m m.c", "img <Global> img", "lib util util.c"};
    r.functions = {"img m main 0x10 Public", "img <Global> start 0x20 Public",
                   "img m helper 0x30 Static", "lib util copy 0x40 Public"};
    r.variables = {"img m count 0x100 Global", "lib util table 0x200 Global",
                   "img m " + kLongName + " 0x300 Global"};
    return r;
}

TEST(NavigatorFilter, ThreePatternsFromTheLine)
{
    struct Case
    {
        const char *text;
        bool symbolOnly;
        const char *image, *module, *symbol, *rewritten;
    } cases[] = {
        {"main", false, "*", "*", "main", "*\\*\\main"},
        {"a\\b\\c\\d", false, "b", "c", "d", "b\\c\\d"},
        {"a\\\\c", false, "a", "*", "c", "a\\*\\c"},
        {"", false, "*", "*", "*", "*\\*\\*"},
        {"  main ", true, "*", "*", "main", "main"},
        {"a\\b", true, "*", "*", "a\\b", "a\\b"},
    };
    for (const Case &c : cases) {
        const auto p = tesk::symbols::readPatterns(QString::fromLatin1(c.text), c.symbolOnly);
        EXPECT_EQ(p.image, QLatin1String(c.image)) << c.text;
        EXPECT_EQ(p.module, QLatin1String(c.module)) << c.text;
        EXPECT_EQ(p.symbol, QLatin1String(c.symbol)) << c.text;
        EXPECT_EQ(tesk::symbols::writePatterns(p, c.symbolOnly), QLatin1String(c.rewritten));
    }
    EXPECT_EQ(tesk::symbols::withPattern("a\\b\\c", false, 1, "m"), "a\\m\\c");
    EXPECT_EQ(tesk::symbols::withPattern("a\\b\\c", false, 3, "m"), "a\\b\\c");
}

TEST(NavigatorState, ReaderTakesOwnAndFramedTextsOnlyOfVersionOne)
{
    using Entries = std::vector<tesk::symbols::StateEntry>;
    const Entries expected{
        {"global_ontop", "modules"}, {"global_filter", "a:b=c\\*\\x\"y"}, {"image_sort_asc", "0"}};
    const QByteArray own =
        ":1:global_ontop=modules:global_filter=\"a:b=c\\*\\x\"y\":image_sort_asc=0";
    EXPECT_EQ(tesk::symbols::readStateText(own), expected);
    EXPECT_EQ(tesk::symbols::readStateText("DataNav:" + own + "#"), expected);
    EXPECT_EQ(tesk::symbols::readStateText(":" + own + "#"), expected);
    EXPECT_FALSE(tesk::symbols::readStateText(":2:global_ontop=modules"));
    EXPECT_FALSE(tesk::symbols::readStateText("x:y:z:global_ontop=modules"));
    EXPECT_FALSE(tesk::symbols::readStateText(""));
    // A text cut short keeps what it has.
    EXPECT_EQ(tesk::symbols::readStateText(":1:global_filter=\"img\\m"),
              Entries({{"global_filter", "img\\m"}}));
}

class DataNavTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        SymtabHost::instance().publish(testRecords());
        DataNavHost::instance().publish();
        handle = CuiDataNavCreate();
        ASSERT_NE(handle, 0);
        pane = qobject_cast<DataNav *>(tesk::handles::object(reinterpret_cast<void *>(handle)));
        ASSERT_NE(pane, nullptr);
        pane->resize(500, 300);
    }
    void TearDown() override
    {
        CuiDataNavDestroy(handle);
        SymtabHost::instance().withdraw();
        DataNavHost::instance().withdraw();
        for (const auto &box : strayBoxes.seen())
            ADD_FAILURE() << "a box nobody expected: " << box.caption.toStdString() << ": "
                          << box.text.toStdString();
    }

    void show()
    {
        pane->show();
        QCoreApplication::processEvents();
    }
    QLineEdit *filter() const { return pane->findChild<QLineEdit *>("global filter"); }
    QTabWidget *tabs() const { return pane->findChild<QTabWidget *>(); }
    template<typename List>
    List *list() const
    {
        return pane->findChild<List *>();
    }
    template<typename List>
    QStringList names() const
    {
        QStringList out;
        const NavListModel *model = list<List>()->listModel();
        for (int row = 0; row < model->rows(); ++row)
            out << model->text(row, 0);
        return out;
    }
    template<typename List>
    void doubleClick(const QString &name)
    {
        List *view = list<List>();
        const NavListModel *model = view->listModel();
        for (int row = 0; row < model->rows(); ++row) {
            if (model->text(row, 0) == name) {
                const QRect cell = view->visualRect(model->index(row, 0));
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
                return;
            }
        }
        ADD_FAILURE() << "no row " << name.toStdString();
    }
    QString page() const { return tabs()->tabText(tabs()->currentIndex()); }
    size_t hostFills() const { return SymtabHost::instance().calls.size(); }
    std::vector<std::string> command(const QStringList &arguments)
    {
        std::vector<std::string> lines;
        QString result;
        tesk::core::paneServices().runCommand(pane, &testhost::reportToLines, &lines, arguments,
                                              result);
        return lines;
    }
    std::string state(unsigned length = 1024)
    {
        std::vector<char> buffer(length, '@');
        EXPECT_EQ(TeskPaneGetPersistData(handle, length, buffer.data()), 0);
        return std::string(buffer.data());
    }

    // Answers whatever box a test did not expect, so that the test fails instead of waiting.
    testhost::ModalAnswers strayBoxes;
    TeskHandle handle = 0;
    DataNav *pane = nullptr;
};

TEST_F(DataNavTest, FirstShowFetchesOnceAndFillsOnlyThePageOnScreen)
{
    EXPECT_EQ(hostFills(), 0u);
    show();
    EXPECT_EQ(hostFills(), 1u);
    EXPECT_EQ(page(), "Images");
    EXPECT_EQ(names<ImageListView>(), QStringList({"img", "lib"}));
    EXPECT_EQ(list<FuncListView>()->listModel()->rows(), 0);
    EXPECT_EQ(list<VarListView>()->listModel()->rows(), 0);
    EXPECT_EQ(DataNav::waitCursorCount(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Typing only marks the lists stale; Return rewrites the line and refills.
    tabs()->setCurrentWidget(list<FuncListView>());
    EXPECT_EQ(names<FuncListView>(), QStringList({"copy", "helper", "main", "start"}));
    filter()->setText("main");
    EXPECT_EQ(names<FuncListView>().size(), 4);
    QTest::keyClick(filter(), Qt::Key_Return);
    EXPECT_EQ(filter()->text(), "*\\*\\main");
    EXPECT_EQ(names<FuncListView>(), QStringList({"main"}));
    EXPECT_EQ(hostFills(), 1u);

    // Populate refetches but leaves the lists; Update refills the page.
    EXPECT_EQ(CuiDataNavPopulate(handle), 0);
    EXPECT_EQ(hostFills(), 2u);
    EXPECT_EQ(CuiDataNavUpdate(handle), 0);
    EXPECT_EQ(names<FuncListView>(), QStringList({"main"}));
}

TEST_F(DataNavTest, EventsRefetchUnlessUpdatesAreOff)
{
    show();
    EXPECT_EQ(CuiDataNavEvent(handle, 13, 0, 0), 0);
    EXPECT_EQ(hostFills(), 2u);
    EXPECT_EQ(CuiDataNavEvent(handle, 17, 0, 7), 0);
    EXPECT_EQ(hostFills(), 3u);
    EXPECT_EQ(SymtabHost::instance().calls.back().vdata, 7);
    for (int quiet : {14, 15, 16, 18, 19, 20, 21, 22, 23, 25})
        EXPECT_EQ(CuiDataNavEvent(handle, quiet, 0, 0), 0) << quiet;
    EXPECT_EQ(CuiDataNavEvent(handle, 26, 0, 0), -1);
    EXPECT_EQ(hostFills(), 3u);
    EXPECT_TRUE(command({"disableupdate"}).empty());
    EXPECT_EQ(CuiDataNavEvent(handle, 13, 0, 7), 0);
    EXPECT_EQ(hostFills(), 3u);
    command({"enableupdate"});
    EXPECT_EQ(CuiDataNavEvent(handle, 13, 0, 7), 0);
    EXPECT_EQ(hostFills(), 4u);
    EXPECT_EQ(names<ImageListView>(), QStringList({"img", "lib"}));
}

TEST_F(DataNavTest, DrillDownFromImageToModuleToFunctionsOrVariables)
{
    show();
    doubleClick<ImageListView>("img");
    EXPECT_EQ(filter()->text(), "img\\*\\*");
    EXPECT_EQ(page(), "Modules");
    EXPECT_EQ(names<ModListView>(), QStringList({"<Global>", "m"}));
    doubleClick<ModListView>("m");
    EXPECT_EQ(filter()->text(), "img\\m\\*");
    EXPECT_EQ(page(), "Functions");
    EXPECT_EQ(names<FuncListView>(), QStringList({"helper", "main"}));

    // Back on the images page, one image listed: the image pattern opens up again.
    tabs()->setCurrentWidget(list<ImageListView>());
    EXPECT_EQ(filter()->text(), "*\\m\\*");
    EXPECT_EQ(names<ImageListView>(), QStringList({"img", "lib"}));

    pane->findChild<QCheckBox *>("Goto Func Var Toggle")->setChecked(true);
    filter()->setText("*\\*\\*");
    tabs()->setCurrentWidget(list<ModListView>());
    doubleClick<ModListView>("util");
    EXPECT_EQ(page(), "Variables");
    EXPECT_EQ(names<VarListView>(), QStringList({"table"}));
}

TEST_F(DataNavTest, StateTextExactlyAndBackIntoAnotherPane)
{
    show();
    pane->findChild<QCheckBox *>("Goto Func Var Toggle")->setChecked(true);
    tabs()->setCurrentWidget(list<FuncListView>());
    filter()->setText("*\\*\\main");
    list<FuncListView>()->setSorting(2, false);
    const std::string text = state();
    const std::string head =
        ":1:global_var_toggle=true:global_ontop=functions:global_filter=\"*\\*\\main\"";
    ASSERT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(text.find(":image_sort_asc=0:image_col_widths="), std::string::npos);
    EXPECT_NE(text.find(":function_sort_desc=2:function_col_widths=130,"), std::string::npos);
    EXPECT_NE(text.find(":variable_sort_asc=0:variable_col_widths="), std::string::npos);

    // A buffer too short gets what fits and its terminator, never more.
    auto *shortBuffer = new char[10];
    EXPECT_EQ(TeskPaneGetPersistData(handle, 10, shortBuffer), 0);
    EXPECT_EQ(std::string(shortBuffer), text.substr(0, 9));
    delete[] shortBuffer;

    const TeskHandle other = CuiDataNavCreate();
    filter()->setText("img\\m:x=y\\ma*");
    for (const std::string &stored : {state(), "DataNav:" + state() + "\n"}) {
        EXPECT_EQ(TeskPaneSetPersistData(other, stored.c_str()), 0);
        auto *restored =
            qobject_cast<DataNav *>(tesk::handles::object(reinterpret_cast<void *>(other)));
        EXPECT_EQ(restored->findChild<QLineEdit *>("global filter")->text(), "img\\m:x=y\\ma*");
        EXPECT_TRUE(restored->findChild<QCheckBox *>("Goto Func Var Toggle")->isChecked());
        auto *restoredTabs = restored->findChild<QTabWidget *>();
        EXPECT_EQ(restoredTabs->tabText(restoredTabs->currentIndex()), "Functions");
        auto *functions = restored->findChild<FuncListView *>();
        EXPECT_EQ(functions->sortColumn(), 2);
        EXPECT_FALSE(functions->sortAscending());
    }
    // Another version, and no text at all, change nothing.
    EXPECT_EQ(TeskPaneSetPersistData(other, ":2:global_filter=\"x\""), 0);
    EXPECT_EQ(TeskPaneSetPersistData(other, nullptr), 0);
    std::vector<char> buffer(1024);
    TeskPaneGetPersistData(other, 1024, buffer.data());
    EXPECT_NE(std::string(buffer.data()).find("global_filter=\"img\\m:x=y\\ma*\""),
              std::string::npos);
    CuiDataNavDestroy(other);
}

TEST_F(DataNavTest, ScriptCommandsAndTheirMessages)
{
    struct Case
    {
        QStringList arguments;
        std::vector<std::string> printed;
    } cases[] = {
        {{}, {"Error: Empty function name passed to Symbols\n"}},
        {{"setimagefilter"}, {"Error: Parameter required for function 'setimagefilter'\n"}},
        {{"setmodulefilter"}, {"Error: Parameter required for function 'setmodulefilter'\n"}},
        {{"setvarfuncfilter"}, {"Error: Parameter required for function 'setvarfuncfilter'\n"}},
        {{"dumptab"}, {"Error: Parameter required for function 'dumptab'\n"}},
        // The host's words are values of its format, never the format.
        {{"%s%n%s"}, {"Unknown option '%s%n%s'"}},
        {{"RaiseImageTab"}, {"Unknown option 'RaiseImageTab'"}},
        {{"setimagefilter", "img"}, {}},
        {{"setmodulefilter", "m"}, {}},
        {{"setvarfuncfilter", "ma*"}, {}},
        {{"raisefunctiontab"}, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(command(c.arguments), c.printed) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(filter()->text(), "img\\m\\ma*");
    EXPECT_EQ(page(), "Functions");
    command({"raisevariabletab"});
    EXPECT_EQ(page(), "Variables");
}

TEST_F(DataNavTest, DumpWritesTheListOnScreenAppendingOnlyWhenAsked)
{
    show();
    QTemporaryDir dir;
    const QString file = dir.filePath("dump.txt");
    command({"setvarfuncfilter", "*a*"});
    command({"raisefunctiontab"});
    const QByteArray one = "Start Of Dump \nF main 0x10 Public m img\n"
                           "F start 0x20 Public <Global> img\nEnd Of Dump\n\n";
    command({"dumptab", file});
    command({"dumptab", file, "append"});
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), one + one);
    read.close();
    command({"dumptab", file, "appendix"});
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), one);
}

TEST_F(DataNavTest, DumpGoesToRegularFilesOnlyAndThroughLinks)
{
    show();
    const testfiles::NonRegularFiles names;
    command({"raisefunctiontab"});
    for (const QString &name : names.refused())
        command({"dumptab", name});
    command({"dumptab", names.link(), "append"});
    EXPECT_TRUE(names.linkKept());
    EXPECT_TRUE(names.targetBytes().startsWith("before\nStart Of Dump \n"))
        << names.targetBytes().left(40).data();
}

TEST_F(DataNavTest, CommandsWatchAndBreakReachTheHostWithEveryWord)
{
    CuiDataNavSetVdata(handle, 42);
    CuiAbstractPaneSetWindBox(handle, 0x77);
    show();
    command({"raisefunctiontab"});
    pane->selectViewItem("main");
    EXPECT_TRUE(pane->callHandler("functions", "disasm"));
    EXPECT_FALSE(pane->callHandler("images", "disasm"));
    command({"raisevariabletab"});
    pane->selectViewItem("count");
    pane->callHandler("variables", "watch");
    DataNavHost::instance().fillBytes = 1023;
    pane->callHandler("variables", "break");
    DataNavHost::instance().fillBytes = 0;
    pane->selectViewItem(QString::fromStdString(kLongName));
    pane->callHandler("variables", "break");

    const auto &calls = DataNavHost::instance().calls;
    ASSERT_EQ(calls.size(), 4u);
    const std::string path = "img\\\\m\\count";
    EXPECT_EQ(calls[0].code, 5);
    EXPECT_EQ(calls[0].text, "dis img\\\\m\\main");
    EXPECT_EQ(calls[0].pane, handle);
    EXPECT_EQ(calls[0].vdata, 42);
    EXPECT_EQ(calls[0].paneHandle, 0x77);
    EXPECT_EQ(calls[1].code, 6);
    EXPECT_EQ(calls[1].text, path);
    EXPECT_EQ(calls[1].vdata, 0);
    EXPECT_EQ(calls[1].paneHandle, 0);
    EXPECT_EQ(calls[2].code, 7);
    EXPECT_EQ(calls[2].text, path);
    EXPECT_EQ(calls[3].text, "img\\\\m\\" + kLongName);

    // Without a "datanav" function the request is dropped.
    DataNavHost::instance().withdraw();
    const TeskHandle other = CuiDataNavCreate();
    auto *quiet = qobject_cast<DataNav *>(tesk::handles::object(reinterpret_cast<void *>(other)));
    quiet->callHandler("variables", "watch");
    EXPECT_EQ(calls.size(), 4u);
    CuiDataNavDestroy(other);
}

TEST_F(DataNavTest, SourcesAreOwnedMovedAndDetached)
{
    const TeskHandle source = CuiSymtabDataSourceCreate();
    EXPECT_EQ(CuiDataNavSetDataSource(handle, source), 0);
    EXPECT_EQ(CuiDataNavSetDataSource(handle, source), 0);
    EXPECT_EQ(CuiDataNavGetDataSource(handle), source);

    const TeskHandle other = CuiDataNavCreate();
    EXPECT_EQ(CuiDataNavSetDataSource(other, source), 0);
    EXPECT_EQ(CuiDataNavGetDataSource(handle), 0);
    EXPECT_EQ(CuiDataNavGetDataSource(other), source);
    EXPECT_EQ(CuiDataNavSetDataSource(other, 0x1234), -1);
    EXPECT_EQ(CuiDataNavGetDataSource(other), source);

    EXPECT_EQ(CuiSymtabDataSourceDestroy(source), 0);
    EXPECT_EQ(CuiDataNavGetDataSource(other), 0);

    // A replaced source and the pane's own go with the pane.
    const TeskHandle replaced = CuiSymtabDataSourceCreate();
    CuiDataNavSetDataSource(other, replaced);
    CuiDataNavSetDataSource(other, CuiSymtabDataSourceCreate());
    EXPECT_EQ(CuiSymtabDataSourceSetVdata(replaced, 1), 1);
    EXPECT_EQ(CuiDataNavDestroy(other), 0);
    EXPECT_EQ(CuiDataNavSetVdata(other, 1), -1);
    EXPECT_EQ(CuiDataNavDestroy(0), 0);
}

TEST_F(DataNavTest, InvalidPatternEmptiesTheListAndSaysWhy)
{
    show();
    command({"raisefunctiontab"});
    filter()->setText("operator(");
    QTest::keyClick(filter(), Qt::Key_Return);
    EXPECT_EQ(list<FuncListView>()->listModel()->rows(), 0);
    EXPECT_FALSE(filter()->toolTip().isEmpty());
    filter()->setText("main");
    QTest::keyClick(filter(), Qt::Key_Return);
    EXPECT_EQ(names<FuncListView>(), QStringList({"main"}));
    EXPECT_TRUE(filter()->toolTip().isEmpty());
}

TEST_F(DataNavTest, StatisticsCountWhatWasFilledSinceThePopulate)
{
    testhost::ModalAnswers answers;
    QTest::keyClick(filter(), Qt::Key_F2);
    show();
    QTest::keyClick(filter(), Qt::Key_F2);
    ASSERT_EQ(answers.seen().size(), 2u);
    EXPECT_EQ(answers.seen()[0].caption, "Symbol Statistics");
    const auto counts = [](const QString &text) {
        QStringList out;
        for (const QString &cell : text.split("<td>").mid(1))
            out << cell.section('<', 0, 0);
        return out.join(' ');
    };
    EXPECT_EQ(counts(answers.seen()[0].text), "Images -1 Modules -1 Functions -1 Variables -1");
    EXPECT_EQ(counts(answers.seen()[1].text), "Images 2 Modules -1 Functions -1 Variables -1");
}

} // namespace

namespace {

// The host destroys the pane from inside the next modal loop; whether that modal was still up
// afterwards (one that is gets closed here, so that the test fails instead of waiting).
struct DestroyInside
{
    explicit DestroyInside(TeskHandle pane)
    {
        using tesk::system::ModalSeam;
        previous = ModalSeam::setResponder([this, pane](const ModalSeam::Request &request) {
            ++requests;
            const QPointer<QWidget> widget = request.widget;
            EXPECT_EQ(CuiDataNavDestroy(pane), 0);
            stillUp = widget && widget->isVisible();
            if (stillUp)
                widget->close();
        });
    }
    ~DestroyInside() { tesk::system::ModalSeam::setResponder(previous); }
    DestroyInside(const DestroyInside &) = delete;
    DestroyInside &operator=(const DestroyInside &) = delete;

    tesk::system::ModalSeam::Responder previous;
    int requests = 0;
    bool stillUp = false;
};

} // namespace

TEST_F(DataNavTest, DestroyedUnderItsStatisticsOrMenuThePaneEndsThemAndGoesOnce)
{
    const std::function<void(DataNav &)> openers[] = {
        [](DataNav &nav) {
            QTest::keyClick(nav.findChild<QLineEdit *>("global filter"), Qt::Key_F2);
        },
        [](DataNav &nav) {
            emit nav.findChild<FuncListView *>()->customContextMenuRequested(QPoint(4, 4));
        },
    };
    for (const auto &open : openers) {
        if (!pane) {
            handle = CuiDataNavCreate();
            pane = qobject_cast<DataNav *>(tesk::handles::object(reinterpret_cast<void *>(handle)));
            ASSERT_NE(pane, nullptr);
        }
        show();
        QPointer<DataNav> gone(pane);
        {
            DestroyInside inside(handle);
            open(*pane);
            EXPECT_EQ(inside.requests, 1);
            EXPECT_FALSE(inside.stillUp);
        }
        EXPECT_EQ(CuiDataNavUpdate(handle), -1);
        EXPECT_TRUE(testhost::pumpUntil([&] { return gone.isNull(); }));
        pane = nullptr;
    }
    handle = 0;
}

namespace {

// The source's own host function: it destroys the source it fills, whose handle then is dead.
int destroyingFill(int, TeskHandle source, TeskHandle, const char *, TeskHandle)
{
    EXPECT_EQ(CuiSymtabDataSourceDestroy(source), 0);
    EXPECT_EQ(CuiSymtabDataSourceAddImage(source, "img"), 1);
    return 0;
}

} // namespace

TEST_F(DataNavTest, ASourceDestroyedFromInsideItsOwnFillGoesAfterIt)
{
    const TeskHandle source = CuiSymtabDataSourceCreate();
    QPointer<QObject> gone(tesk::handles::object(reinterpret_cast<void *>(source)));
    ASSERT_FALSE(gone.isNull());
    ASSERT_EQ(CuiSymtabDataSourceSetFuncHandler(source, &destroyingFill), 0);
    EXPECT_EQ(CuiSymtabDataSourceUpdate(source), 0);
    EXPECT_EQ(CuiSymtabDataSourceUpdate(source), 1);
    EXPECT_TRUE(testhost::pumpUntil([&] { return gone.isNull(); }));
}

namespace {

// A host that, halfway through its answer, tells the navigator its tables changed.
struct RestartingFill
{
    static inline TeskHandle navigator = 0;
    static inline int restartCode = 0; // 0: Populate, else that event
    static inline int calls = 0;
    static int fill(int, TeskHandle source, TeskHandle, const char *, TeskHandle)
    {
        ++calls;
        CuiSymtabDataSourceAddImage(source, "img");
        CuiSymtabDataSourceAddModule(source, "img m m.c");
        CuiSymtabDataSourceAddFunction(source, "img m main 0x10 Public");
        if (restartCode == 0)
            CuiDataNavPopulate(navigator);
        else
            CuiDataNavEvent(navigator, restartCode, 0, 0);
        CuiSymtabDataSourceAddFunction(source, "img m helper 0x20 Public");
        return 0;
    }
};

} // namespace

TEST_F(DataNavTest, TablesChangedDuringTheHostsAnswerKeepEverySymbol)
{
    show();
    tabs()->setCurrentWidget(list<FuncListView>());
    ASSERT_EQ(
        CuiSymtabDataSourceSetFuncHandler(CuiDataNavGetDataSource(handle), &RestartingFill::fill),
        0);
    RestartingFill::navigator = handle;
    for (int code : {0, 13}) {
        RestartingFill::restartCode = code;
        RestartingFill::calls = 0;
        EXPECT_EQ(CuiDataNavPopulate(handle), 0);
        EXPECT_EQ(CuiDataNavUpdate(handle), 0);
        EXPECT_EQ(names<FuncListView>(), QStringList({"helper", "main"})) << code;
        // The tables are read once more after the answer, not without end.
        EXPECT_EQ(RestartingFill::calls, 2) << code;
    }
}

TEST_F(DataNavTest, NamesWithPatternCharactersDrillDownToThemselves)
{
    SymbolRecords r;
    r.images = {"libstdc++.so.6", "libstdcxx.so.6", "a^b]c", "C:\\build\\fw.elf",
                "C:[build[fw.elf"};
    r.modules = {"libstdc++.so.6 ios(base) ios.cc", "libstdc++.so.6 other other.cc",
                 "libstdcxx.so.6 ios(base) x.cc",   "a^b]c op*? op.cc",
                 "C:\\build\\fw.elf boot boot.c",   "C:[build[fw.elf lookalike l.c"};
    r.functions = {"libstdc++.so.6 ios(base) init 0x10 Public",
                   "libstdcxx.so.6 ios(base) wrong 0x20 Public", "a^b]c op*? star 0x30 Public",
                   "C:\\build\\fw.elf boot reset 0x40 Public"};
    SymtabHost::instance().publish(r);
    show();
    doubleClick<ImageListView>("libstdc++.so.6");
    EXPECT_EQ(page(), "Modules");
    // The image list keeps the image that was chosen.
    EXPECT_EQ(names<ImageListView>(), QStringList({"libstdc++.so.6"}));
    EXPECT_EQ(names<ModListView>(), QStringList({"ios(base)", "other"}));
    doubleClick<ModListView>("ios(base)");
    EXPECT_EQ(names<FuncListView>(), QStringList({"init"}));

    filter()->setText("*\\*\\*");
    QTest::keyClick(filter(), Qt::Key_Return);
    tabs()->setCurrentWidget(list<ImageListView>());
    doubleClick<ImageListView>("a^b]c");
    EXPECT_EQ(names<ModListView>(), QStringList({"op*?"}));
    doubleClick<ModListView>("op*?");
    EXPECT_EQ(names<FuncListView>(), QStringList({"star"}));

    // The filter's part separator inside a name.
    tabs()->setCurrentWidget(list<ImageListView>());
    filter()->setText("*\\*\\*");
    QTest::keyClick(filter(), Qt::Key_Return);
    doubleClick<ImageListView>("C:\\build\\fw.elf");
    EXPECT_EQ(names<ImageListView>(), QStringList({"C:\\build\\fw.elf"}));
    EXPECT_EQ(names<ModListView>(), QStringList({"boot"}));
    doubleClick<ModListView>("boot");
    EXPECT_EQ(names<FuncListView>(), QStringList({"reset"}));
}

TEST_F(DataNavTest, PopulateAloneLeavesEveryListStaleAndEachShownPageFillsOnce)
{
    std::map<QString, int> fills;
    const auto count = [&](DataNavListBase *view, const QString &name) {
        QObject::connect(view->listModel(), &QAbstractItemModel::modelReset, pane,
                         [&fills, name, view] {
                             if (view->listModel()->rows())
                                 ++fills[name];
                         });
    };
    count(list<ImageListView>(), "images");
    count(list<ModListView>(), "modules");
    count(list<FuncListView>(), "functions");
    count(list<VarListView>(), "variables");
    show();
    tabs()->setCurrentWidget(list<FuncListView>());
    EXPECT_EQ(fills, (std::map<QString, int>{{"images", 1}, {"functions", 1}}));

    EXPECT_EQ(CuiDataNavPopulate(handle), 0);
    EXPECT_EQ(names<FuncListView>(), QStringList());
    tabs()->setCurrentWidget(list<VarListView>());
    tabs()->setCurrentWidget(list<FuncListView>());
    tabs()->setCurrentWidget(list<VarListView>());
    EXPECT_EQ(names<FuncListView>(), QStringList({"copy", "helper", "main", "start"}));
    EXPECT_EQ(names<VarListView>().size(), 3);
    EXPECT_EQ(fills, (std::map<QString, int>{{"images", 1}, {"functions", 2}, {"variables", 1}}));
    EXPECT_EQ(hostFills(), 2u);
}

TEST_F(DataNavTest, EventsKeepAWideHostWordWhoseLowHalfTheyCarry)
{
    const TeskHandle wide = TeskHandle(0x100000007LL);
    CuiDataNavSetVdata(handle, wide);
    // An event before the first show fetches, and the show does not fetch again.
    EXPECT_EQ(CuiDataNavEvent(handle, 13, 0, 7), 0);
    EXPECT_EQ(hostFills(), 1u);
    show();
    EXPECT_EQ(hostFills(), 1u);
    EXPECT_EQ(names<ImageListView>(), QStringList({"img", "lib"}));
    EXPECT_EQ(pane->vdata(), wide);
    EXPECT_EQ(CuiDataNavEvent(handle, 17, 0, 7), 0);
    EXPECT_EQ(pane->vdata(), wide);
    EXPECT_EQ(CuiDataNavEvent(handle, 17, 0, 8), 0);
    EXPECT_EQ(pane->vdata(), 8);
    EXPECT_EQ(SymtabHost::instance().calls.back().vdata, 8);
}

namespace {

// Puts every text of the navigator into upper case, as a language of its own.
class ShoutingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *text, const char *, int) const override
    {
        return QString::fromLatin1(text).toUpper();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST_F(DataNavTest, ALanguageChosenAtRunTimeRelabelsThePaneAndItsLists)
{
    show();
    ShoutingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::processEvents();
    EXPECT_EQ(tabs()->tabText(0), "IMAGES");
    EXPECT_EQ(tabs()->tabText(3), "VARIABLES");
    EXPECT_EQ(pane->findChild<QCheckBox *>("Goto Func Var Toggle")->text(), "&GOTO VARIABLES");
    const auto header = [](DataNavListBase *view) {
        return view->listModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
    };
    EXPECT_EQ(header(list<ImageListView>()), "IMAGE");
    EXPECT_EQ(header(list<FuncListView>()), "FUNCTION NAME");
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
    EXPECT_EQ(tabs()->tabText(0), "Images");
    EXPECT_EQ(header(list<ModListView>()), "Module Name");
}
