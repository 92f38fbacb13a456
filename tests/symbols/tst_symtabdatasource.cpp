// The symbol table data source as the host fills it through the C interface, and as the
// navigator searches it.
#include "modalanswers.h"
#include "symtabhost.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"
#include "symbols/navlistmodel.h"
#include "symbols/symtabdatasource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using tesk::host::SymbolRecords;
using testhost::SymtabHost;

namespace {

// A source of its own per test, filled from a record table through Update.
class SymtabTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        handle = CuiSymtabDataSourceCreate();
        ASSERT_NE(handle, 0);
    }
    void TearDown() override
    {
        EXPECT_EQ(CuiSymtabDataSourceDestroy(handle), 0);
        SymtabHost::instance().withdraw();
    }

    SymtabDataSource &source() const
    {
        return *qobject_cast<SymtabDataSource *>(
            tesk::handles::object(reinterpret_cast<const void *>(handle)));
    }
    void fill(const SymbolRecords &records)
    {
        SymtabHost::instance().publish(records);
        ASSERT_EQ(CuiSymtabDataSourceUpdate(handle), 0);
    }
    std::vector<std::string> names(const std::vector<SymbolIndex> &rows) const
    {
        std::vector<std::string> out;
        for (SymbolIndex i : rows)
            out.push_back(source().name(source().symbol(i)).toStdString());
        return out;
    }
    std::vector<std::string> functions(SymbolQuery query = {}) const
    {
        std::vector<SymbolIndex> rows;
        EXPECT_TRUE(source().searchFunctions(query, rows));
        return names(rows);
    }
    std::vector<std::string> variables(SymbolQuery query = {}) const
    {
        std::vector<SymbolIndex> rows;
        EXPECT_TRUE(source().searchVariables(query, rows));
        return names(rows);
    }
    // The one function of the one module, whatever its scope (searches skip unknown ones).
    const SymSymbol &onlyFunction() const
    {
        std::vector<SymModule *> modules;
        source().searchModules("*", "*", modules);
        EXPECT_EQ(modules.size(), 1u);
        EXPECT_EQ(modules.at(0)->functions.size(), 1u);
        return source().symbol(modules.at(0)->functions.at(0));
    }

    TeskHandle handle = 0;
};

using Names = std::vector<std::string>;

SymbolRecords tree()
{
    SymbolRecords r;
    r.images = {"app", "lib"};
    r.modules = {"app main.c C:/src/main.c", "app <Global> app", "lib util.c util.c"};
    r.functions = {"app main.c main 0x100 Public",   "app main.c helper 0x120 Static",
                   "app main.c loop 0x130 Label",    "app main.c odd 0x140 Weird",
                   "app <Global> _start 0x0 Public", "app <Global> start_ 0x8 Public",
                   "lib util.c crc 0x2000 Public"};
    r.variables = {"app main.c count 0x9000 Global", "app main.c main\\count 0x9004 Local",
                   "app main.c table 0x9008 Static", "lib util.c lut 0xa000 Public",
                   "lib util.c what 0xa004 Unknown"};
    return r;
}

} // namespace

TEST_F(SymtabTest, UpdateCallsTheRegisteredHostFunctionOnceWithItsHandleAndVdata)
{
    ASSERT_EQ(CuiSymtabDataSourceSetVdata(handle, 77), 0);
    fill(tree());
    const auto &calls = SymtabHost::instance().calls;
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].code, 0);
    EXPECT_EQ(calls[0].source, handle);
    EXPECT_EQ(calls[0].vdata, 77);
    EXPECT_EQ(SymtabHost::instance().failures, 0);
    EXPECT_EQ(source().symbolCount(), 12u);
}

TEST_F(SymtabTest, UpdateWithoutAHostFunctionLeavesTheTreeAlone)
{
    SymtabHost::instance().withdraw();
    EXPECT_EQ(CuiSymtabDataSourceUpdate(handle), 0);
    EXPECT_EQ(source().symbolCount(), 0u);
    // A handler set by the host is used without the registry.
    ASSERT_EQ(CuiSymtabDataSourceSetFuncHandler(handle, &SymtabHost::hostFunction), 0);
    SymtabHost::instance().records = tree();
    EXPECT_EQ(CuiSymtabDataSourceUpdate(handle), 0);
    EXPECT_EQ(source().symbolCount(), 12u);
}

