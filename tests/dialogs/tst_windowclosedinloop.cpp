// Every question of the dialog family with the main window it belongs to closed from inside its
// loop, as a timer of the host would: the export answers its cancel value, touches nothing of
// the dialog afterwards and leaves no window waiting. The buttons on the way reach the questions
// asked from inside other dialogs (the browse buttons, the mapping entry). And the dialog
// handles destroyed by the host from inside their own runs.
#include "frames.h"
#include "loadhost.h"

#include "frame/core/cuihandles.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_filedialogs.h>
#include <tesk/tesk_memorydialogs.h>
#include <tesk/tesk_searchpaths.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

using tesk::system::ModalSeam;

constexpr TeskHandle kWindow = 7;

// Answers every modal run: clicks the next button on the way, or closes the main window once
// the way is walked. A dialog the window does not own is ended as the user would.
class CloseTheWindow
{
public:
    CloseTheWindow(std::vector<QString> way, std::function<void()> close)
        : m_way(std::move(way))
        , m_close(std::move(close))
    {
        m_previous = ModalSeam::setResponder([this](const ModalSeam::Request &r) { answer(r); });
    }
    ~CloseTheWindow() { ModalSeam::setResponder(m_previous); }
    CloseTheWindow(const CloseTheWindow &) = delete;
    CloseTheWindow &operator=(const CloseTheWindow &) = delete;

    bool closed = false;
    std::vector<QString> missing;

private:
    void answer(const ModalSeam::Request &request)
    {
        QPointer<QWidget> widget = request.widget;
        if (m_step < m_way.size()) {
            const QString name = m_way[m_step++];
            if (auto *button = widget->findChild<QAbstractButton *>(name)) {
                button->click();
                return;
            }
            missing.push_back(name);
        } else if (!closed) {
            closed = true;
            m_close();
            // The window's deletion is carried out by this loop; give it the chance.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (widget && widget->isVisible()) {
            if (auto *dialog = qobject_cast<QDialog *>(widget.data()))
                dialog->reject();
        }
    }

    std::vector<QString> m_way;
    std::function<void()> m_close;
    size_t m_step = 0;
    ModalSeam::Responder m_previous;
};

struct Question
{
    const char *name;
    std::function<int()> ask;
    int cancelled;
    std::vector<QString> way = {};
    bool portable = false;
};

int32_t positions[4];
int32_t count;
char buffer[256];
int32_t number;
double real;

int loadImage()
{
    int32_t flags[3];
    return CuiLoadImage(0, "Load", sizeof buffer, buffer, nullptr, nullptr, 0, &flags[0], &flags[1],
                        &flags[2], sizeof buffer, buffer, sizeof buffer, buffer, sizeof buffer,
                        buffer);
}

// A dialog handle of the families run with CuiDoModal; its destroy export afterwards finds
// nothing left to free.
int runHandle(TeskHandle handle, void (*destroy)(TeskHandle))
{
    const int result = CuiDoModal(reinterpret_cast<void *>(handle));
    destroy(handle);
    return result;
}

