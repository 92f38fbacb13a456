#include "dialogs/ksodialogs_common.h"

#include "frame/core/hosttext.h"
#include "system/debugoutput.h"
#include "system/filedialogroom.h"
#include "system/filedialogsettings.h"
#include "system/filelock.h"
#include "system/modalseam.h"
#include "system/nativeloaddialogs.h"
#include "system/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <algorithm>
#include <chrono>
#include <memory>
#include <sys/stat.h>
#include <utility>

namespace {

using tesk::system::Modal;
using tesk::system::ModalSeam;

const char kOrderKey[] = "cuifiledlg/MRU/Order";
const char kEntryKey[] = "cuifiledlg/MRU/%1";
const char kSeparator[] = "::";
// Beside the settings file; QSettings itself takes the name with ".lock" for a lock of its own.
const char kLockSuffix[] = ".folders-lock";

QString allFiles()
{
    return QCoreApplication::translate("QObject", "All Files (*)");
}

// Runs the chooser for the widget it belongs to: whether it was accepted, with it and the widget
// still there. A window closed under the chooser takes both along; nothing is chosen then.
bool runForParent(Modal<tesk::system::FileDialog> &dialog, QWidget *parent)
{
    return dialog.run(parent, ModalSeam::Kind::FileDialog).accepted() && dialog;
}

// One file dialog in the form the environment asks for. The static form leaves the toolkit free
// to show the platform's dialog, as the toolkit's static functions would.
QStringList runChooser(QWidget *parent, const QString &objectName, const QString &caption,
                       const QString &startDir, const QString &filter, QFileDialog::FileMode mode,
                       QString *selectedFilter, bool resolveSymlinks)
{
    Modal<tesk::system::FileDialog> dialog(parent, caption, startDir);
    dialog->setNameFilters(dialogFilterList(filter));
    dialog->setObjectName(objectName);
    dialog->setFileMode(mode);
    if (mode == QFileDialog::AnyFile)
        dialog->setAcceptMode(QFileDialog::AcceptSave);
    if (usePortableDialogs())
        dialog->setOption(QFileDialog::DontUseNativeDialog);
    else if (!resolveSymlinks)
        dialog->setOption(QFileDialog::DontResolveSymlinks);
    if (selectedFilter && !selectedFilter->isEmpty())
        dialog->selectNameFilter(*selectedFilter);
    tesk::system::giveFileDialogRoom(dialog.get());
    if (!runForParent(dialog, parent))
        return {};
    if (selectedFilter)
        *selectedFilter = dialog->selectedNameFilter();
    return dialog->selectedFiles();
}

QString directoryOf(const QString &fileName)
{
    return QFileInfo(fileName).path();
}

QString makeFilterEntry(const QString &piece)
{
    const int bracketPos = int(piece.indexOf(QLatin1Char('[')));
    QString description = piece;
    QString patterns = piece;
    // A piece without '[' is the host's short form, not a fault: it stands for both parts.
    if (bracketPos != -1) {
        // The character before '[' (normally a blank) belongs to neither part.
        description = piece.left(qMax(0, bracketPos - 1));
        patterns = piece.mid(bracketPos + 1);
    }
    const QString entry = patterns == QLatin1String("*.*")
                              ? allFiles()
                              : QStringLiteral("%1 (%2)").arg(description, patterns);
    return QCoreApplication::translate("QObject", entry.toUtf8().constData());
}

} // namespace

bool usePortableDialogs()
{
    return qEnvironmentVariableIsSet("KSODEBUG_USE_PORTABLE_DIALOGS");
}

// ---- The choosers ----------------------------------------------------------------------------

QString chooseOpenFileName(const QString &startDir, const QString &filter, QWidget *parent,
                           const QString &objectName, const QString &caption,
                           QString *selectedFilter, bool resolveSymlinks)
{
    return runChooser(parent, objectName, caption, startDir, filter, QFileDialog::ExistingFile,
                      selectedFilter, resolveSymlinks)
        .value(0);
}

