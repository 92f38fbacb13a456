// The demo as its user meets it on a display, through the demo's own parts: a step shows the
// memory it changed in the change colour, and keeps showing it while the target runs on.
#include "framedemo.h"
#include "handsondemo.h"
#include "memorydemo.h"
#include "testhost.h"
#include "xdesktop.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <random>
#include <string>

namespace {

const QString g_fault =
    testhost::listingTests() ? QString() : testhost::startXDesktop(testhost::XDesktop::Bare);

// The colour of memory the last target update changed.
const QColor kChangedLast(0, 0, 255);

const demo::HandsOnEntry *entry(int hostId)
{
    for (const demo::HandsOnEntry &e : demo::handsOnEntries())
        if (e.hostId == hostId)
            return &e;
    return nullptr;
}

QWidget *memoryView()
{
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->inherits("KViewMemory") && widget->isVisible())
            return widget;
    return nullptr;
}

// Pixels of the data table drawn in the colour of the last change.
int changeColoured(QWidget *view)
{
    auto *table = qobject_cast<QAbstractScrollArea *>(
        view->findChild<QWidget *>(QStringLiteral("DataMemoryView")));
    if (!table)
        return -1;
    const QImage picture = table->viewport()->grab().toImage();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixelColor(x, y) == kChangedLast;
    return count;
}

} // namespace

// Steps, idle ticks of the running counter and stops of the cores in a random order: after a
// step, however many ticks follow, the bytes it changed show in the change colour.
TEST(DemoOnDisplay, AStepShowsWhatItChangedUntilTheTargetNextStops)
{
    ASSERT_TRUE(g_fault.isEmpty()) << qPrintable(g_fault);
    void *self = dlopen(nullptr, RTLD_NOW);
    ASSERT_TRUE(self);
    demo::loadFrameExports(self);
    demo::createMainWindow({});
    registerViewsEventSubject();
    installSimulatedTarget();
    const demo::HandsOnEntry *memory = entry(40048);
    const demo::HandsOnEntry *step = entry(40071);
    ASSERT_TRUE(memory && step);
    memory->open(self);
    testhost::pumpFor(200);
    QWidget *view = memoryView();
    ASSERT_TRUE(view) << "View > Memory showed no memory view";
    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    bool stepped = false;
    std::string events;
    for (int i = 0; i < 60; ++i) {
        const unsigned roll = random() % 8;
        if (roll < 2) {
            step->open(self);
            stepped = true;
            events += " step";
        } else if (roll < 7) {
            advanceSimulatedTarget();
            events += " tick";
        } else {
            simulatedTargetStopped();
            stepped = false;
            events += " stop";
        }
        testhost::settle();
        if (stepped) {
            ASSERT_GT(changeColoured(view), 0)
                << "no change colour after" << events << " (seed " << seed << ")";
        }
    }
    dlclose(self);
}
