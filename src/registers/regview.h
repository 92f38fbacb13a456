#pragma once

#include "registers/cuiregop.h"
#include "registers/regitem.h"
#include "utilities/uscrollview.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

class KMediator_Format;
class QMenu;
class RegDataItem;
class RegDataView;
class RegViewOwner;
class RegViewPrivate;
class VisualSettings;
struct RegDataItemInstance;

// One register data view as a scrolling grid of register items: registers flow into as many
// columns as fit, groups open and close, the arrow keys move by the items' places on screen,
// and every operation on registers goes up to the pane as a register operation.
class RegView final : public UScrollView
{
    Q_OBJECT

public:
    // The register commands of the view's context menu.
    enum Command {
        CommandFormat = 5001,
        CommandCopy = 5002,
        CommandPaste = 5003,
        CommandViewMemory = 5004,
        CommandCopyToUser = 5005,
        CommandProperties = 5006,
        CommandRemoveFromUser = 5007,
        CommandCopyAllAsText = 508,
        CommandShowUserView = 509,
        CommandUpdateView = 510
    };
    static constexpr int kMenuTableKind = 13;

    RegView(RegViewOwner *owner, QWidget *parent, RegDataView *dataView,
            const VisualSettings *settings, KMediator_Format *engine, QMenu *formatPopup,
            int lastWord = 0);
    ~RegView() override;

    // Wide enough for one column of the widest name and value beside the scroll bar.
    QSize sizeHint() const override;
    // A line of registers and the horizontal scroll bar: in a short dock the view scrolls and
    // its pane's tab row stays whole.
    QSize minimumSizeHint() const override;

    QString name() const;
    RegDataView *dataView() const;
    KMediator_Format *formatEngine() const;

    void menuCommand(int id);
    void copyAllAsText();
    void selectAll();
    bool canAddToUser();
    void addSelectedToUser();
    bool canRemoveFromUser() const;
    void removeSelectedFromUser();
    void setItemsEnabled(bool enabled);
    // The value lines of the registers on show, each with the count 1.
    void visibleRegisterIds(QList<QPair<quint16, quint32>> &list) const;

    const QList<RegItem *> &selection() const;
    int selectionCount() const;
    int columns() const;
    int cellWidth() const;
    // Items in entry order, shown or not.
    QList<RegItem *> items() const;
    RegItem *item(const QString &fullName) const;
    RegItem *nearestItem(RegItem *from, Direction direction, bool strict) const;
    // The shown item at a point of the contents.
    RegItem *itemAt(const QPoint &contentsPos) const;

    // A left press that ended the in-place edit of an item, at a point of the viewport: it
    // reaches another register as a click would; on the edited one it starts nothing again.
    void pressAfterEdit(const QPoint &viewportPos, const QPoint &globalPos,
                        Qt::KeyboardModifiers modifiers, const RegItem *edited);

    // An item's value waits to be formatted: the view formats it when shown or about to be.
    void itemWentStale();

    // Used by the items when a group opens or closes.
    void recomputeNameWidths();
    void applyValueWidths();

public slots:
    void slotMenuActivated(int id);
    void slotSetActive(RegItem *item, ItemSelectionType type);
    void slotSetActive(RegItem *item, Direction direction);
    void slotShowRegisters();
    void slotHandleDataChanged(const QString &fullName, int width);
    void slotDataUpdated();
    void slotCreateChildren(RegItem *group);
    void slotFormatChanged(int option);
    void slotUpdateUserView(bool added);
    void slotSetMenuSensitivity(int id, bool enabled);
    // Another view over the same data (another pane) removed the entry: it goes here too.
    void slotInstanceRemoved(RegDataItemInstance *instance);

signals:
    void sigDataUpdateReq();
    void sigCallFuncHandler(CuiRegOp op, const QString &text, void *pointer);
    void sigShowContextMenu(RegView *view);
    void sigAddItemToUser(RegDataItemInstance *instance);
    void sigRemoveItemFromUser(RegDataItemInstance *instance);
    void sigQueryItemInUser(RegDataItem *item, bool *answer);
    void sigSetMenuSensitivity(int id, bool enabled);

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void contentsContextMenuEvent(QContextMenuEvent *e) override;
    void contentsMousePressEvent(QMouseEvent *e) override;
    void drawContents(QPainter *p, int cx, int cy, int cw, int ch) override;
    bool viewportEvent(QEvent *e) override;

private:
    void build();
    RegItem *makeItem(RegEntry *entry);
    void connectItem(RegItem *item);
    void setColumnsFor(int width, bool force);
    void scrollToItem(RegItem *item);
    std::vector<RegEntry *> commandEntries() const;
    RegEntry *entryOf(const RegItem *item) const;
    void removeEntry(RegEntry *entry);
    // Forgets the entry and its item; the entry's data instance is left alone.
    RegDataItemInstance *dropEntry(RegEntry *entry);
    RegItem *currentItem() const;
    RegItem *firstShown() const;
    RegItem *lastShown() const;
    bool arrowOnGroup(int key);
    void moveTo(RegItem *target);
    void extendSelection(Direction direction);
    QRect cellRect(const RegItem *item) const;
    void command(int id);
    void pageStep(Direction direction);
    bool openOrClose(RegItem *group, int how);
    void openOrCloseAll(bool open);
    void runContextMenu(RegItem *item, const QPoint &globalPos);
    bool engineBusy() const;
    QRect visibleContents() const;
    void settleOnScreen();
    void settleNearby();
    int knownWidest() const;
    // Names are measured as their items are first formatted: the widest so far.
    bool growNameWidth();

    std::unique_ptr<RegViewPrivate> d;
};
