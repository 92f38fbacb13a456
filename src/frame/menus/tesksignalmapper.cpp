#include "frame/menus/tesksignalmapper.h"

void TeskSignalMapper::setMapping(QObject *sender, int id)
{
    if (!m_ids.contains(sender))
        connect(sender, &QObject::destroyed, this, &TeskSignalMapper::removeMapping);
    m_ids.insert(sender, id);
}

void TeskSignalMapper::map(int value)
{
    const auto found = m_ids.constFind(sender());
    if (found != m_ids.constEnd())
        emit mapped(found.value(), value);
}

void TeskSignalMapper::removeMapping()
{
    m_ids.remove(sender());
}
