#include "utilities/tableitem.h"

#include "utilities/globalstrut.h"
#include "utilities/table.h"

#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QStaticText>
#include <QStyle>
#include <QValidator>
#include <QtMath>

#include <algorithm>

namespace {

// Sets a pen of the colour without building a new pen each time: items are painted by the
// hundred on every scroll step.
void setPenColor(QPainter *p, const QColor &color)
{
    static QPen pen;
    if (pen.color() != color)
        pen = QPen(color);
    p->setPen(pen);
}

// A solid brush fills as its colour, which spares the painter setting up a brush per cell.
void fill(QPainter *p, const QRect &r, const QBrush &brush)
{
    if (brush.style() == Qt::SolidPattern)
        p->fillRect(r, brush.color());
    else
        p->fillRect(r, brush);
}

} // namespace

struct UTableItemTextCache
{
    QString text;
    QFont font;
    QStaticText layout;
    // The text whose alignment was worked out last, and that alignment.
    QString alignedText;
    int alignment = 0;
};

UTableItem::UTableItem(UTable *table, EditType editType)
    : UTableItem(table, editType, QString(), QPixmap())
{
}

UTableItem::UTableItem(UTable *table, EditType editType, const QString &text)
    : UTableItem(table, editType, text, QPixmap())
{
}

UTableItem::UTableItem(UTable *table, EditType editType, const QString &text, const QPixmap &pixmap)
    : m_text(text)
    , m_pixmap(pixmap)
    , m_table(table)
    , m_editType(editType)
{
}

UTableItem::~UTableItem()
{
    // An item in no cell has nothing to take back, and may outlive the table it was made for.
    if (m_table && m_row != -1 && m_col != -1)
        m_table->takeItem(this);
}

QPixmap UTableItem::pixmap() const
{
    return m_pixmap;
}

QString UTableItem::text() const
{
    // An item that is always edited holds what its editor shows.
    if (m_editType == Always && m_table) {
        if (QWidget *editor = m_table->cellWidget(m_row, m_col))
            const_cast<UTableItem *>(this)->setContentFromEditor(editor);
    }
    return m_text;
}

void UTableItem::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
}

void UTableItem::setText(const QString &text)
{
    m_text = text;
}

QPixmap *UTableItem::pixmapRef()
{
    return &m_pixmap;
}

int UTableItem::alignment() const
{
    const QString t = text();
    // Painting asks on every scroll step; the number test runs once per text.
    if (m_textCache && m_textCache->alignment != 0 && m_textCache->alignedText == t)
        return m_textCache->alignment;
    bool number = false;
    t.toInt(&number, 10);
    if (!number)
        t.toDouble(&number);
    const int result =
        int(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (m_textCache) {
        m_textCache->alignedText = t;
        m_textCache->alignment = result;
    }
    return result;
}

int UTableItem::textFlags() const
{
    return m_wordWrap ? alignment() | Qt::TextWordWrap : alignment();
}

void UTableItem::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
}

QWidget *UTableItem::createEditor() const
{
    auto *editor = new QLineEdit(m_table->viewport());
    editor->setObjectName(QStringLiteral("qt_tableeditor"));
    editor->setFrame(false);
    editor->setText(text());
    return editor;
}

void UTableItem::setContentFromEditor(QWidget *editor)
{
    auto *lineEdit = qobject_cast<QLineEdit *>(editor);
    if (!lineEdit)
        return;
    QString input = lineEdit->text();
    if (const QValidator *validator = lineEdit->validator())
        validator->fixup(input);
    setText(input);
}

void UTableItem::setReplaceable(bool replaceable)
{
    m_replaceable = replaceable;
}

bool UTableItem::isReplaceable() const
{
    return m_rowSpan == 1 && m_colSpan == 1 && m_replaceable;
}

QString UTableItem::key() const
{
    return text();
}

QSize UTableItem::sizeHint() const
{
    const QSize strut = cuiGlobalStrut();
    if (m_editType == Always) {
        if (QWidget *editor = m_table->cellWidget(m_row, m_col))
            return editor->sizeHint().expandedTo(strut);
    }
    QSize s(0, 0);
    int x = 0;
    if (!m_pixmap.isNull()) {
        s = QSize(m_pixmap.width() + 2, m_pixmap.height());
        x = m_pixmap.width() + 2;
    }
    const QString t = text();
    const QFontMetrics fm = m_table->fontMetrics();
    if (!m_wordWrap && !t.contains(QLatin1Char('\n')))
        return QSize(s.width() + fm.horizontalAdvance(t) + 10, std::max(s.height(), fm.height()))
            .expandedTo(strut);
    const int columnWidth = m_table->columnWidth(m_col);
    QRect r = fm.boundingRect(QRect(x + 2, 0, columnWidth - x - 4, 0), textFlags(), t);
    r.setWidth(std::max(r.width() + 10, columnWidth));
    return QSize(r.width(), std::max(s.height(), r.height())).expandedTo(strut);
}

