#include "system/filedialogsettings.h"

#include "system/debugoutput.h"
#include "system/regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>

#include <utility>

namespace tesk::system {

namespace {

// Nothing is ever read from or made below a device: the toolkit finds no file there and fails
// to write one.
const char kNowhere[] = "/dev/null";

// The file a settings class made for a name no file has would read: its folder is that of the
// user's settings files of the format, its ending the format's. The settings class reads the
// file it is made for as it is made, so the name is new at every call: neither a file nor a
// pipe anybody made can stand there, and nothing is opened.
QFileInfo probeFile(QSettings::Format format)
{
    const QString nobodys =
        QStringLiteral("tesk-settings-folder-%1-%2")
            .arg(QCoreApplication::applicationPid())
            .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
    const QSettings probe(format, QSettings::UserScope, nobodys);
    return QFileInfo(probe.fileName());
}

} // namespace

QString userSettingsFolder(QSettings::Format format)
{
    return probeFile(format).path();
}

QString toolkitDialogSettingsFile()
{
    const QFileInfo probe = probeFile(QSettings::defaultFormat());
    return probe.path() + QStringLiteral("/QtProject.") + probe.completeSuffix();
}

void ToolkitSettingsShield::turnAway()
{
    if (!m_userFolder.isEmpty())
        return;
    const QString file = toolkitDialogSettingsFile();
    if (regularOrAbsent(file))
        return;
    if (!std::exchange(m_told, true))
        debugOutput("The file dialog's own settings are left alone: " + file.toStdString() +
                    " is no regular file\n");
    const auto format = QSettings::defaultFormat();
    m_userFolder = userSettingsFolder(format);
    m_format = int(format);
    QSettings::setPath(format, QSettings::UserScope, QLatin1String(kNowhere));
}

void ToolkitSettingsShield::giveBack()
{
    if (m_userFolder.isEmpty())
        return;
    QSettings::setPath(QSettings::Format(m_format), QSettings::UserScope, m_userFolder);
    m_userFolder.clear();
}

} // namespace tesk::system
