#pragma once

#include <tesk/tesk_panes.h>

#include <QString>

// The library's value over the host's window-box handle, and the only road by which the
// library asks the host about a window box: the host tables "windBoxFuncs" and "xryFuncs"
// (include/tesk/tesk_panes.h). The tables are looked up by every construction while the host
// has not published them; a table or entry still missing answers no, 0 or a null string, so a
// host that publishes late or partly never makes the library call through null.
class KSOWindBox
{
public:
    KSOWindBox();
    explicit KSOWindBox(TeskHandle handle);
    KSOWindBox(const KSOWindBox &other);
    KSOWindBox &operator=(const KSOWindBox &other);
    ~KSOWindBox() = default;

    bool operator==(const KSOWindBox &other) const;
    bool operator!=(const KSOWindBox &other) const { return !(*this == other); }

    TeskHandle handle() const { return m_handle; }
    void setHandle(TeskHandle handle) { m_handle = handle; }

    bool hasTabBar() const;
    bool hasHeader() const;
    int tabCount() const;
    int headerCount() const;
    // Null strings when the host has no text.
    QString tabText(int index) const;
    QString headerLabel(int index) const;
    QString tabToolTip(int index) const;
    int dragMoveText(int copy, int globalX, int globalY, const QString &text) const;
    int dropText(int copy, int globalX, int globalY, const QString &text) const;
    bool allowsTabMenu(int index) const;
    void closeTab(int index) const;
    void tabCommand2(int index) const;
    bool tabsOnTop() const;

    void tabSelected(int index) const;
    void horizontalAbsolute(int position) const;
    void horizontalDelta(int delta) const;

    // Forgets the tables so that the next construction looks them up again (tests).
    static void resetTables();

private:
    static void fetchTables();

    TeskHandle m_handle = 0;
};