const Question questions[] = {
    {"CuiSimpleError", [] { return CuiSimpleError(0, "c", "t"); }, 1},
    {"CuiSimpleInfo", [] { return CuiSimpleInfo(0, "c", "t"); }, 1},
    {"CuiSimpleWarning", [] { return CuiSimpleWarning(0, "c", "t"); }, 1},
    {"CuiSimpleWarningCancel", [] { return CuiSimpleWarningCancel(0, "c", "t"); }, 2},
    {"CuiSimplePrompt", [] { return CuiSimplePrompt(0, "c", "t"); }, 4},
    {"CuiMessagePrompt",
     [] { return CuiMessagePrompt(0, "c", "t", 0, CUI_MB_YES, CUI_MB_NO | CUI_MB_ESCAPE, 0); }, 0},
    {"CuiSimpleList",
     [] { return CuiSimpleList(0, "c", "d", "a\nb\n", positions, 4, &count, 1, 0); }, 0},
    {"CuiSimpleEntry",
     [] { return CuiSimpleEntry(0, "c", "m", "v", buffer, sizeof buffer, nullptr, 0); }, 0},
    {"CuiSimpleEntryPD",
     [] { return CuiSimpleEntryPD(0, "c", "m", "v", buffer, sizeof buffer, nullptr, 0); }, 0},
    {"CuiSimpleEntryInteger",
     [] { return CuiSimpleEntryInteger(0, "c", "l", 1, 1, 0, 9, &number); }, 0},
    {"CuiSimpleEntryDouble",
     [] { return CuiSimpleEntryDouble(0, "c", "l", 1.0, 2, 0.0, 9.0, &real); }, 1},
    {"CuiGotoLineDialog", [] { return number = 3, CuiGotoLineDialog(0, &number, 9); }, 0},
    {"CuiGetSourceLocation",
     [] { return CuiGetSourceLocation(0, "c", "m", "f.c", buffer, sizeof buffer); }, 0},
    {"CuiSimpleAbout", [] { return CuiSimpleAbout("b", "c", nullptr, "a"); }, 0},
    {"CuiSimpleDir", [] { return CuiSimpleDir(0, "c", nullptr, sizeof buffer, buffer); }, 1},
    {"CuiSimpleDir portable",
     [] { return CuiSimpleDir(0, "c", nullptr, sizeof buffer, buffer); },
     1,
     {},
     true},
    {"CuiSimpleFileExtraMultipleEx open",
     [] {
         const char *result = nullptr;
         return CuiSimpleFileExtraMultipleEx(0, "c", &result, nullptr, nullptr, 0, 0, 0);
     },
     1},
    {"CuiSimpleFileExtraMultipleEx several",
     [] {
         const char *result = nullptr;
         return CuiSimpleFileExtraMultipleEx(0, "c", &result, nullptr, nullptr, 1, 0, 0);
     },
     1},
    {"CuiSimpleFileExtraMultipleEx save",
     [] {
         const char *result = nullptr;
         return CuiSimpleFileExtraMultipleEx(0, "c", &result, nullptr, nullptr, 0, 0, 1);
     },
     1},
    {"CuiLoadImage", &loadImage, -1},
    {"CuiLoadImage portable", &loadImage, -1, {}, true},
    {"CuiLoadBinary", [] { return CuiLoadBinary(0, 0, nullptr, 0, "1 elf ELF image\n"); }, 1},
    {"CuiLoadBinary portable",
     [] { return CuiLoadBinary(0, 0, nullptr, 0, "1 elf ELF image\n"); },
     1,
     {},
     true},
    {"CuiLoadMemoryDlg",
     [] { return runHandle(CuiLoadMemoryDlgCreate(0, "1 elf ELF\n"), &CuiLoadMemoryDlgDestroy); },
     0},
    {"QtQSDIExecDialog",
     [] {
         QSDIDescription *d = nullptr;
         QtQSDIInitDialog(&d, QSDI_KIND_PLAIN, 0, QSDI_MODE_MODAL, 0, 0);
         const int result = QtQSDIExecDialog(d);
         QtQSDIDeleteDialog(d);
         return result;
     },
     0},
    {"memory operations browse button",
     [] {
         return runHandle(CuiMemoryOperationsDlgCreate(0),
                          [](TeskHandle h) { CuiMemoryOperationsDlgDestroy(h); });
     },
     0,
     {QStringLiteral("browsePB")}},
    {"search path directory",
     [] {
         return runHandle(CuiSourceSearchPathDlgCreate(0),
                          [](TeskHandle h) { CuiDeleteObject(reinterpret_cast<void *>(h)); });
     },
     0,
     {QStringLiteral("ssmodifyPB")}},
    {"search path mapping entry",
     [] {
         return runHandle(CuiSourceSearchPathDlgCreate(0),
                          [](TeskHandle h) { CuiDeleteObject(reinterpret_cast<void *>(h)); });
     },
     0,
     {QStringLiteral("smmodifyPB")}},
    {"search path mapping browse button",
     [] {
         return runHandle(CuiSourceSearchPathDlgCreate(0),
                          [](TeskHandle h) { CuiDeleteObject(reinterpret_cast<void *>(h)); });
     },
     0,
     {QStringLiteral("smmodifyPB"), QStringLiteral("origBrowsePB")}},
};

class WindowClosedInLoop : public FrameTest
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
    void TearDown() override
    {
        qunsetenv("KSODEBUG_USE_PORTABLE_DIALOGS");
        FrameTest::TearDown();
    }
};

