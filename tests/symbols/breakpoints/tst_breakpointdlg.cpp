// The breakpoint dialog as the host drives it: created and fed through the exports, filled
// from the proxy the host describes, and edited by simulated input.
#include "breakpointdlgfixture.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"
#include "symbols/breakpoints/breakpointdlg.h"
#include "symbols/breakpoints/breakpointhandles.h"
#include "symbols/breakpoints/breakpointproxy.h"

#include <tesk/tesk_dialogs.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace bpdlgtest;

namespace {

TEST_F(BreakpointDlgTest, ModeSetsTheCaptionOnlyForItsThreeModes)
{
    const struct
    {
        uint32_t mode;
        const char *caption;
    } cases[] = {{1, "Edit Breakpoint"},
                 {2, "Copy Breakpoint"},
                 {0, "Create Breakpoint"},
                 {7, "Create Breakpoint"}};
    for (const auto &c : cases) {
        CuiBreakpointDlgSetMode(handle, c.mode);
        EXPECT_EQ(dialog()->windowTitle().toStdString(), c.caption) << c.mode;
    }
}

TEST_F(BreakpointDlgTest, InitialLocationLosesItsIAMarkInFieldAndProxy)
{
    fill = [](TeskHandle p) { CuiBreakpointProxySetLocation(p, "elsewhere"); };
    CuiBreakpointDlgSetInitialLocation(handle, "(I A) main");
    BreakpointDlg &dlg = shown();
    EXPECT_EQ(dlg.locationCOB->currentText(), QStringLiteral("main"));
    EXPECT_EQ(theProxy().location(), QStringLiteral("main"));
}

TEST_F(BreakpointDlgTest, UnnamedTypesAndClassesShiftNoRow)
{
    fill = [](TeskHandle p) {
        for (uint32_t type : {0u, 9u, 3u})
            CuiBreakpointProxyAddBreakpointType(p, type);
        CuiBreakpointProxySetBreakpointType(p, 3);
        for (uint32_t value : {0u, 8u, 2u})
            CuiBreakpointProxyAddClass(p, value);
        CuiBreakpointProxySetClassPos(p, 2);
    };
    BreakpointDlg &dlg = shown();
    EXPECT_EQ(rowsOf(dlg.breakpointTypeLB), QStringList({QStringLiteral("Software Instruction"),
                                                         QStringLiteral("Hardware Write")}));
    EXPECT_EQ(dlg.breakpointTypeLB->currentRow(), 1);
    EXPECT_EQ(itemsOf(dlg.classCOB), QStringList({QStringLiteral("Standard Breakpoint"),
                                                  QStringLiteral("System Breakpoint")}));
    EXPECT_EQ(dlg.classCOB->currentText(), QStringLiteral("System Breakpoint"));

    dlg.breakpointTypeLB->setCurrentRow(0);
    EXPECT_EQ(theProxy().breakpointType(), 0u);
    dlg.breakpointTypeLB->setCurrentRow(1);
    EXPECT_EQ(theProxy().breakpointType(), 3u);
    // The host hears the position among the types offered, the unnamed one counted.
    const auto calls = BreakpointHost::instance().callsOf("proxy");
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().code, CUI_BREAKPOINT_PROXY_TYPE_CHANGED);
    EXPECT_EQ(calls.back().text, "2");
}

