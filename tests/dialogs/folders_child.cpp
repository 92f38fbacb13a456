// Another host program that remembers a folder of its file dialogs in the same home area, started
// by the remembered-folder tests. Arguments: the program's key, a folder, how many times to save
// it (as folder/0, folder/1 ...) and, optionally, a file to wait for before the first save, so
// that several of them save at once. Prints "ready" once started, then "saved=<count>". It meets
// read-only files as a user does, also as root.
#include "asplainuser.h"
#include "sanitizerdefaults.h"
#include "testhost.h"

#include "dialogs/ksodialogs_common.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 4 || !testfiles::dropPermissionOverrideWhenAsked())
        return 2;
    testhost::startLibrary();
    FileDialogMRU *folders = FileDialogMRU::instance();
    folders->setProgramKey(QString::fromLocal8Bit(argv[1]));
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    std::printf("ready\n");
    std::fflush(stdout);
    if (argc > 4) {
        const QString go = QString::fromLocal8Bit(argv[4]);
        QDeadlineTimer deadline(60000);
        while (!QFile::exists(go) && !deadline.hasExpired())
            QThread::usleep(200);
    }
    int saved = 0;
    for (int i = 0; i < count; ++i)
        saved += folders->setLastDir(folders->programKey(),
                                     folder + QLatin1Char('/') + QString::number(i))
                     ? 1
                     : 0;
    std::printf("saved=%d\n", saved);
    return 0;
}