namespace {
int g_nestedCalls = 0;
int askAgain(int, TeskHandle source, TeskHandle, const char *, TeskHandle)
{
    ++g_nestedCalls;
    CuiSymtabDataSourceUpdate(source);
    return 0;
}
int destroyItself(int, TeskHandle source, TeskHandle, const char *, TeskHandle)
{
    CuiSymtabDataSourceAddImage(source, "img");
    return CuiSymtabDataSourceDestroy(source);
}
} // namespace

TEST_F(SymtabTest, AHostThatAsksAgainOrDestroysTheSourceDuringUpdateIsSurvived)
{
    g_nestedCalls = 0;
    ASSERT_EQ(CuiSymtabDataSourceSetFuncHandler(handle, &askAgain), 0);
    EXPECT_EQ(CuiSymtabDataSourceUpdate(handle), 0);
    EXPECT_EQ(g_nestedCalls, 1);
    EXPECT_EQ(CuiSymtabDataSourceUpdate(handle), 0);
    EXPECT_EQ(g_nestedCalls, 2);

    const TeskHandle doomed = CuiSymtabDataSourceCreate();
    ASSERT_EQ(CuiSymtabDataSourceSetFuncHandler(doomed, &destroyItself), 0);
    EXPECT_EQ(CuiSymtabDataSourceUpdate(doomed), 0);
    EXPECT_EQ(CuiSymtabDataSourceDumpTree(doomed), 1); // gone
}

TEST_F(SymtabTest, RecordsGiveFieldsAndScopesByTable)
{
    const struct
    {
        const char *record;
        const char *name;
        const char *address;
        const char *word;
        int code;
        const char *shown;
    } cases[] = {
        {"img mod main 0x8000 Public", "main", "0x8000", "Public", 1, "Public"},
        {"img mod main 0x8000 Public extra", "main", "0x8000", "Public extra", 4, "Unknown"},
        // A trailing blank keeps the address; the empty scope word is unknown.
        {"img mod main 0x8000 ", "main", "0x8000", "", 4, "Unknown"},
        {"img mod main 0x00008000 Static", "main", "0x00008000", "Static", 2, "Static"},
        {"img mod main 8000h Label", "main", "8000h", "Label", 3, "Label"},
        {"img mod main 0xFFFFFFFFFFFFFFFFF Public", "main", "0xFFFFFFFFFFFFFFFFF", "Public", 1,
         "Public"},
    };
    for (const auto &c : cases) {
        source().clear();
        source().addImage("img");
        source().addModule("img mod mod.c");
        ASSERT_EQ(CuiSymtabDataSourceAddFunction(handle, c.record), 0) << c.record;
        const SymSymbol &s = onlyFunction();
        EXPECT_EQ(source().name(s), c.name) << c.record;
        EXPECT_EQ(source().address(s), c.address) << c.record;
        EXPECT_EQ(source().scopeWord(s), c.word) << c.record;
        EXPECT_EQ(s.scopeCode, c.code) << c.record;
        EXPECT_EQ(SymtabDataSource::scopeText(s), c.shown) << c.record;
    }
}

TEST_F(SymtabTest, ModuleRecordsByTable)
{
    CuiSymtabDataSourceAddImage(handle, "img");
    CuiSymtabDataSourceAddImage(handle, "img"); // a second image of that name is ignored
    CuiSymtabDataSourceAddModule(handle, "img a C:/My Files/a b.c");
    CuiSymtabDataSourceAddModule(handle, "img b");
    CuiSymtabDataSourceAddModule(handle, "img  c.c");
    CuiSymtabDataSourceAddModule(handle, "nowhere x x.c");
    std::vector<SymModule *> modules;
    ASSERT_TRUE(source().searchModules("*", "*", modules));
    ASSERT_EQ(modules.size(), 3u);
    // In name order: the empty name first.
    EXPECT_EQ(modules[0]->name, "");
    EXPECT_EQ(modules[0]->file, "c.c");
    EXPECT_EQ(modules[1]->file, "C:/My Files/a b.c");
    EXPECT_EQ(modules[2]->file, ""); // not the file of the record before
    std::vector<SymImage *> images;
    source().searchImages("", images);
    EXPECT_EQ(images.size(), 1u);
    // Named again after its modules came, the image keeps them.
    CuiSymtabDataSourceAddImage(handle, "img");
    modules.clear();
    ASSERT_TRUE(source().searchModules("img", "*", modules));
    EXPECT_EQ(modules.size(), 3u);
    images.clear();
    source().searchImages("*", images);
    EXPECT_EQ(images.size(), 1u);
}

