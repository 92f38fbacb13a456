// The problem-report template the user information dialog fills in, as read from its file.
#include "dialogs/userinfodlg.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QTextStream>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray templateText(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextStream in(&templateText, QIODevice::ReadOnly);
    QString written;
    QTextStream out(&written, QIODevice::WriteOnly);
    static const QStringList values = {
        QStringLiteral("n"), QStringLiteral("c"),  QStringLiteral("p"),
        QString(),           QStringLiteral("a2"), QStringLiteral("t"),
        QStringLiteral("s"), QStringLiteral("z"),  QStringLiteral("e")};
    tesk::dialogs::mergeUserInformation(in, out, values);
    return 0;
}
