// Register items: names and tooltips, value colours, the enumeration combo, the permission
// question and the in-place edit.
#include "regviewfixture.h"

#include "modalanswers.h"
#include "registers/regicon.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWheelEvent>
#include <QWindow>

TEST_F(RegViewTest, LongNamesAreShortenedAndTheTooltipIsCutIntoLines)
{
    const std::string name23(23, 'N');
    const std::string name24(24, 'M');
    const std::string name250(250, 'T');
    add(name23.c_str());
    add(name24.c_str());
    add(name250.c_str());
    add("@CP15_A.B");
    makeView();
    const QList<RegItem *> items = view->items();
    EXPECT_EQ(items[0]->nameText(), QString::fromStdString(name23));
    EXPECT_EQ(items[1]->nameText(), QString(20, 'M') + "...");
    const QStringList lines = items[2]->nameToolTip().split("<br>");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].size(), 101);
    EXPECT_EQ(lines[1].size(), 100);
    EXPECT_EQ(lines[2].size(), 49);
    EXPECT_EQ(items[3]->nameText(), QStringLiteral("CP15 A B"));
}

TEST_F(RegViewTest, TheNameTooltipShowsHostTextAsText)
{
    add("<b>R</b>");
    makeView();
    EXPECT_EQ(view->items()[0]->nameToolTip(), QStringLiteral("&lt;b&gt;R&lt;/b&gt;"));
}

TEST_F(RegViewTest, AChangedValueFadesUnlessTheHostKeepsTheHighlight)
{
    add("R0");
    makeView();
    RegItem *r0 = item("Core.R0");
    const QColor normal = settings.colour(0), changed = settings.colour(6),
                 before = settings.colour(7);
    // The first update only sets the value.
    update({"00000001"});
    EXPECT_EQ(r0->valueTextColour(), normal);
    const struct
    {
        const char *value;
        uint32_t highlight;
        QColor colour;
    } steps[] = {
        {"00000002", 0, changed}, {"00000002", 0, before},  {"00000002", 0, normal},
        {"00000003", 1, changed}, {"00000003", 1, changed}, {"00000003", 0, before},
    };
    for (const auto &step : steps) {
        update({step.value}, step.highlight);
        EXPECT_EQ(r0->valueTextColour(), step.colour) << step.value << " " << step.highlight;
    }
    EXPECT_EQ(r0->valueText(), QStringLiteral("0x00000003"));
    // Selected, the text is white; it gets its colour back when deselected.
    click(r0);
    EXPECT_EQ(r0->valueTextColour(), QColor(Qt::white));
    click(r0, Qt::ControlModifier);
    EXPECT_EQ(r0->valueTextColour(), before);
}

TEST_F(RegViewTest, TheWheelOverAnEnumerationChangesNothing)
{
    const char *const tables[] = {"A\tB\tC"};
    RegDataRecord t = tesk::host::enumTablesRecord(tables, 1);
    CuiRegPaneDataAdd(id, &t);
    add("MODE", 0, REG_TYPE_ENUMERATED);
    makeView();
    update({"1"});
    QComboBox *combo = item("Core.MODE")->combo();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentIndex(), 1);
    const QPointF at(5, 5);
    QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_TRUE(calls.empty());
}

TEST_F(RegViewTest, ARefusedQuestionLeavesTheEnumerationAsItWas)
{
    const char *const tables[] = {"A\tB=0x10\tC"};
    RegDataRecord t = tesk::host::enumTablesRecord(tables, 1);
    CuiRegPaneDataAdd(id, &t);
    add("MODE", 0, REG_TYPE_ENUMERATED);
    makeView();
    update({"0"});
    QComboBox *combo = item("Core.MODE")->combo();
    refuse = true;
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(count(RegOpSetValue), 0);
    refuse = false;
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    ASSERT_EQ(count(RegOpSetValue), 1);
    EXPECT_EQ(calls.back().text, QStringLiteral("10"));
    EXPECT_EQ(calls.back().pointer,
              reinterpret_cast<void *>(item("Core.MODE")->dataItem()->hostWord()));
}

namespace {

// Types into the in-place editor and ends it with the key.
void answerEditor(testhost::ModalAnswers &answers, const QString &text, Qt::Key key)
{
    answers.setHandler([text, key](const testhost::ModalAnswers::Request &request) {
        auto *edit = request.widget ? request.widget->findChild<QLineEdit *>() : nullptr;
        if (!edit)
            return;
        edit->setText(text);
        QTest::keyClick(edit, key);
    });
}

} // namespace

TEST_F(RegViewTest, TheInPlaceEditorTakesTheKeysTypedWhenItOpens)
{
    add("R0");
    makeView();
    RegItem *r0 = item("Core.R0");
    click(r0);
    {
        testhost::ModalAnswers answers;
        answers.setHandler([](const testhost::ModalAnswers::Request &request) {
            QWindow *window = request.widget ? request.widget->windowHandle() : nullptr;
            if (!window)
                return;
            // As the keyboard sends them: to the window, not to a widget the test picks.
            QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
            for (const char c : {'0', 'x', '2', 'b'})
                QTest::keyClick(window, c);
            QTest::keyClick(window, Qt::Key_Return);
        });
        click(r0);
    }
    ASSERT_EQ(count(RegOpSetValue), 1);
    EXPECT_EQ(calls.back().text, QStringLiteral("0x0000002b"));
}

