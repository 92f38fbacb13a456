#pragma once

// What the library's classes share behind its public headers.

#include <QString>

#include <cstdint>

class KFormattedData;
class KMediator_Format;

namespace glyphon {

// Menu option ids: one per format type name or built-in family ("fp_", taken at each value's
// own size), the same in every engine, from 10000 on so that they stay clear of the ids of
// the menus they are shown in.
int optionId(const QString &key);
QString optionName(int id);

// A fresh generation for an engine whose types changed; never 0.
std::uint64_t nextGeneration();

// An in-place edit must not touch a value or an engine that went away while it ran.
void forgetDuringEdit(const KFormattedData *data);
void forgetDuringEdit(const KMediator_Format *engine);

} // namespace glyphon
