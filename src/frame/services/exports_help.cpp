// Context help: help maps and help descriptions.
#include <QCoreApplication>
#include <tesk/tesk_help.h>

#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/services/cuihelpsystem.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "system/modalseam.h"

#include <cstring>

namespace {

using tesk::system::ModalSeam;

const char *const kLoadCaption = "Unable to Load the Help System";

void warn(const QString &caption, const QString &text)
{
    ModalSeam::messageBox(Store::currentMainWindow(), QMessageBox::Warning, caption, text,
                          QMessageBox::Ok, QMessageBox::Ok);
}

// The help system, or null after telling the user that there is none.
CuiHelpSystem *helpSystem()
{
    CuiHelpSystem *help = CuiHelpSystem::instance();
    if (!help) {
        warn(QString::fromLatin1(kLoadCaption),
             QCoreApplication::translate(
                 "CuiHelpSystem",
                 "Internal Error (help object could not be created)\n\nPlease report "
                 "this information to your\nhelp file vendor."));
    }
    return help;
}

int describe(int32_t *contextId, char **text, uint32_t bufferSize)
{
    CuiHelpSystem *help = helpSystem();
    if (!help)
        return TESK_HELPDESC_NOTHING;
    QWidget *parent = Store::currentMainWindow();
    // The description is read no further than the buffer the host says it has.
    const char *buffer = text ? *text : nullptr;
    const QString description =
        buffer ? QString::fromLatin1(buffer, qsizetype(strnlen(buffer, bufferSize))) : QString();
    if (!help->parseDescription(description)) {
        ModalSeam::messageBox(
            parent, QMessageBox::Information,
            QCoreApplication::translate("CuiHelpSystem", "Detailed Description"),
            QCoreApplication::translate("CuiHelpSystem",
                                        "No detailed description is available for this item."),
            QMessageBox::Ok, QMessageBox::Ok);
        return TESK_HELPDESC_NOTHING;
    }
    if (!help->topicIsText())
        return help->showTopic(parent) ? TESK_HELPDESC_SHOWN : TESK_HELPDESC_NOTHING;
    if (!help->locateHelpFile(parent))
        return TESK_HELPDESC_NOTHING;
    if (contextId)
        *contextId = help->contextId();
    const QByteArray path = help->topicText().toLatin1();
    if (!tesk::core::writeWhole(path, text ? *text : nullptr, qsizetype(bufferSize))) {
        warn(QString::fromLatin1(kLoadCaption),
             QCoreApplication::translate(
                 "CuiHelpSystem",
                 "Internal Error (caught filename buffer overrun)\n\nPlease report "
                 "this information to your\nhelp file vendor."));
        return TESK_HELPDESC_NOTHING;
    }
    return TESK_HELPDESC_FILE;
}

} // namespace

int QtRegisterHelp(const TeskHelpEntry *entries, int32_t mapId)
{
    return TESK_GUARDED(0, [&] {
        CuiHelpSystem *help = helpSystem();
        return help && help->registerMap(entries, mapId) ? 1 : 0;
    });
}

int QtDeregisterHelp(int32_t mapId)
{
    return TESK_GUARDED(0, [&] {
        CuiHelpSystem *help = CuiHelpSystem::instance();
        if (!help) {
            warn(QCoreApplication::translate("CuiHelpSystem", "Unable to Unload the Help System"),
                 QCoreApplication::translate(
                     "CuiHelpSystem",
                     "\n\nPlease report this information to your\nhelp file vendor."));
            return 0;
        }
        return help->removeMap(mapId) ? 1 : 0;
    });
}

int QtHelp(int32_t contextId, int32_t mapId)
{
    return TESK_GUARDED(0, [&] {
        if (!tesk::applicationExists())
            return 0;
        CuiHelpSystem *help = helpSystem();
        return help && help->showHelp(contextId, mapId, Store::currentMainWindow()) ? 1 : 0;
    });
}

int QtHelpDesc(int32_t *contextId, char **text, uint32_t bufferSize)
{
    return TESK_GUARDED(int(TESK_HELPDESC_NOTHING), [&] {
        if (!tesk::applicationExists())
            return int(TESK_HELPDESC_NOTHING);
        return describe(contextId, text, bufferSize);
    });
}
