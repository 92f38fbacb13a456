#include "frame/core/framelink.h"

#include <QFontDatabase>

namespace tesk::frame {

namespace {
FrameLink &link()
{
    static FrameLink l;
    return l;
}

QFont (*&fixedFontSource())()
{
    static QFont (*source)() = nullptr;
    return source;
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

void setFixedFontSource(QFont (*source)())
{
    fixedFontSource() = source;
}

QFont fixedFont()
{
    return fixedFontSource() ? fixedFontSource()()
                             : QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QWidget *createSplash(const char *imageName, const QString &installDir)
{
    return link().createSplash ? link().createSplash(imageName, installDir) : nullptr;
}

QString expandFileName(const QString &name)
{
    return link().expandFileName ? link().expandFileName(name) : name;
}

} // namespace tesk::frame