TEST_F(BreakpointDlgTest, EnablesFollowTheTypeAndWhatTheProxyAllows)
{
    fill = [](TeskHandle p) {
        CuiBreakpointProxyAddBreakpointType(p, 0);
        CuiBreakpointProxyAddBreakpointType(p, 2);
        CuiBreakpointProxyAllowClasses(p, 1);
        CuiBreakpointProxyAllowLocation(p, 1);
        CuiBreakpointProxyAllowData(p, 0);
        CuiBreakpointProxySetForcedSize(p, 1, 8);
    };
    BreakpointDlg &dlg = shown();
    EXPECT_TRUE(dlg.locationCOB->isEnabled());
    EXPECT_FALSE(dlg.valueCOB->isEnabled());
    EXPECT_FALSE(dlg.valueBuilderPB->isEnabled());
    EXPECT_TRUE(dlg.classCOB->isEnabled());
    EXPECT_TRUE(dlg.forcedCB->isChecked());
    EXPECT_TRUE(dlg.forcedSizeEF->isEnabled());
    EXPECT_EQ(dlg.forcedSizeEF->text(), QStringLiteral("8"));
    EXPECT_FALSE(dlg.hardwareSupportGB->isEnabled());

    dlg.breakpointTypeLB->setCurrentRow(1);
    EXPECT_FALSE(dlg.classCOB->isEnabled());
    EXPECT_FALSE(dlg.forcedCB->isEnabled());
    EXPECT_FALSE(dlg.forcedSizeEF->isEnabled());
    EXPECT_TRUE(dlg.hardwareSupportGB->isEnabled());

    dlg.breakpointTypeLB->setCurrentRow(0);
    QTest::mouseClick(dlg.forcedCB, Qt::LeftButton, {}, QPoint(4, dlg.forcedCB->height() / 2));
    EXPECT_FALSE(dlg.forcedSizeEF->isEnabled());
}

class HardwareRowsTest : public BreakpointDlgTest
{
protected:
    void SetUp() override
    {
        BreakpointDlgTest::SetUp();
        fill = [](TeskHandle p) {
            CuiBreakpointProxyAddBreakpointType(p, 2);
            CuiBreakpointProxySetBreakpointType(p, 2);
            CuiBreakpointProxyAddHardwareSupportPassCount(p, passCount);
            TeskHandle in = CuiHardwareTriggerCreate("TrigIn", "the <b>input</b>", 0);
            for (const char *label : {"off", "rise", "=fall"})
                CuiHardwareTriggerAppendValue(in, label, label);
            CuiHardwareTriggerSetSelection(in, -1);
            CuiBreakpointProxyAppendHardwareTrigger(p, in);
            TeskHandle out = CuiHardwareTriggerCreate("TrigIn", "output", 1);
            CuiHardwareTriggerAppendValue(out, "none", "0");
            CuiHardwareTriggerAppendValue(out, "pulse", "1");
            CuiHardwareTriggerSetSelection(out, 1);
            CuiBreakpointProxyAppendHardwareTrigger(p, out);
        };
    }
    static inline const char *passCount = "5";
};

TEST_F(HardwareRowsTest, RowsShowPassCountAndSelectedLabelsByIndex)
{
    BreakpointDlg &dlg = shown();
    // Two triggers of one name: each row still knows its own.
    EXPECT_EQ(rowsOf(dlg.hardwareSupportLB),
              QStringList({QStringLiteral("HardwarePassCount=5"), QStringLiteral("Match=TrigIn:"),
                           QStringLiteral("OnBrk=TrigIn:pulse")}));
    EXPECT_TRUE(dlg.hardwareSupportEditPB->isEnabled());

    dlg.hardwareSupportLB->setCurrentRow(2);
    QTest::mouseClick(dlg.hardwareSupportResetPB, Qt::LeftButton);
    EXPECT_EQ(dlg.hardwareSupportLB->item(2)->text(), QStringLiteral("OnBrk=TrigIn:none"));
    EXPECT_EQ(theProxy().trigger(1).selection(), 0);
    EXPECT_EQ(theProxy().trigger(0).selection(), -1);

    dlg.hardwareSupportLB->setCurrentRow(0);
    QTest::mouseClick(dlg.hardwareSupportResetPB, Qt::LeftButton);
    EXPECT_EQ(dlg.hardwareSupportLB->item(0)->text(), QStringLiteral("HardwarePassCount=Off"));
}