TEST_F(WindowClosedInLoop, EveryQuestionAnswersItsCancelValue)
{
    testhost::LoadHost host;
    // The host's close, and the window ended as the library ends objects inside a scope (its
    // deletion waits for the loops to be left).
    QPointer<MainWindow> window;
    const std::pair<const char *, std::function<void()>> closes[] = {
        {"QtCloseCode", [] { QtCloseCode(kWindow); }},
        {"destroy", [&] { tesk::lifetime::destroy(window.data()); }},
    };
    for (const auto &[how, close] : closes)
        for (const Question &question : questions) {
            SCOPED_TRACE(how);
            SCOPED_TRACE(question.name);
            if (question.portable)
                qputenv("KSODEBUG_USE_PORTABLE_DIALOGS", "1");
            else
                qunsetenv("KSODEBUG_USE_PORTABLE_DIALOGS");
            window = createFrame("Debugger", kWindow);
            ASSERT_TRUE(window);
            int answer = 0;
            {
                CloseTheWindow closer(question.way, close);
                answer = question.ask();
                EXPECT_TRUE(closer.closed);
                EXPECT_TRUE(closer.missing.empty());
            }
            EXPECT_EQ(answer, question.cancelled);
            EXPECT_TRUE(testhost::pumpUntil([&] { return !window; }));
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            EXPECT_TRUE(testhost::LoadHost::calls().empty()) << "no command of a closed question";
        }
}

TEST_F(WindowClosedInLoop, UserInformationAndSimulatorDialogsGoWithTheirWindow)
{
    QPointer<MainWindow> window = createFrame("Debugger", kWindow);
    QWidget *parent = nullptr;
    const ModalSeam::Responder previous =
        ModalSeam::setResponder([&](const ModalSeam::Request &request) {
            parent = request.widget->parentWidget();
            qobject_cast<QDialog *>(request.widget.data())->reject();
        });
    EXPECT_EQ(CuiGetUserInformation(0, "template.txt", "out.txt"), 0);
    ModalSeam::setResponder(previous);
    EXPECT_EQ(parent, window.data());
    const TeskHandle simulator = CuiCorvasimConfigDlgCreate();
    QtCloseCode(kWindow);
    EXPECT_TRUE(testhost::pumpUntil([&] { return !window; }));
    EXPECT_EQ(tesk::handles::object(reinterpret_cast<void *>(simulator)), nullptr);
}

struct Family
{
    const char *name;
    TeskHandle (*create)();
    void (*destroy)(TeskHandle);
};

const Family families[] = {
    {"load binary", [] { return CuiLoadMemoryDlgCreate(0, "1 elf ELF\n"); },
     &CuiLoadMemoryDlgDestroy},
    {"memory operations", [] { return CuiMemoryOperationsDlgCreate(0); },
     [](TeskHandle h) { CuiMemoryOperationsDlgDestroy(h); }},
    {"simulator configuration", &CuiCorvasimConfigDlgCreate, &CuiCorvasimConfigDlgDestroy},
    {"search paths", [] { return CuiSourceSearchPathDlgCreate(0); },
     [](TeskHandle h) { CuiDeleteObject(reinterpret_cast<void *>(h)); }},
    {"memory operations, deleted as any object", [] { return CuiMemoryOperationsDlgCreate(0); },
     [](TeskHandle h) { CuiDeleteObject(reinterpret_cast<void *>(h)); }},
};

// The handle dies at once; the object waits until the run has been left, then goes.
TEST_F(WindowClosedInLoop, DialogsDestroyedInsideTheirRunEndIt)
{
    for (const Family &family : families) {
        SCOPED_TRACE(family.name);
        const TeskHandle handle = family.create();
        auto *handleWord = reinterpret_cast<void *>(handle);
        QPointer<QObject> dialog = tesk::handles::object(handleWord);
        ASSERT_TRUE(dialog);
        bool deadInside = false;
        bool keptInside = false;
        const ModalSeam::Responder previous =
            ModalSeam::setResponder([&](const ModalSeam::Request &) {
                family.destroy(handle);
                deadInside = tesk::handles::object(handleWord) == nullptr;
                keptInside = !dialog.isNull();
            });
        EXPECT_EQ(CuiDoModal(handleWord), 0);
        ModalSeam::setResponder(previous);
        EXPECT_TRUE(deadInside);
        EXPECT_TRUE(keptInside) << "freed under its own loop";
        EXPECT_TRUE(testhost::pumpUntil([&] { return dialog.isNull(); }));
        family.destroy(handle); // a dead handle is refused
        EXPECT_EQ(CuiDoModal(handleWord), 0);
    }
}

} // namespace
