#include "registers/regitem.h"

#include "frame/core/visualsettings.h"
#include "registers/regdataitem.h"
#include "registers/regdataview.h"
#include "registers/regformat.h"
#include "registers/regicon.h"
#include "registers/regview.h"

#include <tesk/tesk_registers.h>

#include <QApplication>
#include <QFontInfo>
#include <QHash>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>

#include <algorithm>

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

// A press outside the in-place editor closes it, and on most desktops the toolkit passes that
// press on to nothing: the register clicked would take a second click. This notes a left press
// that falls on the view and keeps the toolkit from passing it on where it would, so that the
// view takes it once, after the edit has ended.
class PressOutsideEditor final : public QObject
{
public:
    explicit PressOutsideEditor(QWidget *viewport)
        : m_viewport(viewport)
    {
        qApp->installEventFilter(this);
    }
    ~PressOutsideEditor() override
    {
        // The host may have ended the application inside the editor's loop.
        if (QCoreApplication *application = QCoreApplication::instance())
            application->removeEventFilter(this);
    }
    PressOutsideEditor(const PressOutsideEditor &) = delete;
    PressOutsideEditor &operator=(const PressOutsideEditor &) = delete;

    bool pressed() const { return m_pressed; }
    QPoint position() const { return m_position; }
    QPoint globalPosition() const { return m_global; }
    Qt::KeyboardModifiers modifiers() const { return m_modifiers; }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QWidget *popup = QApplication::activePopupWidget();
        if (event->type() != QEvent::MouseButtonPress || !popup || watched != popup || !m_viewport)
            return false;
        const auto *press = static_cast<QMouseEvent *>(event);
        const QPoint global = press->globalPosition().toPoint();
        const QPoint onView = m_viewport->mapFromGlobal(global);
        if (press->button() != Qt::LeftButton ||
            popup->rect().contains(popup->mapFromGlobal(global)) ||
            !m_viewport->rect().contains(onView))
            return false;
        popup->setAttribute(Qt::WA_NoMouseReplay);
        m_pressed = true;
        m_position = onView;
        m_global = global;
        m_modifiers = press->modifiers();
        return false;
    }

private:
    QPointer<QWidget> m_viewport;
    bool m_pressed = false;
    QPoint m_position;
    QPoint m_global;
    Qt::KeyboardModifiers m_modifiers;
};

constexpr int kMaxShownName = 23;
constexpr int kShortenedName = 20;
constexpr int kFirstTipLine = 101;
constexpr int kTipLine = 100;

