// Host-described dialogs as the host builds and runs them: the records, every role and kind,
// the write-backs into the host's records, dialogs left up, and running dialog handles.
#include "frames.h"
#include "modalanswers.h"
#include "testhost.h"

#include "dialogs/simpledialog.h"
#include "frame/core/cuihandles.h"

#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_window.h>

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using testhost::ModalAnswers;

std::vector<std::pair<int, int>> buttonsOf(const QSDIDescription *d)
{
    std::vector<std::pair<int, int>> buttons;
    for (const QSDIButtonNode *n = d->buttons; n; n = n->next)
        buttons.emplace_back(n->code, n->role);
    return buttons;
}

std::vector<int> eventsOf(const QSDIDescription *d)
{
    std::vector<int> events;
    for (const QSDIEventNode *n = d->events; n; n = n->next)
        events.push_back(n->id);
    return events;
}

QList<SimpleDialog *> liveDialogs()
{
    QList<SimpleDialog *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<SimpleDialog *>(widget))
            dialogs << dialog;
    }
    return dialogs;
}

// Dialogs left up are deleted later; outside the host's loop the tests hand the deletions on.
bool allDialogsGone()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return liveDialogs().isEmpty();
}

int callbackCalls = 0;
void countingCallback(void *)
{
    ++callbackCalls;
}

class QsdiTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    void SetUp() override { callbackCalls = 0; }

    void TearDown() override
    {
        for (QSDIDescription *d : m_descriptions)
            QtQSDIDeleteDialog(d);
        for (void *control : m_controls) {
            if (auto *toggle = static_cast<QSDIToggle *>(control); m_toggles.contains(control))
                free(toggle->text);
            free(control);
        }
        if (m_find)
            QtQSDIDeleteFindCallback(m_find);
        testhost::pumpUntil(allDialogsGone, 2000);
    }

    QSDIDescription *describe(int kind, int mode = QSDI_MODE_MODAL, int captionCode = 0,
                              int messageCode = 0)
    {
        QSDIDescription *d = nullptr;
        EXPECT_EQ(QtQSDIInitDialog(&d, kind, 0, mode, captionCode, messageCode), 0);
        m_descriptions.push_back(d);
        return d;
    }

    QSDIFind *findRecord(int options)
    {
        EXPECT_EQ(QtQSDIInitFindCallback(&m_find, 0x1234, options), 0);
        return m_find;
    }

    // Entry and toggle records outlive the description; the host frees them.
    void keepControl(QSDIDescription *d, bool toggle = false)
    {
        m_controls.push_back(d->control);
        if (toggle)
            m_toggles << d->control;
    }

    ModalAnswers m_answers;
    std::vector<QSDIDescription *> m_descriptions;
    std::vector<void *> m_controls;
    QList<void *> m_toggles;
    QSDIFind *m_find = nullptr;
};

TEST_F(QsdiTest, ButtonCodesFromLabels)
{
    QSDIDescription *d = describe(QSDI_KIND_PLAIN);
    EXPECT_EQ(QtQSDIAddButton(d, "Cancel", 99, QSDI_ROLE_REJECT), 0);
    EXPECT_EQ(QtQSDIAddButton(d, "No such label", 10, QSDI_ROLE_ACCEPT), 0);
    EXPECT_EQ(QtQSDIAddButton(d, nullptr, 10, QSDI_ROLE_ACCEPT), 0);
    EXPECT_EQ(QtQSDIAddButton(d, nullptr, 19, QSDI_ROLE_EVENT), 0);
    // A label read with a code other than the one given: the event keeps the given code.
    EXPECT_EQ(QtQSDIAddButton(d, "Replace All", 50, QSDI_ROLE_EVENT), 0);
    const std::vector<std::pair<int, int>> buttons = {{12, 0}, {11, 1}, {10, 1}, {19, 3}, {25, 3}};
    EXPECT_EQ(buttonsOf(d), buttons);
    EXPECT_EQ(eventsOf(d), (std::vector<int>{19, 50}));
}

