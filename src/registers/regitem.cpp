#include "registers/regitem.h"

#include "frame/core/visualsettings.h"
#include "registers/regdataitem.h"
#include "registers/regdataview.h"
#include "registers/regformat.h"
#include "registers/regicon.h"
#include "registers/regview.h"

#include <tesk/tesk_registers.h>

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

using namespace tesk::registers;

namespace {

// Colours of the view's visual settings, by index.
enum ColourIndex {
    kValueText = 0,
    kBackground = 1,
    kSelection = 2,
    kReadOnlyBackground = 3,
    kHighlightBackground = 4,
    kChanged = 6,
    kChangedBefore = 7
};
enum FontIndex { kLabelFont = 0, kValueFont = 1 };

constexpr int kMaxShownName = 23;
constexpr int kShortenedName = 20;
constexpr int kFirstTipLine = 101;
constexpr int kTipLine = 100;

struct Shared
{
    int spacing = 0;
    int minValueWidth = 0;
};

Shared &shared()
{
    static Shared values;
    return values;
}

bool makesFormat(quint32 type)
{
    return type != 4 && type != REG_TYPE_ENUMERATED && type <= REG_TYPE_LAST;
}

// The tooltip shows the whole name in lines of a hundred characters; the name is host text,
// so it is escaped before the line breaks go in.
QString toolTipOf(const QString &name)
{
    QStringList lines;
    lines << name.left(kFirstTipLine).toHtmlEscaped();
    for (qsizetype at = kFirstTipLine; at < name.size(); at += kTipLine)
        lines << name.mid(at, kTipLine).toHtmlEscaped();
    return lines.join(QLatin1String("<br>"));
}

} // namespace

RegItem::RegItem(QWidget *parent, RegView *view, RegEntry *entry, const VisualSettings *settings,
                 KMediator_Format *engine, QMenu * /*formatPopup*/, quint32 flags)
    : QWidget(parent)
    , m_flags(flags)
    , m_shown(!(flags & kChild))
    , m_open(flags & kGroupOpen)
    , m_dataItem(entry->instance->item)
    , m_view(view)
    , m_entry(entry)
    , m_settings(settings)
    , m_radix(RegFormat::radixOf(m_dataItem->type()))
{
    setObjectName(QStringLiteral("RegItem <") + m_dataItem->fullName() + QLatin1Char('>'));
    const QFont valueFont = settings->font(kValueFont);
    setFont(valueFont);
    const QFontMetrics metrics(valueFont);
    if (shared().spacing == 0) {
        shared().spacing = metrics.maxWidth() + 3;
        shared().minValueWidth = metrics.horizontalAdvance(QStringLiteral("0x00000000")) + 3;
    }
    m_height = metrics.lineSpacing() + spacing() / 4;
    setAutoFillBackground(true);
    setFocusPolicy(Qt::ClickFocus);
    buildName();
    buildValue(engine);
    if (flags & (kChild | kGroup | kNewRow)) {
        m_icon = new RegIcon(this);
        connect(m_icon, &RegIcon::toggle, this, &RegItem::toggleOpenChildren);
        refreshIcon();
    }
    applyColours();
    relayout();
}

RegItem::~RegItem() = default;

int RegItem::spacing()
{
    return shared().spacing;
}

bool RegItem::isTitle() const
{
    return m_flags & kTitle;
}

bool RegItem::isWritable() const
{
    return !(m_flags & kReadOnly);
}

void RegItem::buildName()
{
    QString name = m_dataItem->name();
    name.replace(QLatin1Char('@'), QLatin1Char(' '))
        .replace(QLatin1Char('_'), QLatin1Char(' '))
        .replace(QLatin1Char('.'), QLatin1Char(' '));
    name = name.trimmed();
    m_fullName = m_fullName || m_dataItem->fullName().toLower() == QLatin1String("null");
    m_toolTip = toolTipOf(name);
    m_nameText = (!m_fullName && name.size() > kMaxShownName)
                     ? name.left(kShortenedName) + QLatin1String("...")
                     : name;
    m_naturalNameWidth =
        QFontMetrics(m_settings->font(kLabelFont)).horizontalAdvance(m_nameText) + spacing() + 3;
    m_nameWidth = m_naturalNameWidth;
}

