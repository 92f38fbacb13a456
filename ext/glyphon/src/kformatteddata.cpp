#include <glyphon/kformatteddata.h>

#include "engineprivate.h"
#include "formattype.h"
#include "valuebits.h"

#include <QtGlobal>

KFormattedData::KFormattedData() = default;

KFormattedData::~KFormattedData()
{
    glyphon::forgetDuringEdit(this);
}

void KFormattedData::SetSize(int bits)
{
    m_size = qBound(1, bits, glyphon::maxBits);
    m_resolvedGeneration = 0;
}

void KFormattedData::SetContainerSize(int bits)
{
    m_containerSize = qBound(1, bits, glyphon::maxBits);
}

void KFormattedData::SetInitialFormatTypeName(const QString &name)
{
    if (name == m_typeName)
        return;
    m_typeName = name;
    m_resolvedGeneration = 0;
}

void KFormattedData::set_menuOption(int id)
{
    QString name = glyphon::optionName(id);
    if (name.endsWith(QLatin1Char('_'))) {
        // A built-in family: this value's own size, unless the family has no type of that size.
        name += QString::number(m_size);
        if (!glyphon::builtinType(name, m_size))
            return;
    }
    if (!name.isEmpty())
        SetInitialFormatTypeName(name);
}
