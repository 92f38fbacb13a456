#pragma once

#include <QMetaType>
#include <QObject>
#include <QSet>
#include <QString>

#include <vector>

class RegDataItem;

// A register's entry in one view: the flags it has there and the register.
struct RegDataItemInstance
{
    quint32 flags;
    RegDataItem *item;
};

// One view (a tab of a register pane): its entries in order, at most one per register full
// name. The register view widgets send their user-view requests through it.
class RegDataView final : public QObject
{
    Q_OBJECT

public:
    explicit RegDataView(const QString &name, QObject *parent = nullptr);
    ~RegDataView() override;

    const QString &name() const { return m_name; }
    const std::vector<RegDataItemInstance *> &instances() const { return m_instances; }

    // Adds an entry of its own; refused (null) when the view holds that full name already.
    RegDataItemInstance *addInstance(quint32 flags, RegDataItem *item);
    // Deletes the entry when it is one of this view's own; false otherwise. Every widget over
    // the view hears of it first (sigInstanceRemoved) and lets go of the entry.
    bool removeInstance(RegDataItemInstance *instance);
    bool holdsFullName(const QString &fullName) const { return m_fullNames.contains(fullName); }

signals:
    void sigDataUpdated();
    void sigAddItemToUser(RegDataItemInstance *instance);
    void sigRemoveItemFromUser(RegDataItemInstance *instance);
    void sigQueryItemInUser(RegDataItem *item, bool *answer);
    void sigUpdateUserView(bool added);
    // The entry is about to be deleted.
    void sigInstanceRemoved(RegDataItemInstance *instance);

private:
    QString m_name;
    std::vector<RegDataItemInstance *> m_instances;
    QSet<QString> m_fullNames;
};

Q_DECLARE_METATYPE(RegDataItemInstance *)