void UTableItem::setSpan(int rowSpan, int colSpan)
{
    // A block has at least its own cell: a span of none would leave the item in no cell the
    // table clears when it goes.
    rowSpan = std::max(1, rowSpan);
    colSpan = std::max(1, colSpan);
    if (!m_table || (rowSpan == m_rowSpan && colSpan == m_colSpan))
        return;
    m_table->noteSpan(rowSpan > 1, colSpan > 1);
    if (m_row + rowSpan > m_table->numRows() || m_col + colSpan > m_table->numCols() ||
        m_row == -1 || m_col == -1)
        return;
    const int row = m_row;
    const int col = m_col;
    if (m_rowSpan > 1 || m_colSpan > 1) {
        UTable *t = m_table;
        t->takeItem(this);
        t->setItem(row, col, this);
    }
    m_rowSpan = rowSpan;
    m_colSpan = colSpan;
    for (int r = 0; r < rowSpan; ++r) {
        for (int c = 0; c < colSpan; ++c) {
            if (r == 0 && c == 0)
                continue;
            m_table->setSpanItem(row + r, col + c, this);
            m_row = row;
            m_col = col;
        }
    }
    m_table->updateCell(row, col);
    if (QWidget *w = m_table->cellWidget(row, col))
        w->resize(m_table->cellGeometry(row, col).size());
}

void UTableItem::setRow(int row)
{
    m_row = row;
}

void UTableItem::setCol(int col)
{
    m_col = col;
}

// Leaves the painter as it found it but for the pen: the table puts back only the pen after
// painting a plain item, so anything else this changes must be undone here.
void UTableItem::paint(QPainter *p, const QPalette &palette, const QRect &cellRect, bool selected)
{
    const int w = cellRect.width();
    const int h = cellRect.height();
    fill(p, QRect(0, 0, w, h),
         selected ? palette.brush(QPalette::Highlight) : palette.brush(QPalette::Base));
    int x = 0;
    if (!m_pixmap.isNull()) {
        p->drawPixmap(0, (h - m_pixmap.height()) / 2, m_pixmap);
        x = m_pixmap.width() + 2;
    }
    setPenColor(p, selected ? palette.color(QPalette::HighlightedText)
                            : palette.color(QPalette::Text));
    drawText(p, QRect(x + 2, 0, w - x - 4, h), textFlags(), text());
}

// A single line is laid out once and then only drawn, since every scroll step of a view
// repaints a page of cells; other texts take the painter's general text layout.
void UTableItem::drawText(QPainter *p, const QRect &room, int flags, const QString &text)
{
    if ((flags & Qt::TextWordWrap) || text.contains(QLatin1Char('\n'))) {
        p->drawText(room, flags, text);
        return;
    }
    if (!m_textCache)
        m_textCache = std::make_unique<UTableItemTextCache>();
    UTableItemTextCache &cache = *m_textCache;
    const QFont &font = p->font();
    if (!cache.font.isCopyOf(font) && cache.font == font)
        cache.font = font; // the same font: remember it as a copy, which compares at once
    if (cache.text != text || !cache.font.isCopyOf(font) || cache.layout.text().isNull()) {
        cache.text = text;
        cache.font = p->font();
        cache.layout.setText(text);
        cache.layout.setTextFormat(Qt::PlainText);
        cache.layout.prepare(QTransform(), cache.font);
    }
    const QSizeF size = cache.layout.size();
    const QRect r = QStyle::alignedRect(Qt::LeftToRight, Qt::Alignment(flags),
                                        QSize(qCeil(size.width()), qCeil(size.height())), room);
    const bool clipped = !room.contains(r);
    if (clipped) {
        p->save();
        p->setClipRect(room, Qt::IntersectClip);
    }
    p->drawStaticText(r.topLeft(), cache.layout);
    if (clipped)
        p->restore();
}

void UTableItem::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (m_table)
        m_table->updateCell(m_row, m_col);
}

void UTableItem::updateEditor(int oldRow, int oldCol)
{
    if (m_editType != Always || !m_table)
        return;
    if (oldRow != -1 && oldCol != -1)
        m_table->clearCellWidget(oldRow, oldCol);
    if (m_row != -1 && m_col != -1)
        m_table->setCellWidget(m_row, m_col, createEditor());
}
