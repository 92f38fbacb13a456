// CuiSimpleList as the host calls it, and the list selection dialog the breakpoint dialog uses:
// entry markers in both modes, the positions written back within their bound, the empty list,
// the description shown as written, and help.
#include "../frame/services/scopedenv.h"
#include "dialoghelprecorder.h"
#include "modalanswers.h"
#include "testhost.h"

#include "dialogs/listselectiondlg.h"
#include "frame/core/cuidebuginfo.h"

#include <tesk/tesk_dialogs.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <array>

namespace {

using testhost::ModalAnswers;

class ListSelection : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    // Looks at the dialog while it waits, then lets the queued steps answer it.
    void inspect(std::function<void(ListSelectionDlg *)> look)
    {
        m_answers.setHandler([look](const ModalAnswers::Request &request) {
            auto *dialog = qobject_cast<ListSelectionDlg *>(request.widget.data());
            ASSERT_TRUE(dialog);
            look(dialog);
        });
    }

    static QStringList texts(const ListSelectionDlg *dialog)
    {
        QStringList result;
        for (int i = 0; i < dialog->itemsLV->topLevelItemCount(); ++i)
            result << dialog->itemsLV->topLevelItem(i)->text(0);
        return result;
    }

    ModalAnswers m_answers;
    std::array<int32_t, 4> m_positions{{-7, -7, -7, -7}};
    int32_t m_count = -7;
};

