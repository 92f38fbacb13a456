#include "frame/core/cuitextutils.h"

#include "system/modalseam.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdlib>

#include <cstring>

using tesk::system::ModalSeam;

namespace {

QString trObject(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

bool refuse(QWidget *parent, bool quiet, QMessageBox::Icon icon, const QString &caption,
            const QString &text)
{
    if (!quiet)
        ModalSeam::messageBox(parent, icon, caption, text, QMessageBox::Ok, QMessageBox::Ok);
    return false;
}

const char *memoryFileVerb(int action)
{
    switch (action) {
    case CuiMemoryFileRead:
        return "readfile";
    case CuiMemoryFileWrite:
        return "writefile";
    case CuiMemoryFileVerify:
        return "verifyfile";
    default:
        return nullptr;
    }
}

} // namespace

bool cuiMakeMemoryFileCommand(QWidget *parent, bool quiet, int action, const QString &fileType,
                              const QString &fileName, const QString &location,
                              bool startAddressRequired, QString &command)
{
    if (fileName.isEmpty())
        return refuse(parent, quiet, QMessageBox::Warning, trObject("Warning"),
                      trObject("Please enter a filename before pressing Apply"));
    const char *verb = memoryFileVerb(action);
    if (!verb)
        return refuse(parent, quiet, QMessageBox::Critical, QStringLiteral("Error"),
                      QStringLiteral("Invalid Action selected"));
    command = QStringLiteral("%1,%2,gui \"%3\"").arg(QLatin1String(verb), fileType, fileName);
    if (action == CuiMemoryFileWrite) {
        if (!location.contains(QLatin1String("..")))
            return refuse(parent, quiet, QMessageBox::Warning, trObject("Error"),
                          trObject("Please supply an address range when saving to file"));
    } else if (startAddressRequired && location.isEmpty()) {
        return refuse(
            parent, quiet, QMessageBox::Warning, trObject("Error"),
            trObject("Please supply a start address when reading/verifying this type of file"));
    }
    if (!location.isEmpty())
        command += QLatin1Char('=') + location;
    return true;
}

bool expandEnvironmentReference(QString &text)
{
    if (!text.contains(QLatin1Char('$')))
        return true;
    static const QRegularExpression reference(QStringLiteral("\\$(\\w+?)\\W"));
    const QRegularExpressionMatch match = reference.match(text);
    if (!match.hasMatch())
        return true;
    const QByteArray variable = match.captured(1).toLocal8Bit();
    const char *value = std::getenv(variable.constData());
    if (!value)
        return true;
    const qsizetype dollar = match.capturedStart(0);
    const qsizetype end = match.capturedEnd(1);
    text = text.left(dollar) + QString::fromLocal8Bit(value) + text.mid(end);
    return true;
}
