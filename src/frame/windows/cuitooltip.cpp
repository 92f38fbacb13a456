#include "frame/windows/cuitooltip.h"

#include "frame/core/hosttext.h"

#include <QPointer>
#include <QToolTip>

namespace {
QPointer<CuiToolTip> g_shown;
}

CuiToolTip::CuiToolTip(QWidget *parent, const QString &text)
    : QLabel(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("toolTipTip"));
    setMargin(1);
    setFrameStyle(QFrame::Plain | QFrame::Box);
    setLineWidth(1);
    setAlignment(Qt::AlignTop);
    setIndent(0);
    ensurePolished();
    setText(text);
    adjustSize();
    QPalette tipPalette = palette();
    tipPalette.setColor(QPalette::Window,
                        QToolTip::palette().color(QPalette::Active, QPalette::ToolTipBase));
    setPalette(tipPalette);
    setAutoFillBackground(true);
}

void CuiToolTip::showAt(QWidget *parent, const QString &text, int x, int y)
{
    hideTip();
    // The text is the host's: shown as it is, never read as markup.
    g_shown = new CuiToolTip(
        parent, QStringLiteral("<qt><b>Qt</b><br>%1</qt>").arg(tesk::core::escapedFragment(text)));
    g_shown->move(x, y);
    g_shown->show();
}

void CuiToolTip::hideTip()
{
    if (!g_shown)
        return;
    g_shown->hide();
    delete g_shown.data();
}

CuiToolTip *CuiToolTip::shown()
{
    return g_shown;
}