TEST_F(RegViewTest, AnInPlaceEditSendsTheRawTextAndACancelSendsNothing)
{
    add("R0");
    add("RO", 0x80);
    makeView();
    RegItem *r0 = item("Core.R0");
    click(r0);
    {
        testhost::ModalAnswers answers;
        answerEditor(answers, QStringLiteral("0x2a"), Qt::Key_Return);
        click(r0);
    }
    ASSERT_EQ(count(RegOpSetValue), 1);
    EXPECT_EQ(calls[calls.size() - 1].text, QStringLiteral("0x0000002a"));
    EXPECT_EQ(calls[calls.size() - 2].op, RegOpMayChange);
    EXPECT_EQ(r0->valueText(), QStringLiteral("0x0000002a"));
    {
        testhost::ModalAnswers answers;
        answerEditor(answers, QStringLiteral("0x33"), Qt::Key_Escape);
        QTest::keyClick(view, Qt::Key_F2);
    }
    EXPECT_EQ(count(RegOpSetValue), 1);
    EXPECT_EQ(r0->valueText(), QStringLiteral("0x0000002a"));
    // Refused, and read-only: no editor at all.
    refuse = true;
    testhost::ModalAnswers none;
    click(r0);
    click(item("Core.RO"));
    click(item("Core.RO"));
    EXPECT_TRUE(none.seen().empty());
    EXPECT_EQ(count(RegOpSetValue), 1);
}

TEST_F(RegViewTest, TheReturnThatEndsAnEditWritesOnceAndOpensNoOtherEdit)
{
    add("R0");
    makeView();
    RegItem *r0 = item("Core.R0");
    click(r0);
    view->setFocus();
    // As the toolkit delivers a Return that ends the edit: its press to the editor, its
    // release, once the editor has closed, to the view.
    QString typed;
    testhost::ModalAnswers answers;
    answers.setHandler([&typed](const testhost::ModalAnswers::Request &request) {
        auto *edit = request.widget ? request.widget->findChild<QLineEdit *>() : nullptr;
        if (!edit)
            return;
        edit->setText(typed);
        QTest::keyPress(request.widget->windowHandle(), Qt::Key_Return);
    });
    const auto editWith = [&](const char *text, Qt::Key startKey) {
        typed = QString::fromLatin1(text);
        QTest::keyClick(view, startKey);
        QTest::keyRelease(view, Qt::Key_Return);
    };
    editWith("0x2a", Qt::Key_F2);
    EXPECT_EQ(answers.seen().size(), 1u);
    ASSERT_EQ(count(RegOpSetValue), 1);
    EXPECT_EQ(calls.back().text, QStringLiteral("0x0000002a"));
    // A value the format refuses writes nothing, and its Return opens nothing either.
    editWith("zz", Qt::Key_Return);
    EXPECT_EQ(answers.seen().size(), 2u);
    EXPECT_EQ(count(RegOpSetValue), 1);
    // A release whose press went elsewhere starts nothing.
    QTest::keyRelease(view, Qt::Key_F2);
    EXPECT_EQ(answers.seen().size(), 2u);
    editWith("0x7", Qt::Key_Enter);
    EXPECT_EQ(answers.seen().size(), 3u);
    EXPECT_EQ(count(RegOpSetValue), 2);
}

// The value typed is written as Return writes it: the user moved on, they did not cancel.
TEST_F(RegViewTest, AClickOnAnotherRegisterWritesTheEditAndSelectsIt)
{
    add("R0");
    add("R1");
    makeView();
    RegItem *r0 = item("Core.R0");
    RegItem *r1 = item("Core.R1");
    click(r0);
    testhost::ModalAnswers answers;
    answers.setHandler([this, r1](const testhost::ModalAnswers::Request &request) {
        if (auto *edit = request.widget ? request.widget->findChild<QLineEdit *>() : nullptr)
            edit->setText(QStringLiteral("0x2c"));
        // Through the view's window, as a mouse would: the open editor sees the press first.
        QWindow *window = view->window()->windowHandle();
        const QPoint at = view->viewport()->mapTo(view->window(), onScreen(r1));
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
    });
    click(r0);
    EXPECT_EQ(answers.seen().size(), 1u);
    ASSERT_EQ(count(RegOpSetValue), 1);
    EXPECT_EQ(calls.back().text, QStringLiteral("0x0000002c"));
    EXPECT_EQ(r0->valueText(), QStringLiteral("0x0000002c"));
    EXPECT_EQ(selectedNames(), QStringList{QStringLiteral("Core.R1")});
}