void RegItem::buildValue(KMediator_Format *engine)
{
    if (isTitle()) {
        m_valueWidth = spacing();
        return;
    }
    const bool enumerated = m_dataItem->kind() == RegDataItem::Enumerated;
    m_normalValueText = m_settings->colour(kValueText);
    if (!enumerated || !isWritable()) {
        m_hasValueLabel = true;
        m_normalValueBg = m_settings->colour(isWritable() ? kBackground : kReadOnlyBackground);
        if (makesFormat(m_dataItem->type())) {
            m_format = std::make_unique<RegFormat>(
                *m_dataItem, engine, m_settings->font(kLabelFont), m_settings->font(kValueFont));
        }
        connect(m_dataItem, qOverload<const QString &>(&RegDataItem::sigDataChanged), this,
                qOverload<const QString &>(&RegItem::slotChangeData));
        // The value as it stands: only the host's next update counts as a change.
        m_lastText = m_dataItem->valueText();
        m_valueText = displayText(m_lastText);
        setValueWidth(qMax(fontMetrics().horizontalAdvance(m_valueText), shared().minValueWidth));
        return;
    }
    m_normalValueBg = m_settings->colour(kBackground);
    m_combo = new KComboBoxNoWheelEvent(this);
    m_combo->setObjectName(QStringLiteral("listvalue"));
    m_combo->setFocusPolicy(Qt::ClickFocus);
    if (const QStringList *names = m_dataItem->enumNames())
        m_combo->addItems(*names);
    slotChangeData(m_dataItem->enumIndex());
    int widest = 0;
    for (int i = 0; i < m_combo->count(); ++i)
        widest = qMax(widest, fontMetrics().horizontalAdvance(m_combo->itemText(i)));
    m_valueFieldWidth = widest + 2 * spacing() + 20;
    m_valueWidth = m_valueFieldWidth;
    connect(m_dataItem, qOverload<int>(&RegDataItem::sigDataChanged), this,
            qOverload<int>(&RegItem::slotChangeData));
    connect(m_combo, qOverload<int>(&QComboBox::activated), this, &RegItem::slotEnumDataSet);
}

QSize RegItem::sizeHint() const
{
    return QSize(m_valueFieldWidth + m_nameWidth + nameX() + 2 * spacing(), m_height);
}

void RegItem::relayout()
{
    if (!isTitle()) {
        if ((m_flags & kSameLine) && m_nameText.isEmpty())
            m_nameWidth = 0;
        if (m_combo)
            m_combo->setGeometry(valueRect());
        m_valueFieldWidth =
            (m_flags & kSameLine) ? m_valueWidth + 3 : qMax(m_valueFieldWidth, m_valueWidth);
    }
    if (m_icon)
        m_icon->setGeometry(0, 0, RegIcon::kWidth, m_height);
    setFixedSize(sizeHint());
    repaintOnScreen(rect());
}

// An item off screen only keeps its text and colours: asking the toolkit to repaint it costs
// a pass over all its siblings, thousands in a large view. Scrolling paints it when it comes.
void RegItem::repaintOnScreen(const QRect &area)
{
    const QWidget *parent = parentWidget();
    if (!parent || geometry().intersects(parent->rect()))
        update(area);
}

QRect RegItem::nameRect() const
{
    if (isTitle())
        return QRect(nameX(), 0, m_valueFieldWidth + m_nameWidth, m_height);
    return QRect(nameX(), 0, m_nameWidth, m_height);
}

QRect RegItem::valueRect() const
{
    const int gap = (m_flags & kSameLine) ? 0 : spacing();
    return QRect(nameX() + m_nameWidth + gap, 0, m_valueWidth, m_height);
}

void RegItem::setNameWidth(int width)
{
    if (width <= 0 || width == m_nameWidth)
        return;
    m_nameWidth = width;
    relayout();
}

void RegItem::setValueWidth(int width)
{
    if (width <= 0 || width + 3 == m_valueWidth)
        return;
    m_valueWidth = width + 3;
    relayout();
}

void RegItem::setValueFieldWidth(int width)
{
    if (width <= 0 || width + 3 == m_valueFieldWidth)
        return;
    m_valueFieldWidth = width + 3;
    relayout();
}

void RegItem::setIconState(int state)
{
    if (m_icon)
        m_icon->setState(state);
}

void RegItem::refreshIcon()
{
    if (!m_icon)
        return;
    if (m_flags & kGroup)
        m_icon->setState(m_open ? RegIcon::Open : RegIcon::Closed);
    else if (m_flags & kChild)
        m_icon->setState(RegIcon::Child);
}

void RegItem::setValueEnabled(bool enabled)
{
    if (m_combo)
        m_combo->setEnabled(enabled);
}

// ---- values ------------------------------------------------------------------------------

QString RegItem::displayText(const QString &text) const
{
    if (m_flags & kUnavailable)
        return QString(text.size(), QLatin1Char('-'));
    if (m_format)
        return m_format->setText(text, m_format->inputSource());
    if (m_radix) {
        bool ok = false;
        text.trimmed().toULongLong(&ok, m_radix);
        if (!ok)
            return QString(text.size() + 2, QLatin1Char('!'));
    }
    return text;
}

