#include "desktop.h"

#include "testhost.h"
#include "xdesktop.h"
#include "xview.h"

#include "system/freearea.h"

#include <QApplication>
#include <QList>
#include <QRect>
#include <QWidget>

namespace desktop {

namespace {

const QString g_fault = testhost::listingTests()
                            ? QString()
                            : testhost::startXDesktop(testhost::XDesktop::WithWindowManager);

} // namespace

QString fault()
{
    return g_fault;
}

void settleFrames()
{
    const auto framed = [] {
        for (const QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && !window->windowFlags().testFlag(Qt::FramelessWindowHint) &&
                window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip &&
                tesk::system::frameMargins(window).isNull())
                return false;
        return true;
    };
    testhost::pumpUntil(framed, 3000);
    QList<QRect> last;
    int still = 0;
    testhost::pumpUntil(
        [&] {
            QList<QRect> now;
            for (const QWidget *window : QApplication::topLevelWidgets())
                if (window->isVisible())
                    now.append(window->frameGeometry());
            still = now == last ? still + 1 : 0;
            last = now;
            return still >= 15;
        },
        3000);
    // The window manager answers the toolkit's last requests in its own time: what the server
    // shows is read once it has caught up, or once it plainly will not.
    testhost::pumpUntil(
        [] {
            for (const QWidget *window : QApplication::topLevelWidgets())
                if (window->isVisible() && !testhost::xview::agrees(window))
                    return false;
            return true;
        },
        3000);
}

} // namespace desktop