QStringList chooseOpenFileNames(const QString &filter, const QString &startDir, QWidget *parent,
                                const QString &objectName, const QString &caption,
                                QString *selectedFilter, bool resolveSymlinks)
{
    return runChooser(parent, objectName, caption, startDir, filter, QFileDialog::ExistingFiles,
                      selectedFilter, resolveSymlinks);
}

QString chooseSaveFileName(const QString &startDir, const QString &filter, QWidget *parent,
                           const QString &objectName, const QString &caption,
                           QString *selectedFilter, bool resolveSymlinks)
{
    return runChooser(parent, objectName, caption, startDir, filter, QFileDialog::AnyFile,
                      selectedFilter, resolveSymlinks)
        .value(0);
}

QString chooseExistingDirectory(const QString &startDir, QWidget *parent, const QString &objectName,
                                const QString &caption, bool dirOnly, bool resolveSymlinks)
{
    const bool portable = usePortableDialogs();
    Modal<tesk::system::FileDialog> dialog(parent, caption, startDir);
    dialog->setFileMode(QFileDialog::Directory);
    if (portable) {
        dialog->setObjectName(objectName);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setOption(QFileDialog::ShowDirsOnly, dirOnly);
    } else {
        // The static form always shows directories only and resolves links, under its own name.
        Q_UNUSED(resolveSymlinks)
        dialog->setObjectName(QStringLiteral("CuiSimpleDir"));
        dialog->setOption(QFileDialog::ShowDirsOnly);
    }
    tesk::system::giveFileDialogRoom(dialog.get());
    if (!runForParent(dialog, parent))
        return QString();
    return dialog->selectedFiles().value(0);
}

bool runFileDialog(QWidget *parent, const QString &caption, const QString &filter,
                   const QString &startDir, int mode, int /*helpId*/, QString &fileName,
                   QStringList &fileList)
{
    const QString start = startDir.isNull() ? fileDialogLastDir() : startDir;
    const QString toolkitFilter = makeDialogFilter(filter);
    QString name;
    switch (mode) {
    case tesk::core::OpenFiles: {
        const QStringList names = chooseOpenFileNames(
            toolkitFilter, start, parent, QStringLiteral("CUI::open_multiple_files_dialog"),
            caption, nullptr, true);
        if (names.isEmpty())
            return false;
        setFileDialogLastDir(directoryOf(names.first()));
        fileList = names;
        return true;
    }
    case tesk::core::SaveFile: {
        QString selectedFilter;
        name = chooseSaveFileName(start, toolkitFilter, parent,
                                  QStringLiteral("CUI::save_file_dialog"), caption, &selectedFilter,
                                  true);
        if (!name.isEmpty())
            name = appendDefaultExtension(name, selectedFilter);
        break;
    }
    case tesk::core::OpenOneFile:
        name = chooseOpenFileName(start, toolkitFilter, parent,
                                  QStringLiteral("CUI::open_file_dialog"), caption, nullptr, true);
        break;
    default:
        return false;
    }
    if (name.isEmpty())
        return false;
    setFileDialogLastDir(directoryOf(name));
    fileName = name;
    return true;
}

// ---- Filters and extensions ------------------------------------------------------------------

QString makeDialogFilter(const QString &hostFilter)
{
    if (hostFilter.contains(QLatin1String(";;")))
        return hostFilter;
    if (hostFilter.isNull())
        return allFiles();
    QString result;
    const QStringList pieces = hostFilter.split(QLatin1Char(']'), Qt::SkipEmptyParts);
    for (const QString &piece : pieces)
        result += makeFilterEntry(piece) + QLatin1String(";;");
    // Nothing but ']': a dialog without any filter would show no file at all.
    return result.isEmpty() ? allFiles() : result;
}

QStringList dialogFilterList(const QString &toolkitFilter)
{
    return tesk::system::fileDialogFilters(toolkitFilter);
}

QString makeDialogFilterFromText(const char *hostFilter)
{
    if (!hostFilter || !*hostFilter || qstrcmp(hostFilter, "*") == 0)
        return allFiles();
    return makeDialogFilter(tesk::core::hostText(hostFilter));
}

