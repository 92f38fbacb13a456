// Breakpoint location and value texts: their parts, and the menu items that insert them.
#pragma once

#include <QString>

// The parts of a Location or Value Match field: "[$NOT$] start[..end | ..+length]
// [$MASK$=mask]". Every part is an expression text for the host; nothing here evaluates.
struct BreakpointExpression
{
    QString start;
    QString mask;          // empty when absent
    QString end;           // the end, or the length when isLength; empty when absent
    bool hasRange = false; // a ".." was written (its end may still be empty)
    bool isLength = false; // written "..+"
    bool isNot = false;
};

// Splits a field text into its parts. False with a message (rich text) for the user when the
// text breaks the syntax; the parts are then not to be used.
bool parseBreakpointExpression(const QString &text, BreakpointExpression &parts, QString &error);

namespace tesk::breakpoints {

// Which field a menu edit acts on: the refusals name it.
enum class ExpressionField { Location, Value };

// A menu edit's outcome: the field's new text, or a message and the text unchanged.
struct ExpressionEdit
{
    QString text;
    QString message; // empty unless the edit was refused
};

// The location and value menus' "Range" (endWord "end") and "Range by Length" ("+length"),
// "Mask" and "NOT" items, applied to the field's text.
ExpressionEdit addRangeToExpression(const QString &text, const QString &endWord,
                                    ExpressionField field);
ExpressionEdit addMaskToExpression(const QString &text, ExpressionField field);
QString addNotToExpression(const QString &text);

} // namespace tesk::breakpoints
