#include <glyphon/kformatteddata.h>

#include "engineprivate.h"
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
    const QString name = glyphon::optionName(id);
    if (!name.isEmpty())
        SetInitialFormatTypeName(name);
}