QString RegItem::copyText() const
{
    if (m_flags & kUnavailable)
        return QString(m_dataItem->width(), QLatin1Char('-'));
    if (m_format)
        return m_format->text();
    return m_hasValueLabel ? m_valueText : QString();
}

void RegItem::setDisplayText(const QString &text)
{
    const int minimum =
        (m_flags & (kSameLine | kOwnLine)) ? shared().minValueWidth / 2 : shared().minValueWidth;
    setValueWidth(qMax(fontMetrics().horizontalAdvance(text), minimum));
    if (text != m_valueText) {
        m_valueText = text;
        repaintOnScreen(valueRect());
    }
}

void RegItem::slotChangeData(const QString &text)
{
    if (!m_hasValueLabel && !m_combo)
        return;
    m_changed = text != m_lastText;
    m_lastText = text;
    const QString shown = displayText(text);
    stepChangeColour(m_changed);
    setDisplayText(shown);
    applyColours();
    emit sigItemChanged(m_dataItem->fullName(), m_valueWidth);
}

// A changed value shows in the change colour; unchanged, it fades to the earlier change colour
// and then back, unless the host asked to keep the highlight.
void RegItem::stepChangeColour(bool changed)
{
    if (!m_firstUpdateSeen) {
        m_firstUpdateSeen = true;
        return;
    }
    if (changed) {
        m_changeColour = m_settings->colour(kChanged);
        return;
    }
    if (RegDataItem::highlightChanges() || !m_changeColour.isValid())
        return;
    if (m_changeColour == m_settings->colour(kChanged))
        m_changeColour = m_settings->colour(kChangedBefore);
    else
        m_changeColour = QColor();
}

void RegItem::applyColours()
{
    const QColor valueText = m_changeColour.isValid() ? m_changeColour : m_normalValueText;
    const bool highlighted = (m_flags & kHighlightedName) && !m_nameText.isEmpty();
    QColor background;
    if (m_selected) {
        background = m_settings->colour(kSelection);
        m_nameBg = background;
        m_nameTextColour = m_settings->colour(highlighted ? kHighlightBackground : kBackground);
        m_currentValueBg = background;
        m_currentValueText = Qt::white;
    } else {
        background = m_settings->colour(kBackground);
        m_nameBg = highlighted ? m_settings->colour(kHighlightBackground) : background;
        m_nameTextColour = highlighted ? m_settings->colour(kValueText) : QColor(Qt::darkGray);
        m_currentValueBg = m_normalValueBg;
        m_currentValueText = valueText;
    }
    QPalette look = palette();
    if (look.color(QPalette::Window) != background) {
        look.setColor(QPalette::Window, background);
        setPalette(look);
    }
    if (m_combo) {
        QPalette comboLook = m_combo->palette();
        comboLook.setColor(QPalette::Text, m_currentValueText);
        m_combo->setPalette(comboLook);
    }
    repaintOnScreen(rect());
}

void RegItem::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    applyColours();
}

void RegItem::slotChangeData(int index)
{
    if (!m_combo)
        return;
    if (index < 0) {
        m_combo->setEditable(true);
        m_combo->lineEdit()->setText(QStringLiteral("!!!!!!!!"));
        m_combo->lineEdit()->setEnabled(false);
    } else {
        m_combo->setEditable(false);
        m_combo->setCurrentIndex(index);
    }
    emit sigItemChanged(m_dataItem->fullName(), m_valueWidth);
}

// ---- writing values ----------------------------------------------------------------------

void *RegItem::hostPointer() const
{
    return reinterpret_cast<void *>(m_dataItem->hostWord());
}

bool RegItem::mayChange()
{
    quint32 answer = 1;
    QPointer<RegItem> alive(this);
    emit sigCallFuncHandler(RegOpMayChange, QString(), &answer);
    return alive && answer != 0;
}

void RegItem::emitSetValue()
{
    emit sigItemChanged(m_dataItem->fullName(),
                        fontMetrics().horizontalAdvance(m_format->text()) + 3);
    emit sigCallFuncHandler(RegOpSetValue, m_format->rawText(), hostPointer());
}

void RegItem::slotEnumDataSet(int index)
{
    const int previous = m_dataItem->enumIndex();
    QPointer<RegItem> alive(this);
    if (!mayChange()) {
        if (alive)
            slotChangeData(previous);
        return;
    }
    const QString text = m_dataItem->enumValueText(index);
    emit sigCallFuncHandler(RegOpSetValue, text, hostPointer());
    if (alive && previous < 0 && m_combo && m_combo->isEditable())
        m_combo->lineEdit()->setText(QStringLiteral("!!!!!!!!"));
}

