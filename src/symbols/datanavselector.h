#pragma once
// Dialogs that embed a data navigator to let the user pick symbols: DataNavSelector answers the
// symbol of the selected row, BreakpointSelector (functions only, with check boxes) every
// checked function.

#include <tesk/tesk_global.h>

#include <QDialog>
#include <QStringList>

#include <memory>

class DataNav;
class SymtabDataSource;

namespace tesk::symbols {

class NavSelectorDialogPrivate;

// What both selectors are: the navigator in a mode of its own, "&Select" and "Cancel".
class NavSelectorDialog : public QDialog
{
    Q_OBJECT

public:
    // Initial pages: raise the function or the variable page when first shown.
    enum Page { kFunctionPage = 1, kVariablePage = 2 };

    ~NavSelectorDialog() override;

    void setVdata(TeskHandle vdata);
    void setDataSource(SymtabDataSource *source);
    SymtabDataSource *dataSource() const;
    void setInitialPage(uint32_t page);
    uint32_t initialPage() const;
    // The symbol of the current page's current row; false when there is none.
    bool selectedSymbol(QString &symbol) const;
    DataNav *navigator() const;

public slots:
    void slotSelect();
    void slotCancel();
    void slotImagesSelected();
    void slotModulesSelected();
    void slotFunctionsSelected();
    void slotVariablesSelected();

protected:
    NavSelectorDialog(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags,
                      int navigatorMode, bool checkable);
    bool event(QEvent *event) override;

private:
    std::unique_ptr<NavSelectorDialogPrivate> d;
};

} // namespace tesk::symbols

class DataNavSelector : public tesk::symbols::NavSelectorDialog
{
    Q_OBJECT

public:
    explicit DataNavSelector(QWidget *parent = nullptr, const char *name = nullptr,
                             bool modal = false, Qt::WindowFlags flags = {});
};

class BreakpointSelector : public tesk::symbols::NavSelectorDialog
{
    Q_OBJECT

public:
    explicit BreakpointSelector(QWidget *parent = nullptr, const char *name = nullptr,
                                bool modal = false, Qt::WindowFlags flags = {});

    // The checked functions' symbols in list order.
    QStringList checkedFunctions() const;
};
