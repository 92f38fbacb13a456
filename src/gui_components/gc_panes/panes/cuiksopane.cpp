#include "gui_components/gc_panes/panes/cuiksopane.h"

#include "gui_components/gc_panes/panes/panetabbar.h"

#include "frame/core/cuidebuginfo.h"
#include "frame/core/services.h"
#include "system/lifetime.h"
#include "system/modalseam.h"
#include "system/nativeids.h"
#include "utilities/uheader.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QCursor>
#include <QDragMoveEvent>
#include <QLCDNumber>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace {

constexpr int kCloseItem = 1;
enum CodeReason { kSizeChanged = 1, kFocusTaken = 3 };

// Process-wide: the host's answer to a focus change may move the focus again.
bool g_inSetFocus = false;

bool flagSet(const char *flag)
{
    return CuiDebugInfo::isSet(QString::fromLatin1(flag));
}

QByteArray latin1(const QString &text)
{
    return text.toLatin1();
}

int clampToInt(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

} // namespace

class CuiKSOPanePrivate
{
public:
    bool hasHeader = false;
    bool hasTabBar = false;
    bool flag2 = false;
    bool tabsOnTop = false;
    QPointer<UHeader> header;
    QPointer<CuiKSOPaneTabBar> tabBar;
    QPointer<QScrollBar> scrollBar;
    QPointer<QLCDNumber> positionDisplay;
    QPointer<QWidget> mainPane;
    int tabCount = 0;
    int scrollMin = 0;
    int scrollMax = 79;
    int scrollPosition = 0;
    int pageSize = 1;
    bool scrollDisabled = true;
    CuiCodeCallbackFn callback = nullptr;
    KSOWindBox box;

    bool hasTab(int index) const { return tabBar && index >= 0 && index < tabBar->count(); }
};