struct Shared
{
    int spacing = 0;
    int minValueWidth = 0;
    // The width of n digits, by n: a value's estimate before it is first formatted.
    QHash<int, int> digitsWidth;
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

RegItem::RegItem(QObject *parent, RegView *view, RegEntry *entry, const VisualSettings *settings,
                 KMediator_Format *engine, QMenu * /*formatPopup*/, quint32 flags)
    : QObject(parent)
    , m_flags(flags)
    , m_shown(!(flags & kChild))
    , m_open(flags & kGroupOpen)
    , m_dataItem(entry->instance->item)
    , m_view(view)
    , m_entry(entry)
    , m_settings(settings)
    , m_valueMetrics(settings->font(kValueFont))
    , m_radix(RegFormat::radixOf(m_dataItem->type()))
{
    setObjectName(QStringLiteral("RegItem <") + m_dataItem->fullName() + QLatin1Char('>'));
    const QFontMetrics &metrics = m_valueMetrics;
    if (shared().spacing == 0) {
        shared().spacing = metrics.maxWidth() + 3;
        shared().minValueWidth = metrics.horizontalAdvance(QStringLiteral("0x00000000")) + 3;
    }
    m_fixedPitch = QFontInfo(settings->font(kValueFont)).fixedPitch();
    m_geometry.setHeight(metrics.lineSpacing() + spacing() / 4);
    buildName();
    buildValue(engine);
    // Shaping ten thousand names costs more than the whole page: a stale item's waits for
    // its value.
    if (!m_stale)
        measureName();
    if (flags & (kChild | kGroup | kNewRow)) {
        m_icon = std::make_unique<RegIcon>();
        refreshIcon();
    }
    applyColours();
    relayout();
}

RegItem::~RegItem()
{
    if (m_listenedTo)
        m_listenedTo->removeListener(this);
    delete m_combo;
}

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

QString RegItem::shownName() const
{
    QString name = m_dataItem->name();
    name.replace(QLatin1Char('@'), QLatin1Char(' '))
        .replace(QLatin1Char('_'), QLatin1Char(' '))
        .replace(QLatin1Char('.'), QLatin1Char(' '));
    return name.trimmed();
}

void RegItem::buildName()
{
    const QString name = shownName();
    m_fullName = m_fullName || m_dataItem->fullName().toLower() == QLatin1String("null");
    m_nameText = (!m_fullName && name.size() > kMaxShownName)
                     ? name.left(kShortenedName) + QLatin1String("...")
                     : name;
}

void RegItem::measureName()
{
    if (m_nameMeasured)
        return;
    m_nameMeasured = true;
    m_naturalNameWidth =
        QFontMetrics(m_settings->font(kLabelFont)).horizontalAdvance(m_nameText) + spacing() + 3;
    // Until the view gives the widest of its names.
    if (m_nameWidth == 0)
        setNameWidth(m_naturalNameWidth);
}

QString RegItem::nameToolTip() const
{
    return toolTipOf(shownName());
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
        // Made with the first formatting, as most of a large view's items wait for it.
        m_formatPending = makesFormat(m_dataItem->type());
        m_formatEngine = engine;
        m_dataItem->addListener(this);
        m_listenedTo = m_dataItem;
        // The value as it stands: only the host's next update counts as a change.
        m_lastText = m_dataItem->valueText();
        // Until its first formatting the value counts as wide as its record says (and "0x"
        // for a formatted one): a wide value far down would otherwise widen the cells under
        // the user the first time a scroll brings it near.
        const int digits = m_dataItem->width() + (m_formatPending ? 2 : 0);
        auto known = shared().digitsWidth.find(digits);
        if (known == shared().digitsWidth.end())
            known = shared().digitsWidth.insert(
                digits, metrics().horizontalAdvance(QString(digits, QLatin1Char('0'))));
        setValueWidth(qMax(shared().minValueWidth, *known));
        // A view formats what it shows: most of a large view's items are never looked at.
        m_stale = true;
        if (!m_view)
            settle();
        return;
    }
    m_normalValueBg = m_settings->colour(kBackground);
    m_combo = new KComboBoxNoWheelEvent(m_view ? m_view->viewport() : nullptr);
    m_combo->hide();
    m_combo->setObjectName(QStringLiteral("listvalue"));
    m_combo->setFocusPolicy(Qt::ClickFocus);
    if (const QStringList *names = m_dataItem->enumNames())
        m_combo->addItems(*names);
    slotChangeData(m_dataItem->enumIndex());
    int widest = 0;
    for (int i = 0; i < m_combo->count(); ++i)
        widest = qMax(widest, metrics().horizontalAdvance(m_combo->itemText(i)));
    m_valueFieldWidth = widest + 2 * spacing() + 20;
    m_valueWidth = m_valueFieldWidth;
    connect(m_dataItem, qOverload<int>(&RegDataItem::sigDataChanged), this,
            qOverload<int>(&RegItem::slotChangeData));
    connect(m_combo, qOverload<int>(&QComboBox::activated), this, &RegItem::slotEnumDataSet);
}

QSize RegItem::sizeHint() const
{
    return QSize(m_valueFieldWidth + m_nameWidth + nameX() + 2 * spacing(), m_geometry.height());
}

void RegItem::place(int x, int y)
{
    m_placed = true;
    if (m_geometry.topLeft() == QPoint(x, y)) {
        placeCombo();
        return;
    }
    repaintOnScreen();
    m_geometry.moveTo(x, y);
    placeCombo();
    repaintOnScreen();
}

void RegItem::placeCombo()
{
    if (!m_combo || !m_view)
        return;
    const QRect area = valueRect();
    m_combo->resize(area.size());
    m_view->addChild(m_combo, area.x(), area.y());
    m_combo->setVisible(m_shown);
}

void RegItem::hideWidgets()
{
    if (m_combo)
        m_combo->hide();
}

void RegItem::relayout()
{
    if (!isTitle()) {
        if ((m_flags & kSameLine) && m_nameText.isEmpty())
            m_nameWidth = 0;
        m_valueFieldWidth =
            (m_flags & kSameLine) ? m_valueWidth + 3 : qMax(m_valueFieldWidth, m_valueWidth);
    }
    const QSize size = sizeHint();
    if (size != m_geometry.size()) {
        repaintOnScreen();
        m_geometry.setSize(size);
    }
    if (m_combo)
        placeCombo();
    repaintOnScreen();
}

