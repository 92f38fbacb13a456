#pragma once

// Creates or changes one event filter: its name, its event type and, by type, the process and
// file or the module it applies to.

#include "symbols/filters/neweventdlgbase.h"

namespace Filtering {
class FModuleFilter;
}

class NewEventDlg : public NewEventDlgBase
{
    Q_OBJECT
public:
    NewEventDlg(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags);

    // The combo's entries: the tab-separated parts of the text, empty parts dropped.
    void SetEventTypes(const QString &types);
    // Shows the filter; OK changes it in place (it is not owned).
    void SetFilter(Filtering::FModuleFilter *filter);

public slots:
    void accept() override;
    void reject() override;

protected slots:
    void On_checkIgnoreModuleName_Click() override;
    void On_checkIgnoreFileName_Click() override;
    void On_checkIgnoreProcessName_Click() override;
    void On_comboEventTypeActivated() override;

private:
    Filtering::FModuleFilter *m_filter = nullptr;
};
