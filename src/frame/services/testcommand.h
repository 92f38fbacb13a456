#pragma once

#include <tesk/tesk_panes.h>

#include <QString>
#include <QStringList>

class MainWindow;

namespace tesk::frame {

// The host's test command: looks into the menus and panes of the running frame and prints
// what it finds through the host's printer.
class TestCommand
{
public:
    TestCommand(CuiPaneOutputFn print, void *printContext);

    // Runs the option with its arguments (null ones skipped); the answer is in result().
    void run(TeskHandle window, const QString &option, const char *const arguments[6]);
    const QString &result() const { return m_result; }
    // Writes the result to the file, created or truncated; nothing for an empty result.
    bool writeResult(const QString &fileName) const;

private:
    void dumpMenus();
    void runNavigatorCommand(TeskHandle window, const QStringList &arguments);
    void print(const char *format, const QByteArray &value = QByteArray());

    CuiPaneOutputFn m_print;
    void *m_printContext;
    QString m_result;
};

} // namespace tesk::frame
