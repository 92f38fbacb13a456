#pragma once

#include "registers/cuiregop.h"
#include "registers/regcolumns.h"
#include "registers/regdataitem.h"
#include "registers/regformat.h"
#include "registers/regicon.h"

#include <QColor>
#include <QFontMetrics>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

class KMediator_Format;
class QMenu;
class QMouseEvent;
class QPainter;
class RegItem;
class RegView;
class VisualSettings;
struct RegDataItemInstance;

// How a selection request changes the view's selection.
enum ItemSelectionType { SelectOnly = 0, SelectAdd = 1, SelectRemove = 2 };
// Where the view looks for the next item.
enum Direction {
    DirectionNone = 0,
    DirectionUp = 2,
    DirectionDown = 3,
    DirectionLeft = 4,
    DirectionRight = 5
};

// Flags of a register's entry in its data view, as the register widgets read them.
namespace tesk::registers {
enum ItemFlag : quint32 {
    kChild = 0x2,
    kGroup = 0x4,
    kTitle = 0x8,
    kGroupOpen = 0x10,
    kNewRow = 0x20,
    kReadOnly = 0x80,
    kUnavailable = 0x100,
    kHighlightedName = 0x2000,
    kSameLine = 0x4000,
    kOwnLine = 0x8000
};
} // namespace tesk::registers

// One register of a register view: its entry in the data view, its widget (made when it is
// first laid out) and, for a group whose children have no widgets yet, their entries.
struct RegEntry
{
    quint32 flags;
    RegItem *item = nullptr;
    RegDataItemInstance *instance;
    std::vector<RegEntry *> children;
};

// One register, group or title line of a register view: expand icon, name and value. An item
// is no widget: the view lays it out in its contents and paints it, so that a view of
// thousands of registers updates and repaints only what is on screen and scrolling moves no
// widgets. Only a writable enumerated value has a widget of its own, its combo box.
class RegItem final : public QObject, private RegValueListener
{
    Q_OBJECT

public:
    RegItem(QObject *parent, RegView *view, RegEntry *entry, const VisualSettings *settings,
            KMediator_Format *engine, QMenu *formatPopup, quint32 flags);
    ~RegItem() override;

    QSize sizeHint() const;
    // The item's place in the view's contents.
    QRect geometry() const { return m_geometry; }
    int width() const { return m_geometry.width(); }
    int height() const { return m_geometry.height(); }
    // Places the item at a point of the contents, and its combo box with it.
    void place(int x, int y);
    // Hides the item's own widgets while the view does not show it.
    void hideWidgets();

    quint32 flags() const { return m_flags; }
    RegDataItem *dataItem() const { return m_dataItem; }
    RegEntry *entry() const { return m_entry; }
    // The value's format, brought up to the host's last value.
    RegFormat *format() const;
    KMediator_Format *formatEngine() const
    {
        const RegFormat *made = format();
        return made ? made->formatEngine() : nullptr;
    }
    KComboBoxNoWheelEvent *combo() const { return m_combo; }
    const RegIcon *icon() const { return m_icon.get(); }
    bool isTitle() const;
    bool isWritable() const;
    bool hasValueLabel() const { return m_hasValueLabel; }

    // Whether the view shows the item (a child of a closed group is not shown).
    bool shown() const { return m_shown; }
    void setShown(bool shown) { m_shown = shown; }
    bool selected() const { return m_selected; }
    void setSelected(bool selected);
    void toggleSelected() { setSelected(!m_selected); }
    bool open() const { return m_open; }

    QString nameText() const { return m_nameText; }
    QString nameToolTip() const;
    QString valueText() const;
    // Whether the host's last value waits to be formatted, and formatting it.
    bool stale() const { return m_stale; }
    void settle();
    // The value as copied: its display text, dashes for an unavailable value.
    QString copyText() const;
    QColor valueTextColour() const { return m_currentValueText; }
    QColor valueBackground() const { return m_currentValueBg; }
    QColor nameTextColour() const { return m_nameTextColour; }

    // 0 until the name is measured, with the value, when the item is first settled.
    int naturalNameWidth() const { return m_naturalNameWidth; }
    int nameWidth() const { return m_nameWidth; }
    int valueWidth() const { return m_valueWidth; }
    int valueFieldWidth() const { return m_valueFieldWidth; }
    void setNameWidth(int width);
    void setValueWidth(int width);
    void setValueFieldWidth(int width);
    void setIconState(int state);
    void addChild(RegItem *child) { m_children.append(child); }
    void removeChild(RegItem *child) { m_children.removeAll(child); }
    const QList<RegItem *> &children() const { return m_children; }
    void setValueEnabled(bool enabled);