TEST_F(HardwareRowsTest, EditingAPassCountOfZeroTurnsItOff)
{
    BreakpointDlg &dlg = shown();
    ModalAnswers answers;
    answers.setHandler([](const ModalAnswers::Request &request) {
        auto *input = qobject_cast<QInputDialog *>(request.widget.data());
        ASSERT_TRUE(input);
        EXPECT_EQ(input->intValue(), 5);
        input->setIntValue(0);
        input->accept();
    });
    dlg.hardwareSupportLB->setCurrentRow(0);
    QTest::mouseClick(dlg.hardwareSupportEditPB, Qt::LeftButton);
    EXPECT_EQ(dlg.hardwareSupportLB->item(0)->text(), QStringLiteral("HardwarePassCount=Off"));
    EXPECT_FALSE(theProxy().hasHardwarePassCount() &&
                 theProxy().hardwarePassCount() != QStringLiteral("Off"));
}

TEST_F(HardwareRowsTest, APassCountThatIsNoNumberIsLeftAsItIs)
{
    passCount = "many";
    BreakpointDlg &dlg = shown();
    passCount = "5";
    ModalAnswers answers;
    answers.answerMessageBoxes(QMessageBox::Ok);
    dlg.hardwareSupportLB->setCurrentRow(0);
    QTest::mouseClick(dlg.hardwareSupportEditPB, Qt::LeftButton);
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].text,
              QStringLiteral("Cannot convert HardwarePassCount value to an integer"));
    EXPECT_EQ(dlg.hardwareSupportLB->item(0)->text(), QStringLiteral("HardwarePassCount=many"));
}

TEST_F(HardwareRowsTest, ATriggerTakesTheLabelAtTheChosenIndexMarksKept)
{
    BreakpointDlg &dlg = shown();
    ModalAnswers answers;
    QStringList offered;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *list = request.widget->findChild<QTreeWidget *>();
        ASSERT_TRUE(list);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            offered << list->topLevelItem(i)->text(0);
        list->setCurrentItem(list->topLevelItem(2));
        qobject_cast<QDialog *>(request.widget.data())->accept();
    });
    dlg.hardwareSupportLB->setCurrentRow(1);
    QTest::mouseClick(dlg.hardwareSupportEditPB, Qt::LeftButton);
    EXPECT_EQ(offered, QStringList({QStringLiteral("off"), QStringLiteral("rise"),
                                    QStringLiteral("=fall")}));
    EXPECT_EQ(dlg.hardwareSupportLB->item(1)->text(), QStringLiteral("Match=TrigIn:=fall"));
    EXPECT_EQ(theProxy().trigger(0).selection(), 2);
    EXPECT_EQ(theProxy().trigger(1).selection(), 1);
}

TEST_F(BreakpointDlgTest, MovingAndDeletingConditionsKeepTheButtonsTrue)
{
    fill = [](TeskHandle p) {
        for (const char *row : {"When={a}", "PassCount=2", "UserMacro={m()}"})
            CuiBreakpointProxyAddQualifier(p, row);
    };
    BreakpointDlg &dlg = shown();
    EXPECT_EQ(dlg.conditionsLB->currentRow(), 0);
    EXPECT_FALSE(dlg.conditionsMoveUpPB->isEnabled());
    dlg.conditionsMoveUpSlot();
    EXPECT_EQ(dlg.conditionsLB->item(0)->text(), QStringLiteral("When={a}"));

    QTest::mouseClick(dlg.conditionsMoveDownPB, Qt::LeftButton);
    EXPECT_EQ(rowsOf(dlg.conditionsLB),
              QStringList({QStringLiteral("PassCount=2"), QStringLiteral("When={a}"),
                           QStringLiteral("UserMacro={m()}")}));
    EXPECT_EQ(dlg.conditionsLB->currentRow(), 1);
    dlg.conditionsLB->setCurrentRow(2);
    EXPECT_FALSE(dlg.conditionsMoveDownPB->isEnabled());
    dlg.conditionsMoveDownSlot();
    EXPECT_EQ(dlg.conditionsLB->item(2)->text(), QStringLiteral("UserMacro={m()}"));

    QTest::mouseClick(dlg.conditionsDeletePB, Qt::LeftButton);
    EXPECT_EQ(dlg.conditionsLB->currentRow(), 1);
    QTest::mouseClick(dlg.conditionsDeletePB, Qt::LeftButton);
    EXPECT_EQ(rowsOf(dlg.conditionsLB), QStringList({QStringLiteral("PassCount=2")}));
    EXPECT_FALSE(dlg.conditionsMoveUpPB->isEnabled());
    EXPECT_FALSE(dlg.conditionsMoveDownPB->isEnabled());
    EXPECT_TRUE(dlg.conditionsEditPB->isEnabled());
    QTest::mouseClick(dlg.conditionsDeletePB, Qt::LeftButton);
    EXPECT_FALSE(dlg.conditionsDeletePB->isEnabled());
    EXPECT_FALSE(dlg.conditionsEditPB->isEnabled());
}

