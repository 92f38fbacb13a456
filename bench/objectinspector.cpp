// The inspector's two heavy paths: activation records streamed to the tool, and the object
// tree of a large window serialised for it.
#include "testhost.h"

#include "inspectorpeer.h"
#include "objectinspector/objecttree.h"
#include "objectinspector/qtobjectinspector.h"
#include "objectinspector/signalhooks.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRecords = 100000;
constexpr int kWidgets = 5000;

bool spinUntil(const std::function<bool()> &done, int timeoutMs = 60000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

void BM_StreamActivationRecords(benchmark::State &state)
{
    InspectorPeer peer;
    peer.exportPort();
    QtObjectInspector inspector;
    SignalHooks::detach(&inspector);
    if (!spinUntil([&] { return peer.commands().size() >= 1; })) {
        state.SkipWithError("the client did not log in");
        return;
    }
    const SignalFilterList none;
    peer.send(ProtocolCommand::SetSignalFilter, &none);
    spinUntil([&] { return inspector.isTracing(); });

    const MemberData begin(42, QStringLiteral("QPushButton"), QStringLiteral("clicked(bool)"),
                           QStringLiteral("probe button"), true);
    MemberData end = begin;
    end.opening = false;
    for (auto _ : state) {
        peer.clear();
        for (int i = 0; i < kRecords / 2; ++i) {
            inspector.signalBegin(begin);
            inspector.signalEnd(end);
        }
        if (!spinUntil([&] { return peer.commands().size() >= kRecords; })) {
            state.SkipWithError("records went missing");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    qunsetenv("QT_INSPECTOR_PORT");
}
BENCHMARK(BM_StreamActivationRecords)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// A window of 50 panels holding 99 labels and buttons each: 5,000 widgets with the window.
std::unique_ptr<QWidget> largeWindow()
{
    auto window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    int made = 1;
    for (int p = 0; p < 50; ++p) {
        auto *panel = new QWidget(window.get());
        layout->addWidget(panel);
        ++made;
        for (int w = 0; w < 99 && made < kWidgets; ++w, ++made) {
            QWidget *widget =
                w % 2 ? static_cast<QWidget *>(new QLabel(QStringLiteral("label"), panel))
                      : new QPushButton(QStringLiteral("button"), panel);
            widget->setObjectName(QStringLiteral("w%1").arg(made));
        }
    }
    return window;
}

void BM_SerialiseTreeOf5000Widgets(benchmark::State &state)
{
    const std::unique_ptr<QWidget> window = largeWindow();
    qint64 bytes = 0;
    for (auto _ : state) {
        ObjectTree tree;
        tree.build();
        tree.link();
        const ProtocolCommand command(ProtocolCommand::ObjectTreeData, &tree);
        bytes = command.buffer().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["frame_bytes"] = double(bytes);
}
BENCHMARK(BM_SerialiseTreeOf5000Widgets)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
