// The synchronisation window as the host drives it through "Gcds_Dialog.component.1", over the
// simulated cores: open, show and close, the tables with the host's data, commits of clicks and
// of the pending mode, host events, translations and Help.
#include "synchost.h"
#include "testhost.h"

#include "sync/cgcds_dialog.h"
#include "sync/kwsyncctrl.h"
#include "sync/syncdlg.h"
#include "sync/synctables.h"

#include "helpwatch.h"

#include <tesk/tesk_help.h>

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Operation = SimulatedCores::Operation;

std::vector<std::pair<int, int>> g_helpCalls;

int recordHelp(int32_t contextId, int32_t mapId)
{
    g_helpCalls.emplace_back(contextId, mapId);
    return 1;
}

class SyncWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cores = &synctest::freshCores();
        dialog = synctest::component<IGcds_Dialog>(GCDS_DIALOG_COMPONENT);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override
    {
        dialog->ops->close(dialog);
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialog->ops->Release(dialog);
        cores->reset();
    }

    SyncDlg *window() const { return CGcds_Dialog::Face::outerOf(dialog)->window(); }
    template<typename T>
    T *child(const char *name) const
    {
        return window() ? window()->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    bool openAndShow()
    {
        const bool opened = dialog->ops->open(dialog, 0) != 0;
        dialog->ops->show(dialog, 1);
        return opened;
    }
    static QPoint centre(UTable *table, int row, int col)
    {
        return table->contentsToViewport2(table->cellGeometry(row, col).center());
    }

    SimulatedCores *cores = nullptr;
    IGcds_Dialog *dialog = nullptr;
};

TEST_F(SyncWindow, OpenShowAndCloseAsTheHostAsks)
{
    // Show before open: nothing.
    EXPECT_EQ(dialog->ops->show(dialog, 1), 1);
    EXPECT_EQ(window(), nullptr);

    ASSERT_EQ(dialog->ops->open(dialog, 0), 1);
    SyncDlg *first = window();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible()) << "open does not show";
    EXPECT_EQ(first->objectName(), QStringLiteral("SynchronizationWindow"));
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Synchronization Control"));
    EXPECT_EQ(first->windowIcon().availableSizes().value(0), QSize(16, 16));
    EXPECT_EQ(dialog->ops->open(dialog, 0), 1);
    EXPECT_EQ(window(), first) << "a second open makes nothing";
    dialog->ops->show(dialog, 1);
    EXPECT_TRUE(first->isVisible());
    dialog->ops->show(dialog, 0);
    EXPECT_FALSE(first->isVisible());

    // Close: the window goes, and show does nothing until the next open.
    dialog->ops->show(dialog, 1);
    QPointer<SyncDlg> closed = first;
    QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("buttonClose")),
                      Qt::LeftButton);
    EXPECT_EQ(window(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    dialog->ops->show(dialog, 1);
    EXPECT_EQ(window(), nullptr);

    // A refused read: no window.
    cores->setRefusing(Operation::Read, true);
    EXPECT_EQ(dialog->ops->open(dialog, 0), 0);
    EXPECT_EQ(window(), nullptr);
}

TEST_F(SyncWindow, BaseInterfaceVersionsAndADestroyedWindowIsForgotten)
{
    void *out = dialog;
    EXPECT_EQ(synctest::codeOf(dialog->ops->QueryInterface(dialog, &out, MOSK_IID_BASE, 2)),
              MOSK_ERR_VERSION);
    EXPECT_EQ(out, nullptr);
    ASSERT_EQ(dialog->ops->QueryInterface(dialog, &out, MOSK_IID_BASE, 1), nullptr);
    EXPECT_EQ(out, dialog);

    ASSERT_TRUE(openAndShow());
    delete window(); // as the application's end does
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(openAndShow());
    EXPECT_NE(window(), nullptr);

    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/syncentry_child"),
                {QStringLiteral("early-open")});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
}

