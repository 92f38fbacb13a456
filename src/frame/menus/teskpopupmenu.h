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

    int m_itemId = 0;
    int m_hostId = 0;
    TeskPopupMenu *m_parentPopup = nullptr;
    TeskHandle m_context = 0;
    void *m_data = nullptr;
    AboutToShowFn m_callback = nullptr;
    bool m_remote = false;
};