TEST_F(BreakpointDlgTest, HistoriesAreKeyedByContextAndUKNWithoutHandler)
{
    BreakpointHost &host = BreakpointHost::instance();
    host.histories = {{0, "a\n\nb"}, {1, "0x10"}};
    host.contextName = "core1";
    BreakpointDlg &dlg = shown();
    EXPECT_EQ(itemsOf(dlg.locationCOB),
              QStringList({QString(), QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(itemsOf(dlg.valueCOB), QStringList({QString(), QStringLiteral("0x10")}));
    auto gui = host.callsOf("gui");
    ASSERT_EQ(gui.size(), 2u);
    EXPECT_EQ(gui[0].text, "core1");

    host.calls.clear();
    TeskHandle second = CuiBreakpointDlgCreate(0);
    CuiBreakpointDlgSetVdata(second, kVdata);
    const TeskHandle secondProxy = CuiBreakpointProxyCreate(1);
    CuiBreakpointProxySetHandler(secondProxy, testhost::breakpointProxyHandler());
    CuiBreakpointDlgSetBreakpoint(second, secondProxy);
    qobject_cast<QWidget *>(tesk::handles::object(reinterpret_cast<const void *>(second)))
        ->ensurePolished();
    gui = host.callsOf("gui");
    ASSERT_EQ(gui.size(), 2u);
    EXPECT_EQ(gui[0].text, "UKN");
    CuiBreakpointDlgDestroy(second);
}

TEST_F(BreakpointDlgTest, ATypedTextThatBeginsAnOlderOneStaysAsTyped)
{
    BreakpointHost::instance().histories = {{0, "main_loop"}, {1, "0x20000000"}};
    BreakpointDlg &dlg = shown();
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    // To the boxes, as the keyboard sends them: each hands them to its field.
    for (QComboBox *combo : {dlg.locationCOB, dlg.valueCOB}) {
        combo->setEnabled(true);
        combo->clearEditText();
    }
    dlg.locationCOB->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(dlg.locationCOB, QStringLiteral("main"));
    dlg.valueCOB->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(dlg.valueCOB, QStringLiteral("0x2000"));
    EXPECT_EQ(dlg.locationCOB->currentText(), QStringLiteral("main"));
    EXPECT_EQ(dlg.valueCOB->currentText(), QStringLiteral("0x2000"));
}

TEST_F(BreakpointDlgTest, AChainedBreakpointClosesTheDialogSendingNothing)
{
    fill = [](TeskHandle p) { CuiBreakpointProxySetChained(p); };
    CuiBreakpointDlgSetBreakpoint(handle, proxy);
    ModalAnswers answers;
    EXPECT_EQ(CuiDialogExec(reinterpret_cast<void *>(handle)), 0);
    const auto boxes = boxesOf(answers);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("chained")));
    EXPECT_FALSE(dialog()) << "closing deletes the dialog";
    for (const char *entry : {"gui", "eeaccess"}) {
        for (const auto &call : BreakpointHost::instance().callsOf(entry))
            EXPECT_NE(call.code, 0) << entry << " was sent " << call.text;
    }
}

TEST_F(BreakpointDlgTest, WithoutProxyOrProxyHandlerTheDialogReportsAndCloses)
{
    CuiBreakpointProxySetHandler(proxy, nullptr);
    for (bool withProxy : {false, true}) {
        if (withProxy)
            CuiBreakpointDlgSetBreakpoint(handle, proxy);
        ModalAnswers answers;
        EXPECT_EQ(CuiDialogExec(reinterpret_cast<void *>(handle)), 0);
        const auto boxes = boxesOf(answers);
        ASSERT_EQ(boxes.size(), 1u) << withProxy;
        EXPECT_EQ(boxes[0].caption, QStringLiteral("Critical Error"));
        EXPECT_FALSE(dialog());
        CuiBreakpointDlgSetMode(handle, 1); // a dead handle is ignored
        handle = CuiBreakpointDlgCreate(0);
    }
}

TEST_F(BreakpointDlgTest, ALaterProxyReplacesTheFirstUntilTheDialogIsShown)
{
    const TeskHandle second = CuiBreakpointProxyCreate(4);
    CuiBreakpointProxySetHandler(second, testhost::breakpointProxyHandler());
    CuiBreakpointDlgSetBreakpoint(handle, proxy);
    CuiBreakpointDlgSetBreakpoint(handle, proxy); // the same one again: kept, not deleted
    ASSERT_TRUE(dialog()->breakpoint());
    EXPECT_EQ(dialog()->breakpoint()->creationWord(), 3u);
    CuiBreakpointDlgSetBreakpoint(handle, second);
    EXPECT_EQ(dialog()->breakpoint()->creationWord(), 4u);
    EXPECT_FALSE(tesk::breakpoints::liveProxy(proxy)) << "the first was deleted";

    dialog()->ensurePolished();
    const TeskHandle third = CuiBreakpointProxyCreate(5);
    CuiBreakpointDlgSetBreakpoint(handle, third);
    EXPECT_EQ(dialog()->breakpoint()->creationWord(), 4u);
    ASSERT_TRUE(tesk::breakpoints::liveProxy(third));
    CuiBreakpointProxyDestroy(third);
    EXPECT_FALSE(tesk::breakpoints::liveProxy(third)) << "the host still owned it";
}

} // namespace