QString appendDefaultExtension(const QString &fileName, const QString &selectedFilter)
{
    const QString baseName = fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1);
    if (baseName.contains(QLatin1Char('.'))) {
        // A final dot asks for no extension at all.
        return fileName.endsWith(QLatin1Char('.')) ? fileName.chopped(1) : fileName;
    }
    const qsizetype open = selectedFilter.indexOf(QLatin1Char('('));
    const qsizetype close = selectedFilter.indexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return fileName;
    // The toolkit separates patterns with blanks, the host's notation with ';'.
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    const QString pattern = selectedFilter.mid(open + 1, close - open - 1)
                                .split(separators, Qt::SkipEmptyParts)
                                .value(0);
    // Only a "*.ext" pattern names an extension; "*" and "*.*" name none.
    if (!pattern.startsWith(QLatin1String("*.")) || pattern == QLatin1String("*.*"))
        return fileName;
    return fileName + pattern.mid(1);
}

// ---- Remembered directories ------------------------------------------------------------------

namespace {

// The file the remembered directories live in, named without reading it: the toolkit's
// settings class reads its files as it is made, and a pipe there would hold it for ever.
QString settingsFile()
{
    return tesk::system::userSettingsFolder(QSettings::NativeFormat) +
           QStringLiteral("/ZEB Limited/zebqt33x.conf");
}

// The settings of that file alone, or null (the debug output says why) when it is there but
// no regular file.
std::unique_ptr<QSettings> openSettings(const QString &file)
{
    if (!tesk::system::regularOrAbsent(file)) {
        tesk::system::debugOutput("The remembered directories are left alone: " +
                                  file.toStdString() + " is no regular file\n");
        return nullptr;
    }
    return std::make_unique<QSettings>(file, QSettings::NativeFormat);
}

// The settings file is the size of a few hundred entries; one far larger is read no further.
constexpr qint64 kMaxSettingsBytes = 64 << 20;
const char kGroup[] = "cuifiledlg";

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    Q_UNUSED(text)
    return !decoder.hasError();
}

// The letter of an entry's line ("MRU\a=...", the 27th "MRU\%7B=..."), or a null character.
QChar entryLetter(const QByteArray &key)
{
    if (!key.startsWith("MRU\\") && !key.startsWith("MRU/"))
        return QChar();
    const QByteArray name = key.mid(4);
    if (name.size() == 1 && name[0] >= 'a' && name[0] < 'a' + FileDialogMRU::kMaxSaved)
        return QChar(char16_t(name[0]));
    return name.compare("%7B", Qt::CaseInsensitive) == 0 ? QChar(u'{') : QChar();
}

// Calls at(letter, valueStart, valueEnd) for each entry line of the group in the file's bytes,
// the value as the line holds it (after "=", without the line end).
template<typename At>
void forEachEntryLine(const QByteArray &bytes, At at)
{
    bool inGroup = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype valueEnd = end > start && bytes[end - 1] == '\r' ? end - 1 : end;
        const QByteArray line = bytes.mid(start, valueEnd - start).trimmed();
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            inGroup = close > 0 && line.mid(1, close - 1).trimmed() == kGroup;
        } else if (inGroup) {
            const qsizetype equals = bytes.indexOf('=', start);
            if (equals >= 0 && equals < valueEnd) {
                const QChar letter = entryLetter(bytes.mid(start, equals - start).trimmed());
                if (!letter.isNull())
                    at(letter, equals + 1, valueEnd);
            }
        }
        start = end + 1;
    }
}

// The stored bytes of the entries that are no UTF-8, by letter.
QHash<QChar, QByteArray> unreadableValues(const QString &file)
{
    QHash<QChar, QByteArray> values;
    QByteArray bytes;
    if (!tesk::system::readRegular(file, kMaxSettingsBytes, bytes))
        return values;
    forEachEntryLine(bytes, [&](QChar letter, qsizetype from, qsizetype to) {
        const QByteArray value = bytes.mid(from, to - from);
        if (!isUtf8(value))
            values.insert(letter, value);
    });
    return values;
}

