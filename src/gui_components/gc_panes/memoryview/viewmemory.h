#pragma once
// The memory view: the memory of one target at a time as rows of formatted fields with their
// characters beside them, or as disassembly, under a toolbar of start address, columns, field
// size and format. Its scroll bar moves the start address through the target's address range;
// the tables only ever hold the rows on screen.

#include "gui_components/gc_panes/memory/memoryaddress.h"
#include "gui_components/gc_panes/memoryview/memorytableview.h"
#include "gui_components/gc_panes/views/aview.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <map>
#include <memory>
#include <string>
#include <vector>

class AViewMemoryTable;
class KGcp_Bridge_KSO;
class KViewHistoryMemory;
class KViewMemoryAscii;
class KViewMemoryData;
class KViewMemoryDsm;
class KViewMemoryInfo;
class KViewMemoryScrollbar;
class QBoxLayout;
class QComboBox;
class QLabel;
class QMenu;
class QResizeEvent;
class QScrollArea;
class QTimer;

namespace usettings {
class KUniversalSettings;
}

class KViewMemory : public AView, public tesk::gc_panes::MemoryTableView
{
    Q_OBJECT

public:
    enum ByteOrder { AutoOrder = 0, BigEndianOrder = 1, LittleEndianOrder = 2 };
    // The context menu's command ids; runCommand takes the same numbers.
    enum Command {
        ShowAsciiCommand = 1,
        ToolbarCommand = 2,
        ToolbarLabelsCommand = 3,
        AutoOrderCommand = 4,
        BigEndianCommand = 5,
        LittleEndianCommand = 6,
        SetStartAddressCommand = 7,
        FormatCommand = 8,
        UpdateViewCommand = 9,
        AutomaticUpdateCommand = 10,
        TimedUpdateCommand = 11,
        TimedUpdatePeriodCommand = 12,
        MemoryMapColouringCommand = 13,
        CacheColouringCommand = 14,
        FillMemoryCommand = 15,
        CopyCommand = 16,
        NoCommand = 17,
        BreakpointCommand = 18,
        FirstDisassemblyFormat = 19,
        LastDisassemblyFormat = 28,
    };
    enum MenuKind { DataKind = 0, AsciiKind = 1, DsmKind = 2 };

    explicit KViewMemory(const char *name = nullptr, Qt::WindowFlags flags = {});
    ~KViewMemory() override;

    // Room for the address bar and at least eight rows of memory below the column labels.
    QSize sizeHint() const override;

    // Builds the widgets once; a settings text given is applied as restoreSettings does.
    virtual bool buildLayout(const std::string *settings = nullptr);

    void setTarget(int target) override;
    void targetUpdated(int target, int flag) override;
    void refresh(int mode = 0) override;
    void showAddress(const UMemoryAddress &address) override;
    void scrollToFraction(double fraction, bool preview) override;
    void scrollBy(int kind, int count) override;
    double scrollFraction() const override;
    void saveSettings(std::string &settings) override;
    void restoreSettings(const std::string &settings) override;
    void updateLayout(int mode) override;

    // Runs a command of the context menu; false for ids it does not know.
    virtual bool runCommand(int id);
    virtual void repaintTables();
    // Drops the current block and reads again (also what the timed update runs).
    virtual void updateView();
    virtual void toggleAutomaticUpdate();
    virtual void toggleTimedUpdate();
    virtual void editTimedUpdatePeriod();
    virtual void fillMemory();
    virtual void copy();
    virtual bool createBreakpointAt();
    virtual void toggleAsciiView();
    virtual void setByteOrder(int order);
    virtual void editStartAddress();
    virtual void toggleToolbar();
    virtual void toggleToolbarLabels();
    virtual void colourByMemoryMap();
    virtual void colourByCache();
    virtual bool updateAutoColumnCount();

