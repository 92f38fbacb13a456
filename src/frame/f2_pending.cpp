#include "frame/f2_pending.h"

void cuiInstallTranslations() {}

QString CuiContextMenuMap::lookup(const QString &)
{
    return QString();
}

namespace tesk::frame {

void setCurrentMainWindowProvider(MainWindowProvider) {}

} // namespace tesk::frame
