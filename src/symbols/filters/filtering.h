#pragma once

// The host's module-load and thread-start event filters: an ordered list plus a master switch,
// one process-wide set that the exports and the event configuration dialog work on. The objects
// only hold and serialise the values; the host matches its events against them.

#include "frame/core/xmlserial.h"

#include <QObject>
#include <QString>

#include <vector>

struct ModuleFilterRecord;

namespace Filtering {

class FAbstractFilter : public QObject, public NXmlSerial::IXmlSerialize
{
    Q_OBJECT
public:
    virtual QString SetName(const QString &name) = 0;
    virtual QString GetName() const = 0;
    virtual bool SetActive(bool active) = 0;
    virtual bool IsActive() const = 0;
    virtual bool SetInclude(bool include) = 0;
    virtual bool IsInclude() const = 0;
    // A new filter of the same kind and values, owned by the caller.
    virtual FAbstractFilter *Clone() const = 0;
    virtual FAbstractFilter *Adapt(FAbstractFilter *other) = 0;
};

class FCommonFilter : public FAbstractFilter
{
    Q_OBJECT
public:
    QString SetName(const QString &name) override { return m_name = name; }
    QString GetName() const override { return m_name; }
    bool SetActive(bool active) override { return m_isActive = active; }
    bool IsActive() const override { return m_isActive; }
    bool SetInclude(bool include) override { return m_isInclude = include; }
    bool IsInclude() const override { return m_isInclude; }
    virtual bool SetRegex(bool regex) { return m_isRegex = regex; }
    virtual bool IsRegex() const { return m_isRegex; }
    virtual FCommonFilter &Assign(const FCommonFilter &other);

    void Serialize(NXmlSerial::XmlContext &c) override;

private:
    QString m_name;
    bool m_isActive = true;
    bool m_isRegex = false;
    bool m_isInclude = true;
};

class FModuleFilter : public FCommonFilter
{
    Q_OBJECT
public:
    FAbstractFilter *Clone() const override;
    FAbstractFilter *Adapt(FAbstractFilter *) override { return this; }

    virtual QString SetProcessName(const QString &name) { return m_processName = name; }
    virtual QString GetProcessName() const { return m_processName; }
    virtual bool SetAllProcesses(bool all) { return m_allProcesses = all; }
    virtual bool IsAllProcesses() const { return m_allProcesses; }
    virtual QString SetModuleName(const QString &name) { return m_moduleName = name; }
    virtual QString GetModuleName() const { return m_moduleName; }
    virtual bool SetAllModules(bool all) { return m_allModules = all; }
    virtual bool IsAllModules() const { return m_allModules; }
    virtual QString SetEventType(const QString &type) { return m_eventType = type; }
    virtual QString GetEventType() const { return m_eventType; }
    using FCommonFilter::Assign;
    virtual FModuleFilter &Assign(const FModuleFilter &other);

    void Serialize(NXmlSerial::XmlContext &c) override;

private:
    QString m_processName;
    QString m_moduleName;
    QString m_eventType;
    bool m_allProcesses = false;
    bool m_allModules = false;
};

class FAbstractCollFilters : public QObject, public NXmlSerial::IXmlSerialize
{
    Q_OBJECT
public:
    // Takes ownership; answers the new entry's index.
    virtual int Add(FAbstractFilter *filter) = 0;
    virtual int Count() const = 0;
    // No range check: callers keep 0 <= index < Count().
    virtual FAbstractFilter *At(int index) const = 0;
    virtual void Clear(bool deleteItems) = 0;
    // Hands the filter back to the caller, who owns it from then on.
    virtual void Remove(int index) = 0;
    virtual FAbstractCollFilters *Adapt(FAbstractCollFilters *other) = 0;
};

class FCommonCollFilters : public FAbstractCollFilters
{
    Q_OBJECT
public:
    FCommonCollFilters() = default;
    FCommonCollFilters(const FCommonCollFilters &) = delete;
    FCommonCollFilters &operator=(const FCommonCollFilters &) = delete;
    ~FCommonCollFilters() override;

    int Add(FAbstractFilter *filter) override;
    int Count() const override { return int(m_filters.size()); }
    FAbstractFilter *At(int index) const override { return m_filters[size_t(index)]; }
    void Clear(bool deleteItems) override;
    void Remove(int index) override;
    FAbstractCollFilters *Adapt(FAbstractCollFilters *) override { return this; }
    // A deep copy of the other's filters, in their order.
    virtual void Assign(const FCommonCollFilters &other);

    void Serialize(NXmlSerial::XmlContext &c) override;

private:
    std::vector<FAbstractFilter *> m_filters;
};

// Holds FModuleFilter objects only.
class FModuleCollFilters : public FCommonCollFilters
{
    Q_OBJECT
public:
    FModuleFilter *ModuleAt(int index) const { return static_cast<FModuleFilter *>(At(index)); }
    void Serialize(NXmlSerial::XmlContext &c) override;
};

class SymbolFileFilterData : public QObject, public NXmlSerial::IXmlSerialize
{
    Q_OBJECT
public:
    // The set the exports and the dialog work on, from library load to unload.
    static SymbolFileFilterData *instance();

    virtual bool SetActive(bool active) { return m_active = active; }
    virtual bool IsActive() const { return m_active; }
    virtual void SetDefault();
    virtual void Assign(const SymbolFileFilterData &other);
    FModuleCollFilters &ModuleFilters() { return m_filters; }
    const FModuleCollFilters &ModuleFilters() const { return m_filters; }

    // The master switch is not part of the document.
    void Serialize(NXmlSerial::XmlContext &c) override;

private:
    FModuleCollFilters m_filters;
    bool m_active = false;
};

// The list of the section behind "[tag]" in the file replaces the set's list only when its
// document was read whole; the switch stays as it is. 1, or 0 with the set untouched.
int loadFilterSection(SymbolFileFilterData &set, const QString &fileName, const QString &tag);

// One filter as the host reads it; texts cut to 255 bytes and always terminated.
void fillModuleFilterRecord(const FModuleFilter &filter, ModuleFilterRecord &record);

} // namespace Filtering
