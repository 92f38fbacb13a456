#include "frame/currentmainwindow.h"

namespace tesk::frame {

namespace {
MainWindowProvider &provider()
{
    static MainWindowProvider p = nullptr;
    return p;
}
} // namespace

void setCurrentMainWindowProvider(MainWindowProvider p)
{
    provider() = p;
}

QWidget *currentMainWindow()
{
    return provider() ? provider()() : nullptr;
}

} // namespace tesk::frame
