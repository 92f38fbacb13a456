#pragma once

#include "ui_sourcesearchpathdlgbase.h"

#include <QDialog>

class QListWidgetItem;
class QPoint;
class QTreeWidgetItem;

// Form of the search-path dialog (forms/sourcesearchpathdlgbase.ui): four pages (source and
// object search paths, source and object directory mappings), each a list over "New" and
// "Delete", and OK, Cancel and Help below.
class SourceSearchPathDlgBase : public QDialog, public Ui::SourceSearchPathDlgBase
{
    Q_OBJECT

public:
    explicit SourceSearchPathDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                     bool modal = false, Qt::WindowFlags flags = {});

protected slots:
    virtual void languageChange();

public slots:
    virtual void helpSlot();
    virtual void modifySourceMapping();
    virtual void modifySourceSearch();
    virtual void modifyObjectMapping();
    virtual void deleteSourceSearch();
    virtual void deleteObjectMapping();
    virtual void deleteSourceMapping();
    virtual void newSourceMapping();
    virtual void newObjectMapping();
    virtual void editObjectMapp(QTreeWidgetItem *item, int column);
    virtual void editSourceMapp(QTreeWidgetItem *item, int column);
    virtual void keyPressSourceSearch(QListWidgetItem *item, const QPoint &pos);
    virtual void keyPressSourceMapp(QTreeWidgetItem *item, const QPoint &pos);
    virtual void keyPressObjectMapp(QTreeWidgetItem *item, const QPoint &pos);
    virtual void deleteObjectSearch();
    virtual void modifyObjectSearch();
};
