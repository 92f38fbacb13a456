#pragma once

#include "dialogs/panenamedlgbase.h"

// A window's new name: an ASCII letter first, then letters, digits, underscores and blanks, at
// most 64 characters; the line edit refuses anything else as it is typed.
class PaneNameDlg : public PaneNameDlgBase
{
    Q_OBJECT

public:
    explicit PaneNameDlg(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                         Qt::WindowFlags flags = {});

    void setPaneName(const QString &name);
    QString paneName() const;
};