namespace {

TEST_F(BreakpointDlgTest, OkThatFailsKeepsTheDialogAndFocusesTheFieldThenSends)
{
    fill = [](TeskHandle p) {
        CuiBreakpointProxyAddBreakpointType(p, 0);
        CuiBreakpointProxyAllowLocation(p, 1);
        CuiBreakpointProxyAllowClasses(p, 1);
        CuiBreakpointProxyAddClass(p, 0);
        CuiBreakpointProxyAddClass(p, 2);
        CuiBreakpointProxyAddQualifier(p, "When={x > 3}");
    };
    BreakpointHost &host = BreakpointHost::instance();
    host.capabilities[0] =
        testhost::capabilitiesOf(false, false, false, false, false, false, false, false);
    BreakpointDlg &dlg = shown();
    dlg.show();
    ModalAnswers answers;
    answers.answerMessageBoxes(QMessageBox::Ok);
    dlg.locationCOB->setEditText(QStringLiteral("   "));
    QTest::mouseClick(dlg.OKPB, Qt::LeftButton);
    auto boxes = boxesOf(answers);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("You must supply a Location: for the breakpoint."));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.focusWidget() == dlg.locationCOB ||
                dlg.focusWidget() == dlg.locationCOB->lineEdit());
    EXPECT_TRUE(host.callsOf("eeaccess").empty());

    dlg.locationCOB->setEditText(QStringLiteral("  main "));
    dlg.classCOB->setCurrentIndex(1);
    dlg.continueRB->setChecked(true);
    QTest::mouseClick(dlg.OKPB, Qt::LeftButton);
    EXPECT_EQ(boxesOf(answers).size(), 1u) << "no second box";
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    const auto eeaccess = host.callsOf("eeaccess");
    ASSERT_EQ(eeaccess.size(), 1u);
    EXPECT_EQ(eeaccess[0].text, "gui binstr,rtos:system,when:{x > 3},continue main");
    bool sentToGui = false;
    for (const auto &call : host.callsOf("gui"))
        sentToGui |= call.code == 0 && call.text == "binstr,rtos:system,when:{x > 3},continue main";
    EXPECT_TRUE(sentToGui);
}

