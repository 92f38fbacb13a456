#pragma once

// Main windows for the tests, created as the host creates them, and a menu manager that
// stands in for the real one: it marks its window as calling while it runs a command and
// hands the command to a test function.

#include "modalanswers.h"
#include "testhost.h"

#include "frame/windows/mainframe.h"
#include "frame/windows/menuseam.h"
#include "frame/windows/store.h"

#include <functional>
#include <vector>

#include <gtest/gtest.h>

class FakeMenuManager : public tesk::frame::MenuManagerBase
{
    Q_OBJECT

public:
    using Command = std::function<void(int hostId)>;
    static Command onCommand;
    static QString buildError;
    static std::vector<int> commands;

    void run(int hostId)
    {
        emit sigSetCalling(true);
        commands.push_back(hostId);
        if (onCommand)
            onCommand(hostId);
        emit sigSetCalling(false);
    }
};

class FakeMenuBuilder : public tesk::frame::MenuBuilder
{
public:
    tesk::frame::MenuManagerBase *build(MainWindow *window, int tableKind,
                                        QString *errorText) override;
    void activate(tesk::frame::MenuManagerBase *manager, int hostId) override;
    void setFrameContext(tesk::frame::MenuManagerBase *, TeskHandle) override {}
    QString itemText(int tableKind, int hostId) override;
};

// Installs the fake manager for one test.
class FakeMenus
{
public:
    FakeMenus();
    ~FakeMenus();

private:
    FakeMenuBuilder m_builder;
    tesk::frame::MenuBuilder *m_previous;
};

class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // QtCreateNewCode(1), then QtFrameCreate with the name and handle; the new window.
    MainWindow *createFrame(const char *name, TeskHandle handle);

    // A main window's menus, boxes and dock dialogs can open in any test of the frame.
    testhost::ModalAnswers m_modalAnswers;
};

namespace testhost {

// Deletes every main window and resets the store's requests for the next window.
void endMainWindows();

// Where the separator between the code and the dock window's area stands (beside a side area,
// above the bottom one).
QPoint separatorBefore(const QMainWindow *window, QDockWidget *dock);
// The user presses the left button on the point of the main window (a separator between dock
// areas), drags by the offset and lets go; the step runs while the button is still down.
void dragOnWindow(QMainWindow *window, QPoint from, QPoint by,
                  const std::function<void()> &whileHeld = {});

} // namespace testhost
