#pragma once
// The host's symbol records: fields separated by single blanks, the last field taking the rest
// of the text. Pure functions, so the record rule can be fuzzed on its own.

#include <QByteArrayView>
#include <QVarLengthArray>

namespace tesk::symbols {

constexpr int kModuleFields = 3; // image, module, file
constexpr int kSymbolFields = 5; // image, module, name, address, scope word

using RecordFields = QVarLengthArray<QByteArrayView, kSymbolFields>;

// Splits the text into `count` fields (views into the text). Only the blank (32) separates;
// two blanks in a row give an empty field; the last field is the rest of the text, blanks
// included. Fields the text does not reach are empty.
RecordFields splitRecord(QByteArrayView text, int count);

} // namespace tesk::symbols
