#pragma once

#include "dialogs/dialoghelp.h"
#include "dialogs/sourcesearchpathdlgbase.h"

// The four lists the host finds source and object files by. The host fills them, runs the
// dialog and reads them back; closing only hides it, so the lists outlive every run. The
// search paths keep the order they were added in; a mapping's index is its row in the list's
// current sort order.
class SourceSearchPathDlg : public SourceSearchPathDlgBase
{
    Q_OBJECT

public:
    explicit SourceSearchPathDlg(QWidget *parent = nullptr, const char *name = nullptr,
                                 bool modal = false, Qt::WindowFlags flags = {});

    void addSourceSearch(const QString &path);
    void addObjectSearch(const QString &path);
    int sourceSearchCount() const;
    int objectSearchCount() const;
    // A null text outside 0 to count - 1.
    QString sourceSearchText(int index) const;
    QString objectSearchText(int index) const;

    void addSourceMapping(const QString &original, const QString &mapped);
    void addObjectMapping(const QString &original, const QString &mapped);
    int sourceMappingCount() const;
    int objectMappingCount() const;
    // An index below 0 reads the first mapping; past the end (or on an empty list) a null text.
    QString sourceMappingOriginal(int index) const;
    QString sourceMappingMapped(int index) const;
    QString objectMappingOriginal(int index) const;
    QString objectMappingMapped(int index) const;

    void setHelpFunction(CuiHelpFunction function);
    void setHelpId(int id);

    // With no source search path, the first page that has entries comes forward.
    void showFirstActive();

public slots:
    void helpSlot() override;
    void modifySourceSearch() override;
    void deleteSourceSearch() override;
    void deleteObjectMapping() override;
    void deleteSourceMapping() override;
    void newSourceMapping() override;
    void newObjectMapping() override;
    void editObjectMapp(QTreeWidgetItem *item, int column) override;
    void editSourceMapp(QTreeWidgetItem *item, int column) override;
    void deleteObjectSearch() override;
    void modifyObjectSearch() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    CuiHelpFunction m_helpFunction = nullptr;
    int m_helpId = 0;
};
