#pragma once

#include <tesk/tesk_help.h>

#include <QByteArray>
#include <QHash>
#include <QString>

class QWidget;

// Context help: a numbered help map takes a context id to a help page relative to the help
// root (KSODEBUG_HLPPATH, which may list several roots), and the page is opened with the
// desktop's handler. Map 10 is built in; the host registers its own maps.
class CuiHelpSystem
{
public:
    static constexpr int builtInMapId = 10;

    // The process's help system, created with the built-in map on first use; null only when
    // it could not be created.
    static CuiHelpSystem *instance();

    // A table holds at most this many entries before its -1 terminator; a longer one is
    // refused, so that a missing terminator is not followed through the host's memory.
    static constexpr int kMaxHelpEntries = 1 << 16;
    // Topics are copied: the host's table need not outlive the call; false for a table already
    // registered under mapId or without its terminator.
    bool registerMap(const TeskHelpEntry *entries, int mapId);
    bool removeMap(int mapId);
    bool hasMap(int mapId) const { return m_maps.contains(mapId); }
    // The page of a context id, or a null array.
    QByteArray topic(int contextId, int mapId) const;

    bool showHelp(int contextId, int mapId, QWidget *parent);
    bool showTopic(QWidget *parent);
    bool parseDescription(const QString &text);
    bool locateHelpFile(QWidget *parent);
    bool openDocument(const QString &fileName);

    int contextId() const { return m_contextId; }
    int mapId() const { return m_mapId; }
    QString topicText() const { return m_topicText; }
    bool topicIsText() const { return m_topicIsText; }

private:
    CuiHelpSystem();
    void registerBuiltInMap();

    QHash<int, QHash<int, QByteArray>> m_maps;
    int m_contextId = -1;
    int m_mapId = builtInMapId;
    QString m_topicText;
    bool m_topicIsText = false;
};

// The page of the built-in map for a context id, or a null array when the map has none.
QByteArray cuiBuiltInHelpPage(int contextId);
