#pragma once

// The toolkit's file dialog reads a settings file of its own among the user's settings
// (QtProject.conf) as it is made, and writes it as it ends, with nothing to say where or
// whether. A pipe there that nobody writes to would hold the first file chooser for ever. The
// library's file dialogs are made as FileDialog: while the toolkit's part of one is made and
// while it ends, that file is looked at as the remembered folders are; when it is there but no
// regular file, the toolkit's settings of the user are read from and written to nowhere, and
// the debug output says why. In between (while the dialog runs) they are the user's again.

#include <QFileDialog>
#include <QSettings>

namespace tesk::system {

class ToolkitSettingsShield
{
protected:
    ToolkitSettingsShield() { turnAway(); }
    ~ToolkitSettingsShield() { giveBack(); }
    ToolkitSettingsShield(const ToolkitSettingsShield &) = delete;
    ToolkitSettingsShield &operator=(const ToolkitSettingsShield &) = delete;

    // Turns the toolkit's settings away from an odd file (nothing when the file is fine).
    void turnAway();
    // Gives them back their folder.
    void giveBack();

private:
    // The folder the settings were turned away from; empty while they are not.
    QString m_userFolder;
    int m_format = 0;
    bool m_told = false;
};

// The shield is a base made before the toolkit's dialog and ended after it.
class FileDialog : private ToolkitSettingsShield, public QFileDialog
{
public:
    explicit FileDialog(QWidget *parent = nullptr, const QString &caption = QString(),
                        const QString &directory = QString(), const QString &filter = QString())
        : QFileDialog(parent, caption, directory, filter)
    {
        giveBack();
    }
    ~FileDialog() override { turnAway(); }
};

// The file the toolkit's dialog keeps its settings in, named without reading it.
QString toolkitDialogSettingsFile();

// The folder the user's settings files of the format are in (as the toolkit's settings class
// places them, a folder set for the format included), found without opening a file.
QString userSettingsFolder(QSettings::Format format);

} // namespace tesk::system
