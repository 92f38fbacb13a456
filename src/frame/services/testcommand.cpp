#include "frame/services/testcommand.h"

#include "frame/core/services.h"
#include "frame/menus/mt.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "system/regularfile.h"

#include <QFile>

namespace tesk::frame {

namespace {

// The host's printer formats into a buffer of its own; long texts go in pieces.
constexpr int kPrintPiece = 10000;

} // namespace

TestCommand::TestCommand(CuiPaneOutputFn print, void *printContext)
    : m_print(print)
    , m_printContext(printContext)
{
}

void TestCommand::print(const char *format, const QByteArray &value)
{
    if (!m_print)
        return;
    if (value.isNull())
        m_print(m_printContext, 0, format);
    else
        m_print(m_printContext, 0, format, value.constData());
}

void TestCommand::run(TeskHandle window, const QString &option, const char *const arguments[6])
{
    if (option == QLatin1String("menu")) {
        dumpMenus();
    } else if (option == QLatin1String("datanav") || option == QLatin1String("symbols")) {
        QStringList list;
        for (int i = 0; i < 6; ++i) {
            if (arguments[i])
                list << QString::fromUtf8(arguments[i]);
        }
        runNavigatorCommand(window, arguments[0] ? list : QStringList());
    } else if (option != QLatin1String("qsdi") && option != QLatin1String("dockwidget")) {
        print("Unknown option '%s'", option.toUtf8());
    }
}

void TestCommand::dumpMenus()
{
    print("Dumping Menu State...\n");
    MainWindow *window = Store::currentMainWindow();
    auto *manager = window ? dynamic_cast<MT *>(window->menuManager()) : nullptr;
    if (!manager || !manager->dump(m_result, 0)) {
        print("Unable dump Menu State.\n");
        return;
    }
    for (qsizetype at = 0; at < m_result.size(); at += kPrintPiece)
        print("%s", m_result.mid(at, kPrintPiece).toUtf8());
}

void TestCommand::runNavigatorCommand(TeskHandle handle, const QStringList &arguments)
{
    MainWindow *window = Store::routeByHandle(handle);
    QObject *symbols = window ? window->findChild<QObject *>(QStringLiteral("Symbols")) : nullptr;
    QObject *navigator =
        symbols ? symbols->findChild<QObject *>(QStringLiteral("DataNav")) : nullptr;
    if (!navigator) {
        print("Error: No Symbols pane visible to act on.\n");
        return;
    }
    if (arguments.isEmpty()) {
        print("Error: A function name must to specified to tesktest \"datanav\"\n");
        return;
    }
    tesk::core::paneServices().runCommand(navigator, m_print, m_printContext, arguments, m_result);
}

bool TestCommand::writeResult(const QString &fileName) const
{
    if (fileName.isEmpty() || m_result.isEmpty())
        return false;
    QFile file;
    if (!tesk::system::openRegular(file, fileName, QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(m_result.toUtf8()) >= 0;
}

} // namespace tesk::frame
