#pragma once

// The types an engine's definition texts added, by name.

#include "formattype.h"

#include <QString>
#include <QVector>

#include <map>
#include <memory>

namespace glyphon {

class TypeTable
{
public:
    const BitFieldType *find(const QString &name) const;
    // The types that show values of exactly this size, by name.
    QVector<const BitFieldType *> typesOfSize(int bits) const;

    // Reads a definition text (grammar in glyphon.h). With replace, a type takes the place of
    // an earlier one of the same name. Returns the number of types added or replaced.
    int import(const QString &text, bool replace);

private:
    bool add(std::unique_ptr<BitFieldType> type, bool replace);

    std::map<QString, std::unique_ptr<BitFieldType>> m_types;
};

} // namespace glyphon
