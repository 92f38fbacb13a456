#pragma once
// The navigator's list of images.

#include "symbols/datanavlistbase.h"

class ImageListView : public DataNavListBase
{
    Q_OBJECT

public:
    explicit ImageListView(QWidget *parent = nullptr);

    ImageListModel *images() const { return static_cast<ImageListModel *>(listModel()); }
    QString typeName() const override;
    // The image name.
    bool symbolPath(QString &path) const override;

public slots:
    void languageChange() override;
};
