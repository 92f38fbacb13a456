// The text and number entries and go-to-line as the host calls them: answers copied into the
// host's buffers (Latin-1 in, UTF-8 out, cut and padded), cancel codes, suppression, captions
// and help; and the window-name rule.
#include "../frame/services/scopedenv.h"
#include "dialoghelprecorder.h"
#include "modalanswers.h"
#include "testhost.h"

#include "dialogs/gotolinedlg.h"
#include "dialogs/panenamedlg.h"
#include "dialogs/simpleentrydlg.h"
#include "dialogs/simpleentrypddlg.h"
#include "frame/core/cuidebuginfo.h"

#include <tesk/tesk_dialogs.h>

#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

using testhost::ModalAnswers;

using EntryExport = int (*)(int32_t, const char *, const char *, const char *, char *, int32_t,
                            const char *, int32_t);

struct EntryCase
{
    const char *name;
    EntryExport call;
};

const EntryCase kEntries[] = {{"CuiSimpleEntry", &CuiSimpleEntry},
                              {"CuiSimpleEntryPD", &CuiSimpleEntryPD}};

class Entries : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    template<typename Widget>
    void inspect(std::function<void(Widget *)> look)
    {
        m_answers.setHandler([look](const ModalAnswers::Request &request) {
            auto *widget = qobject_cast<Widget *>(request.widget.data());
            ASSERT_TRUE(widget);
            look(widget);
        });
    }

    // The entry's line edit: the plain one's, or the drop-down's.
    static QLineEdit *lineEdit(QDialog *dialog)
    {
        if (auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("valueCB")))
            return combo->lineEdit();
        return dialog->findChild<QLineEdit *>(QStringLiteral("valueEF"));
    }

    ModalAnswers m_answers;
    char m_buffer[16];

    void fillBuffer() { std::memset(m_buffer, 'x', sizeof m_buffer); }
};

TEST_F(Entries, AnswerIsUtf8CutAtACharacterAndPadded)
{
    // size, typed answer, the bytes the buffer must hold from its start up to size.
    struct Case
    {
        int size;
        const char *typed; // UTF-8
        const char *expected;
        int expectedLength;
    };
    const Case cases[] = {
        {8, "abc", "abc\0\0\0\0\0", 8},       {4, "abcdef", "abc\0", 4},
        {4, "ab\xc3\xa9", "ab\0\0", 4}, // é would need bytes 2 and 3, and 3 is the zero's
        {5, "ab\xc3\xa9", "ab\xc3\xa9\0", 5}, {1, "abc", "\0", 1},
    };
    for (const EntryCase &entry : kEntries) {
        for (const Case &c : cases) {
            fillBuffer();
            const QString typed = QString::fromUtf8(c.typed);
            inspect<QDialog>([&](QDialog *d) {
                testhost::typeText(lineEdit(d), typed);
                QTest::keyClick(lineEdit(d), Qt::Key_Return);
            });
            EXPECT_EQ(entry.call(0, "c", "m", "", m_buffer, c.size, nullptr, 0), 1) << entry.name;
            EXPECT_EQ(QByteArray(m_buffer, c.expectedLength),
                      QByteArray(c.expected, c.expectedLength))
                << entry.name << " size " << c.size;
            EXPECT_EQ(m_buffer[c.size], 'x') << entry.name << ": written past size " << c.size;
        }
    }
}

TEST_F(Entries, InitialValueIsLatin1AndComesBackAsUtf8)
{
    for (const EntryCase &entry : kEntries) {
        fillBuffer();
        QString shown;
        inspect<QDialog>([&](QDialog *d) {
            shown = lineEdit(d)->text();
            d->accept();
        });
        EXPECT_EQ(entry.call(0, nullptr, "m", "\xe9", m_buffer, 8, nullptr, 0), 1);
        EXPECT_EQ(shown, QString::fromUtf8("é")) << entry.name;
        EXPECT_EQ(QByteArray(m_buffer), QByteArray("\xc3\xa9")) << entry.name;
    }
}

TEST_F(Entries, CancelEscapeAndCloseLeaveTheBuffer)
{
    for (const EntryCase &entry : kEntries) {
        for (int way = 0; way < 3; ++way) {
            fillBuffer();
            if (way == 0)
                m_answers.click(QStringLiteral("cancelPB"));
            else if (way == 1)
                m_answers.escape();
            else
                m_answers.close();
            EXPECT_EQ(entry.call(0, "c", "m", "v", m_buffer, 8, nullptr, 0), 0) << entry.name;
            EXPECT_EQ(m_buffer[0], 'x') << entry.name << " way " << way;
        }
    }
}

