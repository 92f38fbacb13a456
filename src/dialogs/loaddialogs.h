#pragma once
// The portable Load Image and Load Binary dialogs: a file dialog embedded above a panel of load
// options, and the runners that pick them or the platform's dialogs.

#include "system/nativeloaddialogs.h"

#include <QDialog>

#include <vector>

class CuiFileDlg;
class LoadMemoryPanel;
class QListWidgetItem;
class loadimagepanel;

namespace tesk::dialogs {

// Embeds a new file dialog named "File Dialog" above the panel in the dialog's layout, with a
// size grip below; the dialog ends with the file dialog's Open (1) or Cancel (0) unless the
// caller connects otherwise.
CuiFileDlg *embedFileDialog(QDialog *dialog, QWidget *panel);

// What the library gives the platform's dialogs: its help and the main windows' modal mark.
const system::NativeDialogServices &nativeDialogServices();

} // namespace tesk::dialogs

class CuiLoadImageDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CuiLoadImageDlg(QWidget *parent = nullptr, const char *name = nullptr,
                             Qt::WindowFlags flags = {});
    ~CuiLoadImageDlg() override;

    CuiFileDlg *fileDialog() const { return m_fileDialog; }
    loadimagepanel *panel() const { return m_panel; }

    void addHelpButton();
    int setHelpId(int helpId);
    void setHelpFunction(void (*function)(int));
    void setMode(int mode);
    void setFilter(const QString &filter);
    void setFilters(const QString &filters);
    void setFilters(const QStringList &filters);
    void setDir(const QString &directory);
    QString selectedFile() const;
    QStringList selectedFiles() const;

    bool symbolsOnly() const;
    bool replaceExisting() const;
    QString arguments() const;
    QString sections() const;
    QString offset() const;
    int pcMode() const;

private slots:
    void fileOpenAccept();
    void fileOpenReject();

private:
    CuiFileDlg *m_fileDialog = nullptr;
    loadimagepanel *m_panel = nullptr;
};

class CuiLoadMemoryDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CuiLoadMemoryDlg(QWidget *parent = nullptr, const char *name = nullptr,
                              Qt::WindowFlags flags = {});
    ~CuiLoadMemoryDlg() override;

    CuiFileDlg *fileDialog() const { return m_fileDialog; }
    LoadMemoryPanel *panel() const { return m_panel; }

    // Appends the choices of the host's text and selects the first entry.
    void setChoices(const QString &text);
    // Null until a run was accepted, empty after a refused attempt.
    const QString &command() const { return m_command; }
    // The command as the host reads it: the same pointer, valid while this dialog lives and its
    // command is unchanged.
    const char *commandText() const;

    bool validateLoad();

private slots:
    void fileOpenAccept();
    void fileOpenReject();
    void slotListBoxChanged(QListWidgetItem *item);

private:
    bool makeCommand(QString &command);
    void updateLocationHelp();

    CuiFileDlg *m_fileDialog = nullptr;
    LoadMemoryPanel *m_panel = nullptr;
    std::vector<int> m_locationFlags;
    QString m_command;
};

// The runners: the portable dialogs with KSODEBUG_USE_PORTABLE_DIALOGS set, else the
// platform's. Load Image answers the chosen file (empty when cancelled) and its options.
QString runLoadImageDialog(tesk::system::NativeLoadImageRequest &request);
// The load command, or an empty string.
QString runLoadBinaryDialog(QWidget *parent, const QString &startDir, int helpId,
                            const QString &choices);