CuiKSOPane::CuiKSOPane(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , d(std::make_unique<CuiKSOPanePrivate>())
{
    if (name)
        setObjectName(QString::fromLatin1(name));
}

CuiKSOPane::~CuiKSOPane() = default;

// ---- flags, callback, window box ------------------------------------------------------------

void CuiKSOPane::setHasHeader(bool on)
{
    d->hasHeader = on;
}

void CuiKSOPane::setHasTabBar(bool on)
{
    d->hasTabBar = on;
}

void CuiKSOPane::setFlag2(bool on)
{
    d->flag2 = on;
}

void CuiKSOPane::setTabsOnTop(bool on)
{
    d->tabsOnTop = on;
}

bool CuiKSOPane::hasHeader() const
{
    return d->hasHeader;
}

bool CuiKSOPane::hasTabBar() const
{
    return d->hasTabBar;
}

bool CuiKSOPane::flag2() const
{
    return d->flag2;
}

bool CuiKSOPane::tabsOnTop() const
{
    return d->tabsOnTop;
}

void CuiKSOPane::setCodeCallback(CodeCallback callback)
{
    d->callback = callback;
}

void CuiKSOPane::setWindBox(const KSOWindBox &box)
{
    d->box = box;
}

const KSOWindBox &CuiKSOPane::windBox() const
{
    return d->box;
}

// ---- horizontal scrolling -------------------------------------------------------------------

void CuiKSOPane::setHScrollMinMaxValues(int min, int max)
{
    d->scrollMin = min;
    d->scrollMax = max;
    if (d->scrollBar)
        updateHScrollState();
}

bool CuiKSOPane::getHScrollMinMaxValues(int *min, int *max) const
{
    if (!d->scrollBar || !min || !max)
        return false;
    *min = d->scrollBar->minimum();
    *max = d->scrollBar->maximum();
    return true;
}

void CuiKSOPane::setHScrollPageSize(int size)
{
    if (size == d->pageSize)
        return;
    d->pageSize = size;
    if (d->scrollBar) {
        d->scrollBar->setPageStep(size);
        updateHScrollState();
    }
}

bool CuiKSOPane::getHScrollPageSize(int *size) const
{
    if (!d->scrollBar || !size)
        return false;
    *size = d->scrollBar->pageStep();
    return true;
}

void CuiKSOPane::setHScrollPosition(int position)
{
    if (position == d->scrollPosition)
        return;
    // Stored first, so that the bar's own report of the move gives the host no delta.
    d->scrollPosition = position;
    if (d->scrollBar) {
        d->scrollBar->setValue(position);
        updateHScrollState();
    }
}

bool CuiKSOPane::getHScrollPosition(int *position) const
{
    if (!d->scrollBar || !position)
        return false;
    *position = d->scrollBar->value();
    return true;
}

void CuiKSOPane::setHScrollTrackPosition(int) {}

void CuiKSOPane::setHScrollDisabled(bool disabled)
{
    d->scrollDisabled = disabled;
    if (d->scrollBar)
        d->scrollBar->setDisabled(disabled);
}

void CuiKSOPane::updateHScrollState()
{
    QScrollBar *bar = d->scrollBar;
    if (!bar)
        return;
    if (flagSet("W1"))
        qDebug("CuiKSOPane::updateHScrollState - min=%d, max=%d, page=%d", d->scrollMin,
               d->scrollMax, d->pageSize);
    bar->setMinimum(d->scrollMin);
    bar->setPageStep(d->pageSize);
    // The range is compared as an unsigned 32-bit number: a maximum below the minimum is a
    // huge range, not a small one. Computed wide, so no bound makes it overflow.
    const auto range = static_cast<quint32>(static_cast<qint64>(d->scrollMax) - d->scrollMin);
    const auto page = static_cast<quint32>(d->pageSize);
    int maximum;
    if (range < page) {
        bar->setEnabled(bar->value() != d->scrollMin);
        maximum = d->scrollMax;
    } else {
        bar->setEnabled(true);
        maximum = clampToInt(static_cast<qint64>(d->scrollMax) + 1 - d->pageSize);
    }
    const bool blocked = bar->blockSignals(true);
    bar->setMaximum(maximum);
    bar->blockSignals(blocked);
}

void CuiKSOPane::horizScrollValueChanged(int value)
{
    if (flagSet("W1"))
        qWarning("Horiz scrollbar position changed to %d", value);
    d->box.horizontalAbsolute(value);
    const int previous = d->scrollPosition;
    if (value != previous) {
        d->scrollPosition = value;
        // Wide, so that opposite ends of the int range do not overflow; the host's word is
        // 32 bits.
        const int delta = clampToInt(static_cast<qint64>(value) - previous);
        ask([&] { d->box.horizontalDelta(delta); });
    }
}

// ---- building -------------------------------------------------------------------------------

void CuiKSOPane::build()
{
    // A second build would stack a second set of children under the first.
    if (d->mainPane)
        return;
    setAcceptDrops(true);
    bool onTop = false;
    if (!ask([&] {
            d->hasTabBar = d->box.hasTabBar();
            d->hasHeader = d->box.hasHeader();
            onTop = d->box.tabsOnTop();
        }))
        return;
    if (onTop && flagSet("T2"))
        d->tabsOnTop = true;
    if (d->hasHeader && !buildHeader())
        return;
    if (d->hasTabBar) {
        buildScrollRow();
        if (!buildTabBar())
            return;
    }
    d->mainPane = new QWidget(this);
    d->mainPane->setObjectName(QStringLiteral("CuiKSOPane::mainPane"));
    setFocusPolicy(Qt::StrongFocus);
    layOut();
}

bool CuiKSOPane::buildHeader()
{
    QStringList labels;
    if (!ask([&] {
            const int count = d->box.headerCount();
            for (int i = 0; i < count; ++i)
                labels << d->box.headerLabel(i);
        }))
        return false;
    d->header = new UHeader(this);
    for (const QString &label : std::as_const(labels))
        d->header->addLabel(label);
    return true;
}

void CuiKSOPane::buildScrollRow()
{
    auto *bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(QStringLiteral("CuiKSOPane::horizontalScrollBar"));
    bar->setTracking(false);
    bar->setSingleStep(1);
    // The range first, so that the stored position is not cut by the bar's default range.
    bar->setRange(d->scrollMin, std::max(d->scrollMin, d->scrollMax));
    bar->setValue(d->scrollPosition);
    bar->setDisabled(d->scrollDisabled);
    d->scrollBar = bar;
    connect(bar, &QScrollBar::valueChanged, this, &CuiKSOPane::horizScrollValueChanged);
    updateHScrollState();
    if (flagSet("L1")) {
        auto *display = new QLCDNumber(3, this);
        display->setObjectName(QStringLiteral("CUI::cuiksopane_horiz_LCD"));
        display->setFixedWidth(50);
        display->setToolTip(QStringLiteral("This is a Debug build only feature"));
        display->display(bar->value());
        connect(bar, &QScrollBar::valueChanged, display, qOverload<int>(&QLCDNumber::display));
        d->positionDisplay = display;
    }
}

bool CuiKSOPane::buildTabBar()
{
    QStringList texts;
    QStringList toolTips;
    if (!ask([&] {
            const int count = d->box.tabCount();
            // The host may close the box while it answers; the pane then asks no more.
            for (int i = 0; i < count && !tesk::lifetime::doomed(this); ++i) {
                toolTips << d->box.tabToolTip(i);
                texts << d->box.tabText(i);
            }
        }))
        return false;
    auto *bar = new CuiKSOPaneTabBar(this, "CuiKSOPane::CuiKSOPaneTabBar");
    const bool triangular = flagSet("T1");
    if (d->tabsOnTop)
        bar->setShape(triangular ? QTabBar::TriangularNorth : QTabBar::RoundedNorth);
    else
        bar->setShape(triangular ? QTabBar::TriangularSouth : QTabBar::RoundedSouth);
    d->tabBar = bar;
    connect(bar, &CuiKSOPaneTabBar::contextMenuRequested, this, &CuiKSOPane::contextMenuHandler);
    for (int i = 0; i < texts.size(); ++i) {
        bar->insertTab(-1, texts.at(i));
        ++d->tabCount;
        if (!toolTips.at(i).isNull())
            applyToolTip(i, toolTips.at(i));
    }
    connect(bar, &CuiKSOPaneTabBar::tabSelected, this, &CuiKSOPane::tabSelected);
    return true;
}

void CuiKSOPane::layOut()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (d->header)
        layout->addWidget(d->header);
    if (d->tabBar && d->tabsOnTop)
        layout->addWidget(d->tabBar);
    layout->addWidget(d->mainPane, 1);
    if (d->scrollBar) {
        if (d->positionDisplay) {
            auto *row = new QHBoxLayout;
            row->addWidget(d->scrollBar, 1);
            row->addWidget(d->positionDisplay);
            layout->addLayout(row);
        } else {
            layout->addWidget(d->scrollBar);
        }
    }
    if (d->tabBar && !d->tabsOnTop)
        layout->addWidget(d->tabBar);
}

