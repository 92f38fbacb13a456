#include "frame/windows/toolbars/scriptdata.h"

#include <algorithm>
#include <utility>

using NXmlSerial::XmlContext;

namespace {

const QString kToolBarData = QStringLiteral("script_toolbar_data");
const QString kAllData = QStringLiteral("all_data");
const QString kData = QStringLiteral("data");
const QString kKey = QStringLiteral("key");
const QString kValue = QStringLiteral("value");

} // namespace

void ScriptMap::Serialize(XmlContext &c)
{
    if (c.Mode() == XmlContext::LoadMode) {
        load(c);
        return;
    }
    for (auto it = m_map.cbegin(); it != m_map.cend(); ++it) {
        c.OpenNode(kData);
        c.WriteText(kKey, it.key());
        c.WriteText(kValue, it.value());
        c.CloseNode();
    }
}

void ScriptMap::load(XmlContext &c)
{
    const QString name = c.ElementName();
    if (c.EventType() == XmlContext::ElementStartEvent) {
        if (name == kData)
            c.PushReader(this);
        else if (name == kKey)
            c.AdoptReader(new NXmlSerial::XmlDataItem(&m_currentKey), true);
        else if (name == kValue)
            c.AdoptReader(new NXmlSerial::XmlDataItem(&m_currentValue), true);
    } else if (c.EventType() == XmlContext::ElementEndEvent && name == kData) {
        // The first entry of a name wins.
        if (!m_map.contains(m_currentKey))
            m_map.insert(m_currentKey, m_currentValue);
    }
}

void ScriptMap::add(const QString &shownName, const QString &path)
{
    if (std::find(m_map.cbegin(), m_map.cend(), path) != m_map.cend())
        return;
    // Shortened names of two projects' files agree easily (".../debug/scripts/init.inc"); each
    // file keeps an entry of its own.
    QString name = shownName;
    for (int number = 2; m_map.contains(name); ++number)
        name = QStringLiteral("%1 (%2)").arg(shownName).arg(number);
    m_map.insert(name, path);
}

void ScriptMap::remove(const QString &name)
{
    m_map.remove(name);
    emit ScriptData::instance()->mapUpdated();
}

namespace {

ScriptData *g_data = nullptr;

} // namespace

ScriptData *ScriptData::instance()
{
    if (!g_data)
        g_data = new ScriptData;
    return g_data;
}

void ScriptData::end()
{
    delete std::exchange(g_data, nullptr);
}

void ScriptData::Serialize(XmlContext &c)
{
    if (c.Mode() == XmlContext::LoadMode) {
        if (c.EventType() != XmlContext::ElementStartEvent)
            return;
        if (c.ElementName() == kToolBarData) {
            m_scripts.map().clear();
            c.PushReader(this);
        } else if (c.ElementName() == kAllData) {
            c.PushReader(&m_scripts);
        }
        return;
    }
    c.OpenNode(kToolBarData);
    c.WriteBool(QStringLiteral("is_active"), !m_scripts.map().isEmpty());
    c.OpenNode(kAllData);
    c.Serialize(m_scripts);
    c.CloseNode();
}

int ScriptData::store(const QString &fileName, const QString &tag)
{
    return NXmlSerial::storeXmlSection(fileName, tag, *this);
}

int ScriptData::load(const QString &fileName, const QString &tag)
{
    // A section cut short or broken leaves the entries read before the fault: the user's list
    // is put back unless the whole section loaded.
    QMap<QString, QString> kept = m_scripts.map();
    const int loaded = NXmlSerial::loadXmlSection(fileName, tag, *this);
    if (!loaded)
        m_scripts.map().swap(kept);
    return loaded;
}