TEST_F(BreakpointDlgTest, AMissingHostEntryAtOkIsOneCriticalError)
{
    fill = [](TeskHandle p) {
        CuiBreakpointProxyAddBreakpointType(p, 0);
        CuiBreakpointProxyAllowLocation(p, 1);
    };
    BreakpointDlg &dlg = shown();
    dlg.show();
    for (const char *entry : {"eeaccess", "gui"}) {
        testhost::publishBreakpointHost();
        CuiFunctionRegistryRemoveFunction(entry);
        ModalAnswers answers;
        answers.answerMessageBoxes(QMessageBox::Ok);
        dlg.locationCOB->setEditText(QStringLiteral("main"));
        QTest::mouseClick(dlg.OKPB, Qt::LeftButton);
        const auto boxes = boxesOf(answers);
        ASSERT_EQ(boxes.size(), 1u) << entry;
        EXPECT_EQ(boxes[0].caption, QStringLiteral("Critical Error")) << entry;
        EXPECT_TRUE(boxes[0].text.contains(QLatin1String(entry))) << entry;
        EXPECT_TRUE(dlg.isVisible()) << entry;
    }
    testhost::publishBreakpointHost();
}

// The dialog deletes itself as it closes; the host still hears which button ended it.
TEST_F(BreakpointDlgTest, DialogExecAnswersWhatTheUserChose)
{
    fill = [](TeskHandle p) {
        CuiBreakpointProxyAddBreakpointType(p, 0);
        CuiBreakpointProxyAllowLocation(p, 1);
    };
    for (const char *button : {"OKPB", "cancelPB"}) {
        CuiBreakpointDlgSetBreakpoint(handle, proxy);
        CuiBreakpointDlgSetInitialLocation(handle, "main");
        ModalAnswers answers;
        answers.click(QString::fromLatin1(button));
        const QPointer<BreakpointDlg> dlg(dialog());
        EXPECT_EQ(CuiDialogExec(reinterpret_cast<void *>(handle)),
                  button == std::string("OKPB") ? QDialog::Accepted : QDialog::Rejected)
            << button;
        EXPECT_TRUE(answers.allStepsTaken()) << button;
        EXPECT_TRUE(testhost::pumpUntil([&] { return dlg.isNull(); }, 2000)) << button;
        handle = CuiBreakpointDlgCreate(0);
        CuiBreakpointDlgSetFuncHandler(handle, testhost::breakpointDialogHandler());
        CuiBreakpointDlgSetVdata(handle, kVdata);
        proxy = CuiBreakpointProxyCreate(3);
        CuiBreakpointProxySetHandler(proxy, testhost::breakpointProxyHandler());
        CuiBreakpointProxySetVdata(proxy, kVdata);
    }
    EXPECT_EQ(BreakpointHost::instance().callsOf("eeaccess").size(), 1u) << "OK sent once";
}

