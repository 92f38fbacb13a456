#pragma once
// Every file and directory question of the library: the common chooser, the directory chooser,
// the host's filter notation, the default extension of a saved name and the directory the
// library remembers for each host program.
//
// Each chooser has two forms, picked at every call: with KSODEBUG_USE_PORTABLE_DIALOGS set, the
// toolkit's own widget dialog; without it, a dialog free to use the platform's native one. Both
// run through the modal seam (kind FileDialog) under the object names given here.

#include "frame/core/services.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QSettings;
class QWidget;

// Modes of runFileDialog: tesk::core::OpenOneFile (0), OpenFiles (1), SaveFile (2).
using FileDialogMode = tesk::core::FileChooserMode;

// True when the user chose: the name in fileName (modes 0 and 2) or the names in fileList
// (mode 1); the directory of the choice is remembered. A null start directory means the
// remembered one, an empty one is used as it is. Other modes answer false and show nothing.
// The help id is not used.
bool runFileDialog(QWidget *parent, const QString &caption, const QString &filter,
                   const QString &startDir, int mode, int helpId, QString &fileName,
                   QStringList &fileList);

// The toolkit's static choosers by their argument order; an empty answer when cancelled, and
// when the parent (or its window) was closed while the chooser waited: nothing of the parent
// may then be touched.
QString chooseOpenFileName(const QString &startDir, const QString &filter, QWidget *parent,
                           const QString &objectName, const QString &caption,
                           QString *selectedFilter, bool resolveSymlinks);
QStringList chooseOpenFileNames(const QString &filter, const QString &startDir, QWidget *parent,
                                const QString &objectName, const QString &caption,
                                QString *selectedFilter, bool resolveSymlinks);
QString chooseSaveFileName(const QString &startDir, const QString &filter, QWidget *parent,
                           const QString &objectName, const QString &caption,
                           QString *selectedFilter, bool resolveSymlinks);
QString chooseExistingDirectory(const QString &startDir, QWidget *parent, const QString &objectName,
                                const QString &caption, bool dirOnly, bool resolveSymlinks);

// The toolkit's filter text for a host filter ("C files [*.c]Headers [*.h]"); text holding
// ";;" is the toolkit's notation already and is returned as it is.
QString makeDialogFilter(const QString &hostFilter);
// The same for the host's 8-bit text (Latin-1); null, empty and "*" mean all files.
QString makeDialogFilterFromText(const char *hostFilter);

// The entries of a toolkit filter text as the dialog lists them: the toolkit of today would
// show the empty entry after a final ";;"; an entry too long to read stands for all files.
QStringList dialogFilterList(const QString &toolkitFilter);

// The saved name completed with the first pattern of the selected filter ("report" with
// "Text (*.txt)" gives "report.txt"); a name with an extension stays, a final dot is dropped.
QString appendDefaultExtension(const QString &fileName, const QString &selectedFilter);

// Whether the portable form of the dialogs is asked for (KSODEBUG_USE_PORTABLE_DIALOGS).
bool usePortableDialogs();

// The directories remembered per host program (the program's path is the key), newest first,
// kept in the user's settings ("ZEB Limited", "zebqt33x"); the first 27 entries are saved.
class FileDialogMRU
{
public:
    using Entry = QPair<QString, QString>; // (key, directory)
    static constexpr int kMaxSaved = 27;

    // Read on first use; ends when the library unloads.
    static FileDialogMRU *instance();
    static void end();

    QString lastDir(const QString &key) const;
    // Puts the pair in front (dropping the key's older entry) and saves at once. The saved list
    // is read again first, under a lock that other host programs saving theirs take too, so
    // that their entries stay as they saved them. False (the list still holds the pair for
    // this run, and the debug output says why) when the settings could not be written or
    // another held the lock for longer than it is waited for. A lock that cannot be had at all
    // (its file a folder, say) does not stop the save.
    bool setLastDir(const QString &key, const QString &dir);
    const QList<Entry> &entries() const { return m_entries; }

    // The key of this host program: its file path, unless a test gave another.
    QString programKey() const;
    void setProgramKey(const QString &key) { m_programKey = key; }
    // Forgets the list and reads the settings again (tests).
    void reload();

private:
    FileDialogMRU();
    // The entries, and the letter and text each was read from.
    static QList<Entry> readEntries(const QSettings &settings,
                                    QList<QPair<QChar, QString>> *read = nullptr);
    // The entries stored now; the stored bytes of those that are no UTF-8 are kept.
    QList<Entry> readStored(const QSettings &settings);
    static QList<Entry> withEntriesOnlyHeld(QList<Entry> stored, const QList<Entry> &held);
    bool save(QSettings &settings) const;
    // By letter: the text the settings class wrote, and the bytes to put in its place.
    void putBackUnreadable(const QHash<QChar, QPair<QString, QByteArray>> &values) const;

    QList<Entry> m_entries;
    // Other programs' entries stored in bytes that are no UTF-8 (a Latin-1 path) read here with
    // replacement characters: the stored bytes of each, by the text read, in list order.
    QHash<QString, QList<QByteArray>> m_unreadable;
    QString m_programKey;
    QString m_fileName;
};

// The remembered directory of this host program, or a null string.
QString fileDialogLastDir();
void setFileDialogLastDir(const QString &dir);

// Whether the debugger is connected through an RTOS, and whether its scope is the whole
// system: the breakpoint commands need both for the system-scope prefix. Not known here yet.
bool isRtosConnection();
bool isRtosSystemScope();