TEST_F(QsdiTest, NullRecordsAreRefusedUntouched)
{
    EXPECT_EQ(QtQSDIInitDialog(nullptr, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(QtQSDIAddButton(nullptr, "OK", 11, 1), 1);
    EXPECT_EQ(QtQSDIAddEvent(nullptr, 19), 1);
    EXPECT_EQ(QtQSDIAddCallback(nullptr, &countingCallback, nullptr), 1);
    EXPECT_EQ(QtQSDIAddEntry(nullptr, nullptr, 3), 1);
    EXPECT_EQ(QtQSDIAddToggle(nullptr, "x", 0, 1), 1);
    EXPECT_EQ(QtQSDIDeleteDialog(nullptr), 1);
    EXPECT_EQ(QtQSDIInitFindCallback(nullptr, 0, 0), 1);
    EXPECT_EQ(QtQSDIDeleteFindCallback(nullptr), 1);
    EXPECT_EQ(QtQSDIExecDialog(nullptr), 0);
}

TEST_F(QsdiTest, RecordsStartAsTheHostExpects)
{
    QSDIDescription *d = describe(QSDI_KIND_QUESTION, QSDI_MODE_MODELESS, 2013, 3012);
    EXPECT_EQ(d->kind, QSDI_KIND_QUESTION);
    EXPECT_EQ(d->mode, QSDI_MODE_MODELESS);
    ASSERT_TRUE(d->texts);
    EXPECT_EQ(d->texts->captionCode, 2013);
    EXPECT_EQ(d->texts->messageCode, 3012);
    EXPECT_FALSE(d->texts->caption || d->texts->message || d->callback || d->control);
    // A second callback replaces the first (which is freed: the leak check would say so).
    EXPECT_EQ(QtQSDIAddCallback(d, &countingCallback, nullptr), 0);
    EXPECT_EQ(QtQSDIAddCallback(d, &countingCallback, d), 0);
    EXPECT_EQ(d->callback->data, d);
    const char text[] = "Ask again";
    EXPECT_EQ(QtQSDIAddToggle(d, text, 0, 1), 0);
    keepControl(d, true);
    auto *toggle = static_cast<QSDIToggle *>(d->control);
    EXPECT_STREQ(toggle->text, text);
    EXPECT_NE(toggle->text, text);

    QSDIFind *find = findRecord(5);
    EXPECT_EQ(find->open, 0);
    EXPECT_EQ(find->findLength, 0);
    EXPECT_EQ(find->replaceLength, 0);
    EXPECT_EQ(find->hostWord, 0x1234);
    EXPECT_EQ(find->options, 5);
}

TEST_F(QsdiTest, RolesEndTheModalRun)
{
    struct Case
    {
        int code;
        int role;
        const char *click;
        int expected;
    } cases[] = {{12, QSDI_ROLE_REJECT, "Cancel", 0},
                 {11, QSDI_ROLE_ACCEPT, "OK", 1},
                 {13, QSDI_ROLE_END, "Yes", 13}};
    for (const Case &c : cases) {
        QSDIDescription *d = describe(QSDI_KIND_PLAIN);
        QtQSDIAddButton(d, nullptr, 21, QSDI_ROLE_ACCEPT);
        QtQSDIAddButton(d, nullptr, c.code, c.role);
        m_answers.click(QString::fromLatin1(c.click));
        EXPECT_EQ(QtQSDIExecDialog(d), c.expected) << c.code;
    }
    QSDIDescription *bare = describe(QSDI_KIND_PLAIN);
    m_answers.click(QStringLiteral("OK"));
    EXPECT_EQ(QtQSDIExecDialog(bare), 1) << "a description without buttons offers OK";
    m_answers.escape();
    EXPECT_EQ(QtQSDIExecDialog(bare), 0);
    EXPECT_TRUE(liveDialogs().isEmpty()) << "a modal run deletes its dialog";
}

TEST_F(QsdiTest, AnEndingButtonOfCodeMinusOneEndsTheRun)
{
    QSDIDescription *d = describe(QSDI_KIND_PLAIN);
    QtQSDIAddButton(d, nullptr, -1, QSDI_ROLE_END);
    m_answers.click(QStringLiteral("?"));
    EXPECT_EQ(QtQSDIExecDialog(d), -1);
    EXPECT_TRUE(m_answers.allStepsTaken());
}

TEST_F(QsdiTest, HostMessagesArePlainBoundedAndKeepTheButtonsOnScreen)
{
    // The find panel's message is shown as written.
    QSDIFind *find = findRecord(0);
    QSDIDescription *panel = describe(QSDI_KIND_FIND_REPLACE);
    QtQSDIAddCallback(panel, &countingCallback, find);
    QtQSDIAddButton(panel, nullptr, 12, QSDI_ROLE_REJECT);
    panel->texts->message = "<b>bold</b> & <img src=x>";
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *label = request.widget->findChild<QLabel *>(QStringLiteral("FindMessage"));
        ASSERT_TRUE(label);
        shown = label->text();
        format = label->textFormat();
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    EXPECT_EQ(QtQSDIExecDialog(panel), 0);
    EXPECT_EQ(shown, QStringLiteral("<b>bold</b> & <img src=x>"));
    EXPECT_EQ(format, Qt::PlainText);

    // A megabyte of lines: cut where the cut shows, and the dialog stays within the screen.
    QByteArray lines;
    while (lines.size() < 1024 * 1024)
        lines += "a line of the host's message\n";
    QSDIDescription *plain = describe(QSDI_KIND_PLAIN);
    plain->texts->message = lines.constData();
    int viewHeight = 0;
    QString text;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *view = request.widget->findChild<QTextEdit *>(QStringLiteral("MessageView"));
        ASSERT_TRUE(view);
        viewHeight = view->height();
        text = view->toPlainText();
        qobject_cast<QDialog *>(request.widget.data())->accept();
    });
    EXPECT_EQ(QtQSDIExecDialog(plain), 1);
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_TRUE(screen);
    EXPECT_LE(viewHeight, screen->availableGeometry().height());
    EXPECT_LE(text.size(), 64 * 1024 + 8);
    EXPECT_TRUE(text.endsWith(QStringLiteral("[...]")));
    plain->texts->message = nullptr;
}

