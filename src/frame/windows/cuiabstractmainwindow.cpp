#include "frame/windows/cuiabstractmainwindow.h"

#include "frame/windows/store.h"

class CUIAbstractMainWindowPrivate
{
public:
};

CUIAbstractMainWindow::CUIAbstractMainWindow(QWidget *parent, const char *name,
                                             Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , d(std::make_unique<CUIAbstractMainWindowPrivate>())
{
    setObjectName(QString::fromLatin1(name ? name : ""));
    Store::appendMainWindow(this);
}

CUIAbstractMainWindow::~CUIAbstractMainWindow()
{
    Store::removeMainWindow(this);
}

void CUIAbstractMainWindow::createStatusBar()
{
    qDebug("CUIAbstractMainWindow::createStatusBar not implemented");
}