TEST_F(SymtabTest, ScopeFlagsAndTheLibraryRuleChooseTheListedSymbols)
{
    fill(tree());
    // Modules in name order: "<Global>" before "main.c".
    EXPECT_EQ(functions(), (Names{"start_", "main", "helper", "crc"}));
    SymbolQuery q;
    q.showStatics = false;
    q.showLabels = q.showLibrarySymbols = true;
    EXPECT_EQ(functions(q), (Names{"_start", "start_", "main", "loop", "crc"}));
    // "Global" counts as public; locals only on request; unknown words never.
    EXPECT_EQ(variables(), (Names{"count", "table", "lut"}));
    q = {};
    q.showLocals = true;
    q.showPublics = false;
    EXPECT_EQ(variables(q), (Names{"main\\count", "table"}));
}

TEST_F(SymtabTest, PatternsSelectImagesModulesAndNames)
{
    fill(tree());
    const auto query = [](const char *image, const char *module, const char *name) {
        SymbolQuery q;
        q.imagePattern = image;
        q.modulePattern = module;
        q.namePattern = name;
        q.showLocals = true;
        return q;
    };
    EXPECT_EQ(functions(query("*", "*", "ma*")), (Names{"main"}));
    EXPECT_EQ(functions(query("l*", "*", "")), (Names{"crc"}));
    EXPECT_EQ(functions(query("*", "<*", "*")), (Names{"start_"}));
    // A variable is matched on the part after its last backslash.
    EXPECT_EQ(variables(query("*", "*", "count")), (Names{"count", "main\\count"}));
    EXPECT_EQ(variables(query("*", "*", "main*")), Names{});
    // An invalid expression matches nothing and says why.
    EXPECT_EQ(functions(query("*", "*", "operator(")), Names{});
    EXPECT_FALSE(source().patternError().isEmpty());
    EXPECT_EQ(functions(query("*", "*", "*")).size(), 4u);
    EXPECT_TRUE(source().patternError().isEmpty());
}

TEST_F(SymtabTest, SortingByNamePutsAngleRowsFirstBothWays)
{
    SymbolRecords r;
    r.images = {"i"};
    r.modules = {"i m m.c"};
    for (const char *name : {"b\\zeta", "<b>", "alpha", "<a>", "gamma", "a\\beta"})
        r.functions.push_back(std::string("i m ") + name + " 0x1 Public");
    fill(r);
    std::vector<SymbolIndex> rows;
    source().searchFunctions({}, rows);
    std::vector<SymbolIndex> descending = rows;
    source().sortByName(rows, Qt::AscendingOrder);
    EXPECT_EQ(names(rows), (Names{"<a>", "<b>", "alpha", "a\\beta", "gamma", "b\\zeta"}));
    source().sortByName(descending, Qt::DescendingOrder);
    EXPECT_EQ(names(descending), (Names{"<b>", "<a>", "b\\zeta", "gamma", "a\\beta", "alpha"}));
}

TEST_F(SymtabTest, ARecordForAModuleTheImageLacksIsReportedOnceAndDropped)
{
    fill(tree());
    testhost::ModalAnswers answers;
    // An unknown image is ignored without a word.
    EXPECT_EQ(CuiSymtabDataSourceAddFunction(handle, "nowhere main.c f 0x1 Public"), 0);
    EXPECT_TRUE(answers.seen().empty());
    EXPECT_EQ(CuiSymtabDataSourceAddFunction(handle, "app nomod.c f 0x1 Public"), 1);
    EXPECT_EQ(CuiSymtabDataSourceAddVariable(handle, "app nomod.c v 0x1 Public"), 1);
    ASSERT_EQ(answers.seen().size(), 2u);
    EXPECT_EQ(answers.seen()[0].caption, "Runtime Exception");
    EXPECT_TRUE(answers.seen()[0].text.contains("<pre>'Module not found. It is likely that "
                                                "incorrect data has been returned from the "
                                                "EeaSymSearchGetXXXXX calls '</pre>"));
    EXPECT_EQ(source().symbolCount(), 12u);
    EXPECT_EQ(functions().size(), 4u);
}

