#pragma once
// The body of the synchronisation window: a tab widget with the Actions, Execution and Cross
// Triggering pages, each table bound to a model of its own and changed through an edit
// controller of its own, and the command-pending mode as a radio group on the Execution page.

#include "sync/syncviews.h"

#include <QObject>
#include <QTabWidget>

#include <memory>

class KViewExecPageAddOns;
class KWSyncCtrlPrivate;
class SyncDataMediator;

class KWSyncCtrl : public QTabWidget
{
    Q_OBJECT

public:
    explicit KWSyncCtrl(QWidget *parent = nullptr, const char *name = nullptr,
                        Qt::WindowFlags flags = {});
    ~KWSyncCtrl() override;

    // Builds the pages, binds every table and reads the host's data once.
    bool setup(SyncDataMediator *mediator);
    QWidget *addTablePage(const QString &title, UTable *left, UTable *right);
    // The "Description" columns take the spare width.
    void setDescriptionStretch(bool on);

    // Null until setup().
    virtual KWSyncCtrlPrivate *privateData() const;

public Q_SLOTS:
    virtual void languageChange();

protected:
    void changeEvent(QEvent *e) override;

private:
    // The window's binding of one table to a new model and a controller of its own.
    template<typename Model>
    void bind(SyncTableGeneric *table);
    void addPendingModeGroup(QWidget *page);

    SyncDataMediator *m_mediator = nullptr;
    std::unique_ptr<KWSyncCtrlPrivate> d;
};

// The pending-mode radio group as a view on its model; the widget is the KWSyncCtrl.
class KViewExecPageAddOns : public QObject, public SyncViewWidget
{
    Q_OBJECT

public:
    KViewExecPageAddOns();

    void connectButtons();
    // Selects the radio of the model's mode.
    void update(int, int) override;

public Q_SLOTS:
    void slotClicked(int id);

private:
    KWSyncCtrlPrivate *controls() const;
};
