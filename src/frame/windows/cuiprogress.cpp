#include "frame/windows/cuiprogress.h"

#include "frame/core/cuidebuginfo.h"

#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>

namespace {
constexpr int kFullCircle = 5760; // sixteenths of a degree
constexpr int kMargin = 1;        // offset of the ball from the top and left edges
constexpr int kShrink = 2;        // taken from the ball's size

bool traced()
{
    return CuiDebugInfo::isSet(QStringLiteral("T0"));
}
} // namespace

class CuiProgressPrivate
{
public:
    QString text;
    QPixmap picture;
    int position = 0;
    int width = 0;
    int height = 0;
    int direction = 1;
    int lastStep = 6;
    int step = 4;
    bool running = false;
    bool horizontal = true;
};

// The old toolkit's flags for these labels only asked it not to erase the background before
// painting; the picture is always drawn whole, so there is nothing to pass on.
CuiProgress::CuiProgress(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : QLabel(parent, flags)
    , d(std::make_unique<CuiProgressPrivate>())
{
    if (name)
        setObjectName(QString::fromLatin1(name));
}

CuiProgress::~CuiProgress() = default;

QString CuiProgress::text() const
{
    return d->text;
}

int CuiProgress::position() const
{
    return d->position;
}

int CuiProgress::lastStep() const
{
    return d->lastStep;
}

bool CuiProgress::isRunning() const
{
    return d->running;
}

void CuiProgress::setText(const QString &text)
{
    d->text = text;
    redraw();
    repaint();
}

void CuiProgress::tick()
{
    d->running = true;
    d->position += d->direction;
    if (d->position >= d->lastStep)
        d->direction = -1;
    if (d->position < 1)
        d->direction = 1;
    if (traced())
        qDebug("CuiProgress::tick - %d", d->position);
    redraw();
    repaint();
}

void CuiProgress::start()
{
    d->running = true;
}

void CuiProgress::stop()
{
    d->running = false;
    d->direction = 1;
    d->position = 0;
    redraw();
    repaint();
}

void CuiProgress::redraw()
{
    if (d->picture.isNull())
        return;
    d->picture.fill(palette().color(backgroundRole()));
    QPainter painter(&d->picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (d->horizontal)
        drawHorizontal(&painter);
    else
        drawVertical(&painter);
}

void CuiProgress::drawHorizontal(QPainter *painter)
{
    int ballAreaStart = kMargin;
    if (!d->text.isEmpty()) {
        const QFontMetrics metrics = painter->fontMetrics();
        painter->setPen(palette().color(foregroundRole()));
        painter->drawText(kMargin, (d->height - metrics.height()) / 2 + metrics.ascent(), d->text);
        ballAreaStart = metrics.horizontalAdvance(d->text) + kMargin;
    }
    if (!d->running)
        return;
    d->lastStep = (d->width - d->height - ballAreaStart) / d->step;
    const int size = d->height - kShrink;
    drawBall(painter, ballAreaStart + d->step * d->position + kMargin, kMargin, size, size);
}

void CuiProgress::drawVertical(QPainter *painter)
{
    // Standing bars show their ball also while stopped.
    d->lastStep = (d->height - d->width) / d->step;
    const int size = d->width - kShrink;
    painter->drawChord(kMargin, d->step * d->position + kMargin, size, size, 0, kFullCircle);
}

void CuiProgress::drawBall(QPainter *painter, int x, int y, int width, int height)
{
    const int thickness = (d->horizontal ? d->height : d->width) >= 25 ? 3 : 1;
    painter->setPen(Qt::NoPen);
    painter->setBrush(palette().color(QPalette::Highlight));
    painter->drawChord(x, y, width, height, 0, kFullCircle);
    painter->setBrush(palette().color(QPalette::Light));
    painter->drawChord(x + thickness, y + thickness, width - 2 * thickness, height - 2 * thickness,
                       0, kFullCircle);
}

void CuiProgress::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    d->picture = QPixmap(event->size());
    d->width = event->size().width();
    d->height = event->size().height();
    d->horizontal = d->width > d->height;
    redraw();
}

void CuiProgress::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, d->picture);
    if (traced())
        qDebug("### CuiProgress:drawContents - %d", d->position);
}
