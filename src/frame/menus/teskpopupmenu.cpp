#include "frame/menus/teskpopupmenu.h"

#include "system/lifetime.h"
#include "system/nativeids.h"

#include <limits>

namespace {
const char kNumberProperty[] = "teskItemNumber";
}

TeskPopupMenu::TeskPopupMenu(QWidget *parent, const char *name)
    : QMenu(parent)
{
    if (name)
        setObjectName(QLatin1String(name));
    connect(this, &QMenu::triggered, this, &TeskPopupMenu::relayTriggered);
}

QAction *TeskPopupMenu::insertItem(const QString &text, int id)
{
    QAction *action = addAction(text);
    action->setProperty(kNumberProperty, id);
    return action;
}

QAction *TeskPopupMenu::findItem(int id) const
{
    for (QAction *action : actions()) {
        const QVariant number = action->property(kNumberProperty);
        if (number.isValid() && number.toInt() == id)
            return action;
    }
    return nullptr;
}

int TeskPopupMenu::nextNumber()
{
    // Numbers the host gives are positive; these never meet them.
    static int next = -1;
    if (next == std::numeric_limits<int>::min())
        next = -1;
    return --next;
}

int TeskPopupMenu::numberOf(const QAction *action)
{
    return action ? action->property(kNumberProperty).toInt() : 0;
}

int TeskPopupMenu::addSubmenu(TeskPopupMenu *submenu)
{
    QAction *entry = addMenu(submenu);
    const int number = nextNumber();
    // Marked as a submenu's entry, the number never reaches activated().
    entry->setProperty(kNumberProperty, number);
    submenu->setParentPopup(this);
    submenu->setEntryNumber(number);
    return number;
}

QAction *TeskPopupMenu::insertDynamic(const QString &text, const QObject *receiver,
                                      const char *member)
{
    auto *action = new QAction(text, this);
    const int number = nextNumber();
    action->setProperty(kNumberProperty, number);
    if (receiver && member)
        connect(action, SIGNAL(triggered()), receiver, member);
    const QList<QAction *> present = actions();
    insertAction(present.value(m_baseIndex + 1), action);
    m_dynamicIds.append(number);
    return action;
}

void TeskPopupMenu::removeAllDynamic()
{
    while (!m_dynamicIds.isEmpty()) {
        delete findItem(m_dynamicIds.takeFirst());
    }
}

void TeskPopupMenu::relayTriggered(QAction *action)
{
    // Only numbered items of this very popup; submenus report their own.
    const QVariant number = action->property(kNumberProperty);
    // Dynamic items answer their own receivers.
    if (number.isValid() && actions().contains(action) && !m_dynamicIds.contains(number.toInt()))
        emit activated(number.toInt());
}

void TeskPopupMenu::setHostCallback(AboutToShowFn callback, TeskHandle context)
{
    m_callback = callback;
    m_context = context;
}

void TeskPopupMenu::slotRemoteAboutToShow()
{
    if (m_remote) {
        emit sigRemoteAboutToShow(tesk::system::windowNativeId(this), m_data);
        return;
    }
    emit sigSetCalling(true);
    const AboutToShowFn callback = m_callback;
    const TeskHandle context = m_context;
    const WId window = tesk::system::windowNativeId(this);
    const bool alive = tesk::lifetime::callHost(this, [&] {
        if (callback)
            callback(context, window);
    });
    if (alive)
        emit sigSetCalling(false);
}

void TeskPopupMenu::slotAboutToShow()
{
    emit sigAboutToShow(m_itemId);
}
