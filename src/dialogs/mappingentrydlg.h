#pragma once

#include "dialogs/mappingentrydlgbase.h"

// One directory mapping, entered or edited by the user. The dialog keeps nothing: the caller
// reads the two texts after an accepted run. It checks only that they are not both empty.
class MappingEntryDlg : public mappingEntryDlgBase
{
    Q_OBJECT

public:
    explicit MappingEntryDlg(QWidget *parent = nullptr, const QString &original = QString(),
                             const QString &mapped = QString(), const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});

    QString original() const;
    QString mapped() const;

public slots:
    void origBrowseSlot() override;
    void mappBrowseSlot() override;
};

namespace tesk::dialogs {

// The directory question the search-path dialogs ask (from "/home", directories only): the
// chosen directory with native separators, or an empty text when the user cancelled.
QString askSearchDirectory(QWidget *parent);

} // namespace tesk::dialogs
