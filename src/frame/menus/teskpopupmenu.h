#pragma once

#include <tesk/tesk_global.h>

#include <QMenu>

// A popup menu that knows its place in the menu tables and tells the host before it shows.
// Items addressed by number (host popups, cycle menus) carry the number as the action's data;
// choosing one emits activated(number).
class TeskPopupMenu : public QMenu
{
    Q_OBJECT

public:
    using AboutToShowFn = void (*)(TeskHandle context, WId windowId);

    explicit TeskPopupMenu(QWidget *parent = nullptr, const char *name = nullptr);

    QAction *insertItem(const QString &text, int id);
    // The item with the number; null when there is none.
    QAction *findItem(int id) const;

    // Adds the submenu as an entry of this one, numbered as the toolkit of old numbered its
    // entries (negative, never reused); answers the number.
    int addSubmenu(TeskPopupMenu *submenu);
    // Items put in while the menu is in use, at base index + 1 each (so the latest comes
    // first), and taken out together.
    QAction *insertDynamic(const QString &text, const QObject *receiver, const char *member);
    void removeAllDynamic();
    const QList<int> &dynamicIds() const { return m_dynamicIds; }
    int baseIndex() const { return m_baseIndex; }
    void setBaseIndex(int index) { m_baseIndex = index; }
    // The number of this menu's entry in its parent popup.
    int entryNumber() const { return m_entryNumber; }
    void setEntryNumber(int number) { m_entryNumber = number; }
    // The number the item carries; 0 for none.
    static int numberOf(const QAction *action);

    int itemId() const { return m_itemId; }
    void setItemId(int id) { m_itemId = id; }
    int hostId() const { return m_hostId; }
    void setHostId(int id) { m_hostId = id; }
    TeskPopupMenu *parentPopup() const { return m_parentPopup; }
    void setParentPopup(TeskPopupMenu *popup) { m_parentPopup = popup; }
    void *dataWord() const { return m_data; }
    void setDataWord(void *data) { m_data = data; }
    void setHostCallback(AboutToShowFn callback, TeskHandle context);
    // A manager's popup asks through sigRemoteAboutToShow instead of calling the host itself.
    bool isRemote() const { return m_remote; }
    void setRemote(bool remote) { m_remote = remote; }

public slots:
    void slotRemoteAboutToShow();
    void slotAboutToShow();

signals:
    void activated(int id);
    void sigSetCalling(bool calling);
    void sigRemoteAboutToShow(WId windowId, void *data);
    void sigAboutToShow(int itemId);

private:
    void relayTriggered(QAction *action);
    static int nextNumber();

    int m_itemId = 0;
    int m_hostId = 0;
    TeskPopupMenu *m_parentPopup = nullptr;
    TeskHandle m_context = 0;
    void *m_data = nullptr;
    AboutToShowFn m_callback = nullptr;
    bool m_remote = false;
    int m_entryNumber = 0;
    QList<int> m_dynamicIds;
    int m_baseIndex = 0;
};
