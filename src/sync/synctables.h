#pragma once
// The four check tables of the synchronisation window: the cores with one "Sync" column (for
// action and for execution coupling), the seven debugger actions, the three execution commands
// and the cross triggers per core. Each refills itself from its model on every update; check
// items that stand in their cells are kept and only set.

#include "sync/syncviews.h"

#include <QPixmap>

// The chip drawn before each core's label; made once.
const QPixmap &coreIcon();

class SyncTableCores : public SyncTableGeneric
{
    Q_OBJECT

public:
    explicit SyncTableCores(QWidget *parent = nullptr, const char *name = nullptr);

    void setupHeader() override;
    void setupTable() override;
    void fillTable() override;
};

class SyncActionsTableSmall : public SyncTableGeneric
{
    Q_OBJECT

public:
    explicit SyncActionsTableSmall(QWidget *parent = nullptr, const char *name = nullptr);

    void setupTable() override;
    void fillTable() override { fillEventTable(); }
};

class SyncExecTableSmall : public SyncTableGeneric
{
    Q_OBJECT

public:
    explicit SyncExecTableSmall(QWidget *parent = nullptr, const char *name = nullptr);

    void setupTable() override;
    void fillTable() override { fillEventTable(); }
};

class SyncTrigTable : public SyncTableGeneric
{
    Q_OBJECT

public:
    explicit SyncTrigTable(QWidget *parent = nullptr, const char *name = nullptr);

    void setupHeader() override;
    void setupTable() override;
    void fillTable() override;
};