// The message sits whole inside the dialog, whatever kind holds it and with or without an icon:
// the button row below must not push it out.
TEST_F(QsdiTest, MessageShowsWholeInEveryKind)
{
    char entry[16] = "x";
    for (const int icon : {0, 1}) {
        for (const int kind : {QSDI_KIND_PLAIN, QSDI_KIND_ENTRY, QSDI_KIND_QUESTION}) {
            QSDIDescription *d = nullptr;
            ASSERT_EQ(QtQSDIInitDialog(&d, kind, icon, QSDI_MODE_MODAL, 0, 0), 0);
            m_descriptions.push_back(d);
            d->texts->message = "The target stopped at breakpoint 3 in main; go on?";
            QtQSDIAddButton(d, nullptr, 11, QSDI_ROLE_ACCEPT);
            QtQSDIAddButton(d, nullptr, 12, QSDI_ROLE_REJECT);
            if (kind == QSDI_KIND_ENTRY)
                QtQSDIAddEntry(d, entry, 8);
            if (kind == QSDI_KIND_QUESTION)
                QtQSDIAddToggle(d, "again", 0, 0);
            if (d->control)
                keepControl(d, kind == QSDI_KIND_QUESTION);
            QRect view, dialog;
            int lines = 0, blank = 0;
            m_answers.setHandler([&](const ModalAnswers::Request &request) {
                auto *message =
                    request.widget->findChild<QTextEdit *>(QStringLiteral("MessageView"));
                ASSERT_TRUE(message);
                view = QRect(message->mapTo(request.widget, QPoint(0, 0)), message->size());
                // The short message takes one line, and the view no more height than it.
                const int line = message->fontMetrics().lineSpacing();
                const int text = int(message->document()->size().height());
                lines = text / line;
                blank = message->viewport()->height() - text;
                dialog = request.widget->rect();
                qobject_cast<QDialog *>(request.widget.data())->reject();
            });
            QtQSDIExecDialog(d);
            EXPECT_TRUE(dialog.contains(view))
                << "kind " << kind << ", icon " << icon << ": the message at " << view.x() << ","
                << view.y() << " " << view.width() << "x" << view.height() << " in a "
                << dialog.width() << "x" << dialog.height() << " dialog";
            EXPECT_EQ(lines, 1) << "kind " << kind << ", icon " << icon;
            EXPECT_LT(blank, 8) << "kind " << kind << ", icon " << icon;
        }
    }
}

// What the message view shows of its text: how many lines each of the host's lines took, the
// blank beside the longest and below the last, as laid out once the dialog is up.
struct ShownMessage
{
    QList<int> linesPerHostLine;
    int blankRight = 0;
    int blankBelow = 0;
    QRect view; // on the screen
};

ShownMessage shownMessage(const QWidget *dialog)
{
    ShownMessage shown;
    const auto *view = dialog->findChild<QTextEdit *>(QStringLiteral("MessageView"));
    if (!view)
        return shown;
    const QTextDocument *document = view->document();
    qreal longest = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        shown.linesPerHostLine << layout->lineCount();
        for (int i = 0; i < layout->lineCount(); ++i)
            longest = std::max(longest, layout->lineAt(i).naturalTextWidth());
    }
    const int scrollRoom = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    shown.blankRight = view->viewport()->width() - scrollRoom -
                       int(std::ceil(longest + 2 * document->documentMargin()));
    shown.blankBelow = view->viewport()->height() - int(document->size().height());
    shown.view = QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
    return shown;
}

