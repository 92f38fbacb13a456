// A breakpoint's Location or Value Match field as the user or the host wrote it, and the menu
// items that edit it: whatever the text, the parser answers, and what a menu item inserts into
// an accepted text still parses.
#include "symbols/breakpoints/breakpointexpression.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tesk::breakpoints;

namespace {

void parse(const QString &text)
{
    BreakpointExpression parts;
    QString error;
    if (!parseBreakpointExpression(text, parts, error) && error.isEmpty())
        std::abort(); // a refusal always says why
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    parse(text);
    const auto field = size % 2 ? ExpressionField::Location : ExpressionField::Value;
    parse(addRangeToExpression(text, QStringLiteral("end"), field).text);
    parse(addRangeToExpression(text, QStringLiteral("+length"), field).text);
    parse(addMaskToExpression(text, field).text);
    parse(addNotToExpression(text));
    return 0;
}