TEST_F(Entries, NoDialogWithoutARoomOrWhenSuppressed)
{
    for (const EntryCase &entry : kEntries) {
        EXPECT_EQ(entry.call(0, "c", "m", "v", nullptr, 8, nullptr, 0), 0);
        fillBuffer();
        EXPECT_EQ(entry.call(0, "c", "m", "v", m_buffer, 0, nullptr, 0), 0);
        EXPECT_EQ(entry.call(0, "c", "m", "v", m_buffer, -5, nullptr, 0), 0);
        {
            ScopedEnv suppress("KSODEBUG_SUPPRESS_PROMPTS", "1");
            CuiDebugInfo::reset();
            EXPECT_EQ(entry.call(0, "c", "m", "v", m_buffer, 8, nullptr, 0), 0);
        }
        CuiDebugInfo::reset();
        EXPECT_EQ(m_buffer[0], 'x') << entry.name;
    }
    EXPECT_TRUE(m_answers.seen().empty());
}

TEST_F(Entries, CaptionsAndOkTextKeepTheirOwnWhenNull)
{
    const QString ownCaption[] = {QStringLiteral("Enter Value"), QStringLiteral("Prompt")};
    for (int i = 0; i < 2; ++i) {
        QString caption;
        QString ok;
        QString message;
        Qt::TextFormat format = Qt::AutoText;
        inspect<QDialog>([&](QDialog *d) {
            caption = d->windowTitle();
            ok = d->findChild<QPushButton *>(QStringLiteral("okPB"))->text();
            const auto *label = d->findChild<QLabel *>(QStringLiteral("msgLBL"));
            message = label->text();
            format = label->textFormat();
            d->reject();
        });
        kEntries[i].call(0, nullptr, "<b>Rate:</b>", "", m_buffer, 8, nullptr, 0);
        EXPECT_EQ(caption, ownCaption[i]);
        EXPECT_EQ(ok, QStringLiteral("OK"));
        EXPECT_EQ(message, QStringLiteral("<b>Rate:</b>"));
        EXPECT_EQ(format, Qt::PlainText) << "the host's message is not markup";

        kEntries[i].call(0, "Caf\xe9", "m", "", m_buffer, 8, "&Apply", 0);
        EXPECT_EQ(caption, QString::fromUtf8("Café"));
        EXPECT_EQ(ok, QStringLiteral("&Apply"));
    }
}

TEST_F(Entries, HelpButtonAndF1OnlyWithAnId)
{
    for (const EntryCase &entry : kEntries) {
        DialogHelpRecorder help;
        bool visible = true;
        inspect<QDialog>([&](QDialog *d) {
            auto *helpButton = d->findChild<QPushButton *>(QStringLiteral("helpPB"));
            visible = helpButton->isVisible();
            QTest::keyClick(lineEdit(d), Qt::Key_F1);
            d->reject();
        });
        entry.call(0, "c", "m", "", m_buffer, 8, nullptr, 0);
        EXPECT_FALSE(visible) << entry.name;
        EXPECT_TRUE(help.calls().empty()) << entry.name;

        inspect<QDialog>([&](QDialog *d) {
            auto *helpButton = d->findChild<QPushButton *>(QStringLiteral("helpPB"));
            visible = helpButton->isVisible();
            QTest::keyClick(lineEdit(d), Qt::Key_F1);
            helpButton->click();
            d->reject();
        });
        entry.call(0, "c", "m", "", m_buffer, 8, nullptr, 321);
        EXPECT_TRUE(visible) << entry.name;
        const std::vector<std::pair<int, int>> expected = {{321, 10}, {321, 10}};
        EXPECT_EQ(help.calls(), expected) << entry.name;
    }
}

TEST_F(Entries, DropDownStaysEmptyWhatEverIsTyped)
{
    int entries = -1;
    inspect<SimpleEntryPDDlg>([&](SimpleEntryPDDlg *d) {
        testhost::typeText(d->valueCB->lineEdit(), QStringLiteral("0x100"));
        QTest::keyClick(d->valueCB->lineEdit(), Qt::Key_Return);
        entries = d->valueCB->count();
        if (d->isVisible())
            d->okPB->click();
    });
    fillBuffer();
    EXPECT_EQ(CuiSimpleEntryPD(0, "c", "m", "", m_buffer, 8, nullptr, 0), 1);
    EXPECT_EQ(entries, 0);
    EXPECT_EQ(QByteArray(m_buffer), QByteArray("0x100"));
}

