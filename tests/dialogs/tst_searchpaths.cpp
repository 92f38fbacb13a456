// The source search-path dialog as the host uses it: filled and read back through the exports,
// edited by the user in between (New, Delete, double-click, header click, Help and F1).
#include "modalanswers.h"
#include "testhost.h"

#include "dialogs/mappingentrydlg.h"
#include "dialogs/sourcesearchpathdlg.h"
#include "frame/core/cuihandles.h"

#include <tesk/tesk.h>

#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using testhost::ModalAnswers;

std::vector<int> g_helpCalls;
void recordHelp(int id)
{
    g_helpCalls.push_back(id);
}

using Getter = int (*)(TeskHandle, int, char *, uint32_t);

class SearchPaths : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    void SetUp() override
    {
        g_helpCalls.clear();
        m_handle = CuiSourceSearchPathDlgCreate(0);
        ASSERT_NE(m_handle, 0);
        // Each kind of window the run meets is answered by its own function.
        m_answers.setHandler([this](const ModalAnswers::Request &request) {
            QWidget *widget = request.widget.data();
            if (auto *chooser = qobject_cast<QFileDialog *>(widget))
                onChooser(chooser);
            else if (auto *mapping = qobject_cast<MappingEntryDlg *>(widget))
                onMapping(mapping);
            else if (qobject_cast<SourceSearchPathDlg *>(widget))
                onDialog();
        });
    }

    void TearDown() override { CuiDeleteObject(reinterpret_cast<void *>(m_handle)); }

    SourceSearchPathDlg *dialog() const
    {
        return qobject_cast<SourceSearchPathDlg *>(
            tesk::handles::object(reinterpret_cast<void *>(m_handle)));
    }

    // Runs the dialog; what the user does is in onDialog, after which OK is pressed.
    int run(std::function<void()> whileShown)
    {
        onDialog = [this, whileShown] {
            whileShown();
            if (SourceSearchPathDlg *d = dialog(); d && d->isVisible())
                d->buttonOk->click();
        };
        return CuiDoModal(reinterpret_cast<void *>(m_handle));
    }

    std::string text(Getter getter, int index)
    {
        char buffer[256] = {};
        return getter(m_handle, index, buffer, sizeof buffer) ? std::string(buffer) : "<none>";
    }
    std::vector<std::string> sourceMappings()
    {
        std::vector<std::string> pairs;
        for (int i = 0; i < CuiSourceSearchPathDlgGetSMapNum(m_handle); ++i)
            pairs.push_back(text(&CuiSourceSearchPathDlgGetSMapOrig, i) + "=" +
                            text(&CuiSourceSearchPathDlgGetSMapModd, i));
        return pairs;
    }

    void doubleClickMapping(QTreeWidget *list, int row)
    {
        dialog()->tabWidget->setCurrentWidget(list->parentWidget());
        doubleClick(list, list->visualItemRect(list->topLevelItem(row)).center());
    }
    // As a mouse sends it: a click, then the second press as a double-click.
    static void doubleClick(QTreeWidget *list, QPoint at)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    TeskHandle m_handle = 0;
    ModalAnswers m_answers;
    std::function<void()> onDialog;
    std::function<void(QFileDialog *)> onChooser = [](QFileDialog *d) { d->reject(); };
    std::function<void(MappingEntryDlg *)> onMapping = [](MappingEntryDlg *d) { d->reject(); };
};

