#include "system/filedialogsettings.h"

#include "system/debugoutput.h"
#include "system/regularfile.h"

#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace tesk::system {

namespace {

// Nothing is ever read from or made below a device: the toolkit finds no file there and fails
// to write one.
const char kNowhere[] = "/dev/null";

// The folder of the user's settings in the toolkit's default format, and the file ending of
// that format. A settings class made for a name nobody uses tells both without reading the
// toolkit's file: made for that file, it would read it at once.
QFileInfo probeFile(QSettings::Format format)
{
    const QSettings probe(format, QSettings::UserScope, QStringLiteral("tesk-settings-folder"));
    return QFileInfo(probe.fileName());
}

} // namespace

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
    m_userFolder = probeFile(format).path();
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