// The view is as wide as the longest of the host's lines, wherever that line stands: no line is
// broken, and no blank band is left beside the text or below it. A line wider than the screen
// is broken within the screen, at the width the view shows.
TEST_F(QsdiTest, MessageViewIsAsWideAsItsLongestLine)
{
    // The message shown with an OK button, as the user sees it before pressing it.
    const auto showMessage = [this](QSDIDescription *d, const QByteArray &message) {
        d->texts->message = message.constData();
        QtQSDIAddButton(d, nullptr, 11, QSDI_ROLE_ACCEPT);
        ShownMessage shown;
        m_answers.setHandler([&](const ModalAnswers::Request &request) {
            shown = shownMessage(request.widget);
            qobject_cast<QDialog *>(request.widget.data())->accept();
        });
        QtQSDIExecDialog(d);
        d->texts->message = nullptr;
        return shown;
    };
    const QByteArray longest = "The program counter of core A is back at the reset vector 0x0000";
    const QByteArray messages[] = {
        "Core A was reset.\n" + longest + "\nGo on?",
        longest + "\nReset.",
        "Reset.\nGo on?\n" + longest,
    };
    for (const QByteArray &message : messages) {
        const ShownMessage shown = showMessage(describe(QSDI_KIND_PLAIN), message);
        EXPECT_EQ(shown.linesPerHostLine, QList<int>(int(message.count('\n')) + 1, 1))
            << message.constData();
        EXPECT_GE(shown.blankRight, 0) << message.constData();
        EXPECT_LT(shown.blankRight, 4) << message.constData();
        EXPECT_LT(shown.blankBelow, 8) << message.constData();
    }

    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_TRUE(screen);
    const QRect room = screen->availableGeometry();
    QByteArray paragraph;
    while (QFontMetrics(QApplication::font()).horizontalAdvance(QString::fromLatin1(paragraph)) <
           room.width() * 5)
        paragraph += "wide words that break ";
    for (const int icon : {0, 1}) {
        QSDIDescription *d = nullptr;
        ASSERT_EQ(QtQSDIInitDialog(&d, QSDI_KIND_PLAIN, icon, QSDI_MODE_MODAL, 0, 0), 0);
        m_descriptions.push_back(d);
        const ShownMessage shown = showMessage(d, paragraph);
        ASSERT_EQ(shown.linesPerHostLine.size(), 1) << "icon " << icon;
        EXPECT_GT(shown.linesPerHostLine[0], 4) << "icon " << icon;
        EXPECT_GE(shown.blankRight, 0) << "icon " << icon;
        EXPECT_LT(shown.blankBelow, 8) << "icon " << icon;
        EXPECT_GE(shown.view.left(), room.left()) << "icon " << icon;
        EXPECT_LE(shown.view.right(), room.right()) << "icon " << icon;
    }
}

TEST_F(QsdiTest, CaptionsFromCodesOrTexts)
{
    struct Case
    {
        int captionCode;
        const char *caption;
        QString expected;
    } cases[] = {
        {2013, "ignored", QStringLiteral("Warning")},
        {99, nullptr, QStringLiteral("Kestrova Debugger")},
        {99, "Caf\xe9", QStringLiteral("Café")},
        {2019, nullptr, QStringLiteral("Kestrova Debugger")}, // a code the map lacks
    };
    for (const Case &c : cases) {
        QSDIDescription *d = describe(QSDI_KIND_PLAIN, QSDI_MODE_MODAL, c.captionCode);
        d->texts->caption = c.caption;
        m_answers.escape();
        QtQSDIExecDialog(d);
        EXPECT_EQ(m_answers.seen().back().caption, c.expected) << c.captionCode;
    }
}

TEST_F(QsdiTest, EntryKeepsToItsMaximumAndWritesBack)
{
    // Room for the maximum and the terminator, then a canary that must survive.
    char buffer[12];
    std::memset(buffer, '#', sizeof buffer);
    std::strcpy(buffer, "abc");
    QSDIDescription *d = describe(QSDI_KIND_ENTRY);
    QtQSDIAddEntry(d, buffer, 5);
    keepControl(d);
    QtQSDIAddButton(d, nullptr, 11, QSDI_ROLE_ACCEPT);
    QString initial;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *edit = request.widget->findChild<QLineEdit *>(QStringLiteral("EntryEditBox"));
        ASSERT_TRUE(edit);
        initial = edit->text();
        QTest::keyClick(edit, Qt::Key_End);
        testhost::typeText(edit, QStringLiteral("d\u20ACfg"));
        EXPECT_EQ(edit->text(), QStringLiteral("abcd\u20AC"));
        request.widget->findChild<QPushButton *>()->click();
    });
    EXPECT_EQ(QtQSDIExecDialog(d), 1);
    EXPECT_EQ(initial, QStringLiteral("abc"));
    EXPECT_STREQ(buffer, "abcd?");
    EXPECT_EQ(buffer[6], '#');

    // Rejected, the buffer stays as it was.
    m_answers.setHandler(nullptr);
    m_answers.type(QStringLiteral("EntryEditBox"), QStringLiteral("zz")).escape();
    EXPECT_EQ(QtQSDIExecDialog(d), 0);
    EXPECT_STREQ(buffer, "abcd?");
}

TEST_F(QsdiTest, ToggleIsWrittenAtOnce)
{
    QSDIDescription *d = describe(QSDI_KIND_QUESTION);
    QtQSDIAddToggle(d, "Show again", 0, 1);
    keepControl(d, true);
    auto *toggle = static_cast<QSDIToggle *>(d->control);
    bool startedChecked = false;
    int stateBeforeEnd = -1;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *check = request.widget->findChild<QCheckBox *>();
        ASSERT_TRUE(check);
        startedChecked = check->isChecked();
        EXPECT_EQ(check->text(), QStringLiteral("Show again"));
        check->click();
        stateBeforeEnd = toggle->state;
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    EXPECT_EQ(QtQSDIExecDialog(d), 0);
    EXPECT_TRUE(startedChecked);
    EXPECT_EQ(stateBeforeEnd, 0);

    // A label code replaces the text.
    toggle->code = 3013;
    QString text;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        text = request.widget->findChild<QCheckBox *>()->text();
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    QtQSDIExecDialog(d);
    EXPECT_EQ(text, QStringLiteral("Show this dialog for this file again"));
}

