#include "utilities/globalstrut.h"

namespace {

QSize &strut()
{
    static QSize s(0, 0);
    return s;
}

} // namespace

QSize cuiGlobalStrut()
{
    return strut();
}

void cuiSetGlobalStrut(const QSize &s)
{
    strut() = s.expandedTo(QSize(0, 0));
}