// The text the settings class reads from each of these lines' bytes: it decodes them in its own
// way (a character left unfinished at the line's end is dropped, a byte that begins one
// wrongly is U+FFFD), and unquotes and unescapes them. The lines are written into a file of
// their own, which a settings class reads.
QHash<QChar, QString> readAsSettings(const QHash<QChar, QByteArray> &values)
{
    QHash<QChar, QString> texts;
    if (values.isEmpty())
        return texts;
    QByteArray lines = QByteArray("[") + kGroup + "]\n";
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        lines += "MRU\\" +
                 (value.key() == QLatin1Char('{') ? QByteArray("%7B")
                                                  : QByteArray(1, char(value.key().unicode()))) +
                 '=' + value.value() + '\n';
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/tesk-folders-XXXXXX.conf"));
    if (!file.open() || file.write(lines) != lines.size() || !file.flush())
        return texts;
    const QSettings settings(file.fileName(), QSettings::NativeFormat);
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        texts.insert(value.key(),
                     settings.value(QString::fromLatin1(kEntryKey).arg(value.key())).toString());
    return texts;
}

} // namespace

FileDialogMRU::FileDialogMRU()
{
    reload();
}

namespace {

FileDialogMRU *g_mru = nullptr;

} // namespace

FileDialogMRU *FileDialogMRU::instance()
{
    if (!g_mru)
        g_mru = new FileDialogMRU;
    return g_mru;
}

void FileDialogMRU::end()
{
    delete std::exchange(g_mru, nullptr);
}

void FileDialogMRU::reload()
{
    m_fileName = settingsFile();
    const auto settings = openSettings(m_fileName);
    m_unreadable.clear();
    m_entries = settings ? readStored(*settings) : QList<Entry>();
}

QList<FileDialogMRU::Entry> FileDialogMRU::readStored(const QSettings &settings)
{
    QList<QPair<QChar, QString>> read;
    const QList<Entry> entries = readEntries(settings, &read);
    const QHash<QChar, QByteArray> values = unreadableValues(m_fileName);
    const QHash<QChar, QString> readAs = readAsSettings(values);
    // Entries held from an earlier read keep their bytes; those stored now take theirs afresh.
    // The settings class may answer from what it read before (a file of the same size and
    // time): bytes are taken only for the entry they read as.
    QHash<QString, QList<QByteArray>> unreadable;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const auto value = values.constFind(read.at(i).first);
        if (value != values.cend() && readAs.value(read.at(i).first) == read.at(i).second)
            unreadable[entries.at(i).first + QLatin1String(kSeparator) + entries.at(i).second]
                .append(*value);
    }
    for (const Entry &held : m_entries) {
        const QString text = held.first + QLatin1String(kSeparator) + held.second;
        const auto bytes = m_unreadable.constFind(text);
        if (bytes != m_unreadable.cend() && !unreadable.contains(text))
            unreadable.insert(text, *bytes);
    }
    m_unreadable = unreadable;
    return entries;
}

QList<FileDialogMRU::Entry> FileDialogMRU::readEntries(const QSettings &settings,
                                                       QList<QPair<QChar, QString>> *read)
{
    QList<Entry> entries;
    const auto entryKey = [](QChar letter) { return QString::fromLatin1(kEntryKey).arg(letter); };
    QString order = settings.value(QLatin1String(kOrderKey)).toString();
    // Without an order the entries there are still the user's: in letter order, each kept
    // where the next save writes.
    if (!settings.contains(QLatin1String(kOrderKey))) {
        for (int i = 0; i < kMaxSaved; ++i) {
            const QChar letter(char16_t(u'a' + i));
            if (settings.contains(entryKey(letter)))
                order += letter;
        }
    }
    for (const QChar letter : order) {
        const QString text = settings.value(entryKey(letter)).toString();
        // A letter without its entry names nothing: written back, it would become one.
        if (text.isEmpty())
            continue;
        // The key (a program's path) ends at the first separator; the folder is all the rest,
        // since a folder's name may hold the separator too.
        const qsizetype at = text.indexOf(QLatin1String(kSeparator));
        entries.append(at < 0
                           ? Entry{text, QString()}
                           : Entry{text.left(at), text.mid(at + qsizetype(qstrlen(kSeparator)))});
        if (read)
            read->append({letter, text});
    }
    return entries;
}