    // The parts of the item, in contents coordinates.
    QRect iconRect() const;
    QRect nameRect() const;
    QRect valueRect() const;

    // What the view hands on: painting in two passes, background, icon and name, then the
    // value (the painter in contents coordinates, set to the pass's font), a press at a
    // point of the contents, the Space key while the item is current.
    void paintName(QPainter &painter) const;
    void paintValue(QPainter &painter) const;
    void mousePress(QMouseEvent *e);
    bool openCombo();

    // The operations of the view's commands; each answers false when the item went away or
    // did nothing.
    bool editInPlace();
    bool paste(const QString &text, RegFormat::TextSource source);
    void viewMemory();
    void properties();
    // Takes the format menu's choice; the new value width.
    void applyFormatOption(int option);

    // Shared by every item: the value font's widest character + 3, set by the first item.
    static int spacing();
    // Pixels an item needs for the name at its left: the icon and the spacing.
    static int nameX() { return tesk::registers::kIconWidth + spacing(); }

public slots:
    void toggleOpenChildren();
    void slotChangeData(const QString &text);
    void slotChangeData(int index);
    void slotEnumDataSet(int index);

signals:
    void sigSelect(RegItem *item, ItemSelectionType type);
    void sigSelect(RegItem *item, Direction direction);
    void sigShowRegisters();
    void sigItemChanged(const QString &fullName, int width);
    void sigCreateChildren(RegItem *item);
    void sigCallFuncHandler(CuiRegOp op, const QString &text, void *pointer);
    void sigSetMenuSensitivity(int id, bool enabled);

private:
    void buildName();
    void measureName();
    QString shownName() const;
    void buildValue(KMediator_Format *engine);
    void relayout();
    void repaintOnScreen(const QRect &area);
    void repaintOnScreen() { repaintOnScreen(m_geometry); }
    QRect localValueRect() const;
    QRect localNameRect() const;
    const QFontMetrics &metrics() const;
    int valueTextWidth(const QString &text);
    QString displayText(const QString &text) const;
    void setDisplayText(const QString &text);
    void keepLastText(const QString &text);
    void stepChangeColour(bool changed);
    void applyColours();
    void refreshIcon();
    void placeCombo();
    void takeFocus();
    // Asks the host whether the register may change; false when refused or when the item
    // did not survive the question.
    bool mayChange();
    void *hostPointer() const;
    void emitSetValue();
    void valueChanged(const QString &text) override { slotChangeData(text); }

    QRect m_geometry;
    int m_nameWidth = 0;
    int m_naturalNameWidth = 0;
    int m_valueWidth = 0;
    int m_valueFieldWidth = 0;
    quint32 m_flags;
    bool m_shown;
    bool m_selected = false;
    bool m_firstUpdateSeen = false;
    bool m_open;
    RegDataItem *m_dataItem;
    QPointer<RegDataItem> m_listenedTo;
    QPointer<RegView> m_view;
    RegEntry *m_entry;
    QList<RegItem *> m_children;
    std::unique_ptr<RegIcon> m_icon;
    bool m_hasValueLabel = false;
    QPointer<KComboBoxNoWheelEvent> m_combo;
    std::unique_ptr<RegFormat> m_format;
    const VisualSettings *m_settings;
    QFontMetrics m_valueMetrics;
    // A fixed-pitch value font measures a text of the length last measured by that width.
    bool m_fixedPitch = false;
    qsizetype m_measuredLength = -1;
    int m_measuredWidth = 0;
    QString m_lastText;
    bool m_changed = false;
    bool m_stale = false;
    bool m_nameMeasured = false;
    bool m_formatPending = false;
    KMediator_Format *m_formatEngine = nullptr;
    bool m_placed = false;
    QColor m_normalValueBg;
    QColor m_normalValueText;
    QColor m_changeColour; // invalid: no change to show
    QColor m_currentValueBg;
    QColor m_currentValueText;
    QColor m_nameTextColour;
    QColor m_nameBg;
    QColor m_background;
    int m_radix = 0;
    bool m_fullName = false;
    QString m_nameText;
    QString m_valueText;
};