TEST_F(ListSelection, MarkersSelectInOneModeAndTickInTheOther)
{
    QStringList seen;
    inspect([&](ListSelectionDlg *d) {
        seen = texts(d);
        d->okPB->click();
    });
    EXPECT_EQ(
        CuiSimpleList(0, "Pick", "One", "a\n=b\n-c\n!d\n", m_positions.data(), 4, &m_count, 0, 0),
        1);
    EXPECT_EQ(seen, QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(m_positions[0], 1);
    EXPECT_EQ(m_positions[1], -7);
    EXPECT_EQ(m_count, 1);

    inspect([&](ListSelectionDlg *d) {
        seen = texts(d);
        EXPECT_EQ(d->itemsLV->topLevelItem(1)->checkState(0), Qt::Unchecked);
        d->okPB->click();
    });
    EXPECT_EQ(CuiSimpleList(0, "Tick", "Many", "=x\nz\n=y", m_positions.data(), 4, &m_count, 1, 0),
              1);
    EXPECT_EQ(seen, QStringList({"x", "z", "y"}));
    EXPECT_EQ(m_positions[0], 0);
    EXPECT_EQ(m_positions[1], 2);
    EXPECT_EQ(m_positions[2], -7);
    EXPECT_EQ(m_count, 2);
}

TEST_F(ListSelection, TickedByKeyboardAndCutToTheBound)
{
    // The user moves down to the third entry and ticks it with Space.
    inspect([](ListSelectionDlg *d) {
        d->itemsLV->setFocus();
        d->setCurrentIndex(0);
        QTest::keyClick(d->itemsLV, Qt::Key_Down);
        QTest::keyClick(d->itemsLV, Qt::Key_Down);
        QTest::keyClick(d->itemsLV, Qt::Key_Space);
        d->okPB->click();
    });
    EXPECT_EQ(CuiSimpleList(0, nullptr, "", "=p\n=q\nr", m_positions.data(), 2, &m_count, 1, 0), 1);
    EXPECT_EQ(m_positions[0], 0);
    EXPECT_EQ(m_positions[1], 1);
    EXPECT_EQ(m_positions[2], -7) << "written past the bound";
    EXPECT_EQ(m_count, 2);

    // No room at all for a check list: nothing written, and the count says so.
    m_positions.fill(-7);
    m_answers.click(QStringLiteral("okPB"));
    EXPECT_EQ(CuiSimpleList(0, nullptr, "", "=p", m_positions.data(), 0, &m_count, 1, 0), 1);
    EXPECT_EQ(m_positions[0], -7);
    EXPECT_EQ(m_count, 0);
    // One pick ignores the bound: the user's choice is never lost.
    m_answers.click(QStringLiteral("okPB"));
    EXPECT_EQ(CuiSimpleList(0, nullptr, "", "o\n=p", m_positions.data(), 0, &m_count, 0, 0), 1);
    EXPECT_EQ(m_positions[0], 1);
    EXPECT_EQ(m_positions[1], -7);
    EXPECT_EQ(m_count, 1);
    // Several marked entries in one pick: the last one is selected.
    m_answers.click(QStringLiteral("okPB"));
    EXPECT_EQ(
        CuiSimpleList(0, nullptr, "", "=a\n=b\nc\n=d\ne", m_positions.data(), 4, &m_count, 0, 0),
        1);
    EXPECT_EQ(m_positions[0], 3);
    m_answers.click(QStringLiteral("okPB"));
    EXPECT_EQ(CuiSimpleList(0, nullptr, "", "=p", nullptr, 4, nullptr, 1, 0), 1);
}

TEST_F(ListSelection, LongHostTextsAreCut)
{
    QByteArray items;
    while (items.size() < 1024 * 1024)
        items += "an entry of the list\n";
    const QByteArray description(1024 * 1024, 'd');
    int count = 0;
    QString last;
    QString shown;
    inspect([&](ListSelectionDlg *d) {
        count = d->itemsLV->topLevelItemCount();
        last = d->itemsLV->topLevelItem(count - 1)->text(0);
        shown = d->textLBL->text();
        d->okPB->click();
    });
    EXPECT_EQ(CuiSimpleList(0, "c", description.constData(), items.constData(), m_positions.data(),
                            4, &m_count, 0, 0),
              1);
    EXPECT_LE(count, 64 * 1024 / 21 + 1);
    EXPECT_GT(count, 1000);
    EXPECT_EQ(last, QStringLiteral("an entry of the list")) << "no entry split by the cut";
    EXPECT_LE(shown.size(), 64 * 1024 + 32);
    EXPECT_TRUE(shown.contains(QStringLiteral("[...]")));
}

TEST_F(ListSelection, DoubleClickAccepts)
{
    inspect([](ListSelectionDlg *d) {
        QTreeWidgetItem *item = d->itemsLV->topLevelItem(2);
        const QPoint at = d->itemsLV->visualItemRect(item).center();
        // The second press of a double click comes as the double click itself.
        QTest::mouseClick(d->itemsLV->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(d->itemsLV->viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(CuiSimpleList(0, "c", "d", "a\nb\nc", m_positions.data(), 4, &m_count, 0, 0), 1);
    EXPECT_EQ(m_positions[0], 2);
}

TEST_F(ListSelection, EmptyListOffersNothingToAccept)
{
    for (int multiple : {0, 1}) {
        bool okEnabled = true;
        bool itemEnabled = true;
        bool checkable = false;
        QString text;
        inspect([&](ListSelectionDlg *d) {
            ASSERT_EQ(d->itemsLV->topLevelItemCount(), 1);
            const QTreeWidgetItem *item = d->itemsLV->topLevelItem(0);
            text = item->text(0);
            itemEnabled = item->flags() & Qt::ItemIsEnabled;
            checkable = item->data(0, Qt::CheckStateRole).isValid();
            okEnabled = d->okPB->isEnabled();
            d->CancelPB->click();
        });
        EXPECT_EQ(
            CuiSimpleList(0, "c", "d", "\n\n\n", m_positions.data(), 4, &m_count, multiple, 0), 0);
        EXPECT_EQ(text, QStringLiteral("<Empty>"));
        EXPECT_FALSE(itemEnabled);
        EXPECT_FALSE(okEnabled);
        EXPECT_EQ(checkable, multiple == 1);
        EXPECT_EQ(m_positions[0], -7);
        EXPECT_EQ(m_count, -7);
    }
}

TEST_F(ListSelection, DescriptionIsShownAsWrittenUnderTheCaption)
{
    QString label;
    QString caption;
    inspect([&](ListSelectionDlg *d) {
        label = d->textLBL->text();
        caption = d->windowTitle();
        d->reject();
    });
    CuiSimpleList(0, nullptr, "<b>caf\xe9</b> & 'x'", "a", m_positions.data(), 4, &m_count, 0, 0);
    EXPECT_EQ(label, QString::fromUtf8("<qt>&lt;b&gt;café&lt;/b&gt; &amp; &apos;x&apos;</qt>"));
    EXPECT_EQ(caption, QStringLiteral("Kestrova Debugger"));

    // Without a description the dialog says what to do, for one pick or for a check list.
    for (const int multiple : {0, 1}) {
        CuiSimpleList(0, "c", nullptr, "a", m_positions.data(), 4, &m_count, multiple, 0);
        EXPECT_EQ(label, multiple ? QStringLiteral("Select Items from List:")
                                  : QStringLiteral("Select an Item from List:"));
    }
}

TEST_F(ListSelection, HelpOnlyWithAnId)
{
    DialogHelpRecorder help;
    bool helpVisible = true;
    inspect([&](ListSelectionDlg *d) {
        helpVisible = d->helpPB->isVisible();
        QTest::keyClick(d, Qt::Key_F1);
        d->reject();
    });
    CuiSimpleList(0, "c", "d", "a", m_positions.data(), 4, &m_count, 0, 0);
    EXPECT_FALSE(helpVisible);
    EXPECT_TRUE(help.calls().empty());

    inspect([&](ListSelectionDlg *d) {
        helpVisible = d->helpPB->isVisible();
        QTest::keyClick(d, Qt::Key_F1);
        d->helpPB->click();
        d->reject();
    });
    CuiSimpleList(0, "c", "d", "a", m_positions.data(), 4, &m_count, 0, 815);
    EXPECT_TRUE(helpVisible);
    const std::vector<std::pair<int, int>> expected = {{815, 10}, {815, 10}};
    EXPECT_EQ(help.calls(), expected);
}

TEST_F(ListSelection, SuppressedPromptsWriteNothing)
{
    ScopedEnv suppress("KSODEBUG_SUPPRESS_PROMPTS", "1");
    CuiDebugInfo::reset();
    EXPECT_EQ(CuiSimpleList(0, "c", "d", "=a", m_positions.data(), 4, &m_count, 0, 0), 0);
    EXPECT_TRUE(m_answers.seen().empty());
    EXPECT_EQ(m_positions[0], -7);
    EXPECT_EQ(m_count, -7);
    CuiDebugInfo::reset();
}

TEST_F(ListSelection, ClassAppendsAndSelectsByPosition)
{
    ListSelectionDlg dialog;
    dialog.setItems({"one", "two", "three"});
    dialog.setItems({"four", "=five"});
    dialog.addItem(QStringLiteral("six"));
    EXPECT_EQ(texts(&dialog), QStringList({"one", "two", "three", "four", "five", "six"}));
    EXPECT_EQ(dialog.currentIndex(), 4) << "the '=' entry of the second call";

    dialog.setCurrentIndex(2);
    EXPECT_EQ(dialog.currentIndex(), 2);
    EXPECT_EQ(dialog.currentText(), QStringLiteral("three"));
    dialog.setCurrentIndex(7);
    dialog.setCurrentIndex(-1);
    EXPECT_EQ(dialog.currentIndex(), 2);

    ListSelectionDlg checks;
    checks.setMultiSelection(true);
    checks.addItem(QStringLiteral("ignored"));
    checks.setItems({"a", "=b"});
    QList<int> ticked = {9};
    EXPECT_TRUE(checks.checkedPositions(ticked));
    EXPECT_EQ(ticked, QList<int>({9, 1})) << "appended to what the list held";
    EXPECT_EQ(checks.currentIndex(), -1);
    EXPECT_EQ(checks.currentText(), QString());
}

} // namespace
