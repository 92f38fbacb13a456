#pragma once

#include <QAction>
#include <QIcon>
#include <QKeySequence>

class TeskPopupMenu;

// An action whose activation reaches the host with the action's own id (the host's command
// number, or the table's item id when the host has none) and a data word the host gave it.
class TeskAction : public QAction
{
    Q_OBJECT

public:
    TeskAction(QObject *parent, const char *name, bool toggle);
    TeskAction(const QString &description, const QIcon &icon, const QString &menuText,
               const QKeySequence &accelerator, QObject *parent, const char *name, bool toggle,
               const QString &label);

    int ownId() const { return m_ownId; }
    void setOwnId(int id) { m_ownId = id; }
    void *dataWord() const { return m_data; }
    void setDataWord(void *data) { m_data = data; }
    TeskPopupMenu *container() const { return m_container; }
    void setContainer(TeskPopupMenu *popup) { m_container = popup; }

public slots:
    void slotRemoteActivated();
    void slotActivated();

signals:
    void sigRemoteActivated(int id, void *data);
    void sigActivated(int id);

private:
    int m_ownId = 0;
    void *m_data = nullptr;
    TeskPopupMenu *m_container = nullptr;
};
