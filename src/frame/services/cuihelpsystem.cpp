#include "frame/services/cuihelpsystem.h"

#include "frame/services/teskfile.h"
#include "system/documentopener.h"
#include "system/modalseam.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <memory>
#include <new>

namespace {

void warn(QWidget *parent, const QString &caption, const QString &text)
{
    tesk::system::ModalSeam::messageBox(parent, QMessageBox::Warning, caption, text,
                                        QMessageBox::Ok, QMessageBox::Ok);
}

QString translated(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

const char *const displayCaption = QT_TRANSLATE_NOOP("QObject", "Unable to Display Help");
const char *const fileMissingText =
    QT_TRANSLATE_NOOP("QObject", "Could not find the following help file:\n\n%1\n\nPlease set the "
                                 "KSODEBUG_HLPPATH environment variable\nto point to the root of "
                                 "help file installation.");

bool isDecimal(const QString &text, int *value)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    if (ok && value)
        *value = number;
    return ok;
}

} // namespace

QByteArray cuiBuiltInHelpPage(int contextId)
{
    // The pages of the help set that comes with the debugger, grouped in folders by the
    // windows and dialogs whose Help buttons ask for them.
    if (contextId == 50)
        return QByteArrayLiteral("gui/general/index.htm");
    if (contextId >= 101 && contextId <= 854)
        return QStringLiteral("gui/dialogs%1/idh_%2.htm")
            .arg(contextId / 100)
            .arg(contextId)
            .toLatin1();
    if (contextId >= 1000 && contextId <= 1028)
        return QStringLiteral("sync/dialogs/idh_%1.htm").arg(contextId).toLatin1();
    if (contextId == 2000)
        return QByteArrayLiteral("gui/registers/idh_2000.htm");
    return QByteArray();
}

CuiHelpSystem *CuiHelpSystem::instance()
{
    static std::unique_ptr<CuiHelpSystem> helpSystem;
    if (!helpSystem) {
        try {
            helpSystem.reset(new CuiHelpSystem);
        } catch (const std::bad_alloc &) {
            return nullptr;
        }
    }
    return helpSystem.get();
}

CuiHelpSystem::CuiHelpSystem()
{
    registerBuiltInMap();
}

void CuiHelpSystem::registerBuiltInMap()
{
    QHash<int, QByteArray> &pages = m_maps[builtInMapId];
    for (int id : {50, 2000})
        pages.insert(id, cuiBuiltInHelpPage(id));
    for (int id = 101; id <= 854; ++id)
        pages.insert(id, cuiBuiltInHelpPage(id));
    for (int id = 1000; id <= 1028; ++id)
        pages.insert(id, cuiBuiltInHelpPage(id));
}

bool CuiHelpSystem::registerMap(const TeskHelpEntry *entries, int mapId)
{
    if (!entries || m_maps.contains(mapId))
        return false;
    QHash<int, QByteArray> topics;
    const TeskHelpEntry *entry = entries;
    // A table whose terminator went missing is refused before reading far past its end.
    for (;; ++entry) {
        if (entry - entries >= kMaxHelpEntries)
            return false;
        if (entry->contextId == -1)
            break;
        // A later entry of the same id hides the earlier one.
        if (entry->topic)
            topics.insert(entry->contextId, QByteArray(entry->topic));
        else
            topics.remove(entry->contextId);
    }
    m_maps.insert(mapId, topics);
    return true;
}

bool CuiHelpSystem::removeMap(int mapId)
{
    return m_maps.remove(mapId) > 0;
}

QByteArray CuiHelpSystem::topic(int contextId, int mapId) const
{
    const auto map = m_maps.constFind(mapId);
    return map == m_maps.constEnd() ? QByteArray() : map->value(contextId);
}

bool CuiHelpSystem::showHelp(int contextId, int mapId, QWidget *parent)
{
    m_contextId = contextId;
    m_mapId = mapId;
    return showTopic(parent);
}

bool CuiHelpSystem::showTopic(QWidget *parent)
{
    const auto map = m_maps.constFind(m_mapId);
    if (map == m_maps.constEnd()) {
        warn(parent, translated(displayCaption),
             translated(QT_TRANSLATE_NOOP("QObject",
                                          "Could not find the following help application\n"
                                          "context:\n\n\t\t%1\n\nPlease report this "
                                          "information to your help\nfile vendor."))
                 .arg(m_mapId));
        return false;
    }
    const auto page = map->constFind(m_contextId);
    if (page == map->constEnd()) {
        warn(parent, translated(displayCaption),
             translated(QT_TRANSLATE_NOOP("QObject",
                                          "Could not find the following help topic:\n\n\t\t%1\n\n"
                                          "Please report this information to your\nhelp file "
                                          "vendor."))
                 .arg(m_contextId));
        return false;
    }
    TeskFile file;
    const bool found = file.setNameFromSearch(TeskFile::helpPathPrefix + QLatin1Char('/') +
                                              QString::fromLatin1(*page));
    if (!found || !file.exists()) {
        warn(parent, translated(displayCaption), translated(fileMissingText).arg(file.fileName()));
        return false;
    }
    return openDocument(file.fileName());
}

bool CuiHelpSystem::parseDescription(const QString &text)
{
    m_contextId = 0;
    m_topicText.clear();
    m_topicIsText = false;
    const qsizetype end = text.indexOf(QLatin1Char(';'));
    if (end < 0)
        return false;
    static const QRegularExpression ignored(QStringLiteral("[#\\n\\t ]"));
    const QString description = text.left(end).remove(ignored);

    const qsizetype at = description.indexOf(QLatin1Char('@'));
    if (at >= 0) {
        if (!isDecimal(description.left(at), &m_contextId)) {
            m_contextId = 0;
            return false;
        }
        const QString where = description.mid(at + 1);
        if (!isDecimal(where, &m_mapId)) {
            m_topicText = where;
            m_topicIsText = true;
        }
        return true;
    }
    static const QRegularExpression nonDigit(QStringLiteral("[^0-9]"));
    const qsizetype lastNonDigit = description.lastIndexOf(nonDigit);
    return isDecimal(description.mid(lastNonDigit + 1), &m_contextId);
}

bool CuiHelpSystem::locateHelpFile(QWidget *parent)
{
    if (m_topicText.isEmpty())
        return false;
    // A window name after ">" belongs to the host, not to the file.
    QString name = m_topicText;
    QString windowPart;
    const qsizetype window = name.indexOf(QLatin1Char('>'));
    if (window >= 0) {
        windowPart = name.mid(window);
        name.truncate(window);
    }
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));

    QString located;
    if (name.contains(QLatin1Char('/'))) {
        const TeskFile direct(name);
        if (direct.exists())
            located = direct.fileName();
        else
            name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    }
    if (located.isEmpty()) {
        TeskFile searched;
        if (!searched.setNameFromSearch(TeskFile::helpPathPrefix + QLatin1Char('/') + name)) {
            warn(parent, QString::fromLatin1(displayCaption),
                 QString::fromLatin1(fileMissingText).arg(searched.fileName()));
            return false;
        }
        located = searched.fileName();
    }
    m_topicText = located + windowPart;
    return true;
}

bool CuiHelpSystem::openDocument(const QString &fileName)
{
    const int error = tesk::system::openDocument(fileName);
    if (error == 0)
        return true;
    tesk::system::ModalSeam::messageBox(
        nullptr, QMessageBox::Information, QStringLiteral("Error calling ShellExecuteEx"),
        tesk::system::systemErrorText(error), QMessageBox::Ok, QMessageBox::Ok);
    return false;
}
