#pragma once

#include <QPixmap>
#include <QString>

#include <memory>

class QPainter;
class QPalette;
class QRect;
class QSize;
class QWidget;
class UTable;

// The content of one cell, or of a block of cells, of a UTable: a text, a pixmap drawn left of
// it, and when the cell gets an editor. Not a widget: the table owns an item once it stands in
// a cell, and an item deleted by someone else first takes itself out of its table.
class UTableItem
{
public:
    enum EditType { Never = 0, OnTyping = 1, WhenCurrent = 2, Always = 3 };

    UTableItem(UTable *table, EditType editType);
    UTableItem(UTable *table, EditType editType, const QString &text);
    UTableItem(UTable *table, EditType editType, const QString &text, const QPixmap &pixmap);
    virtual ~UTableItem();
    UTableItem(const UTableItem &) = delete;
    UTableItem &operator=(const UTableItem &) = delete;

    virtual QPixmap pixmap() const;
    virtual QString text() const;
    virtual void setPixmap(const QPixmap &pixmap);
    virtual void setText(const QString &text);
    // The stored pixmap, read without a copy.
    virtual QPixmap *pixmapRef();
    virtual int alignment() const;
    virtual void setWordWrap(bool wrap);
    virtual QWidget *createEditor() const;
    virtual void setContentFromEditor(QWidget *editor);
    virtual void setReplaceable(bool replaceable);
    virtual QString key() const;
    virtual QSize sizeHint() const;
    virtual void setSpan(int rowSpan, int colSpan);
    virtual void setRow(int row);
    virtual void setCol(int col);
    // The painter stands at the cell's top-left corner; cellRect gives the cell's size.
    virtual void paint(QPainter *p, const QPalette &palette, const QRect &cellRect, bool selected);
    virtual void setEnabled(bool enabled);

    UTable *table() const { return m_table; }
    EditType editType() const { return m_editType; }
    bool wordWrap() const { return m_wordWrap; }
    bool isReplaceable() const;
    int rowSpan() const { return m_rowSpan; }
    int colSpan() const { return m_colSpan; }
    // The cell the item stands in (its block's top-left one), or -1 when it stands in none.
    int row() const;
    int col() const;
    bool isEnabled() const { return m_enabled; }
    void updateEditor(int oldRow, int oldCol);

private:
    friend class UTable;

    int textFlags() const;
    bool isOwnText(const QString &text) const;
    void drawText(QPainter *p, const QRect &room, int flags, const QString &text);

    QString m_text;
    QPixmap m_pixmap;
    UTable *m_table;
    EditType m_editType;
    bool m_wordWrap = false;
    bool m_replaceable = true;
    bool m_enabled = true;
    // What painting learnt of m_text since it was last set (whether it was drawn already, its
    // alignment), so that a value drawn once costs no entry in the table's shared text cache.
    mutable quint8 m_textState = 0;
    // Worked out afresh from the table's line moves when the table has moved lines since
    // (m_stamp behind the table's), so that inserting a line does not visit every item below.
    mutable int m_row = -1;
    mutable int m_col = -1;
    mutable quint32 m_stamp = 0;
    int m_rowSpan = 1;
    int m_colSpan = 1;
};
