#include "frame/core/framelink.h"

namespace tesk::frame {

namespace {
FrameLink &link()
{
    static FrameLink l;
    return l;
}
} // namespace

void setFrameLink(const FrameLink &l)
{
    link() = l;
}

QWidget *currentMainWindow()
{
    return link().currentMainWindow ? link().currentMainWindow() : nullptr;
}

void setModalDialogShown(bool shown)
{
    if (link().setModalDialogShown)
        link().setModalDialogShown(shown);
}

void installTranslations()
{
    if (link().installTranslations)
        link().installTranslations();
}

QMap<int, QString> standardLabels()
{
    return link().standardLabels ? link().standardLabels() : QMap<int, QString>();
}

QString expandFileName(const QString &name)
{
    return link().expandFileName ? link().expandFileName(name) : name;
}

} // namespace tesk::frame
