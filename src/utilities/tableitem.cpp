#include "tableitem.h"

#include "globalstrut.h"
#include "table.h"

#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QValidator>

#include <algorithm>

UTableItem::UTableItem(UTable *table, EditType editType)
    : UTableItem(table, editType, QString(), QPixmap())
{
}

UTableItem::UTableItem(UTable *table, EditType editType, const QString &text)
    : UTableItem(table, editType, text, QPixmap())
{
}

UTableItem::UTableItem(UTable *table, EditType editType, const QString &text,
                       const QPixmap &pixmap)
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
    bool number = false;
    t.toInt(&number, 10);
    if (!number)
        t.toDouble(&number);
    return int(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
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
    if (rowSpan == m_rowSpan && colSpan == m_colSpan)
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

void UTableItem::paint(QPainter *p, const QPalette &cg, const QRect &cellRect, bool selected)
{
    const int w = cellRect.width();
    const int h = cellRect.height();
    p->fillRect(0, 0, w, h, selected ? cg.brush(QPalette::Highlight) : cg.brush(QPalette::Base));
    int x = 0;
    if (!m_pixmap.isNull()) {
        p->drawPixmap(0, (h - m_pixmap.height()) / 2, m_pixmap);
        x = m_pixmap.width() + 2;
    }
    p->setPen(selected ? cg.color(QPalette::HighlightedText) : cg.color(QPalette::Text));
    p->drawText(x + 2, 0, w - x - 4, h, textFlags(), text());
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
