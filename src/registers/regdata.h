#pragma once

#include "registers/regenumtable.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <utility>
#include <vector>

class RegDataItem;
class RegDataView;
struct RegDataItemInstance;
struct RegDataRecord;

// One register data set (one register context of the host): its views, registers,
// enumeration tables, the value lines last received and the "User" view that the user fills.
class RegData final : public QObject
{
    Q_OBJECT

public:
    // Built-in data sets are never deleted by a release.
    explicit RegData(quint32 id, bool builtIn = false);
    ~RegData() override;

    quint32 id() const { return m_id; }

    // The result of adding a host record: 1 when a view was made or a register joined a
    // view, else 0.
    int addRecord(RegDataRecord &record);
    // Applies the record's line blocks; 1 after applying.
    int update(const RegDataRecord &record);

    // A page that shows the data set acquires it and releases it when it drops it; the last
    // release deletes the data set (true). A release without an acquire is refused.
    void acquire() { ++m_useCount; }
    bool release();
    int useCount() const { return m_useCount; }

    RegDataView *currentView() const { return m_currentView; }
    RegDataView *userView() const { return m_userView.get(); }
    const std::vector<RegDataView *> &views() const { return m_views; }
    RegDataView *view(const QString &name) const { return m_viewsByName.value(name); }
    const std::vector<std::unique_ptr<RegDataItem>> &items() const { return m_items; }
    // The first register made with that full name.
    RegDataItem *item(const QString &fullName) const { return m_itemsByFullName.value(fullName); }
    const std::vector<std::unique_ptr<RegEnumTable>> &enumTables() const { return m_enumTables; }

    // The last block's lines, as the host sent them.
    QStringList lines() const;
    int windowFirstLine() const { return m_windowFirstLine; }
    int windowLineCount() const { return m_windowLineCount; }
    quint32 lineCount() const { return m_lineCount; }
    void setLineCount(quint32 count) { m_lineCount = count; }
    const QString &group() const { return m_group; }
    const QString &displayName() const { return m_displayName; }
    void setDisplayName(const QString &name) { m_displayName = name; }

    // The "User" view's entries as the settings keep them: each entry the register's full name,
    // "^^" and its group flags as a number (1 for 0x02, 2 for 0x04), entries joined by two
    // backslashes. Reading adds the registers named to the user view; the entries of registers
    // the data set lacks are kept as they were read and written back where they stood: after the
    // entry they followed (at the end when that one left the view meanwhile).
    void serializeUserView(QString &text, bool read);

public slots:
    void slotAddItemToUser(RegDataItemInstance *instance);
    void slotRemoveItemFromUser(RegDataItemInstance *instance);
    void slotQueryItemInUser(RegDataItem *item, bool *answer);

signals:
    void sigDataUpdated();
    void sigUpdateUserView(bool added);

private:
    int addView(const RegDataRecord &record);
    int addItem(RegDataRecord &record);
    int addEnumTables(const RegDataRecord &record);
    QString composeFullName(const QString &name) const;
    void applyGroupRule(quint32 flags, const QString &name);
    const RegEnumTable *enumTableFor(RegDataRecord &record, const RegEnumTable **override) const;
    void applyLines();
    static void applyValue(RegDataItem &item, QLatin1String line);

    RegDataView *m_currentView = nullptr;
    std::unique_ptr<RegDataView> m_userView;
    // Each with the full name of the view's entry it followed (empty at the start).
    QList<QPair<QString, QString>> m_absentUserEntries;
    QMap<QString, RegDataView *> m_viewsByName; // owning
    std::vector<std::unique_ptr<RegDataItem>> m_items;
    std::vector<RegDataView *> m_views;
    std::vector<std::unique_ptr<RegEnumTable>> m_enumTables;
    // The last block's text: kept as bytes so an update makes no string per line.
    QByteArray m_lineText;
    int m_windowFirstLine = 0;
    int m_windowLineCount = 0;
    quint32 m_lineCount = 0;
    quint32 m_id;
    int m_useCount = 0;
    QString m_viewName;
    QString m_group;
    // The current group's head made no item: its members would have no group to open.
    bool m_groupHeadless = false;
    QString m_displayName;
    bool m_builtIn;

    // Sets of thousands of registers are built and updated in linear time: registers by
    // full name, and by value line in ascending order (registers of one line in the order
    // they came) so an update walks lines and registers side by side.
    QHash<QString, RegDataItem *> m_itemsByFullName;
    std::vector<std::pair<int, RegDataItem *>> m_itemsByLine;
};
