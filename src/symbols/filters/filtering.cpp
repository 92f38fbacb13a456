#include "symbols/filters/filtering.h"

#include "frame/core/softcheck.h"
#include "frame/core/xmlsaxreader.h"

#include <tesk/tesk_filters.h>

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstring>

using NXmlSerial::XmlContext;
using NXmlSerial::XmlDataItem;

namespace Filtering {

namespace {

bool startsElement(XmlContext &c, const char *name)
{
    return c.Mode() == XmlContext::LoadMode && c.EventType() == XmlContext::ElementStartEvent &&
           c.ElementName() == QLatin1String(name);
}

// Binds the element's text to the field when the element of that name starts.
template<typename Field>
bool bindOnStart(XmlContext &c, const char *name, Field *field)
{
    if (!startsElement(c, name))
        return false;
    c.AdoptReader(new XmlDataItem(field), true);
    return true;
}

} // namespace

FCommonFilter &FCommonFilter::Assign(const FCommonFilter &other)
{
    SetName(other.GetName());
    SetActive(other.IsActive());
    SetInclude(other.IsInclude());
    SetRegex(other.IsRegex());
    return *this;
}

void FCommonFilter::Serialize(XmlContext &c)
{
    if (c.Mode() == XmlContext::StoreMode) {
        c.OpenNode(QStringLiteral("filter"));
        c.WriteText(QStringLiteral("name"), GetName());
        c.WriteBool(QStringLiteral("is_active"), IsActive());
        c.WriteBool(QStringLiteral("is_include"), IsInclude());
        c.WriteBool(QStringLiteral("is_regex"), IsRegex());
        return;
    }
    bindOnStart(c, "name", &m_name) || bindOnStart(c, "is_active", &m_isActive) ||
        bindOnStart(c, "is_include", &m_isInclude) || bindOnStart(c, "is_regex", &m_isRegex);
}

FAbstractFilter *FModuleFilter::Clone() const
{
    auto *copy = new FModuleFilter;
    copy->Assign(*this);
    return copy;
}

FModuleFilter &FModuleFilter::Assign(const FModuleFilter &other)
{
    FCommonFilter::Assign(other);
    SetProcessName(other.GetProcessName());
    SetModuleName(other.GetModuleName());
    SetEventType(other.GetEventType());
    SetAllProcesses(other.IsAllProcesses());
    SetAllModules(other.IsAllModules());
    return *this;
}

void FModuleFilter::Serialize(XmlContext &c)
{
    FCommonFilter::Serialize(c);
    if (c.Mode() == XmlContext::StoreMode) {
        c.WriteText(QStringLiteral("process_name"), GetProcessName());
        c.WriteText(QStringLiteral("module_name"), GetModuleName());
        c.WriteText(QStringLiteral("event_type"), GetEventType());
        c.WriteBool(QStringLiteral("all_processes"), IsAllProcesses());
        c.WriteBool(QStringLiteral("all_modules"), IsAllModules());
        return;
    }
    bindOnStart(c, "process_name", &m_processName) ||
        bindOnStart(c, "module_name", &m_moduleName) ||
        bindOnStart(c, "event_type", &m_eventType) ||
        bindOnStart(c, "all_processes", &m_allProcesses) ||
        bindOnStart(c, "all_modules", &m_allModules);
}

FCommonCollFilters::~FCommonCollFilters()
{
    Clear(true);
}

int FCommonCollFilters::Add(FAbstractFilter *filter)
{
    m_filters.push_back(filter);
    return Count() - 1;
}

void FCommonCollFilters::Clear(bool deleteItems)
{
    if (deleteItems) {
        for (FAbstractFilter *filter : m_filters)
            delete filter;
    }
    m_filters.clear();
}

void FCommonCollFilters::Remove(int index)
{
    m_filters.erase(m_filters.begin() + index);
}

void FCommonCollFilters::Assign(const FCommonCollFilters &other)
{
    if (&other == this)
        return;
    Clear(true);
    for (FAbstractFilter *filter : other.m_filters)
        Add(filter->Clone());
}

void FCommonCollFilters::Serialize(XmlContext &c)
{
    if (c.Mode() != XmlContext::StoreMode)
        return;
    TESK_CHECK(c.IsNodeOpened());
    for (FAbstractFilter *filter : m_filters)
        c.Serialize(*filter);
}

void FModuleCollFilters::Serialize(XmlContext &c)
{
    if (c.Mode() == XmlContext::StoreMode) {
        c.OpenNode(QStringLiteral("module_filters"));
        FCommonCollFilters::Serialize(c);
        return;
    }
    if (startsElement(c, "filter")) {
        auto *filter = new FModuleFilter;
        Add(filter);
        c.PushReader(filter);
    } else if (startsElement(c, "module_filters")) {
        c.PushReader(this);
    }
}

SymbolFileFilterData *SymbolFileFilterData::instance()
{
    static SymbolFileFilterData set;
    return &set;
}

void SymbolFileFilterData::SetDefault()
{
    m_filters.Clear(true);
    SetActive(false);
}

void SymbolFileFilterData::Assign(const SymbolFileFilterData &other)
{
    SetActive(other.IsActive());
    m_filters.Assign(other.m_filters);
}

void SymbolFileFilterData::Serialize(XmlContext &c)
{
    if (c.Mode() == XmlContext::StoreMode) {
        c.OpenNode(QStringLiteral("file_filter_data"));
        c.Serialize(m_filters);
        return;
    }
    if (startsElement(c, "file_filter_data")) {
        c.PushReader(this);
        m_filters.Clear(true);
        return;
    }
    m_filters.Serialize(c);
}

int loadFilterSection(SymbolFileFilterData &set, const QString &fileName, const QString &tag)
{
    // Every document may be cut or broken anywhere (a writer interrupted), and a later copy of
    // the section may still be whole: each attempt starts from a fresh copy of the host's
    // list, so that neither a failure nor a broken section's filters reach the result. A
    // document without "file_filter_data" keeps the list, as loading in place would.
    return NXmlSerial::loadXmlSection(fileName, tag, [&set](QIODevice &document) {
        SymbolFileFilterData loaded;
        loaded.ModuleFilters().Assign(set.ModuleFilters());
        if (!NXmlSerial::loadXmlDocument(document, loaded))
            return false;
        set.ModuleFilters().Assign(loaded.ModuleFilters());
        return true;
    });
}

namespace {

void copyText(char (&field)[256], const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    // One byte is kept for the terminator, so the host never reads past the field.
    const size_t length = std::min(size_t(bytes.size()), sizeof field - 1);
    std::memcpy(field, bytes.constData(), length);
    std::memset(field + length, 0, sizeof field - length);
}

} // namespace

void fillModuleFilterRecord(const FModuleFilter &filter, ModuleFilterRecord &record)
{
    record.is_active = filter.IsActive() ? 1 : 0;
    copyText(record.name, filter.GetName());
    copyText(record.process_name, filter.GetProcessName());
    copyText(record.module_name, filter.GetModuleName());
    copyText(record.event_type, filter.GetEventType());
    record.all_processes = filter.IsAllProcesses() ? 1 : 0;
    record.all_modules = filter.IsAllModules() ? 1 : 0;
    record.is_include = filter.IsInclude() ? 1 : 0;
    record.is_regex = filter.IsRegex() ? 1 : 0;
}

} // namespace Filtering