TEST_F(Entries, NumbersKeepTheirOwnResultCodes)
{
    int32_t whole = 5;
    double real = 2.5;
    inspect<QInputDialog>([](QInputDialog *d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("CuiSimpleEntryInteger"));
        EXPECT_EQ(d->intMaximum(), 50);
        d->setIntValue(42);
        d->accept();
    });
    EXPECT_EQ(CuiSimpleEntryInteger(0, "c", "Count:", 7, 1, 0, 50, &whole), 1);
    EXPECT_EQ(whole, 42);
    inspect<QInputDialog>([](QInputDialog *d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("CuiSimpleEntryDouble"));
        EXPECT_EQ(d->doubleDecimals(), 3);
        d->setDoubleValue(1.125);
        d->accept();
    });
    EXPECT_EQ(CuiSimpleEntryDouble(0, "c", "Factor:", 1.0, 3, 0.0, 10.0, &real), 0);
    EXPECT_DOUBLE_EQ(real, 1.125);

    m_answers.escape();
    EXPECT_EQ(CuiSimpleEntryInteger(0, "c", "l", 7, 1, 0, 50, &whole), 0);
    m_answers.escape();
    EXPECT_EQ(CuiSimpleEntryDouble(0, "c", "l", 1.0, 3, 0.0, 10.0, &real), 1);
    EXPECT_EQ(whole, 42);
    EXPECT_DOUBLE_EQ(real, 1.125);

    // No dialog at all: the cancel codes.
    EXPECT_EQ(CuiSimpleEntryInteger(0, "c", "l", 7, 1, 0, 50, nullptr), 0);
    EXPECT_EQ(CuiSimpleEntryDouble(0, "c", "l", 1.0, 3, 0.0, 10.0, nullptr), 1);
    {
        ScopedEnv suppress("KSODEBUG_SUPPRESS_PROMPTS", "1");
        CuiDebugInfo::reset();
        EXPECT_EQ(CuiSimpleEntryInteger(0, "c", "l", 7, 1, 0, 50, &whole), 0);
        EXPECT_EQ(CuiSimpleEntryDouble(0, "c", "l", 1.0, 3, 0.0, 10.0, &real), 1);
    }
    CuiDebugInfo::reset();
    EXPECT_EQ(m_answers.seen().size(), 4u);
}

TEST_F(Entries, GoToLineKeepsWithinItsRangeEvenWhenSuppressed)
{
    ScopedEnv suppress("KSODEBUG_SUPPRESS_PROMPTS", "1");
    CuiDebugInfo::reset();
    int32_t line = 0;
    QString label;
    int shownFirst = -1;
    inspect<GotoLineDlg>([&](GotoLineDlg *d) {
        label = d->lineLBL->text();
        shownFirst = d->lineEF->value();
        d->lineEF->setValue(300);
        d->okPB->click();
    });
    EXPECT_EQ(CuiGotoLineDialog(0, &line, 250), 1);
    EXPECT_EQ(label, QStringLiteral("Line number (1 - 250)"));
    EXPECT_EQ(shownFirst, 1) << "line 0 shows as the first line";
    EXPECT_EQ(line, 250);

    m_answers.click(QStringLiteral("cancelPB"));
    EXPECT_EQ(CuiGotoLineDialog(0, &line, 250), 0);
    EXPECT_EQ(line, 250);
    EXPECT_EQ(CuiGotoLineDialog(0, nullptr, 250), 0);
    CuiDebugInfo::reset();
}

TEST_F(Entries, GoToLineTakesTheLineTypedOverItsPreset)
{
    int32_t line = 1;
    inspect<GotoLineDlg>([](GotoLineDlg *d) {
        // To the window, as the keyboard sends them.
        QWindow *window = d->windowHandle();
        for (const char c : {'4', '1'})
            QTest::keyClick(window, c);
        QTest::keyClick(window, Qt::Key_Return);
    });
    EXPECT_EQ(CuiGotoLineDialog(0, &line, 250), 1);
    EXPECT_EQ(line, 41);
}

TEST_F(Entries, GoToLineRangeFollowsTheLastCallsInAnyOrder)
{
    GotoLineDlg dialog;
    dialog.setValue(40);
    dialog.setMaximum(30);
    dialog.setMaximum(60);
    dialog.show();
    EXPECT_EQ(dialog.getValue(), 40);
    EXPECT_EQ(dialog.lineEF->maximum(), 60);
}

TEST_F(Entries, WindowNameStartsWithALetterAndKeepsToItsCharacters)
{
    PaneNameDlg dialog;
    dialog.show();
    struct Case
    {
        const char *typed;
        const char *kept;
    };
    const Case cases[] = {
        {"1abc", "abc"},
        {"_x", "x"},
        {"Reg view_2", "Reg view_2"},
        {"a-b.c", "abc"},
        {"\xc3\xa9t\xc3\xa9", "t"},
    };
    for (const Case &c : cases) {
        dialog.setPaneName(QString());
        testhost::typeText(dialog.nameEF, QString::fromUtf8(c.typed));
        EXPECT_EQ(dialog.paneName(), QLatin1String(c.kept)) << c.typed;
    }
    dialog.setPaneName(QString());
    testhost::typeText(dialog.nameEF, QString(70, u'w'));
    EXPECT_EQ(dialog.paneName().size(), 64);
}

} // namespace
