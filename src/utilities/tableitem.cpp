#include "utilities/tableitem.h"

#include "utilities/globalstrut.h"
#include "utilities/table.h"
#include "utilities/tabletextcache.h"

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

// Where a text of the size starts in the room under the alignment flags, in the painter's own
// fractional terms.
QPointF alignedTopLeft(int flags, const QSizeF &size, const QRect &room)
{
    qreal x = room.left();
    if (flags & Qt::AlignRight)
        x += room.width() - size.width();
    else if (flags & Qt::AlignHCenter)
        x += (room.width() - size.width()) / 2;
    qreal y = room.top();
    if (flags & Qt::AlignBottom)
        y += room.height() - size.height();
    else if (flags & Qt::AlignVCenter)
        y += (room.height() - size.height()) / 2;
    return QPointF(x, y);
}

// A solid brush fills as its colour, which spares the painter setting up a brush per cell.
void fill(QPainter *p, const QRect &r, const QBrush &brush)
{
    if (brush.style() == Qt::SolidPattern)
        p->fillRect(r, brush.color());
    else
        p->fillRect(r, brush);
}

// A text drawn once is cheapest drawn from its baseline, without the line layout that placing
// it in a rectangle takes, when it is certain to fit: it then stands where the rectangle form
// would put it. Answers whether it drew. Only printable ASCII is drawn so, which takes no
// direction of its own: a painter that leaves the direction to the text (as one on an image
// does) puts it left to right.
bool drawFirstLine(QPainter *p, const QRect &room, int flags, const QString &text,
                   tesk::utilities::TableTextCache &cache)
{
    const tesk::utilities::TableTextCache::LineMetrics &metrics = cache.lineMetrics();
    if (p->layoutDirection() == Qt::RightToLeft || metrics.height > room.height())
        return false;
    // Numbers, and so every cell of a memory view, stand at the right: placed by their exact
    // width, which the glyph run knows.
    if (flags == int(Qt::AlignRight | Qt::AlignVCenter) ||
        flags == int(Qt::AlignHCenter | Qt::AlignVCenter))
        return cache.asciiLine().drawAligned(p, room, Qt::Alignment(flags), text);
    if (flags != int(Qt::AlignLeft | Qt::AlignVCenter))
        return false;
    const qreal width = metrics.widthBound(text);
    if (width < 0 || width > room.width())
        return false;
    const QPointF baseline = tesk::utilities::alignedBaseline(
        room, Qt::AlignLeft | Qt::AlignVCenter, width, metrics.height, metrics.ascent);
    if (!cache.asciiLine().draw(p, baseline, text))
        p->drawText(baseline, text);
    return true;
}

} // namespace

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
    if (m_table && row() != -1 && col() != -1)
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
        if (QWidget *editor = m_table->cellWidget(row(), col()))
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
    m_textState = 0;
}

QPixmap *UTableItem::pixmapRef()
{
    return &m_pixmap;
}

namespace {

// Whether the text could be a number at all: most texts that are not show a letter that no
// number has, which spares the number parsers.
bool mayBeNumber(const QString &text)
{
    static const QString kNumberLetters = QStringLiteral("eEinfatyINFATY");
    for (const QChar ch : text) {
        if (ch.isSpace())
            continue;
        if (ch.unicode() >= 0x80 || (ch.isLetter() && !kNumberLetters.contains(ch)))
            return false;
    }
    return true;
}

// Whether the text reads as a number (to toInt or toDouble). Digits alone answer at once, and
// so does a letter that no number has or one that neither an exponent nor "inf" or "nan"
// accounts for, which spares the number parsers nearly every text.
bool readsAsNumber(const QString &text)
{
    bool digitsOnly = !text.isEmpty();
    bool strayLetter = false;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= u'0' && u <= u'9')
            continue;
        digitsOnly = false;
        if (ch.isSpace())
            continue;
        if (u >= 0x80)
            return false;
        switch (u | 0x20) { // ASCII letters in lower case
        case u'e':
            break;
        case u'i':
        case u'n':
        case u'f':
        case u'a':
        case u't':
        case u'y':
            strayLetter = true;
            break;
        default:
            if (ch.isLetter())
                return false; // a letter no number has
        }
    }
    if (digitsOnly)
        return true;
    if (strayLetter && !text.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
        !text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
        return false;
    bool number = false;
    text.toInt(&number, 10);
    if (!number)
        text.toDouble(&number);
    return number;
}