// A control record is read only as the type the matching Add export made: a toggle's text copy
// is never written as an entry buffer, an entry record never read as a toggle, and a record the
// library did not make is not read at all.
TEST_F(QsdiTest, ControlRecordOfAnotherKindIsNotRead)
{
    QSDIDescription *entryDialog = describe(QSDI_KIND_ENTRY);
    QtQSDIAddToggle(entryDialog, "x", 0, 1);
    keepControl(entryDialog, true);
    bool editShown = true;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        editShown = request.widget->findChild<QLineEdit *>() != nullptr;
        request.widget->findChild<QPushButton *>()->click();
    });
    EXPECT_EQ(QtQSDIExecDialog(entryDialog), 1);
    EXPECT_FALSE(editShown);
    EXPECT_STREQ(static_cast<QSDIToggle *>(entryDialog->control)->text, "x");

    char buffer[8] = "abc";
    QSDIDescription *question = describe(QSDI_KIND_QUESTION);
    QtQSDIAddEntry(question, buffer, 3);
    keepControl(question);
    bool checkShown = true;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        checkShown = request.widget->findChild<QCheckBox *>() != nullptr;
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    EXPECT_EQ(QtQSDIExecDialog(question), 0);
    EXPECT_FALSE(checkShown);
    EXPECT_EQ(static_cast<QSDIEntry *>(question->control)->maximum, 3);

    // A record the host built itself, as the entry it claims to be.
    QSDIEntry own{buffer, 3};
    QSDIDescription *hostBuilt = describe(QSDI_KIND_ENTRY);
    hostBuilt->control = &own;
    editShown = true;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        editShown = request.widget->findChild<QLineEdit *>() != nullptr;
        request.widget->findChild<QPushButton *>()->click();
    });
    EXPECT_EQ(QtQSDIExecDialog(hostBuilt), 1);
    EXPECT_FALSE(editShown);
    EXPECT_STREQ(buffer, "abc");
    hostBuilt->control = nullptr;
}

TEST_F(QsdiTest, FindPanelOptionsBuffersAndCallback)
{
    QSDIFind *find = findRecord(5);
    const char16_t initial[] = u"needle";
    for (int i = 0; i < 6; ++i)
        find->findBuffer[i] = initial[i];
    find->findLength = 6;
    QSDIDescription *d = describe(QSDI_KIND_FIND_REPLACE);
    QtQSDIAddCallback(d, &countingCallback, find);
    QtQSDIAddEvent(d, 19);
    QtQSDIAddButton(d, nullptr, 21, QSDI_ROLE_REJECT);
    QStringList checked;
    QString findText;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        for (QCheckBox *check : request.widget->findChildren<QCheckBox *>()) {
            if (check->isChecked())
                checked << check->text();
        }
        findText = request.widget->findChild<QLineEdit *>(QStringLiteral("FindEditBox"))->text();
        EXPECT_EQ(find->open, 1);
        auto *replace = request.widget->findChild<QLineEdit *>(QStringLiteral("RepEditBox"));
        testhost::typeText(replace, QStringLiteral("\u00e9t\u00e9"));
        for (QCheckBox *check : request.widget->findChildren<QCheckBox *>()) {
            if (check->text() == QStringLiteral("Insensitive Searches"))
                check->click();
        }
        for (QPushButton *b : request.widget->findChildren<QPushButton *>()) {
            if (b->text() == QStringLiteral("&Find") || b->text() == QStringLiteral("Rep-Find"))
                b->click(); // 24 has no event: nothing is called
        }
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    EXPECT_EQ(QtQSDIExecDialog(d), 0);
    EXPECT_EQ(checked, (QStringList{"Search Backwards", "Reg-expression"}));
    EXPECT_EQ(findText, QStringLiteral("needle"));
    EXPECT_EQ(callbackCalls, 1);
    EXPECT_EQ(find->lastEvent, 19);
    EXPECT_EQ(find->options, 5 | QSDI_FIND_INSENSITIVE);
    EXPECT_EQ(find->replaceLength, 3);
    EXPECT_EQ(find->replaceBuffer[0], 0xe9u);
    EXPECT_EQ(find->findLength, 6);
    EXPECT_EQ(find->open, 1) << "a modal run leaves the flag up";
}

// The panel opens for typing: the find text holds the focus, selected, so that keys replace
// it; Return then searches for what was typed, and with no find text sends nothing.
TEST_F(QsdiTest, ThePanelTakesTypingAndSendsNoEmptySearch)
{
    QSDIFind *find = findRecord(0);
    find->findBuffer[0] = 'o';
    find->findLength = 1;
    QSDIDescription *d = describe(QSDI_KIND_FIND_REPLACE, QSDI_MODE_MODELESS);
    QtQSDIAddCallback(d, &countingCallback, find);
    QtQSDIAddEvent(d, 19);
    QtQSDIExecDialog(d);
    ASSERT_EQ(liveDialogs().size(), 1);
    SimpleDialog *panel = liveDialogs().front();
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel));
    auto *edit = panel->findChild<QLineEdit *>(QStringLiteral("FindEditBox"));
    ASSERT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("o"));
    for (const QString &keys : {QStringLiteral("new"), QString()}) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), keys);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(callbackCalls, 1) << "the typed search once, the empty one never";
    ASSERT_EQ(find->findLength, 3);
    EXPECT_EQ(find->findBuffer[0], uint32_t('n'));
    panel->close();
}

