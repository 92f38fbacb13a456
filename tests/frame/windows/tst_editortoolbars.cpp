// The find toolbar's host callbacks and the host's settings of it, and the script toolbar
// with its shared, stored list.
#include "frames.h"
#include "modalanswers.h"
#include "testhost.h"

#include "frame/app/metalstyle.h"
#include "frame/core/combobox.h"
#include "frame/core/cuihandles.h"
#include "frame/core/cuitexthelpers.h"
#include "frame/windows/toolbars/editortoolbars.h"
#include "frame/windows/toolbars/embeddedimages.h"
#include "frame/windows/toolbars/findtoolbar.h"
#include "frame/windows/toolbars/scriptdata.h"
#include "frame/windows/toolbars/scripttoolbar.h"
#include "frame/windows/toplevelwindow.h"

#include <tesk/tesk_menu.h>
#include <tesk/tesk_toolbars.h>
#include <tesk/tesk_window.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FindCall
{
    TeskHandle context;
    const void *text;
    std::u16string units;
    int value;
    int code;
};
std::vector<FindCall> g_findCalls;

void recordFind(TeskHandle context, const void *text, int value, int code)
{
    FindCall call{context, text, {}, value, code};
    if (code == FindToolBar::FindCode) {
        const auto *units = static_cast<const uint32_t *>(text);
        for (int i = 0; i < value; ++i)
            call.units.push_back(char16_t(units[i]));
    } else {
        EXPECT_STREQ(static_cast<const char *>(text), "");
    }
    g_findCalls.push_back(call);
}

std::vector<std::pair<TeskHandle, std::string>> g_scriptCalls;

void recordScript(TeskHandle context, const char *command)
{
    g_scriptCalls.emplace_back(context, command);
}

class EditorToolBars : public FrameTest
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        FrameTest::SetUp();
        g_findCalls.clear();
        g_scriptCalls.clear();
        window = createFrame("Editor", kHandle);
        window->setWindowBoxHandle(kHandle);
    }
    FindToolBar *createFind()
    {
        return qobject_cast<FindToolBar *>(tesk::handles::object(
            reinterpret_cast<void *>(QtCreateEditorToolBar(kHandle, &recordFind))));
    }

    static constexpr TeskHandle kHandle = 41;
    MainWindow *window = nullptr;
};

TEST_F(EditorToolBars, CreatedOncePerMainWindow)
{
    FindToolBar *toolBar = createFind();
    ASSERT_NE(toolBar, nullptr);
    EXPECT_EQ(createFind(), toolBar);
    EXPECT_EQ(tesk::frame::findToolBarOf(window), toolBar);
    EXPECT_EQ(QtCreateEditorToolBar(999, &recordFind), 0);
    // Handed out as a handle, not an address: CuiDeleteObject reaches it.
    const TeskHandle handle = QtCreateEditorToolBar(kHandle, &recordFind);
    EXPECT_NE(handle, reinterpret_cast<TeskHandle>(toolBar));
    QPointer<FindToolBar> watch(toolBar);
    EXPECT_EQ(CuiDeleteObject(reinterpret_cast<void *>(handle)), 1);
    EXPECT_TRUE(watch.isNull());
    toolBar = createFind();
    ASSERT_NE(toolBar, nullptr);
    // The frame record asked for the encoding choice with index 3, which is out of range.
    EXPECT_TRUE(toolBar->isEncodingShown());
    EXPECT_EQ(toolBar->encodingField()->currentIndex(), 0);
}