// An item off screen only keeps its text and colours; scrolling paints it when it comes.
void RegItem::repaintOnScreen(const QRect &area)
{
    // Until the view places it the item is nowhere: a view of many items would otherwise
    // mark its corner dirty once for each of them.
    if (m_shown && m_view && m_placed)
        m_view->updateContents(area);
}

QRect RegItem::localNameRect() const
{
    const int height = m_geometry.height();
    if (isTitle())
        return QRect(nameX(), 0, m_valueFieldWidth + m_nameWidth, height);
    return QRect(nameX(), 0, m_nameWidth, height);
}

QRect RegItem::localValueRect() const
{
    const int gap = (m_flags & kSameLine) ? 0 : spacing();
    return QRect(nameX() + m_nameWidth + gap, 0, m_valueWidth, m_geometry.height());
}

QRect RegItem::iconRect() const
{
    return QRect(m_geometry.topLeft(), QSize(RegIcon::kWidth, m_geometry.height()));
}

QRect RegItem::nameRect() const
{
    return localNameRect().translated(m_geometry.topLeft());
}

QRect RegItem::valueRect() const
{
    return localValueRect().translated(m_geometry.topLeft());
}

const QFontMetrics &RegItem::metrics() const
{
    return m_valueMetrics;
}

// Values are measured on every update of every register: in a fixed-pitch font a text as
// long as the last one measured is as wide.
int RegItem::valueTextWidth(const QString &text)
{
    if (!m_fixedPitch || text.size() != m_measuredLength) {
        m_measuredLength = text.size();
        m_measuredWidth = m_valueMetrics.horizontalAdvance(text);
    }
    return m_measuredWidth;
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
    if (m_icon && m_icon->state() != state) {
        m_icon->setState(state);
        repaintOnScreen(iconRect());
    }
}