TEST_F(SearchPaths, TextsAreCopiedOnlyWhenTheyFitWithTheirTerminator)
{
    const struct
    {
        Getter getter;
        void (*add)(TeskHandle, const char *);
    } lists[] = {
        {&CuiSourceSearchPathDlgGetSSText, &CuiSourceSearchPathDlgAddEntry},
        {&CuiSourceSearchPathDlgGetOSText, &CuiSourceSearchPathDlgAddObjectEntry},
        {&CuiSourceSearchPathDlgGetSMapOrig,
         [](TeskHandle h, const char *t) { CuiSourceSearchPathDlgAddSMapping(h, t, t); }},
        {&CuiSourceSearchPathDlgGetOMapModd,
         [](TeskHandle h, const char *t) { CuiSourceSearchPathDlgAddOMapping(h, t, t); }},
    };
    const struct
    {
        const char *added; // Latin-1
        uint32_t size;
        const char *expected; // UTF-8, or null: refused
    } cases[] = {
        {"/usr/src1", 10, "/usr/src1"},
        {"/usr/src1", 9, nullptr},
        {"/usr/src\xe9", 10, nullptr}, // the accent takes two bytes in UTF-8
        {"/usr/src\xe9", 11, "/usr/src\xc3\xa9"},
        {"/x", 0, nullptr},
    };
    for (const auto &list : lists) {
        for (const auto &c : cases) {
            TearDown();
            m_handle = CuiSourceSearchPathDlgCreate(0);
            list.add(m_handle, c.added);
            char buffer[16];
            std::memset(buffer, 'k', sizeof buffer);
            const int copied = list.getter(m_handle, 0, buffer, c.size);
            EXPECT_EQ(copied, c.expected ? 1 : 0) << c.added << " in " << c.size;
            if (c.expected)
                EXPECT_EQ(std::string(buffer, c.size), std::string(c.expected) + '\0');
            else
                EXPECT_EQ(buffer[0], 'k') << "refused, yet written";
            EXPECT_EQ(buffer[c.size], 'k') << "written past the size";
        }
    }
}

