#include "xdesktop.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>

namespace testhost {

namespace {

constexpr int kStartMs = 15000;

// openbox's own settings: only the panel's margin, the rest as it comes.
constexpr char kOpenboxSettings[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>28</top><bottom>0</bottom><left>0</left><right>0</right></margins>
</openbox_config>
)";

// A child that ends when this process ends, however it ends, by the signal.
pid_t start(const std::string &program, const std::vector<std::string> &arguments, int keepFd,
            int endSignal)
{
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child != 0)
        return child;
    prctl(PR_SET_PDEATHSIG, endSignal);
    if (getppid() != parent)
        _exit(1);
    for (int fd = 3; fd < 256; ++fd)
        if (fd != keepFd)
            close(fd);
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    execvp(program.c_str(), argv.data());
    _exit(127);
}

// The display number the X server writes once it listens.
int readDisplay(int fd)
{
    std::string text;
    const QDeadlineTimer deadline(kStartMs);
    while (text.find('\n') == std::string::npos && !deadline.hasExpired()) {
        pollfd wait{fd, POLLIN, 0};
        if (poll(&wait, 1, int(deadline.remainingTime())) <= 0)
            break;
        char buffer[32];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, size_t(got));
    }
    return text.find('\n') == std::string::npos ? -1 : std::atoi(text.c_str());
}

QString bringUp(XDesktop kind)
{
    const struct
    {
        const char *program;
        const char *package;
        bool needed;
    } programs[] = {{"Xvfb", "xvfb", true},
                    {"openbox", "openbox", kind == XDesktop::WithWindowManager}};
    for (const auto &need : programs)
        if (need.needed &&
            QStandardPaths::findExecutable(QString::fromLatin1(need.program)).isEmpty())
            return QStringLiteral("%1 is missing: install the Debian package %2 "
                                  "(scripts/setup.sh does)")
                .arg(QLatin1String(need.program), QLatin1String(need.package));

    // The server picks a display no other server holds and tells which.
    int displayPipe[2];
    if (pipe(displayPipe) != 0)
        return QStringLiteral("no pipe for the X server's display number");
    const pid_t server = start("Xvfb",
                               {"-displayfd", std::to_string(displayPipe[1]), "-screen", "0",
                                "1024x600x24", "-nolisten", "tcp"},
                               displayPipe[1], SIGTERM);
    close(displayPipe[1]);
    const int display = readDisplay(displayPipe[0]);
    close(displayPipe[0]);
    if (server < 0 || display < 0)
        return QStringLiteral("Xvfb (package xvfb) did not start");
    const std::string name = ":" + std::to_string(display);
    setenv("DISPLAY", name.c_str(), 1);
    if (kind == XDesktop::Bare)
        return {};

    char pattern[] = "/tmp/tesk-desktop-XXXXXX";
    if (!mkdtemp(pattern))
        return QStringLiteral("no folder for openbox's settings");
    const QString folder = QString::fromLocal8Bit(pattern);
    const std::string settings = std::string(pattern) + "/rc.xml";
    const std::string ready = std::string(pattern) + "/ready";
    std::ofstream(settings) << kOpenboxSettings;
    // Ended at once, before the server it would otherwise complain about losing.
    const pid_t manager =
        start("openbox", {"--config-file", settings, "--sm-disable", "--startup", "touch " + ready},
              -1, SIGKILL);
    const QDeadlineTimer deadline(kStartMs);
    while (manager > 0 && !QFile::exists(QString::fromStdString(ready)) && !deadline.hasExpired())
        QThread::msleep(10);
    const bool up = QFile::exists(QString::fromStdString(ready));
    QDir(folder).removeRecursively();
    if (!up)
        return QStringLiteral("openbox (package openbox) did not start on display %1")
            .arg(QString::fromStdString(name));
    return {};
}

} // namespace

bool listingTests()
{
    std::ifstream cmdline("/proc/self/cmdline");
    const std::string arguments((std::istreambuf_iterator<char>(cmdline)),
                                std::istreambuf_iterator<char>());
    return arguments.find("--gtest_list_tests") != std::string::npos;
}

QString startXDesktop(XDesktop kind)
{
    const QString fault = bringUp(kind);
    // The library starts the toolkit on this display whatever platform the suite runs on.
    setenv("QT_QPA_PLATFORM", fault.isEmpty() ? "xcb" : "offscreen", 1);
    return fault;
}

} // namespace testhost
