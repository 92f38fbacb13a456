#pragma once

#include <tesk/tesk_menu.h>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>

#include <map>
#include <memory>

// One item of a named context menu.
class KcmMenuDataItem
{
public:
    enum Flag : unsigned { Disabled = 1, Checked = 2, Separator = 4 };

    virtual ~KcmMenuDataItem() = default;
    virtual bool isItem() const { return id != -1; }
    bool hasAlias() const { return visibleAlias != -1; }

    int id = -1;
    int visibleAlias = -1;
    QByteArray guiText;
    unsigned flags = 0;
    QByteArray command;
    int commandClass = 0;
    int commandData = 0;
};

// A named context menu: its items in the order the host added them.
class KcmMenuData
{
public:
    virtual ~KcmMenuData();
    // The text the main window's popup reads: one line per item.
    virtual QByteArray definition() const;

    void append(KcmMenuDataItem *item);
    // The last item with the id, or null.
    KcmMenuDataItem *findItem(int id) const;
    const QList<KcmMenuDataItem *> &items() const { return m_items; }
    // The texts handed to the host about this menu live as long as it does.
    const QObject *textOwner() const { return &m_textOwner; }

private:
    QObject m_textOwner;
    QList<KcmMenuDataItem *> m_items;
    // Menus of tens of thousands of items are looked up item by item.
    QHash<int, KcmMenuDataItem *> m_lastWithId;
};

// The host's context menus by name, with the callbacks that refresh their items' states.
class KcmMenuStorage
{
public:
    struct Entry
    {
        std::unique_ptr<KcmMenuData> menu;
        CuiContextMenuStateFn callback = nullptr;
        void *callbackData = nullptr;
    };

    static KcmMenuStorage *instance();

    virtual ~KcmMenuStorage() = default;
    virtual void add(const QByteArray &name, KcmMenuData *menu);
    virtual void remove(const QByteArray &name);
    virtual Entry *find(const QByteArray &name);
    virtual int updateMenuState(const QByteArray &name);

    // The named menu; an unknown name gets an empty one.
    KcmMenuData *menu(const QByteArray &name);
    KcmMenuDataItem *findItem(const QByteArray &name, int id);

private:
    std::map<QByteArray, Entry> m_menus;
};