TEST_F(SearchPaths, EmptyMissingAndForeignEntriesGiveNothing)
{
    char buffer[8] = "kept";
    EXPECT_EQ(CuiSourceSearchPathDlgGetSSNum(m_handle), 0);
    EXPECT_EQ(CuiSourceSearchPathDlgGetSMapOrig(m_handle, 0, buffer, sizeof buffer), 0);
    CuiSourceSearchPathDlgAddEntry(m_handle, "");
    CuiSourceSearchPathDlgAddEntry(m_handle, nullptr);
    CuiSourceSearchPathDlgAddEntry(m_handle, "/a");
    EXPECT_EQ(CuiSourceSearchPathDlgGetSSNum(m_handle), 3);
    EXPECT_EQ(CuiSourceSearchPathDlgGetSSText(m_handle, 0, buffer, sizeof buffer), 0);
    EXPECT_EQ(CuiSourceSearchPathDlgGetSSText(m_handle, -1, buffer, sizeof buffer), 0);
    EXPECT_EQ(CuiSourceSearchPathDlgGetSSText(m_handle, 3, buffer, sizeof buffer), 0);
    EXPECT_EQ(CuiSourceSearchPathDlgGetSSText(m_handle, 2, nullptr, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "kept");
    // A mapping index below 0 reads the first mapping; past the end there is none.
    CuiSourceSearchPathDlgAddSMapping(m_handle, "/o", "/m");
    EXPECT_EQ(text(&CuiSourceSearchPathDlgGetSMapModd, -5), "/m");
    EXPECT_EQ(text(&CuiSourceSearchPathDlgGetSMapModd, 1), "<none>");

    // Null, unknown and destroyed handles are ignored; their getters answer 0.
    const TeskHandle dead = CuiSourceSearchPathDlgCreate(0);
    CuiDeleteObject(reinterpret_cast<void *>(dead));
    const TeskHandle window = TeskHandle(tesk::handles::add(new QWidget));
    for (TeskHandle wrong : {TeskHandle(0), TeskHandle(0x1000), dead, window}) {
        CuiSourceSearchPathDlgAddEntry(wrong, "/x");
        CuiSourceSearchPathDlgAddSMapping(wrong, "/x", "/y");
        CuiSourceSearchPathDlgShowFirstActive(wrong);
        EXPECT_EQ(CuiSourceSearchPathDlgGetSSNum(wrong), 0);
        EXPECT_EQ(CuiSourceSearchPathDlgGetSMapNum(wrong), 0);
        EXPECT_EQ(CuiSourceSearchPathDlgGetSMapOrig(wrong, 0, buffer, sizeof buffer), 0);
        EXPECT_EQ(CuiDoModal(reinterpret_cast<void *>(wrong)), 0);
    }
    CuiDeleteObject(reinterpret_cast<void *>(window));
    EXPECT_STREQ(buffer, "kept");
}

TEST_F(SearchPaths, MappingsAreReadInTheListsCurrentOrder)
{
    CuiSourceSearchPathDlgAddSMapping(m_handle, "/src/b", "/b");
    CuiSourceSearchPathDlgAddSMapping(m_handle, "/src/a", "/a");
    CuiSourceSearchPathDlgAddSMapping(m_handle, "/src/c", "/c");
    CuiSourceSearchPathDlgAddOMapping(m_handle, "/obj", "/o");
    // Sorted before the dialog was ever shown.
    EXPECT_EQ(sourceMappings(), (std::vector<std::string>{"/src/a=/a", "/src/b=/b", "/src/c=/c"}));

    // Editing /src/a into /src/d moves it to the end; the object list stays as it was.
    onMapping = [](MappingEntryDlg *d) {
        EXPECT_EQ(d->original(), QStringLiteral("/src/a"));
        d->originalLE->setText(QStringLiteral("/src/d"));
        d->buttonOK->click();
    };
    EXPECT_EQ(run([this] { doubleClickMapping(dialog()->sourcemappingLV, 0); }), 1);
    EXPECT_EQ(sourceMappings(), (std::vector<std::string>{"/src/b=/b", "/src/c=/c", "/src/d=/a"}));
    EXPECT_EQ(CuiSourceSearchPathDlgGetOMapNum(m_handle), 1);
    EXPECT_EQ(text(&CuiSourceSearchPathDlgGetOMapOrig, 0), "/obj");

    // A cancelled edit and a double-click beside the entries change nothing.
    int asked = 0;
    onMapping = [&asked](MappingEntryDlg *d) {
        ++asked;
        d->originalLE->setText(QStringLiteral("/changed"));
        d->buttonCancel->click();
    };
    EXPECT_EQ(run([this] {
                  QTreeWidget *list = dialog()->sourcemappingLV;
                  doubleClickMapping(list, 1);
                  doubleClick(list, QPoint(5, list->viewport()->height() - 3));
              }),
              1);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(sourceMappings(), (std::vector<std::string>{"/src/b=/b", "/src/c=/c", "/src/d=/a"}));

    // A click on the "Original" header reverses the order the host reads.
    run([this] {
        dialog()->tabWidget->setCurrentIndex(2);
        QHeaderView *header = dialog()->sourcemappingLV->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    });
    EXPECT_EQ(sourceMappings(), (std::vector<std::string>{"/src/d=/a", "/src/c=/c", "/src/b=/b"}));
}

TEST_F(SearchPaths, MappingEntriesHaveRoomAroundTheirText)
{
    CuiSourceSearchPathDlgAddSMapping(m_handle, "/src/a", "/a");
    CuiSourceSearchPathDlgAddOMapping(m_handle, "/obj", "/o");
    for (QTreeWidget *list : {dialog()->sourcemappingLV, dialog()->objectmappingLV}) {
        const QModelIndex first = list->model()->index(0, 0);
        QStyleOptionViewItem option;
        option.initFrom(list);
        const int plain = QStyledItemDelegate().sizeHint(option, first).height();
        EXPECT_EQ(list->itemDelegate()->sizeHint(option, first).height(), plain + 8)
            << qPrintable(list->objectName());
    }
}

TEST_F(SearchPaths, NewMappingIsAddedOnlyWhenAccepted)
{
    CuiSourceSearchPathDlgAddSMapping(m_handle, "/m", "/1");
    onMapping = [](MappingEntryDlg *d) {
        EXPECT_TRUE(d->original().isEmpty());
        EXPECT_TRUE(d->mapped().isEmpty());
        d->buttonCancel->click();
    };
    EXPECT_EQ(run([this] { dialog()->smmodifyPB->click(); }), 1);
    EXPECT_EQ(CuiSourceSearchPathDlgGetSMapNum(m_handle), 1);

    // Accepted with the original left empty: nothing is checked, the pair is added as typed.
    onMapping = [](MappingEntryDlg *d) {
        testhost::typeText(d->mappedLE, QStringLiteral("c:/dos/path"));
        d->buttonOK->click();
    };
    run([this] { dialog()->ommodifyPB->click(); });
    EXPECT_EQ(CuiSourceSearchPathDlgGetSMapNum(m_handle), 1);
    ASSERT_EQ(CuiSourceSearchPathDlgGetOMapNum(m_handle), 1);
    EXPECT_EQ(text(&CuiSourceSearchPathDlgGetOMapOrig, 0), "<none>");
    EXPECT_EQ(text(&CuiSourceSearchPathDlgGetOMapModd, 0), "c:/dos/path");
    // The question is gone after each run.
    EXPECT_TRUE(dialog()->findChildren<MappingEntryDlg *>().isEmpty());
}

// Return in the empty question adds no mapping of nothing to nothing; one text is enough.
TEST_F(SearchPaths, NewMappingRefusesAnEmptyPair)
{
    bool stayed = false;
    onMapping = [&stayed](MappingEntryDlg *d) {
        QTest::keyClick(d->originalLE, Qt::Key_Return);
        stayed = d->isVisible();
        if (stayed)
            d->reject();
    };
    run([this] { dialog()->smmodifyPB->click(); });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(CuiSourceSearchPathDlgGetSMapNum(m_handle), 0);

    onMapping = [](MappingEntryDlg *d) {
        testhost::typeText(d->originalLE, QStringLiteral("/src"));
        QTest::keyClick(d->originalLE, Qt::Key_Return);
    };
    run([this] { dialog()->smmodifyPB->click(); });
    ASSERT_EQ(CuiSourceSearchPathDlgGetSMapNum(m_handle), 1);
    EXPECT_EQ(text(&CuiSourceSearchPathDlgGetSMapOrig, 0), "/src");
}

TEST_F(SearchPaths, DeleteTakesOnlyTheCurrentOrSelectedEntry)
{
    for (const char *path : {"/one", "/two", "/two"})
        CuiSourceSearchPathDlgAddObjectEntry(m_handle, path);
    CuiSourceSearchPathDlgAddSMapping(m_handle, "/a", "/1");
    CuiSourceSearchPathDlgAddSMapping(m_handle, "/b", "/2");
    run([this] {
        SourceSearchPathDlg *d = dialog();
        d->objectsearchpathLB->setCurrentRow(-1);
        d->delObjectSerachPB->click();
        d->sourcemappingLV->clearSelection();
        d->sourceMappingDelPB->click();
    });
    EXPECT_EQ(CuiSourceSearchPathDlgGetOSNum(m_handle), 3);
    EXPECT_EQ(CuiSourceSearchPathDlgGetSMapNum(m_handle), 2);

    run([this] {
        SourceSearchPathDlg *d = dialog();
        d->objectsearchpathLB->setCurrentRow(1);
        d->delObjectSerachPB->click();
        d->sourcemappingLV->topLevelItem(0)->setSelected(true);
        d->sourceMappingDelPB->click();
        // The object mapping page's Delete has nothing of its own to take.
        d->objectMappingDelPB->click();
    });
    EXPECT_EQ(CuiSourceSearchPathDlgGetOSNum(m_handle), 2);
    EXPECT_EQ(text(&CuiSourceSearchPathDlgGetOSText, 0), "/one");
    EXPECT_EQ(text(&CuiSourceSearchPathDlgGetOSText, 1), "/two");
    EXPECT_EQ(sourceMappings(), (std::vector<std::string>{"/b=/2"}));
}

TEST_F(SearchPaths, NewSearchPathAsksForADirectoryAndAppendsIt)
{
    CuiSourceSearchPathDlgAddEntry(m_handle, "/first");
    QString startedIn;
    onChooser = [&startedIn](QFileDialog *d) {
        startedIn = d->directory().absolutePath();
        d->reject();
    };
    run([this] { dialog()->ssmodifyPB->click(); });
    EXPECT_EQ(CuiSourceSearchPathDlgGetSSNum(m_handle), 1);

    QTemporaryDir chosen;
    onChooser = [&chosen](QFileDialog *d) {
        EXPECT_EQ(d->fileMode(), QFileDialog::Directory);
        d->setDirectory(chosen.path());
        QMetaObject::invokeMethod(d, "accept");
    };
    run([this] { dialog()->ssmodifyPB->click(); });
    ASSERT_EQ(CuiSourceSearchPathDlgGetSSNum(m_handle), 2);
    EXPECT_EQ(text(&CuiSourceSearchPathDlgGetSSText, 1), chosen.path().toStdString());
    EXPECT_EQ(CuiSourceSearchPathDlgGetOSNum(m_handle), 0);
}

TEST_F(SearchPaths, HelpButtonAndF1CallTheHostOnlyWhenSet)
{
    run([this] {
        dialog()->buttonHelp->click();
        QTest::keyClick(dialog(), Qt::Key_F1);
    });
    EXPECT_TRUE(g_helpCalls.empty());

    CuiSourceSearchPathDlgSetHelpCallback(m_handle, &recordHelp);
    CuiSourceSearchPathDlgSetHelpId(m_handle, 4711);
    bool openAfterF1 = false;
    EXPECT_EQ(run([&] {
                  QTest::keyClick(dialog(), Qt::Key_F1);
                  openAfterF1 = dialog()->isVisible();
                  dialog()->buttonHelp->click();
              }),
              1);
    EXPECT_TRUE(openAfterF1);
    EXPECT_EQ(g_helpCalls, (std::vector<int>{4711, 4711}));

    // Escape still rejects; the lists outlive the run.
    CuiSourceSearchPathDlgAddEntry(m_handle, "/kept");
    EXPECT_EQ(run([this] { QTest::keyClick(dialog(), Qt::Key_Escape); }), 0);
    EXPECT_EQ(text(&CuiSourceSearchPathDlgGetSSText, 0), "/kept");
}

TEST_F(SearchPaths, ShowFirstActiveBringsTheFirstFilledPageForward)
{
    const struct
    {
        bool source, object, sourceMapping, objectMapping;
        int page;
    } cases[] = {
        {false, false, false, false, 0}, {true, true, true, true, 0},
        {false, true, true, true, 1},    {false, false, true, true, 2},
        {false, false, false, true, 3},
    };
    for (const auto &c : cases) {
        TearDown();
        m_handle = CuiSourceSearchPathDlgCreate(0);
        if (c.source)
            CuiSourceSearchPathDlgAddEntry(m_handle, "/s");
        if (c.object)
            CuiSourceSearchPathDlgAddObjectEntry(m_handle, "/o");
        if (c.sourceMapping)
            CuiSourceSearchPathDlgAddSMapping(m_handle, "/s", "/m");
        if (c.objectMapping)
            CuiSourceSearchPathDlgAddOMapping(m_handle, "/o", "/m");
        CuiSourceSearchPathDlgShowFirstActive(m_handle);
        int shown = -1;
        run([&] { shown = dialog()->tabWidget->currentIndex(); });
        EXPECT_EQ(shown, c.page) << "case for page " << c.page;
    }
}

TEST_F(SearchPaths, HostEndingTheDialogWhileAMappingIsAskedLeavesNothingBehind)
{
    onMapping = [this](MappingEntryDlg *d) {
        testhost::typeText(d->originalLE, QStringLiteral("/late"));
        CuiDeleteObject(reinterpret_cast<void *>(m_handle));
    };
    EXPECT_EQ(run([this] { dialog()->smmodifyPB->click(); }), 0);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(CuiSourceSearchPathDlgGetSMapNum(m_handle), 0);
    m_handle = 0;
}

TEST(MappingEntry, BrowseReplacesOnlyItsOwnFieldAndTypedTextStaysAsTyped)
{
    testhost::startLibrary();
    MappingEntryDlg dialog(nullptr, QString(), QStringLiteral("/mapped"));
    EXPECT_TRUE(dialog.original().isEmpty());
    testhost::typeText(dialog.originalLE, QStringLiteral("/partly/typ"));
    EXPECT_EQ(dialog.original(), QStringLiteral("/partly/typ"));

    QTemporaryDir chosen;
    bool cancel = true;
    ModalAnswers answers;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *chooser = qobject_cast<QFileDialog *>(request.widget.data());
        ASSERT_NE(chooser, nullptr);
        if (cancel)
            return chooser->reject();
        chooser->setDirectory(chosen.path());
        QMetaObject::invokeMethod(chooser, "accept");
    });
    dialog.origBrowsePB->click();
    EXPECT_EQ(dialog.original(), QStringLiteral("/partly/typ"));
    cancel = false;
    dialog.origBrowsePB->click();
    EXPECT_EQ(dialog.original(), chosen.path());
    EXPECT_EQ(dialog.mapped(), QStringLiteral("/mapped"));
}

} // namespace
