#pragma once
// The navigator's list of modules.

#include "symbols/datanavlistbase.h"

class ModListView : public DataNavListBase
{
    Q_OBJECT

public:
    explicit ModListView(QWidget *parent = nullptr);

    ModuleListModel *modules() const { return static_cast<ModuleListModel *>(listModel()); }
    QString typeName() const override;
    // "image\\module": a module row names its image, so the path says which one.
    bool symbolPath(QString &path) const override;

public slots:
    void languageChange() override;
};
