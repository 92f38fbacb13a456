// A breakpoint's Location or Value Match field as the user or the host wrote it, and the menu
// items that edit it: whatever the text, the parser answers, and what a menu item inserts into
// an accepted text still parses.
#include "symbols/breakpoints/breakpointexpression.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tesk::breakpoints;

namespace {

bool parse(const QString &text)
{
    BreakpointExpression parts;
    QString error;
    const bool parsed = parseBreakpointExpression(text, parts, error);
    if (!parsed && error.isEmpty())
        std::abort(); // a refusal always says why
    return parsed;
}

// An edit the menu accepted (no message) of a text that parsed must parse too.
void edited(bool accepted, const ExpressionEdit &edit)
{
    if (!parse(edit.text) && accepted && edit.message.isEmpty())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool accepted = parse(text);
    const auto field = size % 2 ? ExpressionField::Location : ExpressionField::Value;
    edited(accepted, addRangeToExpression(text, QStringLiteral("end"), field));
    edited(accepted, addRangeToExpression(text, QStringLiteral("+length"), field));
    edited(accepted, addMaskToExpression(text, field));
    parse(addNotToExpression(text));
    return 0;
}
