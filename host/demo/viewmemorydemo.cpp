#include "viewmemorydemo.h"

#include "armprogram.h"
#include "framedemo.h"
#include "simulatedtarget.h"
#include "viewsdemo.h"

#include <tesk/tesk_views.h>

#include <mosk/mosk.hpp>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>

#include <cstdio>
#include <set>

namespace demo {

namespace {

constexpr int kCoreA = 1;
constexpr uint32_t kGreeting = 0x20000000;

void pump(int ms)
{
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (clock.elapsed() < ms);
}

std::set<QWidget *> memoryViews()
{
    std::set<QWidget *> views;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (widget->inherits("KViewMemory"))
            views.insert(widget);
    }
    return views;
}

// The view the views manager made for this call: the one that was not there before.
QWidget *newMemoryView(IGcp_ViewsManager *views)
{
    const std::set<QWidget *> before = memoryViews();
    uint64_t viewId = 0;
    mosk::release(views->ops->createViewInNewPane(views, GCP_VIEW_TYPE_MEMORY, kCoreA, &viewId));
    // The demo has no debugger engine to say which target is current: the view is told.
    IGc_Window *window = nullptr;
    mosk::release(views->ops->findWindow(views, viewId, &window));
    void *face = nullptr;
    if (window)
        mosk::release(window->ops->QueryInterface(window, &face, GC_IID_VIEW, 0));
    if (auto *view = static_cast<IGc_View *>(face)) {
        mosk::release(view->ops->setTarget(view, kCoreA));
        view->ops->Release(view);
    }
    mosk::release(window);
    std::printf("host: memory view %llu on core A\n", static_cast<unsigned long long>(viewId));
    for (QWidget *view : memoryViews()) {
        if (!before.count(view))
            return view;
    }
    return nullptr;
}

void key(QWidget *widget, int code, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

// Types the address into the view's start-address field and presses Return.
void typeAddress(QWidget *view, const QString &text)
{
    auto *combo = view->findChild<QComboBox *>(QStringLiteral("listAddress"));
    if (!combo || !combo->lineEdit())
        return;
    combo->setFocus(Qt::TabFocusReason);
    pump(20);
    combo->lineEdit()->setText(text);
    key(combo->lineEdit(), Qt::Key_Return);
    pump(50);
    // Without an active window the field has no focus to take Return: choose the text instead.
    if (combo->findText(text) < 0)
        emit combo->textActivated(text);
    pump(50);
}

void wheelDown(QWidget *table, int lines)
{
    auto *area = qobject_cast<QAbstractScrollArea *>(table);
    QWidget *target = area ? area->viewport() : table;
    const QPointF at(10, 10);
    for (int i = 0; i < lines; ++i) {
        QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(target, &wheel);
    }
    pump(50);
}

// The in-place editor of a field is modal: the demo answers it as the user would, while a
// timed update refreshes the view under the open editor.
void answerFieldEditor(QWidget *view, const QString &text)
{
    QPointer<QWidget> shown(view);
    QTimer::singleShot(50, [shown, text] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (shown && QMetaObject::invokeMethod(shown, "slotTimedUpdateDone"))
            std::printf("host: a timed update refreshed the memory view during the edit\n");
        if (auto *edit = dialog->findChild<QLineEdit *>())
            edit->setText(text);
        dialog->accept();
    });
}

void click(QWidget *table, const QPoint &at)
{
    auto *area = qobject_cast<QAbstractScrollArea *>(table);
    QWidget *target = area ? area->viewport() : table;
    const QPointF point(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

void editFieldAndCharacter(QWidget *view)
{
    QWidget *data = view->findChild<QWidget *>(QStringLiteral("DataMemoryView"));
    QWidget *ascii = view->findChild<QWidget *>(QStringLiteral("AsciiMemoryView"));
    if (!data || !ascii)
        return;
    // The first field of the second row, then a character further on in the first row.
    click(data, QPoint(10, 30));
    answerFieldEditor(view, QStringLiteral("0xC0FFEE11"));
    key(data, Qt::Key_1, QStringLiteral("1"));
    pump(50);
    click(ascii, QPoint(60, 8));
    key(ascii, Qt::Key_Z, QStringLiteral("Z"));
    pump(50);
}

void printWrites()
{
    using Kind = SimulatedTarget::Kind;
    const SimulatedTarget &sim = SimulatedTarget::installed();
    for (const SimulatedTarget::Access &access : sim.log()) {
        if (access.kind != Kind::Write)
            continue;
        std::printf("host: the memory view wrote %u byte(s) at %#x on target %d:", access.length,
                    access.offset, access.target);
        for (uint32_t i = 0; i < access.length; ++i)
            std::printf(" %02x", unsigned(sim.peek(access.target, access.offset + i)));
        std::printf("\n");
    }
}

void showDisassembly(QWidget *view)
{
    typeAddress(view, QStringLiteral("0x%1").arg(kArmProgramBase, 0, 16));
    auto *formats = view->findChild<QComboBox *>(QStringLiteral("listFormats"));
    const int item = formats ? formats->findText(QStringLiteral("Disassembly")) : -1;
    if (item < 0)
        return;
    formats->setCurrentIndex(item);
    emit formats->activated(item);
    pump(200);
}

} // namespace

void runViewMemoryDemo(void *library, const std::string &screenshotDir)
{
    IGcp_ViewsManager *views = viewsManager();
    if (!views)
        return;
    placeNextPaneAtBottom(library, false);
    QPointer<QWidget> view = newMemoryView(views);
    views->ops->Release(views);
    if (!view)
        return;
    QWidget *window = view->window();
    if (window == view || window->isWindow())
        window->resize(qMax(window->width(), 820), qMax(window->height(), 320));
    pump(100);

    SimulatedTarget::installed().clearLog();
    typeAddress(view, QStringLiteral("0x%1").arg(kGreeting, 0, 16));
    if (QWidget *data = view->findChild<QWidget *>(QStringLiteral("DataMemoryView")))
        wheelDown(data, 2);
    editFieldAndCharacter(view);
    if (!view)
        return;
    printWrites();
    saveScreenshot(view, screenshotDir, "memoryview.png");
    showDisassembly(view);
    if (view)
        saveScreenshot(view, screenshotDir, "disassembly.png");
}

} // namespace demo