TEST_F(SyncWindow, PagesShowTheHostsDataOnFirstShow)
{
    ASSERT_TRUE(openAndShow());
    auto *tabs = child<KWSyncCtrl>("KWSyncCtrl");
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("&Actions"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("&Execution"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("&Cross Triggering"));

    auto *actionCores = child<SyncTableCores>("tableActionsCores");
    auto *execution = child<SyncTableCores>("tableExecutionCores");
    auto *triggers = child<SyncTrigTable>("SyncTrigTable");
    ASSERT_TRUE(actionCores && execution && triggers);
    ASSERT_EQ(actionCores->numRows(), 3);
    EXPECT_EQ(actionCores->text(2, 0), QStringLiteral("core C [stopped]"));
    // Core C couples no action but runs loosely coupled.
    EXPECT_TRUE(dynamic_cast<SyncTableCheckItem *>(actionCores->item(0, 1))->isChecked());
    EXPECT_FALSE(dynamic_cast<SyncTableCheckItem *>(actionCores->item(2, 1))->isChecked());
    EXPECT_TRUE(dynamic_cast<SyncTableCheckItem *>(execution->item(2, 1))->isChecked());
    EXPECT_EQ(triggers->numRows(), 3);
    // Core C has no hardware trigger in.
    EXPECT_FALSE(dynamic_cast<SyncTableCheckItem *>(triggers->item(2, 3))->isChangeable());
    EXPECT_TRUE(child<SyncActionsTableSmall>("SyncActionsTableSmall")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>("radioButtonCurrentCore")->isChecked());

    // Not shown yet, a page asks for what it will ask for once shown: the window keeps its
    // width as the user turns the pages.
    const QSize hidden = triggers->sizeHint();
    const QSize first = window()->size();
    tabs->setCurrentIndex(2);
    testhost::settle();
    EXPECT_EQ(triggers->sizeHint(), hidden);
    EXPECT_EQ(window()->size(), first);
}

TEST_F(SyncWindow, AClickIsCommittedAndTheHostsAnswerShown)
{
    ASSERT_TRUE(openAndShow());
    auto *cores = child<SyncTableCores>("tableActionsCores");
    ASSERT_NE(cores, nullptr);
    this->cores->clearLog();
    // Core C takes part in action coupling after one click.
    QTest::mouseClick(cores->viewport(), Qt::LeftButton, {}, centre(cores, 2, 1));
    EXPECT_EQ(this->cores->count(Operation::ApplyAction), 1);
    EXPECT_EQ(this->cores->count(Operation::Read), 1) << "re-read after the commit";
    EXPECT_NE(this->cores->core(5)->actions, 0u);
    EXPECT_TRUE(dynamic_cast<SyncTableCheckItem *>(cores->item(2, 1))->isChecked());

    // The host drops core C before the user clicks its row: the refill started by the click
    // removes the row whose cell sent the change.
    auto *triggers = child<SyncTrigTable>("SyncTrigTable");
    this->cores->cores().pop_back();
    QTest::mouseClick(triggers->viewport(), Qt::LeftButton, {}, centre(triggers, 2, 1));
    EXPECT_EQ(triggers->numRows(), 2);
    EXPECT_EQ(cores->numRows(), 2);
}

TEST_F(SyncWindow, PendingModeRadiosCommitAndFollowTheHost)
{
    ASSERT_TRUE(openAndShow());
    auto *current = child<QRadioButton>("radioButtonCurrentCore");
    auto *any = child<QRadioButton>("radioButtonAnyCore");
    ASSERT_TRUE(current && any);
    EXPECT_EQ(current->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(any->focusPolicy(), Qt::ClickFocus);
    QTest::mouseClick(any, Qt::LeftButton);
    EXPECT_EQ(cores->pendingMode(), 1u);
    QTest::mouseClick(current, Qt::LeftButton);
    EXPECT_EQ(cores->pendingMode(), 0u);
    EXPECT_EQ(cores->count(Operation::ApplyPendingMode), 2);

    cores->setPendingMode(1);
    cores->fire(SimulatedCores::kCouplingEvent);
    EXPECT_TRUE(any->isChecked());

    // A refused commit: the radios show the host's mode again.
    cores->setRefusing(Operation::ApplyPendingMode, true);
    QTest::mouseClick(current, Qt::LeftButton);
    EXPECT_EQ(cores->pendingMode(), 1u);
    EXPECT_TRUE(any->isChecked());
}

TEST_F(SyncWindow, UncoupledSmallTablesAreDisabledAndHostEventsRefill)
{
    for (SimulatedCores::Core &core : cores->cores())
        core.executions = 0;
    ASSERT_TRUE(openAndShow());
    auto *execution = child<SyncExecTableSmall>("SyncExecTableSmall");
    ASSERT_NE(execution, nullptr);
    EXPECT_FALSE(execution->isEnabled());
    cores->cores()[0].executions = 256;
    cores->fire(SimulatedCores::kCouplingEvent);
    EXPECT_TRUE(execution->isEnabled());
    EXPECT_TRUE(dynamic_cast<SyncTableCheckItem *>(execution->item(1, 1))->isChecked());
}

TEST_F(SyncWindow, LanguageChangeAndHelp)
{
    ASSERT_TRUE(openAndShow());
    // The German catalogue the build stages.
    QTranslator translator;
    ASSERT_TRUE(translator.load(qEnvironmentVariable("KSODEBUG_INSTALL") +
                                QStringLiteral("/etc/tesk_de.qm")));
    QCoreApplication::installTranslator(&translator);
    auto *tabs = child<KWSyncCtrl>("KWSyncCtrl");
    tabs->languageChange();
    EXPECT_EQ(child<QGroupBox>("groupButtonPendingMode")->title(),
              QString::fromUtf8("Modus für wartende Befehle"));
    EXPECT_EQ(child<QRadioButton>("radioButtonAnyCore")->text(),
              QString::fromUtf8("Ein beliebiger synchronisierter Kern läuft"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("&Actions")) << "fixed at set-up";
    QCoreApplication::removeTranslator(&translator);

    g_helpCalls.clear();
    testhost::setHelpFunction(&recordHelp);
    QTest::mouseClick(window()->findChild<QPushButton *>(QStringLiteral("buttonHelp")),
                      Qt::LeftButton);
    testhost::setHelpFunction(&QtHelp);
    const std::vector<std::pair<int, int>> expected = {{783, 10}};
    EXPECT_EQ(g_helpCalls, expected);
}

} // namespace

namespace {

TEST_F(SyncWindow, ManyCoresFitTheScreenAndScrollToTheLastCore)
{
    for (uint32_t id = 10; id < 71; ++id) {
        SimulatedCores::Core core;
        core.id = id;
        core.name = "core " + std::to_string(id);
        core.flags = cores->cores().front().flags;
        cores->cores().push_back(core);
    }
    ASSERT_EQ(cores->cores().size(), 64u);
    ASSERT_TRUE(openAndShow());
    QCoreApplication::processEvents();
    const QRect screen = window()->screen()->availableGeometry();
    EXPECT_LE(window()->height(), screen.height());
    EXPECT_LE(window()->width(), screen.width());
    auto *close = child<QPushButton>("buttonClose");
    auto *help = child<QPushButton>("buttonHelp");
    for (QPushButton *button : {close, help}) {
        const QRect shown(button->mapTo(window(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(window()->rect().contains(shown)) << button->objectName().toStdString();
    }

    auto *tabs = child<KWSyncCtrl>("KWSyncCtrl");
    auto *triggers = child<SyncTrigTable>("SyncTrigTable");
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QCoreApplication::processEvents();
        EXPECT_LE(window()->height(), screen.height()) << page;
    }
    ASSERT_EQ(triggers->numRows(), 64);
    EXPECT_TRUE(triggers->verticalScrollBar()->isVisible());
    // Every core's cells can be reached and clicked.
    triggers->ensureCellVisible(63, 1);
    const QPoint last = centre(triggers, 63, 1);
    ASSERT_TRUE(triggers->viewport()->rect().contains(last));
    this->cores->clearLog();
    QTest::mouseClick(triggers->viewport(), Qt::LeftButton, {}, last);
    EXPECT_EQ(this->cores->count(Operation::ApplyTrigger), 1);
    // The columns stay whole beside the scroll bar.
    EXPECT_FALSE(triggers->horizontalScrollBar()->isVisible());
    EXPECT_GE(triggers->viewport()->width(), triggers->tableSize().width());
}

TEST_F(SyncWindow, ADragAlongOneCoresRowTogglesNothing)
{
    ASSERT_TRUE(openAndShow());
    auto *tabs = child<KWSyncCtrl>("KWSyncCtrl");
    auto *triggers = child<SyncTrigTable>("SyncTrigTable");
    tabs->setCurrentWidget(tabs->widget(2));
    QCoreApplication::processEvents();
    const bool in = dynamic_cast<SyncTableCheckItem *>(triggers->item(1, 1))->isChecked();
    const bool out = dynamic_cast<SyncTableCheckItem *>(triggers->item(1, 2))->isChecked();
    cores->clearLog();
    QTest::mousePress(triggers->viewport(), Qt::LeftButton, {}, centre(triggers, 1, 1));
    QTest::mouseMove(triggers->viewport(), centre(triggers, 1, 2));
    QTest::mouseRelease(triggers->viewport(), Qt::LeftButton, {}, centre(triggers, 1, 2));
    EXPECT_EQ(cores->count(Operation::ApplyTrigger), 0);
    EXPECT_EQ(dynamic_cast<SyncTableCheckItem *>(triggers->item(1, 1))->isChecked(), in);
    EXPECT_EQ(dynamic_cast<SyncTableCheckItem *>(triggers->item(1, 2))->isChecked(), out);
}

TEST_F(SyncWindow, PendingModeRadiosTakeAClickOnTheirLabel)
{
    ASSERT_TRUE(openAndShow());
    auto *tabs = child<KWSyncCtrl>("KWSyncCtrl");
    tabs->setCurrentIndex(1);
    QCoreApplication::processEvents();
    auto *current = child<QRadioButton>("radioButtonCurrentCore");
    auto *any = child<QRadioButton>("radioButtonAnyCore");
    ASSERT_TRUE(current && any);
    ASSERT_TRUE(any->isVisible());
    const auto onLabel = [](QRadioButton *radio) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        const QRect contents =
            radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
        // The middle of the words, wherever the row ends.
        return QPoint(contents.left() + radio->fontMetrics().horizontalAdvance(radio->text()) / 2,
                      contents.center().y());
    };
    QTest::mouseClick(any, Qt::LeftButton, {}, onLabel(any));
    EXPECT_TRUE(any->isChecked());
    EXPECT_EQ(cores->pendingMode(), 1u);
    QTest::mouseClick(current, Qt::LeftButton, {}, onLabel(current));
    EXPECT_TRUE(current->isChecked());
    EXPECT_EQ(cores->pendingMode(), 0u);
    EXPECT_EQ(cores->count(Operation::ApplyPendingMode), 2);
}

} // namespace
