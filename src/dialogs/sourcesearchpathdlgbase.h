#pragma once

#include <QDialog>

class QHBoxLayout;
class QListWidget;
class QListWidgetItem;
class QPoint;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

// Form of the search-path dialog: four pages (source and object search paths, source and object
// directory mappings), each a list over "New" and "Delete", and OK, Cancel and Help below.
class SourceSearchPathDlgBase : public QDialog
{
    Q_OBJECT

public:
    explicit SourceSearchPathDlgBase(QWidget *parent = nullptr, const char *name = nullptr,
                                     bool modal = false, Qt::WindowFlags flags = {});

    QTabWidget *tabWidget;
    QWidget *Widget8;
    QListWidget *sourcesearchpathLB;
    QPushButton *ssmodifyPB;
    QPushButton *delSourceSerachPB;
    QWidget *TabPage;
    QListWidget *objectsearchpathLB;
    QPushButton *osmodifyPB;
    QPushButton *delObjectSerachPB;
    QWidget *Widget9;
    QTreeWidget *sourcemappingLV;
    QPushButton *smmodifyPB;
    QPushButton *sourceMappingDelPB;
    QWidget *TabPage_2;
    QTreeWidget *objectmappingLV;
    QPushButton *ommodifyPB;
    QPushButton *objectMappingDelPB;
    QPushButton *buttonOk;
    QPushButton *buttonCancel;
    QPushButton *buttonHelp;

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

protected:
    QVBoxLayout *SourceSearchPathDlgBaseLayout;
    QHBoxLayout *layout1;
};
