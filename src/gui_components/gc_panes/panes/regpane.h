#pragma once

#include <tesk/tesk_registers.h>

#include "gui_components/gc_panes/panes/abstractpane.h"
#include "registers/cuiregop.h"
#include "registers/regdataitem.h"
#include "registers/regviewowner.h"

#include <QList>
#include <QPair>

#include <map>
#include <memory>
#include <vector>

class KMediator_Format;
class QStackedWidget;
class QTabWidget;
class RegData;
class RegDataView;
class RegView;
class VisualSettings;

namespace tesk::core {
class TableMenu;
}

// One shown data set: a tab widget with a register view per view of the data set, and the
// "User" view as the first tab while it is enabled.
struct RegPage
{
    QTabWidget *tabs = nullptr;
    RegView *userView = nullptr; // none for data sets 0 and 1
    std::vector<RegView *> views;
    bool hasUserView = false;
    bool userViewEnabled = false;
    int rememberedTab = 0;
    // The data set the page acquired; it releases this one, whatever its id finds later.
    RegData *data = nullptr;
    quint32 id = 0;
};

// The dockable register window: shows the host's register data sets as pages, one at a time,
// and hands the user's register operations to the host's handler.
class RegPane final : public AbstractPane, public RegViewOwner
{
    Q_OBJECT

public:
    enum MenuCommand {
        CommandCopyAllAsText = 508,
        CommandToggleUserView = 509,
        CommandUpdate = 510
    };

    RegPane(CuiRegPaneHandlerFn handler, QWidget *parent);
    ~RegPane() override;

    // The live register pane behind a handle, else null.
    static RegPane *fromHandle(TeskHandle handle);

    void attach(uintptr_t context) { m_context = context; }
    // False when the data set is the current one already (its display name is stored anyway).
    bool showDataSet(quint32 id, const char *architecture, const char *processor,
                     const char *displayName);
    void removeDataSet(quint32 id);
    void setTargetRunning(bool running);
    // Number of ranges written, or -1.
    int lineRanges(RegLineRange *buffer, quint32 *capacity, bool force) const;
    void loadFormatDefinitions(quint32 id);

    RegData *currentData() const { return m_currentData; }
    RegView *currentView() const { return m_currentView; }
    const RegPage *page(quint32 id) const;
    const RegPage *currentPage() const { return m_currentPage; }
    QStackedWidget *stack() const { return m_stack; }
    // The "Format" popup of the pane's own menu, handed to every view; null without menus.
    QMenu *formatPopup() const;

    void menuCommand(int id);

    void setPersistData(const char *text) override;
    int getPersistData(unsigned length, char *buffer) override;
    void processCommand(CuiPaneOutputFn output, void *outputContext, const QStringList &arguments,
                        QString &result) override;
    void setWindBox(TeskHandle handle) override { m_windBox = handle; }
    TeskHandle windBox() override { return m_windBox; }

    // RegViewOwner
    void handleCommand(int id) override { menuCommand(id); }
    bool isUserView(const RegView *view) const override;
    bool hasUserView() const override;
    bool userViewEnabled() const override;
    void appendDockMenuItems(QMenu *menu) override;
    void processGenericOption(int id) override;

public slots:
    void slotCallFuncHandler(CuiRegOp op, const QString &text, void *pointer);
    void slotMenuActivated(int id) override { menuCommand(id); }
    void slotSetCurrentView(QWidget *widget);
    void slotSetMenuSensitivity(int id, bool on);
    void slotDataUpdateReq();
    void slotHelp(int helpId);

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    RegPage *buildPage(quint32 id, RegData *data);
    RegView *makeView(RegPage *page, QWidget *parent, RegDataView *dataView,
                      KMediator_Format *format);
    void applyUserView(RegPage *page);
    void deletePage(RegPage *page);
    void setDefinitionName(std::map<quint32, QString> &names, quint32 id, const char *name,
                           bool lowerCase);
    bool shortcutOverride(QKeyEvent *e);
    void stepTab(int delta);
    bool firstToShow(const RegData *data) const;
    void callHandler(CuiRegOp op, uintptr_t pointer, const char *text);
    void dropRetired();
    // The "User" view settings of the current data set in the host's persistence store.
    void loadUserView();
    void saveUserView();

    QStackedWidget *m_stack = nullptr;
    RegView *m_currentView = nullptr;
    std::unique_ptr<VisualSettings> m_settings;
    // Made from the register menu tables for the pane's lifetime; null while no menus exist.
    std::unique_ptr<tesk::core::TableMenu> m_menu;
    CuiRegPaneHandlerFn m_handler;
    uintptr_t m_context = 0;
    RegData *m_currentData = nullptr;
    std::map<quint32, std::unique_ptr<RegPage>> m_pages;
    RegPage *m_currentPage = nullptr;
    std::map<quint32, std::unique_ptr<KMediator_Format>> m_formats;
    std::map<quint32, QString> m_architectures;
    std::map<quint32, QString> m_processors;
    TeskHandle m_windBox = 0;
    // Pages taken out while the host's handler ran: deleted once it has returned.
    std::vector<std::unique_ptr<RegPage>> m_retired;
    int m_handlerDepth = 0;
};