QString FileDialogMRU::programKey() const
{
    return m_programKey.isNull() ? QCoreApplication::applicationFilePath() : m_programKey;
}

QString FileDialogMRU::lastDir(const QString &key) const
{
    for (const Entry &entry : m_entries) {
        if (entry.first == key)
            return entry.second;
    }
    return QString();
}

namespace {

// How the settings file stands: another program's save replaces it (a new file, a new time).
struct FileStamp
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec changed{};
    bool operator==(const FileStamp &other) const
    {
        return exists == other.exists && device == other.device && inode == other.inode &&
               size == other.size && changed.tv_sec == other.changed.tv_sec &&
               changed.tv_nsec == other.changed.tv_nsec;
    }
};

FileStamp stampOf(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {true, status.st_dev, status.st_ino, status.st_size, status.st_mtim};
}

// On a loaded machine the programs saving at once each hold the lock longer, and one waiting
// may see it go to others for longer than the lock's wait: while the list is saved meanwhile,
// the lock goes on being asked for, up to this. A holder that saves nothing (a program stopped
// while it held the lock) is waited for once only.
constexpr std::chrono::seconds kBusyWait(20);

std::unique_ptr<tesk::system::HeldFileLock> takeLock(const QString &fileName)
{
    const auto start = std::chrono::steady_clock::now();
    FileStamp seen = stampOf(fileName);
    for (;;) {
        auto lock =
            std::make_unique<tesk::system::HeldFileLock>(fileName + QLatin1String(kLockSuffix));
        if (lock->state() != tesk::system::LockState::HeldByAnother)
            return lock;
        const FileStamp now = stampOf(fileName);
        if (now == seen || std::chrono::steady_clock::now() - start > kBusyWait)
            return lock;
        seen = now;
    }
}

} // namespace

bool FileDialogMRU::setLastDir(const QString &key, const QString &dir)
{
    using tesk::system::LockState;
    // Other host programs save the list too, each its own entry: the list is read again and
    // written back under the lock, so that none of them writes over another's entry with what
    // it read at its start. The settings file itself is replaced at every write and cannot
    // carry the lock. The settings are opened once the lock is taken: opening reads them.
    QDir().mkpath(QFileInfo(m_fileName).absolutePath());
    const auto lockPointer = takeLock(m_fileName);
    const tesk::system::HeldFileLock &lock = *lockPointer;
    // A lock that cannot be had at all keeps nobody out: saving without it is what a user
    // expects of a settings file that can be written.
    const bool mayWrite = lock.state() != LockState::HeldByAnother;
    if (lock.state() == LockState::Unusable)
        tesk::system::debugOutput(
            "The remembered directories are saved without their lock: " + lock.whyNotHeld() + '\n');
    const auto settings = mayWrite ? openSettings(m_fileName) : nullptr;
    if (settings)
        m_entries = withEntriesOnlyHeld(readStored(*settings), m_entries);
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).first == key) {
            m_entries.removeAt(i);
            break;
        }
    }
    m_entries.prepend({key, dir});
    if (settings)
        return save(*settings);
    if (!mayWrite)
        tesk::system::debugOutput("The remembered directories were not saved: the lock " +
                                  lock.whyNotHeld() + '\n');
    return false;
}

// The list as stored, then the entries only this run still holds (those beyond the stored
// ones).
QList<FileDialogMRU::Entry> FileDialogMRU::withEntriesOnlyHeld(QList<Entry> stored,
                                                               const QList<Entry> &held)
{
    const qsizetype storedCount = stored.size();
    for (const Entry &entry : held) {
        const auto sameKey = [&entry](const Entry &other) { return other.first == entry.first; };
        if (std::none_of(stored.cbegin(), stored.cbegin() + storedCount, sameKey))
            stored.append(entry);
    }
    return stored;
}

