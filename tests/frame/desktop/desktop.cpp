#include "desktop.h"

#include "xdesktop.h"

namespace desktop {

namespace {

const QString g_fault = testhost::listingTests()
                            ? QString()
                            : testhost::startXDesktop(testhost::XDesktop::WithWindowManager);

} // namespace

QString fault()
{
    return g_fault;
}

} // namespace desktop
