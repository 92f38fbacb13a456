// Every host text a dialog shows is read up to the host-text limit and no further, and a cut
// text shows its cut: captions, labels, button texts, values and list entries. Each text is
// handed over without a terminator, its last byte just before a page that cannot be read, so
// a reader that looks for the terminator past the limit ends the test program.
#include "modalanswers.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"

#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_filedialogs.h>
#include <tesk/tesk_memorydialogs.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <sys/mman.h>
#include <unistd.h>

namespace {

using testhost::ModalAnswers;

constexpr qsizetype kLimit = 64 * 1024;

// Text bytes that end where an unreadable page begins, with no terminator.
class GuardedText
{
public:
    // The limit's worth of the pattern and one byte more, which only says the text runs on.
    explicit GuardedText(const QByteArray &pattern)
    {
        const size_t page = size_t(sysconf(_SC_PAGESIZE));
        const size_t length = size_t(kLimit) + 1;
        m_size = (length + page - 1) / page * page + page;
        m_map = static_cast<char *>(
            mmap(nullptr, m_size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        mprotect(m_map + m_size - page, page, PROT_NONE);
        m_text = m_map + m_size - page - length;
        for (size_t i = 0; i < length; ++i)
            m_text[i] = pattern.at(qsizetype(i) % pattern.size());
    }
    ~GuardedText() { munmap(m_map, m_size); }
    GuardedText(const GuardedText &) = delete;
    GuardedText &operator=(const GuardedText &) = delete;

    char *text() const { return m_text; }

private:
    char *m_map = nullptr;
    size_t m_size = 0;
    char *m_text = nullptr;
};

bool shownCut(const QString &text)
{
    return text.size() <= kLimit + 8 && text.endsWith(QStringLiteral("[...]"));
}

class LongHostTexts : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    // Runs the call and reads, from the dialog it opens, the text the host's text became; the
    // caption, for a toolkit box (which the answers take without a reader).
    QString shownBy(const std::function<void()> &call,
                    const std::function<QString(QWidget *)> &read)
    {
        if (!read) {
            call();
            return m_answers.seen().empty() ? QString() : m_answers.seen().back().caption;
        }
        QString shown;
        m_answers.setHandler([&](const ModalAnswers::Request &request) {
            shown = read(request.widget.data());
            qobject_cast<QDialog *>(request.widget.data())->reject();
        });
        call();
        return shown;
    }

    ModalAnswers m_answers;
};

QString title(QWidget *dialog)
{
    return dialog->windowTitle();
}

template<typename W>
std::function<QString(QWidget *)> textOf(const char *name)
{
    return [name](QWidget *dialog) {
        W *widget = dialog->findChild<W *>(QLatin1String(name));
        return widget ? widget->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
    };
}

TEST_F(LongHostTexts, EntriesAndPromptsShowTheCut)
{
    const GuardedText long1("Long host text ");
    const char *t = long1.text();
    char buffer[8] = "";
    int number = 0;
    struct Case
    {
        const char *what;
        std::function<void()> call;
        std::function<QString(QWidget *)> read;
    } cases[] = {
        {"entry caption", [&] { CuiSimpleEntry(0, t, "m", "v", buffer, 8, nullptr, 0); }, title},
        {"entry OK text", [&] { CuiSimpleEntry(0, "c", "m", "v", buffer, 8, t, 0); },
         textOf<QPushButton>("okPB")},
        {"number caption", [&] { CuiSimpleEntryInteger(0, t, "l", 1, 1, 0, 9, &number); }, title},
        {"number label", [&] { CuiSimpleEntryInteger(0, "c", t, 1, 1, 0, 9, &number); },
         [](QWidget *dialog) { return dialog->findChild<QLabel *>()->text(); }},
        {"source location caption", [&] { CuiGetSourceLocation(0, t, "m", "f", buffer, 8); },
         title},
        {"source location message", [&] { CuiGetSourceLocation(0, "c", t, "f", buffer, 8); },
         textOf<QLabel>("msgLBL")},
        {"list caption",
         [&] {
             int32_t position = 0;
             int32_t count = 0;
             CuiSimpleList(0, t, "d", "a\nb", &position, 1, &count, 0, 0);
         },
         title},
        {"message box caption", [&] { CuiMessagePrompt(0, t, "t", 1, CUI_MB_OK, 0, 0); }, title},
        {"UTF-8 box caption", [&] { CuiSimpleError(0, t, "t"); }, nullptr},
    };
    for (const Case &c : cases) {
        const QString shown = shownBy(c.call, c.read);
        EXPECT_TRUE(shownCut(shown)) << c.what << ": " << shown.size() << " characters, ending "
                                     << qPrintable(shown.right(8));
        if (std::strcmp(c.what, "source location message") != 0) {
            EXPECT_FALSE(shown.contains(u'\n')) << c.what << ": one line stays one line";
        }
    }
}

TEST_F(LongHostTexts, ValuesAreReadOnlyUpToTheLimit)
{
    // A line edit keeps at most 32767 characters of any value, so there the cut mark is gone.
    const GuardedText value("v");
    char buffer[8] = "";
    const QString entry =
        shownBy([&] { CuiSimpleEntry(0, "c", "m", value.text(), buffer, 8, nullptr, 0); },
                textOf<QLineEdit>("valueEF"));
    EXPECT_EQ(entry, QString(32767, u'v'));
    const QString fileName =
        shownBy([&] { CuiGetSourceLocation(0, "c", "m", value.text(), buffer, 8); },
                textOf<QLineEdit>("valueEF"));
    EXPECT_EQ(fileName, QString(32767, u'v'));

    QSDIDescription *d = nullptr;
    ASSERT_EQ(QtQSDIInitDialog(&d, QSDI_KIND_ENTRY, 0, QSDI_MODE_MODAL, 0, 0), 0);
    ASSERT_EQ(QtQSDIAddEntry(d, value.text(), 0), 0);
    const GuardedText caption("caption ");
    d->texts->caption = caption.text();
    QString shownCaption;
    const QString shownEntry = shownBy([&] { QtQSDIExecDialog(d); },
                                       [&](QWidget *dialog) {
                                           shownCaption = dialog->windowTitle();
                                           return textOf<QLineEdit>("EntryEditBox")(dialog);
                                       });
    EXPECT_EQ(shownEntry, QString(32767, u'v'));
    EXPECT_TRUE(shownCut(shownCaption)) << shownCaption.size();
    free(d->control);
    QtQSDIDeleteDialog(d);
}

TEST_F(LongHostTexts, QuestionTextShowsTheCut)
{
    QByteArray text(1024 * 1024, 'q');
    QSDIDescription *d = nullptr;
    ASSERT_EQ(QtQSDIInitDialog(&d, QSDI_KIND_QUESTION, 0, QSDI_MODE_MODAL, 0, 0), 0);
    ASSERT_EQ(QtQSDIAddToggle(d, text.constData(), 0, 0), 0);
    const QString shown =
        shownBy([&] { QtQSDIExecDialog(d); },
                [](QWidget *dialog) { return dialog->findChild<QCheckBox *>()->text(); });
    EXPECT_TRUE(shownCut(shown)) << shown.size();
    auto *toggle = static_cast<QSDIToggle *>(d->control);
    free(toggle->text);
    free(toggle);
    QtQSDIDeleteDialog(d);
}

TEST_F(LongHostTexts, ListsLoseTheEntryTheCutSplits)
{
    const GuardedText types("1 Intel Hex\n");
    const TeskHandle operations = CuiMemoryOperationsDlgCreate(0);
    CuiMemoryOperationsDlgSetFileTypeList(operations, types.text());
    auto *typeList = tesk::handles::object<QWidget>(reinterpret_cast<const void *>(operations))
                         ->findChild<QListWidget *>(QStringLiteral("filetypeLB"));
    ASSERT_TRUE(typeList);
    EXPECT_EQ(typeList->count(), kLimit / 12);
    EXPECT_EQ(typeList->item(typeList->count() - 1)->text(), QStringLiteral("Intel Hex"));
    CuiMemoryOperationsDlgDestroy(operations);

    const GuardedText choices("0 raw binary\n");
    const TeskHandle load = CuiLoadMemoryDlgCreate(0, choices.text());
    auto *choiceList = tesk::handles::object<QWidget>(reinterpret_cast<const void *>(load))
                           ->findChild<QListWidget *>(QStringLiteral("filetypeLB"));
    ASSERT_TRUE(choiceList);
    EXPECT_EQ(choiceList->count(), kLimit / 13);
    EXPECT_EQ(choiceList->item(choiceList->count() - 1)->text(), QStringLiteral("raw binary"));
    CuiLoadMemoryDlgDestroy(load);

    const GuardedText name("core ");
    const TeskHandle simulator = CuiCorvasimConfigDlgCreate();
    CuiCorvasimConfigDlgAddProcessor(simulator, name.text());
    auto *processors = tesk::handles::object<QWidget>(reinterpret_cast<const void *>(simulator))
                           ->findChild<QListWidget *>(QStringLiteral("processorLB"));
    ASSERT_TRUE(processors);
    ASSERT_EQ(processors->count(), 1);
    EXPECT_TRUE(shownCut(processors->item(0)->text()));
    CuiCorvasimConfigDlgDestroy(simulator);
}

} // namespace