TEST_F(BreakpointDlgTest, CancelSendsNothing)
{
    BreakpointDlg &dlg = shown();
    dlg.show();
    QTest::mouseClick(dlg.cancelPB, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    for (const char *entry : {"gui", "eeaccess"}) {
        for (const auto &call : BreakpointHost::instance().callsOf(entry))
            EXPECT_NE(call.code, 0) << entry;
    }
}

// Opened out by More..., the dialog grows past the foot of the free area and is moved up: it
// stays clear of the find and replace panel kept on top, as it was when it showed.
TEST_F(BreakpointDlgTest, OpenedOutTheDialogStaysClearOfTheFindPanel)
{
    QSDIFind *find = nullptr;
    QPointer<QWidget> panel = testhost::openFindPanel(&find);
    ASSERT_TRUE(panel);
    const QRect free = panel->screen()->availableGeometry();
    CuiBreakpointDlgSetBreakpoint(handle, proxy);
    ModalAnswers answers;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dlg = qobject_cast<BreakpointDlg *>(request.widget.data());
        ASSERT_TRUE(dlg);
        testhost::settle();
        // At the free area's foot, the panel right above it.
        dlg->move(free.left(), free.bottom() - dlg->frameGeometry().height() + 1);
        panel->move(free.left(), dlg->frameGeometry().top() - panel->frameGeometry().height());
        testhost::settle();
        ASSERT_FALSE(dlg->frameGeometry().intersects(panel->frameGeometry()));
        QTest::mouseClick(dlg->morePB, Qt::LeftButton);
        testhost::settle();
        EXPECT_TRUE(dlg->conditionsGB->isVisible() && free.contains(dlg->frameGeometry()));
        EXPECT_TRUE(!panel->isVisible() || !dlg->frameGeometry().intersects(panel->frameGeometry()))
            << "the panel covers the dialog opened out";
        dlg->reject();
    });
    CuiDialogExec(reinterpret_cast<void *>(handle));
    panel->close();
    testhost::settle();
    QtQSDIDeleteFindCallback(find);
}

} // namespace

