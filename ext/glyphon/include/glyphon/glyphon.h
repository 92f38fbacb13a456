#pragma once

// glyphon: the formatting library. It turns value bytes into text by named format types,
// parses text back into the bytes, runs a modal in-place editor over a value and fills a
// format menu. Callers own the value bytes (little-endian); the library never keeps them.
//
// Format type names
// -----------------
// Built-in families, each followed by "_" and the value's size in bits (1 to 128):
//   hex_N     "0x" and ceil(N/4) lower-case hexadecimal digits
//   Hex_N     "0x" and ceil(N/4) upper-case hexadecimal digits
//   dec_N     signed decimal (the value's top bit is its sign)
//   oct_N     ceil(N/3) octal digits
//   bin_N     N binary digits (Binary_N is the same)
//   fp_N      IEEE floating point for N = 16, 32 and 64; fp_8 is the 8-bit float made of
//             the upper byte of a 16-bit one (1 sign, 5 exponent and 2 fraction bits)
// Every integer family also reads "0x"-prefixed hexadecimal; bin reads a "0b" prefix; dec
// reads a leading "-". Text whose number does not fit the size is refused.
// A name that neither a family nor a definition resolves formats as hex_N, so the text of a
// value always shows every one of its bits.
//
// Format-type definitions
// -----------------------
// Further types, bit-field types, come from definition text given to
// KMediator_Format::import_formatTypesDefinition_fromString. The text is read line by line;
// "#" starts a comment that runs to the end of the line, blank lines are ignored, words are
// separated by blanks or tabs and keywords are lower case:
//
//   type <name> <bits> [<title>...]     starts a type; bits 1 to 128; the title (the rest of
//                                       the line) labels the type in format menus
//   flag <name> <bit>                   a one-bit field
//   field <name> <high>[:<low>] [<value>=<label>...]
//                                       a field of bits high down to low (one bit without
//                                       ":low"); a value with a label shows as that label
//   end                                 ends the type
//
// <name> is a letter or "_" followed by letters, digits and "_"; it must not look like a
// built-in name (family "_" digits). Numbers are decimal, or hexadecimal after "0x". Fields
// are shown in the order they are defined and must lie inside the type's bits.
//
// A bit-field value shows as its hex_N text followed, blank-separated, by every field: a flag
// as its name in upper case when set and in lower case when clear, a field as its label when
// its value has one, otherwise as name=value in hexadecimal. Text is read back from its first
// word, a number as for the integer families.
//
// A line the grammar does not allow drops the type it belongs to (a type is defined whole or
// not at all) and is reported with qWarning. A type with the name of one defined earlier
// replaces it when the import's mode is 1 and is ignored otherwise.
//
// Example:
//
//   type psr 32 Program status
//   flag N 31
//   flag Z 30
//   field mode 4:0 0x10=usr 0x13=svc
//   end

#include <glyphon/glyphonglobal.h>
#include <glyphon/kformatteddata.h>
#include <glyphon/kmediatordisplay.h>
#include <glyphon/kmediatorformat.h>
