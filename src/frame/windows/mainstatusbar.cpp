#include "frame/windows/mainframeprivate.h"

#include "frame/core/hosttext.h"
#include "frame/services/richtextimages.h"
#include "frame/windows/cuiprogress.h"
#include "frame/windows/frameimages.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>

namespace {

constexpr int kBusyIndicatorWidth = 150;
constexpr int kMaxStatusFieldWidth = 400; // a host text wider than this is elided
constexpr int kPadlockSize = 16;

enum StatusField {
    BusyField = 1,
    MessageField,
    PositionField,
    LogField,
    JournalField,
    StdioLogField
};

} // namespace

// ---- status bar --------------------------------------------------------------------------

void MainWindow::createFullStatusBar()
{
    auto *bar = new QStatusBar(this);
    setStatusBar(bar);
    d->statusBar = bar;
    d->busy = new CuiProgress(bar);
    d->position = new QLabel(bar);
    for (QPointer<QLabel> &indicator : d->indicators)
        indicator = new QLabel(bar);
    d->padlock = new QLabel(bar);

    tesk::frame::addRichTextImage(QStringLiteral("padlock"), tesk::frame::images::padlock(true));
    tesk::frame::addRichTextImage(QStringLiteral("padunlock"), tesk::frame::images::padlock(false));

    const QFontMetrics metrics(bar->font());
    d->busy->setMinimumWidth(kBusyIndicatorWidth);
    d->position->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("Ln 00000, Col 0000")));
    const char *const indicatorWidths[] = {" LOG ", " JOU ", " STDIOLog "};
    for (int i = 0; i < 3; ++i)
        d->indicators[i]->setMinimumWidth(
            metrics.horizontalAdvance(QLatin1String(indicatorWidths[i])));
    d->padlock->setFixedSize(kPadlockSize, kPadlockSize);

    bar->addPermanentWidget(d->busy, 0);
    bar->addPermanentWidget(d->position, 0);
    for (QLabel *indicator : d->indicators)
        bar->addPermanentWidget(indicator, 0);
    bar->addPermanentWidget(d->padlock, 0);
    bar->show();
}

void MainWindow::createMessageStatusBar()
{
    // Replacing the status bar deletes the old one with everything in it.
    auto *bar = new QStatusBar(this);
    setStatusBar(bar);
    d->statusBar = bar;
    d->busy = new CuiProgress(bar);
    d->busy->setMinimumWidth(kBusyIndicatorWidth);
    bar->addPermanentWidget(d->busy, 0);
    bar->show();
}

void MainWindow::createBareStatusBar()
{
    auto *bar = new QStatusBar(this);
    setStatusBar(bar);
    d->statusBar = bar;
    bar->show();
}

QWidget *MainWindow::statusField(int field) const
{
    switch (field) {
    case BusyField:
        return d->busy;
    case MessageField:
        return d->statusBar;
    case PositionField:
        return d->position;
    case LogField:
    case JournalField:
    case StdioLogField:
        return d->indicators[field - LogField];
    default:
        return nullptr;
    }
}

void MainWindow::setStatusText(int field, const char *text, const char *tip)
{
    if (!d->statusBar)
        return;
    QWidget *widget = statusField(field);
    if (!widget)
        return;
    // Host text is plain and one line: markup would let the toolkit load files, line breaks
    // and long texts would grow the window without bound.
    const QString value = tesk::core::hostLine(text);
    if (field == BusyField) {
        d->busy->setText(value);
    } else if (field == MessageField) {
        d->statusBar->showMessage(value);
    } else {
        auto *label = static_cast<QLabel *>(widget);
        label->setTextFormat(Qt::PlainText);
        label->setText(
            label->fontMetrics().elidedText(value, Qt::ElideRight, kMaxStatusFieldWidth));
    }
    widget->setToolTip(tip ? tesk::core::plainToolTip(tesk::core::hostText(tip)) : QString());
}

void MainWindow::setStatusPosition(int line, int column)
{
    if (d->position)
        d->position->setText(tr("Ln %1, Col %2").arg(line).arg(column));
}

void MainWindow::setLogIndicator(bool on)
{
    if (d->indicators[0])
        d->indicators[0]->setText(on ? QStringLiteral("LOG") : QString());
}

void MainWindow::setJournalIndicator(bool on)
{
    if (d->indicators[1])
        d->indicators[1]->setText(on ? QStringLiteral("JOU") : QString());
}

void MainWindow::setStdioLogIndicator(bool on)
{
    if (d->indicators[2])
        d->indicators[2]->setText(on ? QStringLiteral("STDIOLog") : QString());
}

void MainWindow::setPadlockState(int state)
{
    if (!d->padlock)
        return;
    if (state == 1) {
        d->padlock->setText(QStringLiteral("<img source=\"padlock\">"));
        d->padlock->setToolTip(tr("Secure World"));
    } else if (state == 2) {
        d->padlock->setText(QStringLiteral("<img source=\"padunlock\">"));
        d->padlock->setToolTip(tr("Normal World"));
    } else {
        d->padlock->setText(QString());
        d->padlock->setToolTip(QString());
    }
}

void MainWindow::showProgress(int percent, int)
{
    if (percent == 100) {
        delete d->progress.data();
        return;
    }
    if (percent >= 0 && !d->progress && d->statusBar) {
        d->progress = new QProgressBar(d->statusBar);
        d->progress->show();
    }
    if (!d->progress)
        return;
    placeProgressBar();
    // A negative value empties the bar, as it did in the old toolkit.
    if (percent < 0)
        d->progress->reset();
    else
        d->progress->setValue(percent);
}

void MainWindow::placeProgressBar()
{
    // Laid over the message area, up to the busy indicator; the status bar may have been laid
    // out anew since the last step.
    const int busyX = d->busy ? d->busy->x() : 0;
    d->progress->setMinimumWidth(qMax(0, busyX - d->statusBar->x()));
    d->progress->setMaximumHeight(d->statusBar->height());
    d->progress->setGeometry(0, 0, d->progress->minimumWidth(), d->statusBar->height());
}

void MainWindow::showRunState(int state, const char *text)
{
    if (!d->statusBar || !d->busy)
        return;
    // One line of the host's text, however long or broken it is.
    d->busy->setText(tesk::core::hostLine(text));
    if (state > 0)
        d->busy->tick();
    else if (state == 0)
        d->busy->start();
    else
        d->busy->stop();
}

void MainWindow::slotClearStatus()
{
    if (d->statusBar)
        d->statusBar->showMessage(tr("For more information, select Help from Menu"));
}

CuiProgress *MainWindow::busyIndicator() const
{
    return d->busy;
}

QLabel *MainWindow::positionLabel() const
{
    return d->position;
}

QLabel *MainWindow::indicatorLabel(int number) const
{
    return number >= 1 && number <= 3 ? d->indicators[number - 1].data() : nullptr;
}

QLabel *MainWindow::padlockLabel() const
{
    return d->padlock;
}

QProgressBar *MainWindow::progressBar() const
{
    return d->progress;
}
