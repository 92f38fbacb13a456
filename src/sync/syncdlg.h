#pragma once
// The synchronisation window: the KWSyncCtrl tab widget above Close and Help. Modeless; every
// end of the dialog has its component forget and delete it, so the next open reads afresh.

#include <QDialog>

class CGcds_Dialog;
class KWSyncCtrl;
class SyncDataMediator;

class SyncDlg : public QDialog
{
    Q_OBJECT

public:
    explicit SyncDlg(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                     Qt::WindowFlags flags = {});

    // Builds the window's contents over the mediator's data.
    bool setup(SyncDataMediator *mediator, CGcds_Dialog *component);
    // Shows and raises the window, or hides it.
    virtual bool showDialog(bool on);

    KWSyncCtrl *control() const { return m_control; }

public Q_SLOTS:
    void slotHelp();
    void done(int result) override;

private:
    SyncDataMediator *m_mediator = nullptr;
    KWSyncCtrl *m_control = nullptr;
    CGcds_Dialog *m_component = nullptr;
};