    // What the tables and the scroll bar ask of the view.
    int fieldSize() const override;
    int columnCount() const override;
    int bytesPerRow() const override;
    bool isBigEndian() const override;
    QString formatCode() const override;
    bool isStandardFormat() const override;
    UMemoryAddress startAddress() const override;
    KViewMemoryInfo &memoryInfo() override { return *m_info; }
    QString addressText(const UMemoryAddress &address) override;
    bool writeValueAt(int row, int column, uint64_t oldValue, uint64_t newValue) override;
    bool writeCharAt(int row, int column, uint8_t oldChar, uint8_t newChar) override;
    bool setSelectionOffsets(bool active, int64_t first, int64_t last, int64_t cursor) override;
    bool selectionSyncSuspended() const override { return m_selectionSyncSuspended; }
    void setSelectionSyncSuspended(bool suspended) override
    {
        m_selectionSyncSuspended = suspended;
    }
    void selectColumns(int item) override;
    bool hasAutomaticColumns() const override { return m_autoColumns; }
    KViewMemoryScrollbar *memoryScrollbar() const override { return m_scrollBar; }

    // The state a copy of the view takes over, in the order the views manager copies it.
    int currentTargetId() const;
    void setCurrentTargetId(int id);
    bool isStartAddressValid() const;
    QString startAddressText() const;
    void setStartAddress(const QString &text, bool checkEqual);
    int dataSizeId() const;
    void setDataSizeId(int id);
    int formatId() const;
    void setFormatId(int id);
    int autoColumnCount() const { return m_autoColumnCount; }
    void setAutoColumnCount(int count);
    int columnsId() const;
    void setColumnsId(int id);
    bool isAsciiViewShown() const { return m_asciiShown; }
    void setAsciiViewShown(bool shown);
    int dsmFormatId() const { return m_dsmFormatId; }
    void setDsmFormatId(int id);
    void updateDisassemblyMode();

    bool isDisassemblyFormat() const;
    // "User format..." stands in the format field instead of one of its items.
    bool showsUserFormat() const;
    // The text of the fields from (r1, c1) to (r2, c2), a line of columnCount() fields each.
    QString copyText(int r1, int c1, int r2, int c2);
    bool isToolbarShown() const { return m_toolbarShown; }
    bool areToolbarLabelsShown() const { return m_toolbarLabelsShown; }
    int colouring() const { return m_colouring; }
    int byteOrder() const { return m_byteOrder; }
    bool isAutomaticUpdate() const { return m_automaticUpdate; }
    bool isTimedUpdateWhenRunning() const { return m_timedUpdateWhenRunning; }
    int timedUpdatePeriod() const { return m_timedUpdatePeriod; }
    bool isTimedUpdateRunning() const;
    int visibleRowCount();
    UMemoryAddress cellAddress(int row, int column) const;
    UMemoryAddress selectionStartAddress() const;
    UMemoryAddress selectionEndAddress() const;

    KViewMemoryData *dataTable() const { return m_dataTable; }
    KViewMemoryAscii *asciiTable() const { return m_asciiTable; }
    KViewMemoryDsm *dsmTable() const { return m_dsmTable; }
    QComboBox *addressCombo() const { return m_addressCombo; }

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

protected slots:
    void languageChange() override;

public slots:
    void slotStartAddressLineEditAccept(const QString &text);
    void slotColumnsComboBoxChanged(int item);
    void slotFormatComboBoxChanged(int item);
    void slotSizeComboBoxChanged(int item);
    void slotEnableCustomFormat();
    void slotViewportResizeEvent(QResizeEvent *e);
    void slotTimedUpdateDone();
    void slotAutocolumnTimerFired();
    void slotAsciiSelectionChanged();
    void slotUpdateSelectionReq();
    void slotContextMenuRequestedData(int row, int col, const QPoint &pos);
    void slotContextMenuRequestedAscii(int row, int col, const QPoint &pos);
    void slotContextMenuRequestedDsm(int row, int col, const QPoint &pos);

private:
    // Building.
    void buildToolbar(QBoxLayout *top);
    QComboBox *addCombo(QBoxLayout *row, const char *name, const QString &label,
                        const QStringList &items, int current);
    void buildTables(QBoxLayout *top);
    void connectTables();
    void connectChecked(bool connected, int line);

    // The address field.
    void showAddressText(const QString &text);
    void setAddressFieldText(const QString &text);
    void rememberAddress(const QString &text);
    void acceptAddressField();
    bool addressFieldEvent(QObject *o, QEvent *e);
    void showToolbar(bool shown);
    void updateCaption();
    void clearView();
    void runSetStartAddress(const QString &text, bool checkEqual);
    // The start, its region's access size and byte order, the address field and the slider.
    void moveStartTo(int target, const UMemoryAddress &address);
    // The host's range of an address, when the address lies inside it (both ends included).
    bool inRange(const UMemoryAddress &address, UMemoryAddress &rangeStart, uint32_t &length) const;