namespace {

class BuilderMenuTest : public BreakpointDlgTest
{
protected:
    void SetUp() override
    {
        BreakpointDlgTest::SetUp();
        fill = [](TeskHandle p) {
            CuiBreakpointProxyAddBreakpointType(p, 0);
            CuiBreakpointProxyAddBreakpointType(p, 5);
            CuiBreakpointProxyAllowLocation(p, 1);
            CuiBreakpointProxyAllowData(p, 1);
        };
    }
    // The menu's item texts ("" for a separator); the menu is closed unchosen, or the item
    // of that text is chosen.
    QStringList menuOf(QPushButton *button, const QString &choose = QString())
    {
        QStringList items;
        ModalAnswers answers;
        answers.answerMessageBoxes(QMessageBox::Ok);
        answers.setHandler([&](const ModalAnswers::Request &request) {
            auto *menu = qobject_cast<QMenu *>(request.widget.data());
            ASSERT_TRUE(menu);
            QAction *chosen = nullptr;
            for (QAction *action : menu->actions()) {
                items << action->text();
                if (!choose.isEmpty() && action->text() == choose)
                    chosen = action;
            }
            menu->close();
            if (chosen)
                chosen->trigger();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        boxes = boxesOf(answers);
        return items;
    }
    std::vector<ModalAnswers::Seen> boxes;
};

TEST_F(BuilderMenuTest, MenusOfferWhatTheCapabilitiesAllow)
{
    BreakpointHost &host = BreakpointHost::instance();
    host.capabilities[5] =
        testhost::capabilitiesOf(true, false, true, false, true, true, false, true);
    BreakpointDlg &dlg = shown();
    EXPECT_EQ(menuOf(dlg.valueBuilderPB), QStringList({QStringLiteral("Symbol...")}))
        << "software type";
    dlg.breakpointTypeLB->setCurrentRow(1);
    EXPECT_EQ(menuOf(dlg.locationBuilderPB),
              QStringList({QStringLiteral("Symbol..."), QString(), QStringLiteral("Address Range"),
                           QStringLiteral("Address Range by Length"),
                           QStringLiteral("Autocomplete Range")}));
    EXPECT_EQ(menuOf(dlg.valueBuilderPB),
              QStringList({QStringLiteral("Symbol..."), QString(), QStringLiteral("Value Mask"),
                           QStringLiteral("NOT Value Compare")}));
    testhost::withdrawBreakpointHost();
    EXPECT_EQ(menuOf(dlg.locationBuilderPB), QStringList({QStringLiteral("Symbol...")}))
        << "no hardware_capabilities";
}

TEST_F(BuilderMenuTest, MenuItemsEditTheField)
{
    BreakpointHost &host = BreakpointHost::instance();
    host.capabilities[5] = testhost::capabilitiesOf(true, true, true, true, true, true, true, true);
    BreakpointDlg &dlg = shown();
    dlg.breakpointTypeLB->setCurrentRow(1);
    dlg.locationCOB->setEditText(QStringLiteral("main"));
    menuOf(dlg.locationBuilderPB, QStringLiteral("Address Mask"));
    EXPECT_EQ(dlg.locationCOB->currentText(), QStringLiteral("main $MASK$=0xFFFFFFFF"));
    dlg.valueCOB->setEditText(QString());
    menuOf(dlg.valueBuilderPB, QStringLiteral("Value Range"));
    EXPECT_EQ(dlg.valueCOB->currentText(), QStringLiteral("start..end"));
}

TEST_F(BuilderMenuTest, AutocompleteTakesTheHostsRangeOrShowsWhyNot)
{
    BreakpointHost &host = BreakpointHost::instance();
    host.capabilities[5] = testhost::capabilitiesOf(true, true, true, true, true, true, true, true);
    host.completion = "main..main+0x40";
    BreakpointDlg &dlg = shown();
    dlg.breakpointTypeLB->setCurrentRow(1);
    dlg.locationCOB->setEditText(QStringLiteral("  main "));
    menuOf(dlg.locationBuilderPB, QStringLiteral("Autocomplete Range"));
    EXPECT_EQ(dlg.locationCOB->currentText(), QStringLiteral("main..main+0x40"));
    ASSERT_EQ(host.callsOf("eeaccess").size(), 1u);
    EXPECT_EQ(host.callsOf("eeaccess")[0].text, "main");

    host.eeaccessResult = 2;
    host.completionMessage = "no <such> symbol";
    dlg.locationCOB->setEditText(QStringLiteral("nosuch"));
    menuOf(dlg.locationBuilderPB, QStringLiteral("Autocomplete Range"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("no &lt;such&gt; symbol"));
    EXPECT_EQ(dlg.locationCOB->currentText(), QStringLiteral("nosuch"));

    // Longer than the host's buffer: refused before the host sees it.
    host.calls.clear();
    dlg.locationCOB->setEditText(QString(1024, QLatin1Char('a')));
    menuOf(dlg.locationBuilderPB, QStringLiteral("Autocomplete Range"));
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(host.callsOf("eeaccess").empty());
}

} // namespace

namespace {

std::vector<uint32_t> helpRequests;

void recordHelp(uint32_t helpId)
{
    helpRequests.push_back(helpId);
}

TEST_F(BreakpointDlgTest, HelpButtonAndF1AskTheHostForTheDialogsHelpId)
{
    helpRequests.clear();
    CuiBreakpointDlgSetHelpId(handle, 42);
    CuiBreakpointDlgSetHelpCallback(handle, &recordHelp);
    BreakpointDlg &dlg = shown();
    dlg.show();
    QTest::mouseClick(dlg.helpPB, Qt::LeftButton);
    QTest::keyClick(&dlg, Qt::Key_F1);
    EXPECT_EQ(helpRequests, std::vector<uint32_t>({42, 42}));
    CuiBreakpointDlgSetHelpCallback(handle, nullptr);
    QTest::keyClick(&dlg, Qt::Key_F1);
    EXPECT_EQ(helpRequests.size(), 2u);
}

} // namespace