namespace {

// Which file a name stands for now: the settings class writes a new file and renames it over
// the old, so a save that went through leaves another file behind the name.
struct FileIdentity
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity &other) const
    {
        return exists == other.exists && device == other.device && inode == other.inode;
    }
};

FileIdentity identityOf(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {true, status.st_dev, status.st_ino};
}

} // namespace

bool FileDialogMRU::save(QSettings &settings) const
{
    const FileIdentity before = identityOf(settings.fileName());
    QString order;
    QHash<QChar, QPair<QString, QByteArray>> unreadable;
    QHash<QString, int> taken;
    for (int i = 0; i < m_entries.size() && i < kMaxSaved; ++i) {
        const QChar letter(char16_t(u'a' + i));
        const Entry &entry = m_entries.at(i);
        const QString text = entry.first + QLatin1String(kSeparator) + entry.second;
        settings.setValue(QString::fromLatin1(kEntryKey).arg(letter), text);
        const auto stored = m_unreadable.constFind(text);
        if (stored != m_unreadable.cend() && taken[text] < stored->size())
            unreadable.insert(letter, {text, stored->at(taken[text]++)});
        order += letter;
    }
    settings.setValue(QLatin1String(kOrderKey), order);
    settings.sync();
    // A file that did not read as settings (any bytes) keeps the status at that, whether the
    // write then went through or not: the file replaced tells.
    if (settings.status() == QSettings::NoError || (settings.status() == QSettings::FormatError &&
                                                    !(identityOf(settings.fileName()) == before))) {
        putBackUnreadable(unreadable);
        return true;
    }
    tesk::system::debugOutput("The remembered directories could not be written to " +
                              settings.fileName().toStdString() + '\n');
    return false;
}

// The settings class writes text as UTF-8 only: the entries it read with replacement
// characters get the bytes they were stored in back, so that their programs find them again.
void FileDialogMRU::putBackUnreadable(const QHash<QChar, QPair<QString, QByteArray>> &values) const
{
    if (values.isEmpty())
        return;
    // The settings class's own lock, which other programs writing the file take too.
    QLockFile lock(m_fileName + QLatin1String(".lock"));
    QByteArray bytes;
    if (!lock.tryLock(1500) || !tesk::system::readRegular(m_fileName, kMaxSettingsBytes, bytes)) {
        tesk::system::debugOutput("Entries of other programs in " + m_fileName.toStdString() +
                                  " were written in UTF-8: the file could not be had again\n");
        return;
    }
    QByteArray result;
    qsizetype copied = 0;
    forEachEntryLine(bytes, [&](QChar letter, qsizetype from, qsizetype to) {
        // Only a line as the settings class wrote it from that text (not quoted, nor written
        // meanwhile by another program) takes the bytes.
        const auto value = values.constFind(letter);
        if (value == values.cend() || QString::fromUtf8(bytes.mid(from, to - from)) != value->first)
            return;
        result += bytes.mid(copied, from - copied) + value->second;
        copied = to;
    });
    result += bytes.mid(copied);
    QSaveFile file(tesk::system::replacementTarget(m_fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(result) != result.size() || !file.commit())
        tesk::system::debugOutput("Entries of other programs in " + m_fileName.toStdString() +
                                  " were written in UTF-8: the file could not be written again\n");
}

QString fileDialogLastDir()
{
    FileDialogMRU *mru = FileDialogMRU::instance();
    return mru->lastDir(mru->programKey());
}

void setFileDialogLastDir(const QString &dir)
{
    FileDialogMRU *mru = FileDialogMRU::instance();
    mru->setLastDir(mru->programKey(), dir);
}

bool isRtosConnection()
{
    return false;
}

bool isRtosSystemScope()
{
    return false;
}
