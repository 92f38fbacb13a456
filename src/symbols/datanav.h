#pragma once
// The data navigator: a filter line "image\module\symbol" over four tabbed lists of images,
// modules, functions and variables taken from a symbol table data source. The user drills
// down by double-clicking and sends debugger commands, watch and breakpoint requests to the
// host's "datanav" function; the host stores the pane's state as text and scripts it. The
// selectors embed it in two other modes to let the user pick symbols.
//
// Lists are filled lazily: only the list of the page on screen, and only when it is stale
// (the symbols changed since its last fill, or the filter or its flags were edited).

#include <tesk/tesk_datanav.h>

#include "gui_components/gc_panes/panes/abstractpane.h"
#include "symbols/datanavlistbase.h"

#include <QStringList>

#include <memory>

class DataNavPrivate;
class SymtabDataSource;

// Return, Enter and F2 in the filter line.
class KeyPressEater : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void returnPressed();
    void F2Pressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// One list's fill bookkeeping.
struct DataNavListState
{
    enum Kind { Image = 1, Module = 2, Function = 3, Variable = 4 };

    DataNavListBase *list = nullptr;
    Kind kind = Image;
    int generation = 0;
    bool dirty = true;

    bool isStale(int paneGeneration) const { return dirty || generation != paneGeneration; }
};

class DataNav : public AbstractPane, public DataNavListOwner
{
    Q_OBJECT

public:
    enum Mode { PaneMode = 0, SelectorMode = 1, FunctionPickerMode = 2 };

    explicit DataNav(QWidget *parent = nullptr, const char *name = nullptr,
                     Qt::WindowFlags flags = {});
    ~DataNav() override;

    // Both before buildWidgets.
    void setMode(int mode);
    int mode() const override;
    void setCheckableItems(int checkable);
    void buildWidgets();

    // The pane owns its source: a new one deletes the one held before; a source another pane
    // held leaves that pane; setting the held source again keeps it.
    void setDataSource(SymtabDataSource *source);
    SymtabDataSource *dataSource() const;
    void setVdata(TeskHandle vdata);
    TeskHandle vdata() const;
    void setHandler(CuiDataNavHostFn handler);

    // Asks the host to refill the source; the lists are refilled when shown. False when the
    // host destroyed the pane meanwhile: nothing of it may be touched then.
    bool populate();
    // Marks every list stale and refills the page on screen.
    void updatePage();

    bool selectedSymbolPath(QString &path) const;
    // The function picker with check boxes only: the checked functions' paths in list order.
    QStringList checkedFunctionPaths() const;

    void setPersistData(const char *text) override;
    int getPersistData(unsigned length, char *buffer) override;
    void processCommand(CuiPaneOutputFn output, void *outputContext, const QStringList &arguments,
                        QString &result) override;
    void eventGeneral(int argument) override;
    void eventConnectionChanged(int connection) override;
    void setWindBox(TeskHandle handle) override;
    TeskHandle windBox() override;

    void appendDockMenuItems(QMenu *menu, bool withSeparator) override;
    void processPaneGenericOption(int id) override;

    // The wait cursor's nesting count (process-wide).
    static int waitCursorCount();

public slots:
    void raiseImages();
    void raiseModules();
    void raiseFunctions();
    void raiseVariables();
    void dumpCurrentView(const QString &file);
    void dumpCurrentView(const QString &file, bool append);
    void setImageFilter(const QString &pattern);
    void setModuleFilter(const QString &pattern);
    void setVarFuncFilter(const QString &pattern);
    void selectViewItem(const QString &name);
    bool callHandler(const QString &listName, const QString &action);
    void closeSlot();
    void hideSlot();

protected slots:
    virtual void languageChange();

private slots:
    void filterOnItem(const QModelIndex &index);
    void issueCommand(const QString &text);
    void setBreak(const QString &text);
    void setWatch(const QString &text);
    void slotFilterChanged();
    void slotFilterChangedCR();
    void slotShowStats();
    void slotUpdateFunctions();
    void slotUpdateVariables();
    void slotTabWidgetChanged(int index);
    void slotDoNothing();

signals:
    void imagesSelected();
    void modulesSelected();
    void variablesSelected();
    void functionsSelected();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class DataNavPrivate;
    void releaseSource();
    void ensureSource();
    void refreshPage();
    void fill(DataNavListState &state);
    void setFilterPart(int part, const QString &pattern);
    void markAllDirty();
    void raise(DataNavListBase *list);
    // The host's answer; -1 without a handler or when the host destroyed the pane inside.
    int callHost(int code, QByteArray &text, TeskHandle word, TeskHandle extra);

    std::unique_ptr<DataNavPrivate> d;
};