WId CuiKSOPane::mainPaneWinId()
{
    return tesk::system::innerNativeId(d->mainPane);
}

// ---- tabs -----------------------------------------------------------------------------------

// "$..." tips are the host's own and never shown; "#n" names a label of the dictionary.
void CuiKSOPane::applyToolTip(int index, const QString &toolTip)
{
    if (toolTip.startsWith(QLatin1Char('$')))
        return;
    if (toolTip.startsWith(QLatin1Char('#'))) {
        d->tabBar->setTabToolTip(index, tesk::core::frameServices().contextMenuLabel(toolTip));
        return;
    }
    // The host's tip is plain text: markup in it must not make the tool tip load anything.
    d->tabBar->setTabToolTip(index, Qt::mightBeRichText(toolTip) ? Qt::convertFromPlainText(toolTip)
                                                                 : toolTip);
}

void CuiKSOPane::addTab(int index, const QString &text, const QString &toolTip)
{
    if (!d->tabBar)
        return;
    if (flagSet("W1"))
        qDebug("CuiKSOPane::addTab: at %d, %s, %s", index, latin1(text).constData(),
               latin1(toolTip).constData());
    const int inserted = d->tabBar->insertTab(index, text);
    ++d->tabCount;
    if (!toolTip.isNull())
        applyToolTip(inserted, toolTip);
}

bool CuiKSOPane::removeTab(int index)
{
    if (!d->hasTab(index))
        return false;
    if (flagSet("W1"))
        qDebug("CuiKSOPane::removeTab: at %d, %s", index,
               latin1(d->tabBar->tabText(index)).constData());
    d->tabBar->removeTab(index);
    --d->tabCount;
    return true;
}

void CuiKSOPane::setTabText(int index, const QString &text)
{
    if (d->hasTab(index))
        d->tabBar->setTabText(index, text);
}

void CuiKSOPane::setTabTooltip(int index, const QString &toolTip)
{
    if (d->hasTab(index) && !toolTip.isNull())
        applyToolTip(index, toolTip);
}

bool CuiKSOPane::setTabModifyFlag(int index, int mode)
{
    if (!d->hasTab(index))
        return false;
    d->tabBar->setTabModifyFlag(index, mode);
    return true;
}

bool CuiKSOPane::setTabExecuteFlag(int index, int flag)
{
    if (!d->hasTab(index))
        return false;
    d->tabBar->setTabExecuteFlag(index, flag);
    return true;
}

bool CuiKSOPane::setTabCurrent(int index)
{
    if (flagSet("W1"))
        qWarning("CuiKSOPAne::setTabCurrent %d", index);
    if (!d->tabBar)
        return false;
    if (!d->hasTab(index)) {
        if (flagSet("W1"))
            qDebug("CuiKSOPane::setTabCurrent - tab not found at pos %d", index);
        return false;
    }
    const bool blocked = d->tabBar->blockSignals(true);
    d->tabBar->setCurrentIndex(index);
    d->tabBar->blockSignals(blocked);
    return true;
}

int CuiKSOPane::tabCount() const
{
    return d->tabCount;
}

void CuiKSOPane::tabSelected(int index)
{
    if (flagSet("W1"))
        qWarning("CuiKSOPAne::tabSelected %d", index);
    ask([&] { d->box.tabSelected(index); });
}

