#include "frames.h"

#include "frame/core/commandids.h"

#include <QApplication>
#include <QDockWidget>
#include <QMouseEvent>

FakeMenuManager::Command FakeMenuManager::onCommand;
QString FakeMenuManager::buildError;
std::vector<int> FakeMenuManager::commands;

tesk::frame::MenuManagerBase *FakeMenuBuilder::build(MainWindow *, int tableKind,
                                                     QString *errorText)
{
    *errorText = FakeMenuManager::buildError;
    auto *manager = new FakeMenuManager;
    manager->setObjectName(QStringLiteral("table %1").arg(tableKind));
    return manager;
}

void FakeMenuBuilder::activate(tesk::frame::MenuManagerBase *manager, int hostId)
{
    static_cast<FakeMenuManager *>(manager)->run(hostId);
}

QString FakeMenuBuilder::itemText(int tableKind, int hostId)
{
    return tableKind == 0 && hostId == tesk::commands::kCloseWindowCommand
               ? QStringLiteral("C&lose Window")
               : QString();
}

FakeMenus::FakeMenus()
    : m_previous(tesk::frame::setMenuBuilder(&m_builder))
{
    FakeMenuManager::commands.clear();
    FakeMenuManager::onCommand = nullptr;
    FakeMenuManager::buildError.clear();
}

FakeMenus::~FakeMenus()
{
    tesk::frame::setMenuBuilder(m_previous);
    FakeMenuManager::onCommand = nullptr;
}

void FrameTest::SetUp()
{
    QtCreateNewSpr(0);
    QtCreateNewEditor(0);
    QtCreateNewCode(0);
}

void FrameTest::TearDown()
{
    testhost::endMainWindows();
}

MainWindow *FrameTest::createFrame(const char *name, TeskHandle handle)
{
    QtCreateNewCode(1);
    CuiFrameRecord record{1, 0, 3, 77};
    QtFrameCreate(name, handle, &record);
    EXPECT_EQ(record.result, 0);
    return Store::currentMainWindow();
}

namespace testhost {

void endMainWindows()
{
    for (MainWindow *window : Store::instance()->mainWindows())
        delete window;
    QtCreateNewSpr(0);
    QtCreateNewEditor(0);
    QtCreateNewCode(0);
    Store::instance()->setDockingWindow(true);
}

QPoint separatorBefore(const QMainWindow *window, QDockWidget *dock)
{
    const QRect code = window->centralWidget()->geometry();
    if (window->dockWidgetArea(dock) == Qt::BottomDockWidgetArea)
        return {dock->x() + 40, (code.bottom() + dock->y()) / 2};
    return {(code.right() + dock->x()) / 2, dock->y() + 40};
}

void dragOnWindow(QMainWindow *window, QPoint from, QPoint by,
                  const std::function<void()> &whileHeld)
{
    const auto send = [window](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, window->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window, &event);
        settle();
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, from + by / 2, Qt::LeftButton);
    if (whileHeld)
        whileHeld();
    send(QEvent::MouseMove, from + by, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, from + by, Qt::NoButton);
}

} // namespace testhost