bool RegItem::editInPlace()
{
    if (!isWritable() || !m_hasValueLabel || !m_format)
        return false;
    QPointer<RegItem> alive(this);
    if (!mayChange())
        return false;
    // The editor opens over a widget of the value's place, gone when the edit ends.
    QPointer<QWidget> area = new QWidget(this);
    area->setGeometry(valueRect());
    area->show();
    const bool accepted = m_format->editInPlace(area);
    if (!alive)
        return false;
    delete area;
    if (!accepted)
        return false;
    setDisplayText(m_format->text());
    emitSetValue();
    return alive;
}

bool RegItem::paste(const QString &text, RegFormat::TextSource source)
{
    if (!m_hasValueLabel || !m_format || !m_format->setTextFormatted(text, source))
        return false;
    setDisplayText(m_format->text());
    QPointer<RegItem> alive(this);
    emitSetValue();
    return alive;
}

void RegItem::viewMemory()
{
    if (m_format)
        emit sigCallFuncHandler(RegOpViewMemory, m_format->text(), hostPointer());
}

void RegItem::properties()
{
    emit sigCallFuncHandler(RegOpProperties, QString(), hostPointer());
}

void RegItem::applyFormatOption(int option)
{
    if (!m_hasValueLabel || !m_format || (m_flags & kUnavailable))
        return;
    m_format->setMenuOption(option);
    m_valueWidth = fontMetrics().horizontalAdvance(m_format->text()) + 3;
    m_valueText = m_format->text();
    relayout();
    emit sigItemChanged(m_dataItem->fullName(), m_valueWidth);
}

// ---- groups ------------------------------------------------------------------------------

void RegItem::toggleOpenChildren()
{
    QPointer<RegItem> alive(this);
    if (m_children.isEmpty()) {
        if (!mayChange()) {
            if (alive)
                refreshIcon();
            return;
        }
        emit sigCreateChildren(this);
        if (!alive)
            return;
    } else {
        for (RegItem *child : std::as_const(m_children)) {
            child->setShown(!child->shown());
            if (child->m_flags & kGroup) {
                child->m_open = false;
                child->setIconState(RegIcon::Closed);
            }
        }
    }
    bool anyShown = false;
    for (RegItem *child : std::as_const(m_children)) {
        anyShown = anyShown || child->shown();
        emit sigItemChanged(child->m_dataItem->fullName(),
                            child->shown() ? child->m_valueWidth : 0);
    }
    if (anyShown && m_view) {
        m_view->recomputeNameWidths();
        emit sigCallFuncHandler(RegOpDataUpdate, QString(), nullptr);
        if (!alive)
            return;
    }
    emit sigShowRegisters();
    if (!alive)
        return;
    if (m_view)
        m_view->applyValueWidths();
    m_open = anyShown;
    refreshIcon();
}

// ---- painting and input ------------------------------------------------------------------

bool RegItem::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(e);
        if (nameRect().contains(help->pos()))
            QToolTip::showText(help->globalPos(), m_toolTip, this, nameRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void RegItem::paintEvent(QPaintEvent *e)
{
    QPainter painter(this);
    const QRect name = nameRect();
    if (name.intersects(e->rect())) {
        painter.fillRect(name, m_nameBg);
        painter.setFont(m_settings->font(kLabelFont));
        painter.setPen(m_nameTextColour);
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter, m_nameText);
    }
    if (!m_hasValueLabel)
        return;
    const QRect value = valueRect();
    if (value.intersects(e->rect())) {
        painter.fillRect(value, m_currentValueBg);
        painter.setFont(font());
        painter.setPen(m_currentValueText);
        painter.drawText(value, Qt::AlignLeft | Qt::AlignVCenter, m_valueText);
    }
}

void RegItem::mousePressEvent(QMouseEvent *e)
{
    activateWindow();
    const bool control = e->modifiers() & Qt::ControlModifier;
    QPointer<RegItem> alive(this);
    if (!m_selected) {
        setFocus();
        setSelected(true);
        emit sigSelect(this, control ? SelectAdd : SelectOnly);
    } else if (e->button() != Qt::RightButton) {
        if (control) {
            setSelected(false);
            emit sigSelect(this, SelectRemove);
        } else if (m_view && m_view->selectionCount() > 1) {
            emit sigSelect(this, SelectOnly);
        } else if (e->button() == Qt::LeftButton && isWritable()) {
            setFocus();
            editInPlace();
        }
    }
    if (alive)
        QWidget::mousePressEvent(e);
}

void RegItem::mouseReleaseEvent(QMouseEvent *e)
{
    e->ignore();
}

void RegItem::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier && m_combo) {
        m_combo->setFocus();
        m_combo->showPopup();
        e->accept();
        return;
    }
    e->ignore();
}