    // Layout.
    void relayout();
    void relayoutTwice();
    // A scroll step: the start moves, the layout and the measured widths stay.
    void stepTo(const UMemoryAddress &address);
    void setDisassemblyMode(bool on);
    bool isDisassemblyShown() const;
    int computeAutoColumnCount() const;
    void fitScrollAreaBox();
    void leaveUserFormatMode();
    void enterUserFormatMode();
    void restoreUserFormat(usettings::KUniversalSettings &group);
    int cacheBlockSize(int rows) const;
    QList<AViewMemoryTable *> visibleTables() const;
    void emptyTables();
    void refreshData();
    void refreshDisassembly();
    void syncSelections();
    void takeTableSelection(AViewMemoryTable *table);
    // The menu.
    void showContextMenu(int kind);
    void buildContextMenu(QMenu &menu, int kind);
    void addFormatEntries(QMenu &menu, bool valid);
    void addByteOrderEntries(QMenu &menu);
    void addDataEntries(QMenu &menu, bool valid);
    void addDisassemblyEntries(QMenu &menu);
    void addUpdateEntries(QMenu &menu, bool valid, bool running);
    QStringList disassemblyFormatIds(QStringList *names) const;
    void runMenuChoice(int id);
    void setColouring(int mode);
    QString hostAddressText(const UMemoryAddress &address);
    QString copyLines(const UMemoryAddress &start, int64_t fields, const uint8_t *bytes,
                      uint32_t count, const std::vector<uint32_t> &attributes, int64_t lineStep);

    bool writeBytes(const UMemoryAddress &address, uint64_t bytesLowFirst, int size);
    bool recordWrite(const UMemoryAddress &address, uint64_t oldValue, uint64_t newValue);
    void startTimedUpdate();
    bool rangeOfStart(UMemoryAddress &rangeStart, uint32_t &length) const;
    bool applyColumnsItem(int item);

    KGcp_Bridge_KSO *m_bridge = nullptr;
    std::unique_ptr<KViewHistoryMemory> m_history;
    std::unique_ptr<KViewMemoryInfo> m_info;
    KViewMemoryData *m_dataTable = nullptr;
    KViewMemoryDsm *m_dsmTable = nullptr;
    KViewMemoryAscii *m_asciiTable = nullptr;
    KViewMemoryScrollbar *m_scrollBar = nullptr;
    QWidget *m_scrollBarFiller = nullptr;
    QComboBox *m_addressCombo = nullptr;
    bool m_focusNotByMouse = false;
    int m_swallowMouse = 0;
    QComboBox *m_columnsCombo = nullptr;
    QComboBox *m_sizesCombo = nullptr;
    QComboBox *m_formatsCombo = nullptr;
    QList<QLabel *> m_labelList;
    QList<QWidget *> m_toolbarList;
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_scrollBox = nullptr;
    bool m_addressEditEnabled = true;
    bool m_refreshEnabled = true;
    bool m_asciiShown = true;
    bool m_automaticUpdate = true;
    bool m_timedUpdateWhenRunning = false;
    int64_t m_lastHostStamp = -1;
    int m_dsmFormatId = 0;
    QElapsedTimer m_lastDisassemblyFetch;
    QString m_userFormatLabel;
    QString m_noAddressLabel;
    bool m_resizeHandlingEnabled = true;
    int m_byteOrder = AutoOrder;
    bool m_toolbarShown = true;
    bool m_toolbarLabelsShown = true;
    bool m_toolbarShownForEdit = false;
    bool m_autoColumns = true;
    int m_autoColumnCount = 4;
    int m_lastColumnCount = 0;
    int m_lastResizeRows = 0;
    int m_timedUpdatePeriod = 15000;
    QTimer *m_timedUpdateTimer = nullptr;
    QTimer *m_autoColumnTimer = nullptr;
    int m_colouring = 0;
    bool m_selectionSyncSuspended = false;
    // Whether the current target is on screen (after setTarget(0) it is not, though kept).
    bool m_targetShown = false;
    // Stored start addresses (by target name) whose target has not been shown yet; written
    // back with the view's own so that they outlive a session that never showed them.
    std::map<std::string, std::string> m_pendingAddresses;
};
