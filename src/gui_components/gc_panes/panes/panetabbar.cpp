#include "gui_components/gc_panes/panes/panetabbar.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

const QString kModifyMark = QStringLiteral("* ");

// A press on a tab, delivered once the press itself has been handled.
class TabPressEvent : public QEvent
{
public:
    TabPressEvent(int type, int index)
        : QEvent(static_cast<QEvent::Type>(type))
        , m_index(index)
    {
    }
    int index() const { return m_index; }

private:
    int m_index;
};

} // namespace

CuiKSOPaneTabBar::CuiKSOPaneTabBar(QWidget *parent, const char *name)
    : QTabBar(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    // Tabs as wide as their texts, from the left, however wide the window.
    setExpanding(false);
    installEventFilter(this);
}

int CuiKSOPaneTabBar::insertTab(int index, const QString &text)
{
    const int inserted = QTabBar::insertTab(index, text);
    renumber();
    return inserted;
}

void CuiKSOPaneTabBar::renumber()
{
    for (int i = 0; i < count(); ++i)
        setTabData(i, i);
}

void CuiKSOPaneTabBar::setTabModifyFlag(int index, int mode)
{
    if (index < 0 || index >= count())
        return;
    const QString text = tabText(index);
    const bool marked = text.startsWith(kModifyMark);
    if (mode == 0 && marked)
        setTabText(index, text.mid(kModifyMark.size()));
    else if ((mode == 1 || mode == 2) && !marked)
        setTabText(index, QStringLiteral("* %1").arg(text));
}

void CuiKSOPaneTabBar::setTabExecuteFlag(int, int) {}

bool CuiKSOPaneTabBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this || event->type() != QEvent::MouseButtonPress)
        return QTabBar::eventFilter(watched, event);
    auto *press = static_cast<QMouseEvent *>(event);
    const int index = tabAt(press->position().toPoint());
    if (index < 0)
        return false;
    if (press->button() == Qt::LeftButton) {
        QCoreApplication::postEvent(this, new TabPressEvent(kSelectEvent, index));
        return false;
    }
    if (press->button() == Qt::RightButton) {
        QCoreApplication::postEvent(this, new TabPressEvent(kSelectEvent, index));
        QCoreApplication::postEvent(this, new TabPressEvent(kContextMenuEvent, index));
        return true;
    }
    return false;
}

void CuiKSOPaneTabBar::customEvent(QEvent *event)
{
    const int type = event->type();
    if (type != kSelectEvent && type != kContextMenuEvent)
        return QTabBar::customEvent(event);
    // The host may have removed tabs since the press.
    const int index = static_cast<TabPressEvent *>(event)->index();
    if (index >= count())
        return;
    if (type == kSelectEvent)
        emit tabSelected(index);
    else
        emit contextMenuRequested(index);
}
