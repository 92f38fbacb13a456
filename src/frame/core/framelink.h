#pragma once

#include <QFont>
#include <QMap>
#include <QString>

class QWidget;

// What the subsystems' dialogs need of the frame, whose windows and services they cannot
// include: the frame fills the link in when the library is loaded (frame/windows/framelinks.cpp).
// Without it (a test of one area) dialogs have no parent and the labels are untranslated.
namespace tesk::frame {

struct FrameLink
{
    QWidget *(*currentMainWindow)() = nullptr;
    // Raises or lowers the modal-dialog-shown mark of every main window.
    void (*setModalDialogShown)(bool shown) = nullptr;
    // Installs the catalogues of the current language and rebuilds the standard labels.
    void (*installTranslations)() = nullptr;
    const QMap<int, QString> &(*standardLabels)() = nullptr;
    // A new splash window of the picture name (the caller owns and shows it).
    QWidget *(*createSplash)(const char *imageName, const QString &installDir) = nullptr;
    // Expands the place prefixes ("$KSODEBUG_INSTALL" ...) of a file name.
    QString (*expandFileName)(const QString &name) = nullptr;
};

void setFrameLink(const FrameLink &link);

QWidget *currentMainWindow();
void setModalDialogShown(bool shown);
void installTranslations();
// The translated standard labels (button texts, captions, messages) by code.
QMap<int, QString> standardLabels();
// Null without the frame.
QWidget *createSplash(const char *imageName, const QString &installDir);

// The process-wide fixed-pitch value font, which the frame's visual settings keep; the
// system's fixed font until they fill the source in.
void setFixedFontSource(QFont (*source)());
QFont fixedFont();
// The file name with its place prefixes expanded; unchanged while no frame is linked.
QString expandFileName(const QString &name);

} // namespace tesk::frame
