#pragma once
// The widget layer under the synchronisation window's tables: items with a flags word, check
// cells drawn with the style's indicator, a header that never highlights, and a table on which
// the user toggles check cells by mouse and keyboard. Nothing here knows the synchronisation
// data.

#include "utilities/table.h"
#include "utilities/tableheader.h"
#include "utilities/tableitem.h"

#include <QColor>
#include <QObject>

#include <cstdint>
#include <memory>

class SyncTableBasePrivate;

class SyncTableItem : public UTableItem
{
public:
    enum Flag : uint32_t {
        Square = 0x1,  // the size hint is a square
        Wide = 0x2,    // the size hint is widened
        Locked = 0x10, // the user cannot change the cell
    };

    SyncTableItem(UTable *table, EditType editType, const QString &text, uint32_t flags);
    ~SyncTableItem() override;

    // Centred in the first row, as in any table elsewhere.
    int alignment() const override;
    QSize sizeHint() const override;

    virtual bool isWide() const { return m_flags & Wide; }
    virtual bool isSquare() const { return m_flags & Square; }
    virtual bool isChangeable() const { return !(m_flags & Locked); }
    // A change of the locked bit repaints the cell: its indicator is drawn differently.
    virtual void setFlags(uint32_t flags);
    virtual uint32_t flags() const { return m_flags; }

private:
    uint32_t m_flags;
};

// A cell that is a check box: painted with the style's indicator on its own background, never
// edited in place, and announcing the user's changes.
class SyncTableCheckItem : public QObject, public SyncTableItem
{
    Q_OBJECT

public:
    static const QColor kCream;
    static const QColor kWhite;
    static const QColor kSelectionGrey;

    SyncTableCheckItem(UTable *table, const QString &text, bool cream);
    ~SyncTableCheckItem() override;

    virtual QColor backgroundColor(bool selected) const;
    virtual bool isChecked() const { return m_checked; }
    // Quiet: repaints the cell when the state changes, emits nothing.
    virtual void setChecked(bool on);
    // Only for a changeable cell; emits even when the state stays (a "+" on a checked cell is
    // still the user's word). The cell may be gone when the signal returns.
    virtual void setCheckedByUser(bool on);

    QWidget *createEditor() const override;
    void paint(QPainter *p, const QPalette &palette, const QRect &cellRect, bool selected) override;

public Q_SLOTS:
    void slotSetCheckItem(int on);

Q_SIGNALS:
    void sigCheckChanged(SyncTableCheckItem *item, int bNewState);

private:
    QColor m_background;
    bool m_checked = false;
};

// Sections never show selection or the current cell.
class SyncTableHeader : public UTableHeader
{
    Q_OBJECT

public:
    SyncTableHeader(int count, UTable *table, QWidget *parent, const char *name);

    void setSectionState(int section, SectionState state) override;
    void setSectionStateToAll(SectionState state) override;
};

class SyncTableBase : public UTable
{
    Q_OBJECT

public:
    // How setCellCheck changes a cell.
    enum CheckMode { Check = 0, Uncheck = 1, Toggle = 2 };

    explicit SyncTableBase(QWidget *parent = nullptr, const char *name = nullptr);
    ~SyncTableBase() override;

    // Both skip a cell that already shows the same: a refill with unchanged data repaints
    // nothing. A cell's picture is set once.
    void setText(int row, int col, const QString &text) override;
    void setPixmap(int row, int col, const QPixmap &pixmap) override;
    void setColumnWidth(int col, int width) override;
    void setRowHeight(int row, int height) override;

    // Header labels and widths of the table kinds.
    virtual void setupHeader() {}
    // A user change of a check cell; only while the table is enabled.
    virtual void setCellCheck(int row, int col, int mode);

protected:
    // How many texts and pictures the table has really changed: a refill that changed none
    // need not fit its columns again (measuring every text is the dearest part of a refill).
    int cellChanges() const;

    void keyPressEvent(QKeyEvent *e) override;
    void contentsMousePressEvent(QMouseEvent *e) override;
    void contentsMouseReleaseEvent(QMouseEvent *e) override;
    bool createTopHeader(UTableHeader **header, int cols) override;
    bool createLeftHeader(UTableHeader **header, int rows) override;

private:
    std::unique_ptr<SyncTableBasePrivate> d;
};