TEST_F(EditorToolBars, ATopLevelWindowHasAFindToolBarOfItsOwn)
{
    const TeskHandle native = QtTopLevelCreate(702, nullptr, 55);
    ASSERT_NE(native, 0);
    auto *topLevel = qobject_cast<TopLevelWindow *>(Store::currentTopLevelWindow());
    ASSERT_TRUE(topLevel);
    const TeskHandle handle = QtCreateEditorToolBar(702, &recordFind);
    ASSERT_NE(handle, 0);
    EXPECT_EQ(QtCreateEditorToolBar(702, &recordFind), handle);
    auto *toolBar =
        qobject_cast<FindToolBar *>(tesk::handles::object(reinterpret_cast<void *>(handle)));
    ASSERT_TRUE(toolBar);
    EXPECT_EQ(toolBar->parentWidget(), topLevel);
    EXPECT_EQ(topLevel->toolBarArea(toolBar), Qt::TopToolBarArea);
    EXPECT_TRUE(toolBar->isEncodingShown());
    EXPECT_EQ(toolBar->encodingField()->currentIndex(), 0);
    // The main window's toolbar is another one.
    EXPECT_NE(createFind(), toolBar);
    // The host hears with the window's size context.
    toolBar->encodingField()->activated(1);
    ASSERT_EQ(g_findCalls.size(), 1u);
    EXPECT_EQ(g_findCalls[0].context, 55);
    topLevel->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(EditorToolBars, ATopLevelWindowsOwnToolbarIsSetThroughItsHandle)
{
    FindToolBar *mainBar = createFind();
    ASSERT_TRUE(mainBar);
    ASSERT_NE(QtTopLevelCreate(703, nullptr, 56), 0);
    QPointer<QMainWindow> topLevel = Store::currentTopLevelWindow();
    auto *ownBar = qobject_cast<FindToolBar *>(
        tesk::handles::object(reinterpret_cast<void *>(QtCreateEditorToolBar(703, &recordFind))));
    ASSERT_TRUE(ownBar);
    // Wide enough that no field moves into the toolbar's overflow menu.
    topLevel->resize(1600, 400);
    topLevel->show();
    testhost::pumpFor(10);

    QtSetEditorBarText(703, 0, "targets/board.cfg");
    QtSetEditorBarIcon(703, 3, "readonly");
    QtSetFindToolBarEncoding(703, 2);
    EXPECT_EQ(ownBar->fileField()->text(), QStringLiteral("targets/board.cfg"));
    EXPECT_EQ(ownBar->stateButton()->text(), QStringLiteral("Read-Only"));
    EXPECT_EQ(ownBar->encodingField()->currentIndex(), 2);
    QtSetEditorBarFocusLine(703);
    EXPECT_EQ(topLevel->focusWidget(), ownBar->lineField());
    // The main window's toolbar is left as it was; an unknown handle still reaches it.
    EXPECT_TRUE(mainBar->fileField()->text().isEmpty());
    CuiFindToolbarSetFilename(999, "src/main.c");
    EXPECT_EQ(mainBar->fileField()->text(), QStringLiteral("src/main.c"));
    EXPECT_EQ(ownBar->fileField()->text(), QStringLiteral("targets/board.cfg"));
    topLevel->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The host fills the window's toolbar before it shows the window, which keeps its own size.
TEST_F(EditorToolBars, ATopLevelWindowFilledBeforeItShowsKeepsItsFieldsOnTheToolbar)
{
    constexpr TeskHandle kTop = 705;
    ASSERT_NE(QtTopLevelCreate(kTop, nullptr, 58), 0);
    QPointer<QMainWindow> topLevel = Store::currentTopLevelWindow();
    auto *toolBar = qobject_cast<FindToolBar *>(
        tesk::handles::object(reinterpret_cast<void *>(QtCreateEditorToolBar(kTop, &recordFind))));
    ASSERT_TRUE(toolBar);
    CuiFindToolbarSetFilename(kTop, "/home/user/projects/board/src/startup_sequence.c");
    QtSetEditorBarIcon(kTop, FindToolBar::FileStateKind, "readonly");
    topLevel->show();
    testhost::settle();
    ASSERT_LT(topLevel->width(), toolBar->naturalWidth());
    const auto onToolbar = [&](const char *when) {
        for (QWidget *field : {static_cast<QWidget *>(toolBar->findField()),
                               static_cast<QWidget *>(toolBar->lineField()),
                               static_cast<QWidget *>(toolBar->encodingField())})
            EXPECT_TRUE(field->isVisible()) << field->metaObject()->className() << " " << when;
    };
    onToolbar("once shown");
    QtSetEditorBarFocusText(kTop);
    QWidget *focused = topLevel->focusWidget();
    EXPECT_TRUE(focused == toolBar->findField() || focused == toolBar->findField()->lineEdit());
    QtSetEditorBarFocusLine(kTop);
    EXPECT_EQ(topLevel->focusWidget(), toolBar->lineField());
    // Where the state keeps its label, a longer one while shown.
    topLevel->resize(topLevel->width() - toolBar->width() + toolBar->naturalWidth() - 40,
                     topLevel->height());
    testhost::settle();
    ASSERT_EQ(toolBar->stateButton()->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    QtSetEditorBarIcon(kTop, FindToolBar::FileStateKind, "locked readonly");
    testhost::settle();
    onToolbar("after a longer state");
    topLevel->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(EditorToolBars, AMainWindowSharingATopLevelWindowsHandleComesFirst)
{
    ASSERT_NE(QtTopLevelCreate(kHandle, nullptr, 57), 0);
    QPointer<QMainWindow> topLevel = Store::currentTopLevelWindow();
    FindToolBar *mainBar = createFind();
    ASSERT_TRUE(mainBar);
    CuiFindToolbarSetFilename(kHandle, "src/main.c");
    EXPECT_EQ(mainBar->fileField()->text(), QStringLiteral("src/main.c"));
    topLevel->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(EditorToolBars, ToolbarPicturesAreResourcesByName)
{
    for (const char *name : {"addscript.png", "runscript.png", "deletescript.png"}) {
        const QImage resource(QStringLiteral(":/") + QLatin1String(name));
        ASSERT_FALSE(resource.isNull()) << name;
        EXPECT_EQ(
            resource.convertToFormat(QImage::Format_ARGB32),
            tesk::frame::embeddedImage(QLatin1String(name)).convertToFormat(QImage::Format_ARGB32))
            << name;
    }
    EXPECT_FALSE(QIcon(QStringLiteral(":/runscript.png")).isNull());
}

TEST_F(EditorToolBars, EveryActionReachesTheHost)
{
    FindToolBar *toolBar = createFind();
    toolBar->findField()->addItems(
        {QStringLiteral("Größe\u20ac"), QStringLiteral("a twenty char text..")});
    toolBar->findField()->activated(1);
    toolBar->findField()->activated(0);
    ASSERT_EQ(g_findCalls.size(), 2u);
    EXPECT_EQ(g_findCalls[1].context, kHandle);
    EXPECT_EQ(g_findCalls[1].code, 1);
    EXPECT_EQ(g_findCalls[1].units, u"Größe\u20ac");
    // The shorter text reuses the buffer of the longer one.
    EXPECT_EQ(g_findCalls[1].text, g_findCalls[0].text);

    toolBar->lineField()->setText(QStringLiteral("123"));
    QTest::keyClick(toolBar->lineField(), Qt::Key_Return);
    toolBar->stateButton()->click();
    toolBar->encodingField()->activated(2);
    ASSERT_EQ(g_findCalls.size(), 5u);
    EXPECT_EQ(g_findCalls[2].code, 2);
    EXPECT_EQ(g_findCalls[2].value, 123);
    EXPECT_EQ(g_findCalls[3].code, 3);
    EXPECT_EQ(g_findCalls[4].code, 6);
    EXPECT_EQ(g_findCalls[4].value, 2);
}

TEST_F(EditorToolBars, StateMenuIsFilledByTheHostWhenItShows)
{
    FindToolBar *toolBar = createFind();
    toolBar->stateMenu()->addAction(QStringLiteral("stale"));
    emit toolBar->stateMenu()->aboutToShow();
    ASSERT_EQ(g_findCalls.size(), 1u);
    EXPECT_EQ(g_findCalls[0].code, 4);
    EXPECT_TRUE(toolBar->stateMenu()->actions().isEmpty());
    QtBuildROMenu("Check out\n\n!=-Lock file");
    const QList<QAction *> items = toolBar->stateMenu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Check out"));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), QStringLiteral("Lock file"));
    items[2]->trigger();
    ASSERT_EQ(g_findCalls.size(), 2u);
    EXPECT_EQ(g_findCalls[1].code, 5);
    EXPECT_EQ(g_findCalls[1].value, 2);
}

// The host fills the state menu from inside its code-4 call: a top-level window's own.
void fillStateMenuInCall(TeskHandle, const void *, int, int code)
{
    if (code == FindToolBar::StateMenuShowCode)
        QtBuildROMenu("Check in\n");
}

TEST_F(EditorToolBars, ATopLevelWindowsStateMenuIsFilledFromItsOwnCall)
{
    FindToolBar *mainBar = createFind();
    ASSERT_NE(QtTopLevelCreate(704, nullptr, 57), 0);
    auto *ownBar = qobject_cast<FindToolBar *>(tesk::handles::object(
        reinterpret_cast<void *>(QtCreateEditorToolBar(704, &fillStateMenuInCall))));
    emit ownBar->stateMenu()->aboutToShow();
    EXPECT_EQ(ownBar->stateMenu()->actions().size(), 1);
    EXPECT_TRUE(mainBar->stateMenu()->actions().isEmpty());
    Store::currentTopLevelWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(EditorToolBars, HostSetsNameStateEncodingAndFocus)
{
    FindToolBar *toolBar = createFind();
    CuiFindToolbarSetFilename(kHandle, "C:\\src\\maïn.c");
    EXPECT_EQ(toolBar->fileField()->text(), QStringLiteral("C:\\src\\maïn.c"));
    QtSetEditorBarText(kHandle, 0, "other.c");
    EXPECT_EQ(toolBar->fileField()->text(), QStringLiteral("other.c"));
    {
        testhost::DebugCapture capture;
        CuiFindToolbarSetFilename(12345, "third.c");
        EXPECT_TRUE(capture.contains("ASSERT"));
    }
    EXPECT_EQ(toolBar->fileField()->text(), QStringLiteral("third.c"));

    QtSetEditorBarIcon(kHandle, 3, "file is readonly");
    EXPECT_EQ(toolBar->stateButton()->text(), QStringLiteral("Read-Only"));
    QtSetEditorBarIcon(kHandle, 3, "locked readonly");
    EXPECT_EQ(toolBar->stateButton()->text(), QStringLiteral("Locked Read-Only"));
    QtSetEditorBarIcon(kHandle, 2, "readwrite");
    QtSetEditorBarIcon(kHandle, 3, "unknown");
    EXPECT_EQ(toolBar->stateButton()->text(), QStringLiteral("Locked Read-Only"));
    EXPECT_FALSE(toolBar->stateButton()->icon().isNull());

    QtSetFindToolBarEncoding(kHandle, 2);
    QtSetFindToolBarEncoding(kHandle, 3);
    QtSetFindToolBarEncoding(kHandle, -1);
    EXPECT_EQ(toolBar->encodingField()->currentIndex(), 2);

    // Wide enough that no field moves into the toolbar's overflow menu.
    window->resize(1600, 400);
    window->show();
    testhost::pumpFor(10);
    // The window's focus widget: the offscreen platform activates no window.
    QtSetEditorBarFocusLine(kHandle);
    EXPECT_EQ(window->focusWidget(), toolBar->lineField());
    QtSetEditorBarFocusText(kHandle);
    QWidget *focused = window->focusWidget();
    EXPECT_TRUE(focused == toolBar->findField() || focused == toolBar->findField()->lineEdit());
    toolBar->toggleToolbarVisibility();
    EXPECT_FALSE(toolBar->isVisible());
}

class ScriptToolBars : public EditorToolBars
{
protected:
    void SetUp() override
    {
        EditorToolBars::SetUp();
        ScriptData::instance()->scripts().map().clear();
    }
    void TearDown() override
    {
        ScriptData::instance()->scripts().map().clear();
        EditorToolBars::TearDown();
    }
    ScriptToolBar *createScripts()
    {
        EXPECT_EQ(CuiScriptToolBarCreate(kHandle, &recordScript), 1);
        return tesk::frame::scriptToolBarOf(window);
    }
    // Chooses the files in the file dialog the add button opens.
    void addThroughDialog(ScriptToolBar *toolBar, const QString &directory,
                          const QStringList &names)
    {
        testhost::ModalAnswers answers;
        answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
            auto *dialog = qobject_cast<QFileDialog *>(request.widget.data());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(request.kind, tesk::system::ModalSeam::Kind::FileDialog);
            dialog->setDirectory(directory);
            QStringList quoted;
            for (const QString &name : names)
                quoted << QLatin1Char('"') + name + QLatin1Char('"');
            dialog->selectFile(quoted.join(QLatin1Char(' ')));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        toolBar->addButton()->click();
    }
};

TEST_F(ScriptToolBars, AddRunAndRemoveScripts)
{
    ScriptToolBar *toolBar = createScripts();
    ASSERT_NE(toolBar, nullptr);
    EXPECT_EQ(CuiScriptToolBarCreate(999, &recordScript), 0);
    EXPECT_EQ(toolBar->scriptList()->currentText(), QStringLiteral("<None>"));
    toolBar->runButton()->click();
    toolBar->removeButton()->click();
    EXPECT_TRUE(g_scriptCalls.empty());

    QTemporaryDir dir;
    for (const char *name : {"init.inc", "it's.log"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    addThroughDialog(toolBar, dir.path(), {QStringLiteral("init.inc"), QStringLiteral("it's.log")});
    ASSERT_EQ(toolBar->scriptList()->count(), 2);
    EXPECT_LE(toolBar->scriptList()->itemText(0).size(), ScriptToolBar::kNameLength);
    EXPECT_TRUE(toolBar->scriptList()->itemText(1).endsWith(QStringLiteral("it's.log")));

    toolBar->scriptList()->setCurrentIndex(1);
    toolBar->runButton()->click();
    ASSERT_EQ(g_scriptCalls.size(), 1u);
    EXPECT_EQ(g_scriptCalls[0].first, kHandle);
    EXPECT_EQ(g_scriptCalls[0].second,
              "include '" +
                  QDir::toNativeSeparators(dir.filePath(QStringLiteral("it's.log"))).toStdString() +
                  "'");

    toolBar->removeButton()->click();
    EXPECT_EQ(toolBar->scriptList()->count(), 1);
    toolBar->removeButton()->click();
    EXPECT_EQ(toolBar->scriptList()->currentText(), QStringLiteral("<None>"));
}

// Two projects' scripts whose shortened names agree are two entries, told apart in the list;
// each runs its own file, and both come back from the stored section.
TEST_F(ScriptToolBars, ScriptsWhoseShortNamesAgreeStayTwo)
{
    ScriptToolBar *toolBar = createScripts();
    ASSERT_NE(toolBar, nullptr);
    QTemporaryDir dir;
    QStringList paths;
    for (const char *project : {"first-project-of-the-user", "second-project-of-the-user"}) {
        const QString folder = dir.filePath(QString::fromLatin1(project) + "/debug/scripts");
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile file(folder + QStringLiteral("/init.inc"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        paths << file.fileName();
        addThroughDialog(toolBar, folder, {QStringLiteral("init.inc")});
    }
    addThroughDialog(toolBar, QFileInfo(paths[0]).path(), {QStringLiteral("init.inc")});
    ASSERT_EQ(tesk::core::abbreviatedPath(paths[0].toUtf8(), ScriptToolBar::kNameLength, true),
              tesk::core::abbreviatedPath(paths[1].toUtf8(), ScriptToolBar::kNameLength, true));
    QComboBox *list = toolBar->scriptList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_NE(list->itemText(0), list->itemText(1));
    for (int i = 0; i < 2; ++i) {
        list->setCurrentIndex(i);
        toolBar->runButton()->click();
    }
    ASSERT_EQ(g_scriptCalls.size(), 2u);
    EXPECT_NE(g_scriptCalls[0].second, g_scriptCalls[1].second);
    for (const auto &call : g_scriptCalls)
        EXPECT_TRUE(call.second == "include '" + paths[0].toStdString() + "'" ||
                    call.second == "include '" + paths[1].toStdString() + "'")
            << call.second;

    const QByteArray file = dir.filePath(QStringLiteral("project.ini")).toUtf8();
    const QMap<QString, QString> stored = ScriptData::instance()->scripts().map();
    EXPECT_EQ(CuiScriptFiles_Store(file.constData(), "scripts"), 1);
    ScriptData::instance()->scripts().map().clear();
    EXPECT_EQ(CuiScriptFiles_Load(file.constData(), "scripts"), 1);
    EXPECT_EQ(ScriptData::instance()->scripts().map(), stored);
}

TEST_F(ScriptToolBars, ListIsStoredAndLoadedAsASection)
{
    QTemporaryDir dir;
    const QByteArray file = dir.filePath(QStringLiteral("project.ini")).toUtf8();
    EXPECT_EQ(CuiScriptFiles_Store(file.constData(), "scripts"), 1);
    QFile stored(QString::fromUtf8(file));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray empty = stored.readAll();
    EXPECT_TRUE(empty.contains("<is_active>0</is_active>"));
    EXPECT_TRUE(empty.contains("<all_data/>"));
    stored.close();

    ScriptToolBar *before = createScripts();
    ASSERT_TRUE(stored.open(QIODevice::Append));
    stored.write("[more]\n<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<doc>\n"
                 "<script_toolbar_data><is_active>1</is_active><all_data>"
                 "<data><key>b.inc</key><value>/first/b.inc</value></data>"
                 "<data><key>b.inc</key><value>/second/b.inc</value></data>"
                 "<data><key>ä.inc</key><value>/x/ä.inc</value></data>"
                 "</all_data></script_toolbar_data>\n</doc>\n");
    stored.close();
    EXPECT_EQ(CuiScriptFiles_Load(file.constData(), "MORE"), 1);
    const QMap<QString, QString> &map = ScriptData::instance()->scripts().map();
    ASSERT_EQ(map.size(), 2);
    EXPECT_EQ(map.value(QStringLiteral("b.inc")), QStringLiteral("/first/b.inc"));
    EXPECT_EQ(map.value(QStringLiteral("ä.inc")), QStringLiteral("/x/ä.inc"));
    // Loading tells no toolbar; a new one reads the list.
    EXPECT_EQ(before->scriptList()->currentText(), QStringLiteral("<None>"));
    auto *after = new ScriptToolBar(window, QStringLiteral("Scripts"), kHandle);
    EXPECT_EQ(after->scriptList()->count(), 2);

    EXPECT_EQ(CuiScriptFiles_Store(file.constData(), "again"), 1);
    ScriptData::instance()->scripts().map().clear();
    EXPECT_EQ(CuiScriptFiles_Load(file.constData(), "again"), 1);
    EXPECT_EQ(ScriptData::instance()->scripts().map(), map);
    EXPECT_EQ(CuiScriptFiles_Load(file.constData(), "absent"), 0);
    EXPECT_EQ(CuiScriptFiles_Store(dir.filePath(QStringLiteral("no/such/dir")).toUtf8(), "x"), 0);
    EXPECT_EQ(CuiScriptFiles_Load(nullptr, "x"), 0);
}

TEST_F(ScriptToolBars, BrokenSectionKeepsTheListAndStaleNamesDoNotRun)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cut.ini"));
    QFile cut(path);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write("[cut]\n<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<doc>\n"
              "<script_toolbar_data><is_active>1</is_active><all_data>"
              "<data><key>new.inc</key><value>/n/new.inc</value></data>"
              "<data><key>half");
    cut.close();
    QMap<QString, QString> &map = ScriptData::instance()->scripts().map();
    map.insert(QStringLiteral("mine.inc"), QStringLiteral("/u/mine.inc"));
    map.insert(QStringLiteral("old.inc"), QStringLiteral("/u/old.inc"));
    const QMap<QString, QString> users = map;
    ScriptToolBar *toolBar = createScripts();
    ASSERT_NE(toolBar, nullptr);
    EXPECT_EQ(CuiScriptFiles_Load(path.toUtf8().constData(), "cut"), 0);
    EXPECT_EQ(map, users);

    // A whole section replaces the list without refilling the toolbar, which still shows the
    // names the list no longer has.
    QFile whole(dir.filePath(QStringLiteral("whole.ini")));
    ASSERT_TRUE(whole.open(QIODevice::WriteOnly));
    whole.write("[whole]\n<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<doc>\n"
                "<script_toolbar_data><is_active>1</is_active><all_data>"
                "<data><key>old.inc</key><value>/n/old.inc</value></data>"
                "</all_data></script_toolbar_data>\n</doc>\n");
    whole.close();
    EXPECT_EQ(CuiScriptFiles_Load(whole.fileName().toUtf8().constData(), "whole"), 1);
    ASSERT_EQ(map.size(), 1);
    toolBar->scriptList()->setCurrentText(QStringLiteral("mine.inc"));
    ASSERT_EQ(toolBar->scriptList()->currentText(), QStringLiteral("mine.inc"));
    toolBar->runButton()->click();
    EXPECT_TRUE(g_scriptCalls.empty());
    toolBar->scriptList()->setCurrentText(QStringLiteral("old.inc"));
    toolBar->runButton()->click();
    ASSERT_EQ(g_scriptCalls.size(), 1u);
    EXPECT_EQ(g_scriptCalls[0].second,
              "include '" + QDir::toNativeSeparators(QStringLiteral("/n/old.inc")).toStdString() +
                  "'");
}

TEST_F(EditorToolBars, ToolbarPicturesAreFoundByNameInRichText)
{
    QTextDocument document;
    const QVariant found =
        document.resource(QTextDocument::ImageResource, QUrl(QStringLiteral("runscript.png")));
    ASSERT_TRUE(found.canConvert<QImage>());
    EXPECT_EQ(found.value<QImage>().size(), QSize(16, 16));
    EXPECT_TRUE(document.resource(QTextDocument::ImageResource, QUrl(QStringLiteral("nothing.png")))
                    .isNull());
    // The frame's own pictures are still served beside them.
    EXPECT_FALSE(
        document.resource(QTextDocument::ImageResource, QUrl(QStringLiteral("padlock"))).isNull());
}

TEST_F(EditorToolBars, ARichTextLabelShowsAToolbarPictureByName)
{
    // What the label paints where the picture goes: the picture's own pixels, not the
    // placeholder of a missing one.
    const auto paint = [](const char *name) {
        QLabel label;
        label.setTextFormat(Qt::RichText);
        label.setText(QStringLiteral("<img src=\"%1\">").arg(QLatin1String(name)));
        label.resize(label.sizeHint());
        QImage canvas(label.size(), QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        label.render(&canvas, {}, {}, QWidget::DrawChildren);
        return canvas;
    };
    const QImage picture = tesk::frame::embeddedImage(QStringLiteral("runscript.png"))
                               .convertToFormat(QImage::Format_ARGB32);
    const QImage shown = paint("runscript.png");
    ASSERT_GE(shown.width(), 16);
    ASSERT_GE(shown.height(), 16);
    int same = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            same += shown.pixel(x, y) == picture.pixel(x, y);
    EXPECT_GT(same, 200);
    EXPECT_NE(paint("nothing.png"), shown);
}

TEST(EmbeddedImages, ToolbarPicturesByName)
{
    for (const char *name : {"addscript.png", "runscript.png", "deletescript.png"}) {
        const QImage image = tesk::frame::embeddedImage(QString::fromLatin1(name));
        EXPECT_EQ(image.size(), QSize(16, 16)) << name;
        EXPECT_TRUE(image.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name;
    }
    EXPECT_TRUE(tesk::frame::embeddedImage(QStringLiteral("other.png")).isNull());
}

TEST_F(ScriptToolBars, LabelsAreDarkOnPaleMetal)
{
    const QString previous = QApplication::style()->name();
    QApplication::setStyle(new MetalStyle);
    ScriptToolBar *scripts = createScripts();
    FindToolBar *find = createFind();
    window->resize(1600, 300);
    window->show();
    QCoreApplication::processEvents();
    QList<QLabel *> labels = scripts->findChildren<QLabel *>() + find->findChildren<QLabel *>();
    int shown = 0;
    for (QLabel *label : labels) {
        // The window is kept within the screen, so a toolbar's end may lie out of sight.
        if (!label->isVisible() || label->visibleRegion().isEmpty())
            continue;
        ++shown;
        const QImage image = label->grab().toImage();
        int darkest = 3 * 255;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                darkest = qMin(darkest, qRed(pixel) + qGreen(pixel) + qBlue(pixel));
            }
        }
        EXPECT_LT(darkest, 3 * 100) << qPrintable(label->text());
    }
    EXPECT_GE(shown, 3);
    // The state button's text has no button face under it either.
    const QColor stateText = find->stateButton()->palette().color(QPalette::ButtonText);
    EXPECT_LT(stateText.lightness(), 100) << qPrintable(stateText.name());
    QApplication::setStyle(QStyleFactory::create(previous));
}

} // namespace