void RegItem::refreshIcon()
{
    if (!m_icon)
        return;
    if (m_flags & kGroup)
        setIconState(m_open ? RegIcon::Open : RegIcon::Closed);
    else if (m_flags & kChild)
        setIconState(RegIcon::Child);
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

QString RegItem::valueText() const
{
    const_cast<RegItem *>(this)->settle();
    return m_valueText;
}

RegFormat *RegItem::format() const
{
    const_cast<RegItem *>(this)->settle();
    return m_format.get();
}

QString RegItem::copyText() const
{
    const_cast<RegItem *>(this)->settle();
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
    setValueWidth(qMax(valueTextWidth(text), minimum));
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
    if (m_changed)
        keepLastText(text);
    const QColor before = m_changeColour;
    stepChangeColour(m_changed);
    if (m_changeColour != before)
        applyColours();
    // Formatting every value of a large view on each update costs more than painting the
    // page: the text is formatted when it is shown or asked for, or when the view is idle.
    if (m_stale)
        return;
    m_stale = true;
    if (m_view)
        m_view->itemWentStale();
    else
        settle();
}

// A copy of its own rather than a share: the register's text then stays unshared too, and
// both overwrite their buffers on the next update instead of allocating.
void RegItem::keepLastText(const QString &text)
{
    if (!m_lastText.isDetached() || m_lastText.capacity() < text.size()) {
        m_lastText = QString(text.constData(), text.size());
        return;
    }
    m_lastText.resize(text.size());
    std::copy(text.cbegin(), text.cend(), m_lastText.begin());
}

void RegItem::settle()
{
    if (!m_stale)
        return;
    m_stale = false;
    if (m_formatPending) {
        m_formatPending = false;
        m_format =
            std::make_unique<RegFormat>(*m_dataItem, m_formatEngine, m_settings->font(kLabelFont),
                                        m_settings->font(kValueFont));
    }
    measureName();
    const int width = m_valueWidth;
    setDisplayText(displayText(m_lastText));
    // The view keeps every value's width: only a new one is news.
    if (m_valueWidth != width)
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
    const QColor before = m_currentValueText;
    const QColor beforeBackground = m_background;
    QColor &background = m_background;
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
    if (m_combo) {
        QPalette comboLook = m_combo->palette();
        comboLook.setColor(QPalette::Text, m_currentValueText);
        m_combo->setPalette(comboLook);
    }
    if (before != m_currentValueText || beforeBackground != background)
        repaintOnScreen();
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
    emit sigItemChanged(m_dataItem->fullName(), valueTextWidth(m_format->text()) + 3);
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
    settle();
    if (!isWritable() || !m_hasValueLabel || !m_format)
        return false;
    QPointer<RegItem> alive(this);
    if (!mayChange())
        return false;
    if (!m_view)
        return false;
    // The editor opens over a widget of the value's place, gone when the edit ends.
    QPointer<QWidget> area = new QWidget(m_view->viewport());
    // Whoever ends the edit, the area goes with it, also when the item went first.
    const auto dropArea = qScopeGuard([&area] { delete area.data(); });
    area->setGeometry(QRect(m_view->contentsToViewport(valueRect().topLeft()), valueRect().size()));
    area->show();
    QPointer<RegView> view(m_view);
    PressOutsideEditor pressOutside(m_view->viewport());
    const bool accepted = m_format->editInPlace(area);
    if (alive && accepted) {
        setDisplayText(m_format->text());
        emitSetValue();
    }
    if (view && pressOutside.pressed())
        view->pressAfterEdit(pressOutside.position(), pressOutside.globalPosition(),
                             pressOutside.modifiers(), alive.data());
    return alive && accepted;
}

bool RegItem::paste(const QString &text, RegFormat::TextSource source)
{
    settle();
    if (!m_hasValueLabel || !m_format || !m_format->setTextFormatted(text, source))
        return false;
    setDisplayText(m_format->text());
    QPointer<RegItem> alive(this);
    emitSetValue();
    return alive;
}

void RegItem::viewMemory()
{
    settle();
    if (m_format)
        emit sigCallFuncHandler(RegOpViewMemory, m_format->text(), hostPointer());
}

void RegItem::properties()
{
    emit sigCallFuncHandler(RegOpProperties, QString(), hostPointer());
}

void RegItem::applyFormatOption(int option)
{
    settle();
    if (!m_hasValueLabel || !m_format || (m_flags & kUnavailable))
        return;
    m_format->setMenuOption(option);
    m_valueWidth = valueTextWidth(m_format->text()) + 3;
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

void RegItem::paintName(QPainter &painter) const
{
    painter.fillRect(m_geometry, m_background);
    if (m_icon)
        painter.drawPixmap(m_geometry.topLeft(), m_icon->pixmap());
    const QRect name = nameRect();
    if (m_nameBg != m_background)
        painter.fillRect(name, m_nameBg);
    painter.setPen(m_nameTextColour);
    painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter, m_nameText);
}

void RegItem::paintValue(QPainter &painter) const
{
    if (!m_hasValueLabel)
        return;
    const QRect value = valueRect();
    if (m_currentValueBg != m_background)
        painter.fillRect(value, m_currentValueBg);
    painter.setPen(m_currentValueText);
    painter.drawText(value, Qt::AlignLeft | Qt::AlignVCenter, m_valueText);
}

void RegItem::takeFocus()
{
    if (m_view)
        m_view->setFocus();
}

void RegItem::mousePress(QMouseEvent *e)
{
    if (m_icon && m_icon->isClickable() && e->button() == Qt::LeftButton &&
        iconRect().contains(e->position().toPoint())) {
        m_icon->setState(m_icon->state() == RegIcon::Closed ? RegIcon::Open : RegIcon::Closed);
        toggleOpenChildren();
        return;
    }
    if (m_view)
        m_view->activateWindow();
    const bool control = e->modifiers() & Qt::ControlModifier;
    if (!m_selected) {
        takeFocus();
        setSelected(true);
        emit sigSelect(this, control ? SelectAdd : SelectOnly);
    } else if (e->button() != Qt::RightButton) {
        if (control) {
            setSelected(false);
            emit sigSelect(this, SelectRemove);
        } else if (m_view && m_view->selectionCount() > 1) {
            emit sigSelect(this, SelectOnly);
        } else if (e->button() == Qt::LeftButton && isWritable()) {
            takeFocus();
            editInPlace();
        }
    }
}

bool RegItem::openCombo()
{
    if (!m_combo || !m_combo->isVisible())
        return false;
    m_combo->setFocus();
    m_combo->showPopup();
    return true;
}