TEST_F(QsdiTest, HostLengthsBeyondTheBuffersAreClamped)
{
    QSDIFind *find = findRecord(0);
    for (int i = 0; i < QSDI_FIND_BUFFER_UNITS; ++i)
        find->findBuffer[i] = 'a' + i % 26;
    find->findLength = 100000;
    find->replaceLength = -5;
    QSDIDescription *d = describe(QSDI_KIND_FIND_REPLACE);
    QtQSDIAddCallback(d, &countingCallback, find);
    int findSize = -1;
    int replaceSize = -1;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *edit = request.widget->findChild<QLineEdit *>(QStringLiteral("FindEditBox"));
        findSize = edit->text().size();
        replaceSize =
            request.widget->findChild<QLineEdit *>(QStringLiteral("RepEditBox"))->text().size();
        testhost::typeText(edit, QStringLiteral("more"));
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    QtQSDIExecDialog(d);
    EXPECT_EQ(findSize, QSDI_FIND_BUFFER_UNITS);
    EXPECT_EQ(replaceSize, 0);
}

TEST_F(QsdiTest, PanelLeftUpCallsBackAndGoesWhenClosed)
{
    struct Case
    {
        const char *ending; // a button, or nullptr for the close box
        int role;
    } cases[] = {{nullptr, 0},
                 {"Close", QSDI_ROLE_REJECT},
                 {"OK", QSDI_ROLE_ACCEPT},
                 {"Set", QSDI_ROLE_END}};
    for (const Case &c : cases) {
        QSDIFind *find = findRecord(0);
        find->findBuffer[0] = 'x';
        find->findLength = 1;
        QSDIDescription *d = describe(QSDI_KIND_FIND_REPLACE, QSDI_MODE_MODELESS);
        QtQSDIAddCallback(d, &countingCallback, find);
        QtQSDIAddEvent(d, 23);
        if (c.ending)
            QtQSDIAddButton(d, c.ending, 0, c.role);
        EXPECT_EQ(QtQSDIExecDialog(d), 0);
        // The description may go at once: the dialog no longer reads it.
        QtQSDIDeleteDialog(d);
        m_descriptions.pop_back();
        ASSERT_EQ(liveDialogs().size(), 1);
        SimpleDialog *dialog = liveDialogs().front();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->isModal());
        EXPECT_EQ(find->open, 1);
        for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
            if (b->text() == QStringLiteral("Find-Rep"))
                b->click();
        }
        EXPECT_EQ(find->lastEvent, 23);
        EXPECT_TRUE(dialog->isVisible());
        if (c.ending) {
            for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
                if (b->text() == QString::fromLatin1(c.ending))
                    b->click();
            }
        } else {
            dialog->close();
        }
        EXPECT_EQ(find->open, 0) << (c.ending ? c.ending : "close box");
        EXPECT_TRUE(testhost::pumpUntil(allDialogsGone, 2000))
            << "an ended dialog left up is deleted";
        QtQSDIDeleteFindCallback(find);
        m_find = nullptr;
    }
    EXPECT_EQ(callbackCalls, 4);
}

TEST_F(QsdiTest, PanelOutlivingItsFindRecordWritesNothing)
{
    QSDIFind *find = findRecord(0);
    QSDIDescription *d = describe(QSDI_KIND_FIND_REPLACE, QSDI_MODE_MODELESS);
    QtQSDIAddCallback(d, &countingCallback, find);
    QtQSDIAddEvent(d, 19);
    QtQSDIExecDialog(d);
    ASSERT_EQ(liveDialogs().size(), 1);
    SimpleDialog *dialog = liveDialogs().front();
    QtQSDIDeleteFindCallback(find);
    m_find = nullptr;
    // The address sanitizer would report a write into the freed record or its buffers.
    for (QCheckBox *check : dialog->findChildren<QCheckBox *>())
        check->click();
    for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
        if (b->text() == QStringLiteral("&Find"))
            b->click();
    }
    dialog->close();
    // Nor is the host called with it.
    EXPECT_EQ(callbackCalls, 0);
}

TEST_F(QsdiTest, ModesBeyondTwoShowNothing)
{
    QSDIFind *find = findRecord(0);
    QSDIDescription *d = describe(QSDI_KIND_FIND_REPLACE, 5);
    QtQSDIAddCallback(d, &countingCallback, find);
    EXPECT_EQ(QtQSDIExecDialog(d), 0);
    EXPECT_TRUE(liveDialogs().isEmpty());
    EXPECT_EQ(find->open, 0);
    EXPECT_TRUE(m_answers.seen().empty());
}