int alignmentOf(const QString &text)
{
    return int(readsAsNumber(text) ? Qt::AlignRight | Qt::AlignVCenter
                                   : Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

namespace {
constexpr quint8 kDrawnOnce = 0x1;
constexpr quint8 kAlignedLeft = 0x2;
constexpr quint8 kAlignedRight = 0x4;
} // namespace

// Whether the text is the one setText() kept, rather than one a subclass makes up: only that
// one is known to stay as it is until the next setText().
bool UTableItem::isOwnText(const QString &text) const
{
    return text.constData() == m_text.constData() && text.size() == m_text.size();
}

int UTableItem::alignment() const
{
    const QString t = text();
    if (isOwnText(t)) {
        if (!(m_textState & (kAlignedLeft | kAlignedRight)))
            m_textState |= (alignmentOf(t) & Qt::AlignRight) ? kAlignedRight : kAlignedLeft;
        return int(Qt::AlignVCenter) |
               ((m_textState & kAlignedRight) ? int(Qt::AlignRight) : int(Qt::AlignLeft));
    }
    // Painting asks on every scroll step; the number test runs once per text and table.
    if (m_table && mayBeNumber(t))
        return m_table->textCache().alignment(t, alignmentOf);
    return alignmentOf(t);
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
        if (QWidget *editor = m_table->cellWidget(row(), col()))
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
    const int columnWidth = m_table->columnWidth(col());
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
    const int row = this->row();
    const int col = this->col();
    if (row + rowSpan > m_table->numRows() || col + colSpan > m_table->numCols() || row == -1 ||
        col == -1)
        return;
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

int UTableItem::row() const
{
    if (m_table && m_row >= 0)
        m_table->refreshPlace(*this);
    return m_row;
}

int UTableItem::col() const
{
    if (m_table && m_row >= 0)
        m_table->refreshPlace(*this);
    return m_col;
}

void UTableItem::setRow(int row)
{
    const int col = this->col();
    m_row = row;
    m_col = col;
    if (m_table)
        m_table->notePlaced(*this);
}

void UTableItem::setCol(int col)
{
    const int row = this->row();
    m_row = row;
    m_col = col;
    if (m_table)
        m_table->notePlaced(*this);
}

// Leaves the painter as it found it but for the pen: the table puts back only the pen after
// painting a plain item, so anything else this changes must be undone here.
void UTableItem::paint(QPainter *p, const QPalette &palette, const QRect &cellRect, bool selected)
{
    const int w = cellRect.width();
    const int h = cellRect.height();
    const QBrush &background =
        selected ? palette.brush(QPalette::Highlight) : palette.brush(QPalette::Base);
    if (selected || !m_table || !m_table->paintsOn(background))
        fill(p, QRect(0, 0, w, h), background);
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
    if (!m_table) {
        p->drawText(room, flags, text);
        return;
    }
    tesk::utilities::TableTextCache &cache = m_table->textCache();
    const QStaticText *layout = nullptr;
    if (!isOwnText(text)) {
        layout = cache.layout(text, p->font());
    } else if (m_textState & kDrawnOnce) {
        layout = cache.layoutNow(text, p->font());
    } else {
        m_textState |= kDrawnOnce;
        cache.useFont(p->font());
    }
    if (!layout) {
        if (!drawFirstLine(p, room, flags, text, cache))
            p->drawText(room, flags, text);
        return;
    }
    // Placed as the painter places a text it lays out itself, to the fraction of a pixel, so
    // that a text does not move when it is drawn from its kept layout.
    const QSizeF size = layout->size();
    const QPointF at = alignedTopLeft(flags, size, room);
    const bool clipped = at.x() < room.left() || at.y() < room.top() ||
                         at.x() + size.width() > room.left() + room.width() ||
                         at.y() + size.height() > room.top() + room.height();
    if (clipped) {
        p->save();
        p->setClipRect(room, Qt::IntersectClip);
    }
    p->drawStaticText(at, *layout);
    if (clipped)
        p->restore();
}

void UTableItem::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (m_table)
        m_table->updateCell(row(), col());
}

void UTableItem::updateEditor(int oldRow, int oldCol)
{
    if (m_editType != Always || !m_table)
        return;
    if (oldRow != -1 && oldCol != -1)
        m_table->clearCellWidget(oldRow, oldCol);
    if (row() != -1 && col() != -1)
        m_table->setCellWidget(row(), col(), createEditor());
}
