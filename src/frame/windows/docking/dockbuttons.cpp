#include "frame/windows/docking/dockbuttons.h"

#include "frame/windows/docking/dockwidget.h"

#include <QBoxLayout>
#include <QDockWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int kAcross = 17;
constexpr int kIndicatorSize = 14;

// A white square framed in black, until the window's colour fills it.
const char *const kIndicatorPicture[] = {
    "14 14 2 1",      ". c #000000",    "  c #FFFFFF",    "..............", ".            .",
    ".            .", ".            .", ".            .", ".            .", ".            .",
    ".            .", ".            .", ".            .", ".            .", ".            .",
    ".            .", "..............",
};

QToolButton *smallButton(QWidget *parent, const char *name, QStyle::StandardPixmap picture)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(kAcross - 2, kAcross - 2);
    if (picture != QStyle::SP_CustomBase)
        button->setIcon(parent->style()->standardIcon(picture));
    return button;
}

} // namespace

DockButtons::DockButtons(QWidget *parent)
    : QWidget(parent)
    , m_indicator(kIndicatorPicture)
{
    setObjectName(QStringLiteral("CUI::DockButtons"));
    m_indicatorButton =
        smallButton(this, "CUI::DockButtons_indicator_button", QStyle::SP_CustomBase);
    m_indicatorButton->setIcon(m_indicator);
    m_indicatorButton->setIconSize(QSize(kIndicatorSize, kIndicatorSize));
    m_file = smallButton(this, "CUI::DockButtons_file_button", QStyle::SP_FileIcon);
    m_view = smallButton(this, "CUI::DockButtons_view_button", QStyle::SP_FileDialogDetailedView);
    m_close =
        smallButton(this, "CUI::DockButtons_qt_close_button1", QStyle::SP_TitleBarCloseButton);
    connect(m_close, &QToolButton::clicked, this, &DockButtons::closeButtonClicked);
    connect(m_view, &QToolButton::clicked, this, &DockButtons::viewButtonClicked);
    connect(m_file, &QToolButton::clicked, this, &DockButtons::fileButtonClicked);
    auto *layout = new QBoxLayout(QBoxLayout::LeftToRight, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_indicatorButton);
    layout->addStretch(1);
    layout->addWidget(m_file);
    layout->addWidget(m_view);
    layout->addWidget(m_close);
    applyOrientation();
}

Qt::Orientation DockButtons::orientation() const
{
    auto *dock = qobject_cast<QDockWidget *>(parentWidget());
    auto *window = dock ? qobject_cast<QMainWindow *>(dock->parentWidget()) : nullptr;
    if (!window || dock->isFloating())
        return Qt::Horizontal;
    const Qt::DockWidgetArea area = window->dockWidgetArea(dock);
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea ? Qt::Vertical
                                                                             : Qt::Horizontal;
}

void DockButtons::applyOrientation()
{
    // A standing dock window has its strip lying across its top, and the other way round.
    const bool standing = orientation() == Qt::Vertical;
    setSizePolicy(standing ? QSizePolicy::Expanding : QSizePolicy::Fixed,
                  standing ? QSizePolicy::Fixed : QSizePolicy::Expanding);
    setMinimumSize(minimumSizeHint());
    if (auto *box = qobject_cast<QBoxLayout *>(layout()))
        box->setDirection(standing ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

QSize DockButtons::minimumSizeHint() const
{
    return orientation() == Qt::Vertical ? QSize(0, kAcross) : QSize(kAcross, 0);
}

void DockButtons::setColour(QRgb colour)
{
    m_indicator.fill(QColor(colour));
    QPainter painter(&m_indicator);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kIndicatorSize - 1, kIndicatorSize - 1);
    painter.end();
    if (m_showIndicator)
        m_indicatorButton->setIcon(m_indicator);
    if (layout())
        layout()->invalidate();
}

void DockButtons::setIndicatorShown(bool shown)
{
    m_showIndicator = shown;
    m_indicatorButton->setVisible(shown);
    if (shown)
        m_indicatorButton->setIcon(m_indicator);
}

void DockButtons::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->pos();
    if (auto *dock = qobject_cast<DockWidget *>(parentWidget()))
        dock->setFocus();
    else if (parentWidget())
        parentWidget()->setFocus();
    QWidget::mousePressEvent(event);
}

bool DockButtons::event(QEvent *event)
{
    // The dock window may move between areas: the strip turns with it.
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show)
        applyOrientation();
    return QWidget::event(event);
}
