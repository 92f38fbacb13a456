#include "frame/inplaceedit.h"

namespace {
bool g_inPlaceEdit = false;
}

bool inPlaceEditActive()
{
    return g_inPlaceEdit;
}

void setInPlaceEditActive(bool active)
{
    g_inPlaceEdit = active;
}