TEST_F(SymtabTest, DumpTreeWritesEveryModulesSymbols)
{
    SymbolRecords r;
    r.images = {"i"};
    r.modules = {"i m m.c"};
    r.functions = {"i m f 0x10 Public"};
    r.variables = {"i m v 0x20 Global"};
    fill(r);
    testhost::DebugCapture capture;
    EXPECT_EQ(CuiSymtabDataSourceDumpTree(handle), 0);
    EXPECT_TRUE(capture.contains("Function count = 1 "));
    EXPECT_TRUE(capture.contains("Variable count = 1 "));
    EXPECT_TRUE(capture.contains("       F: f 0x10 Public Public"));
    EXPECT_TRUE(capture.contains("       V: v 0x20 Global Public"));
}

TEST_F(SymtabTest, UnknownHandlesAndNullTextsDoNothing)
{
    int notASource = 0;
    const TeskHandle bogus = reinterpret_cast<TeskHandle>(&notASource);
    for (TeskHandle h : {TeskHandle(0), bogus}) {
        EXPECT_EQ(CuiSymtabDataSourceSetVdata(h, 1), 1);
        EXPECT_EQ(CuiSymtabDataSourceSetFuncHandler(h, nullptr), 1);
        EXPECT_EQ(CuiSymtabDataSourceUpdate(h), 1);
        EXPECT_EQ(CuiSymtabDataSourceAddImage(h, "i"), 1);
        EXPECT_EQ(CuiSymtabDataSourceAddModule(h, "i m f"), 1);
        EXPECT_EQ(CuiSymtabDataSourceAddFunction(h, "i m f 0x1 Public"), 1);
        EXPECT_EQ(CuiSymtabDataSourceAddVariable(h, "i m v 0x1 Public"), 1);
        EXPECT_EQ(CuiSymtabDataSourceDumpTree(h), 1);
    }
    EXPECT_EQ(CuiSymtabDataSourceDestroy(0), 0);
    EXPECT_EQ(CuiSymtabDataSourceDestroy(bogus), 1);
    for (auto add : {&CuiSymtabDataSourceAddImage, &CuiSymtabDataSourceAddModule,
                     &CuiSymtabDataSourceAddFunction, &CuiSymtabDataSourceAddVariable})
        EXPECT_EQ(add(handle, nullptr), 1);
    EXPECT_EQ(source().symbolCount(), 0u);
}

TEST_F(SymtabTest, ModelsLetGoOfSymbolsWhenTheSourceClearsOrGoes)
{
    fill(tree());
    SymbolListModel functionsModel;
    ModuleListModel modulesModel;
    functionsModel.setHeaders({"n", "a", "s", "m", "i"});
    modulesModel.setHeaders({"n", "f", "i"});
    std::vector<SymbolIndex> rows;
    source().searchFunctions({}, rows);
    functionsModel.setSymbols(&source(), rows);
    std::vector<SymModule *> modules;
    source().searchModules("*", "*", modules);
    modulesModel.setModules(&source(), modules);
    ASSERT_EQ(functionsModel.rowCount(), 4);
    source().clear();
    EXPECT_EQ(functionsModel.rowCount(), 0);
    EXPECT_EQ(modulesModel.rowCount(), 0);

    // A module replaced by a later record keeps its rows readable until the next Clear.
    fill(tree());
    modules.clear();
    source().searchModules("app", "main.c", modules);
    modulesModel.setModules(&source(), modules);
    CuiSymtabDataSourceAddModule(handle, "app main.c other.c");
    EXPECT_EQ(modulesModel.text(0, 1), "C:/src/main.c");
    EXPECT_EQ(functions(), (Names{"start_", "crc"}));

    SymtabDataSource *own = new SymtabDataSource;
    own->addImage("x");
    std::vector<SymImage *> images;
    own->searchImages("*", images);
    ImageListModel imagesModel;
    imagesModel.setHeaders({"Image"});
    imagesModel.setImages(own, images);
    EXPECT_EQ(imagesModel.rowCount(), 1);
    delete own;
    EXPECT_EQ(imagesModel.rowCount(), 0);
}

TEST_F(SymtabTest, ASearchOfAnEmptySourceFindsNothing)
{
    std::vector<SymImage *> images;
    EXPECT_TRUE(source().searchImages("*", images));
    EXPECT_TRUE(images.empty());
    EXPECT_EQ(functions(), Names{});
    EXPECT_EQ(variables(), Names{});
}