void CuiKSOPane::contextMenuHandler(int index)
{
    if (!d->hasTab(index) || flagSet("M0"))
        return;
    bool allowed = false;
    if (!ask([&] { allowed = d->box.allowsTabMenu(index); }) || !allowed)
        return;
    tesk::system::Modal<QMenu> menu(this);
    menu->setObjectName(QStringLiteral("CuiKSOPane::contextMenuHandler"));
    QAction *close = menu->addAction(QCoreApplication::translate("QObject", "Close"));
    close->setData(kCloseItem);
    const tesk::system::ModalSeam::Result result = menu.runMenu(QCursor::pos(), this);
    // The host may have closed the window or removed tabs while the menu was up.
    if (!result.alive || result.chosen != close || !d->hasTab(index))
        return;
    ask([&] { d->box.closeTab(index); });
}

// ---- events ---------------------------------------------------------------------------------

void CuiKSOPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const bool traced = flagSet("D0");
    int w = width();
    int h = height();
    if (traced)
        qDebug("CuiKSOPane::resizeEvent (0x%08lx) - Size = %d, %d",
               static_cast<unsigned long>(reinterpret_cast<quintptr>(this)), w, h);
    if (d->header) {
        h -= d->header->height();
        if (traced)
            qDebug("  Subtract header height %d to leave %d", d->header->height(), h);
    }
    const int barHeight = d->scrollBar ? d->scrollBar->height() : 0;
    const int displayHeight = d->positionDisplay ? d->positionDisplay->height() : 0;
    const int rowHeight = std::max(barHeight, displayHeight);
    h -= rowHeight;
    if (traced)
        qDebug("  Subtract max of %d (SB) and %d (LCD) which is %d to leave %d", barHeight,
               displayHeight, rowHeight, h);
    if (d->tabBar) {
        const bool parentVisible = d->tabBar->parentWidget()->isVisible();
        if (d->tabCount < 1) {
            if (parentVisible)
                d->tabBar->hide();
            if (traced)
                qDebug("  Tab bar count is 0 so hide tab bar and leave height unaltered");
        } else {
            if (parentVisible)
                d->tabBar->show();
            h -= d->tabBar->height();
            if (traced)
                qDebug("  Subtract tab height of %d to leave %d", d->tabBar->height(), h);
        }
    }
    if (!d->callback) {
        if (traced)
            qWarning("  NO CALLBACK setup");
        return;
    }
    if (traced) {
        qDebug("  Resize box to be %d by %d", w, h);
        if (d->mainPane)
            qDebug("  mainPane_ size = %d, %d\n", d->mainPane->width(), d->mainPane->height());
    }
    callHost(w, h, kSizeChanged);
}

void CuiKSOPane::setFocus()
{
    if (g_inSetFocus)
        return;
    g_inSetFocus = true;
    QWidget::setFocus();
    // The flag is the process's: it is put back whether or not the frame lives on.
    if (d->callback)
        callHost(width(), height(), kFocusTaken);
    g_inSetFocus = false;
}

void CuiKSOPane::notifyFocusTaken()
{
    if (g_inSetFocus || !d->callback)
        return;
    g_inSetFocus = true;
    callHost(width(), height(), kFocusTaken);
    g_inSetFocus = false;
}

bool CuiKSOPane::callHost(int width, int height, int reason)
{
    int rect[4] = {0, 0, width, height};
    const CodeCallback callback = d->callback;
    const TeskHandle box = d->box.handle();
    return ask([&] { callback(box, rect, reason); });
}

void CuiKSOPane::dragEnterEvent(QDragEnterEvent *event)
{
    // Without an accepted enter the toolkit sends no moves; the host decides as for a move.
    tesk::core::frameServices().relayDragMove(this, d->box.handle(), event);
    QWidget::dragEnterEvent(event);
}

void CuiKSOPane::dragMoveEvent(QDragMoveEvent *event)
{
    tesk::core::frameServices().relayDragMove(this, d->box.handle(), event);
    QWidget::dragMoveEvent(event);
}

void CuiKSOPane::dropEvent(QDropEvent *event)
{
    tesk::core::frameServices().relayDrop(this, d->box.handle(), event);
    QWidget::dropEvent(event);
}

// ---- the frame's half of the pane seam ------------------------------------------------------

bool CuiKSOPane::bindFrame(QWidget *frame, tesk::core::PaneCodeCallback callback,
                           TeskHandle windowBox)
{
    auto *pane = qobject_cast<CuiKSOPane *>(frame);
    if (!pane)
        return false;
    pane->setCodeCallback(callback);
    pane->setWindBox(KSOWindBox(windowBox));
    pane->build();
    return true;
}

quintptr CuiKSOPane::frameAreaId(QWidget *frame)
{
    auto *pane = qobject_cast<CuiKSOPane *>(frame);
    return pane ? quintptr(pane->mainPaneWinId()) : 0;
}