TEST_F(QsdiTest, ModeTwoIsModalWithoutWaiting)
{
    int word = 7;
    QSDIDescription *d = describe(QSDI_KIND_PLAIN, QSDI_MODE_MODAL_NO_WAIT);
    QtQSDIAddCallback(d, &countingCallback, &word);
    EXPECT_EQ(QtQSDIExecDialog(d), 0);
    ASSERT_EQ(liveDialogs().size(), 1);
    SimpleDialog *dialog = liveDialogs().front();
    EXPECT_TRUE(dialog->isModal());
    dialog->reject();
    EXPECT_EQ(word, 0) << "rejecting a dialog left up clears the first word of its data";
}

TEST(QsdiRecords, ARecordMadeWhereAFreedOneWasIsNoneOfTheOldDialogs)
{
    QProcess child;
    // The child shares this process's home area, whose instance is running.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"), QStringLiteral("1"));
    // The C library's allocator keeps a freed record in a per-thread cache that calloc never
    // takes from: without it, the next record of that size is made where the freed one was.
    env.insert(QStringLiteral("GLIBC_TUNABLES"), QStringLiteral("glibc.malloc.tcache_count=0"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/recordreuse_child"),
                QStringList());
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    const QByteArray out = child.readAllStandardOutput().trimmed();
    EXPECT_FALSE(out.contains("written")) << out.toStdString();
    if (!out.contains("kept"))
        GTEST_SKIP() << "the allocator put no new record where a freed one was: "
                     << out.toStdString();
}

class QsdiFrameTest : public FrameTest
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
    ModalAnswers m_answers;
};

TEST_F(QsdiFrameTest, DialogsLeftUpThatGoWithTheirWindowLowerTheFlag)
{
    constexpr TeskHandle kWindow = 7;
    for (const int kind : {QSDI_KIND_FIND_REPLACE, QSDI_KIND_PLAIN}) {
        QPointer<MainWindow> window = createFrame("Debugger", kWindow);
        ASSERT_TRUE(window);
        QSDIFind *find = nullptr;
        ASSERT_EQ(QtQSDIInitFindCallback(&find, 0, 0), 0);
        int32_t word = 1;
        int32_t *const flag = kind == QSDI_KIND_FIND_REPLACE ? &find->open : &word;
        QSDIDescription *d = nullptr;
        QtQSDIInitDialog(&d, kind, 0, QSDI_MODE_MODELESS, 0, 0);
        QtQSDIAddCallback(d, &countingCallback, flag == &word ? static_cast<void *>(&word) : find);
        QtQSDIExecDialog(d);
        QtQSDIDeleteDialog(d);
        ASSERT_EQ(liveDialogs().size(), 1);
        EXPECT_EQ(liveDialogs().front()->parentWidget(), window.data());
        EXPECT_EQ(*flag, 1);
        QtCloseCode(kWindow);
        EXPECT_TRUE(testhost::pumpUntil([&] { return !window; }));
        EXPECT_TRUE(liveDialogs().isEmpty());
        EXPECT_EQ(*flag, 0) << "kind " << kind;
        QtQSDIDeleteFindCallback(find);
    }
}

TEST_F(QsdiFrameTest, ModalRunMarksTheMainWindows)
{
    MainWindow *window = createFrame("Debugger", 1);
    QSDIDescription *d = nullptr;
    QtQSDIInitDialog(&d, QSDI_KIND_PLAIN, 2, QSDI_MODE_MODAL, 0, 0);
    bool markedDuring = false;
    QWidget *parent = nullptr;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        markedDuring = window->modalDialogShown();
        parent = request.widget->parentWidget();
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    QtQSDIExecDialog(d);
    QtQSDIDeleteDialog(d);
    EXPECT_TRUE(markedDuring);
    EXPECT_FALSE(window->modalDialogShown());
    EXPECT_EQ(parent, window);

    QtSetModalDialogShown(1);
    EXPECT_TRUE(window->modalDialogShown());
    QtSetModalDialogShown(0);
    EXPECT_FALSE(window->modalDialogShown());
}

TEST_F(QsdiTest, ADialogThatRunsAlreadyIsNotRunAgain)
{
    auto *dialog = new QDialog;
    void *handle = tesk::handles::add(dialog);
    int inner = -7;
    bool upAfterInner = false;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        inner = CuiDoModal(handle);
        upAfterInner = request.widget->isVisible();
        qobject_cast<QDialog *>(request.widget.data())->done(42);
    });
    EXPECT_EQ(CuiDialogExec(handle), 42);
    EXPECT_EQ(inner, 0);
    EXPECT_TRUE(upAfterInner);
    EXPECT_EQ(m_answers.seen().size(), 1u);
    delete dialog;
}

TEST_F(QsdiTest, DescriptionsNotMadeHereAreNeitherExtendedNorFreed)
{
    // A description the host built itself, shaped like one of ours, and one freed already.
    QSDITexts texts{};
    QSDIDescription own{};
    own.texts = &texts;
    QSDIDescription *freed = nullptr;
    ASSERT_EQ(QtQSDIInitDialog(&freed, QSDI_KIND_PLAIN, 0, QSDI_MODE_MODAL, 0, 0), 0);
    ASSERT_EQ(QtQSDIDeleteDialog(freed), 0);
    char entry[8] = "";
    const std::function<int(QSDIDescription *)> exports[] = {
        [](QSDIDescription *d) { return QtQSDIAddButton(d, "OK", 11, QSDI_ROLE_ACCEPT); },
        [](QSDIDescription *d) { return QtQSDIAddEvent(d, 5); },
        [](QSDIDescription *d) { return QtQSDIAddCallback(d, &countingCallback, nullptr); },
        [&](QSDIDescription *d) { return QtQSDIAddEntry(d, entry, 7); },
        [](QSDIDescription *d) { return QtQSDIAddToggle(d, "t", 1, 0); },
        [](QSDIDescription *d) { return QtQSDIDeleteDialog(d); },
    };
    for (size_t i = 0; i < std::size(exports); ++i) {
        EXPECT_EQ(exports[i](&own), 1) << i;
        EXPECT_EQ(exports[i](freed), 1) << i;
    }
    EXPECT_EQ(own.buttons, nullptr);
    EXPECT_EQ(own.events, nullptr);
    EXPECT_EQ(own.callback, nullptr);
    EXPECT_EQ(own.control, nullptr);
    EXPECT_EQ(own.texts, &texts);

    // One of ours is taken, once.
    QSDIDescription *d = nullptr;
    ASSERT_EQ(QtQSDIInitDialog(&d, QSDI_KIND_PLAIN, 0, QSDI_MODE_MODAL, 0, 0), 0);
    EXPECT_EQ(QtQSDIAddEvent(d, 5), 0);
    EXPECT_EQ(eventsOf(d), std::vector<int>{5});
    EXPECT_EQ(QtQSDIDeleteDialog(d), 0);
    EXPECT_EQ(QtQSDIDeleteDialog(d), 1);
}

TEST_F(QsdiTest, DialogHandlesRunOnlyWhenLive)
{
    int garbage = 0;
    EXPECT_EQ(CuiDoModal(nullptr), 0);
    EXPECT_EQ(CuiDialogExec(&garbage), 0);
    auto *notADialog = new QObject;
    EXPECT_EQ(CuiDoModal(tesk::handles::add(notADialog)), 0);
    delete notADialog;

    auto *dialog = new QDialog;
    void *handle = tesk::handles::add(dialog);
    m_answers.setHandler([](const ModalAnswers::Request &request) {
        qobject_cast<QDialog *>(request.widget.data())->done(42);
    });
    EXPECT_EQ(CuiDoModal(handle), 42);
    EXPECT_EQ(CuiDialogExec(handle), 42);
    delete dialog;
    EXPECT_EQ(CuiDoModal(handle), 0) << "a stale handle is refused";
    EXPECT_TRUE(m_answers.seen().size() == 2);
}

} // namespace

TEST_F(QsdiFrameTest, AModalBoxOpensClearOfTheFindAndReplacePanel)
{
    constexpr TeskHandle kWindow = 8;
    createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1000, 700);
    QtFrameShow();
    QSDIFind *find = nullptr;
    ASSERT_EQ(QtQSDIInitFindCallback(&find, 0, 0), 0);
    QSDIDescription *d = nullptr;
    QtQSDIInitDialog(&d, QSDI_KIND_FIND_REPLACE, 0, QSDI_MODE_MODELESS, 0, 0);
    QtQSDIAddCallback(d, &countingCallback, find);
    QtQSDIExecDialog(d);
    QtQSDIDeleteDialog(d);
    testhost::settle();
    ASSERT_EQ(liveDialogs().size(), 1);
    QPointer<QWidget> panel = liveDialogs().front();
    ASSERT_TRUE(panel->isVisible());
    ASSERT_TRUE(panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // The panel kept on top covers none of the buttons of a dialog opened after it: it covers
    // none of the dialog.
    QRect box;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        box = request.widget->frameGeometry();
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    QSDIDescription *question = nullptr;
    QtQSDIInitDialog(&question, QSDI_KIND_PLAIN, 2, QSDI_MODE_MODAL, 0, 0);
    QtQSDIExecDialog(question);
    QtQSDIDeleteDialog(question);
    ASSERT_FALSE(box.isNull());
    EXPECT_FALSE(box.intersects(panel->frameGeometry()))
        << box.x() << "," << box.y() << " " << box.width() << "x" << box.height() << " panel "
        << panel->frameGeometry().x() << "," << panel->frameGeometry().y() << " "
        << panel->frameGeometry().width() << "x" << panel->frameGeometry().height();
    panel->close();
    testhost::settle();
    QtQSDIDeleteFindCallback(find);
}
