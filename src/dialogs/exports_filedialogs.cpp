// File and directory questions, Load Image and Load Binary.
#include <QCoreApplication>
#include <tesk/tesk_filedialogs.h>
#include <tesk/tesk_registry.h>

#include "dialogs/dialogtext.h"
#include "dialogs/filequestions.h"
#include "dialogs/ksodialogs_common.h"
#include "dialogs/loaddialogs.h"
#include "frame/core/cuidebuginfo.h"
#include "frame/core/cuifunctionregistry.h"
#include "frame/core/cuihandles.h"
#include "frame/core/cuitextutils.h"
#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/core/services.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QDir>

using namespace tesk::dialogs;

namespace {

// Null for null; a name or filter is read no further than any host text.
QString latin1OrNull(const char *text)
{
    return tesk::core::hostText(text);
}

// A host function of the load command, found before any dialog opens: a missing one is said in
// a box and nothing is asked.
CuiHostEntryFn loadCommandFunction(QWidget *parent, const char *name)
{
    if (auto fn =
            CuiFunctionRegistry::instance()->function<CuiHostEntryFn>(QString::fromLatin1(name)))
        return fn;
    tesk::system::ModalSeam::messageBox(
        parent, QMessageBox::Critical, QCoreApplication::translate("CuiFileDlg", "Critical Error"),
        QCoreApplication::translate("CuiFileDlg",
                                    "The entry point for the '%1' interface could not be found.")
            .arg(QLatin1String(name)),
        QMessageBox::Ok, QMessageBox::Ok);
    return nullptr;
}

} // namespace

int CuiSimpleFileExtraMultipleEx(TeskHandle parent, const char *caption, const char **result,
                                 const char *filter, const char *startDirectory, int32_t multiple,
                                 int32_t helpId, int32_t save)
{
    return TESK_GUARDED(1, [&] {
        if (!result || CuiDebugInfo::promptsSuppressed() || !tesk::applicationExists())
            return 1;
        const int mode = multiple == 1 ? tesk::core::OpenFiles
                         : save == 1   ? tesk::core::SaveFile
                                       : tesk::core::OpenOneFile;
        QString name;
        QStringList names;
        if (!runFileDialog(dialogParent(parent), dialogLineLatin1(caption), latin1OrNull(filter),
                           latin1OrNull(startDirectory), mode, helpId, name, names))
            return 1;
        // The answer goes to the one result buffer hosts know: a later answer replaces it in
        // place, and it is never freed, so a pointer the host kept stays readable.
        const int stored = mode == tesk::core::OpenFiles ? joinSelectedFiles(names, g_Filename)
                                                         : storeSelectedFile(name, g_Filename);
        if (stored != 0)
            return 1;
        *result = g_Filename;
        return 0;
    });
}

int CuiSimpleDir(TeskHandle parent, const char *caption, const char *startDirectory,
                 uint32_t bufferSize, char *buffer)
{
    return TESK_GUARDED(1, [&] {
        if (CuiDebugInfo::promptsSuppressed() || !tesk::applicationExists())
            return 1;
        if (!buffer || bufferSize == 0)
            return -1;
        const QString chosen = chooseExistingDirectory(
            latin1OrNull(startDirectory), dialogParent(parent), QStringLiteral("CuiSimpleDir"),
            dialogLineLatin1(caption), true, true);
        if (chosen.isEmpty())
            return 1;
        return copyIfFits(QDir::toNativeSeparators(chosen).toUtf8(), buffer, bufferSize) ? 0 : -1;
    });
}

int CuiLoadImage(TeskHandle, const char *caption, uint32_t fileNameSize, char *fileName,
                 const char *filter, const char *startDirectory, int32_t helpId,
                 int32_t *symbolsOnly, int32_t *replaceExisting, int32_t *pcMode,
                 uint32_t sectionsSize, char *sections, uint32_t argumentsSize, char *arguments,
                 uint32_t offsetSize, char *offset)
{
    return TESK_GUARDED(-1, [&] {
        if (!fileName || fileNameSize == 0 || !tesk::applicationExists())
            return -1;
        int flags[3] = {0, 1, tesk::system::kPcAutoSet}; // symbols only, replace, PC mode
        fileName[0] = '\0';
        QString texts[3]; // sections, arguments, offset
        tesk::system::NativeLoadImageRequest request;
        request.filter = makeDialogFilterFromText(filter);
        request.startDir = startDirectory ? latin1OrNull(startDirectory) : fileDialogLastDir();
        request.parent = tesk::core::frameServices().currentMainWindow();
        request.caption = dialogLineLatin1(caption);
        request.helpId = helpId;
        request.symbolsOnly = &flags[0];
        request.replaceExisting = &flags[1];
        request.pcMode = &flags[2];
        request.sections = &texts[0];
        request.arguments = &texts[1];
        request.offset = &texts[2];
        const QString chosen = runLoadImageDialog(request);
        int32_t *const flagTargets[3] = {symbolsOnly, replaceExisting, pcMode};
        for (int i = 0; i < 3; ++i) {
            if (flagTargets[i])
                *flagTargets[i] = flags[i];
        }
        if (chosen.isEmpty())
            return -1;
        if (!copyIfFits(QDir::toNativeSeparators(chosen).toUtf8(), fileName, fileNameSize))
            return -1;
        const struct
        {
            char *buffer;
            uint32_t size;
        } targets[3] = {{sections, sectionsSize}, {arguments, argumentsSize}, {offset, offsetSize}};
        for (int i = 0; i < 3; ++i) {
            if (!texts[i].isEmpty() &&
                !copyIfFits(texts[i].toUtf8(), targets[i].buffer, targets[i].size))
                return -1;
        }
        const qsizetype slash = chosen.lastIndexOf(QLatin1Char('/'));
        if (slash >= 0)
            setFileDialogLastDir(chosen.left(slash));
        return 0;
    });
}

int CuiLoadBinary(TeskHandle parent, intptr_t context, const char *startDirectory, int32_t helpId,
                  const char *choices)
{
    return TESK_GUARDED(1, [&] {
        if (!tesk::applicationExists())
            return 1;
        QWidget *owner = dialogParent(parent);
        const CuiHostEntryFn gui = loadCommandFunction(owner, "gui");
        const CuiHostEntryFn addToMru =
            gui ? loadCommandFunction(owner, "addToLoadBinaryMRU") : nullptr;
        if (!addToMru)
            return 1;
        const QString startDir =
            startDirectory ? latin1OrNull(startDirectory) : fileDialogLastDir();
        const QString command =
            runLoadBinaryDialog(owner, startDir, helpId, dialogListLatin1(choices));
        if (command.isEmpty())
            return 1;
        const QByteArray text = command.toUtf8();
        const auto address = reinterpret_cast<intptr_t>(text.constData());
        tesk::lifetime::callHost(nullptr, [&] {
            gui(5, 0, address, nullptr, context);
            addToMru(0, 0, address, nullptr, 0);
        });
        return 0;
    });
}

TeskHandle CuiLoadMemoryDlgCreate(TeskHandle parent, const char *choices)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        if (!tesk::applicationExists())
            return TeskHandle(0);
        auto *dialog = new CuiLoadMemoryDlg(dialogParent(parent), "CuiLoadMemoryDlg");
        dialog->setChoices(dialogListLatin1(choices));
        return reinterpret_cast<TeskHandle>(tesk::handles::add(dialog));
    });
}

const char *CuiLoadMemoryDlgGetCommand(TeskHandle handle)
{
    return TESK_ON_LIVE(CuiLoadMemoryDlg, handle, static_cast<const char *>(nullptr),
                        [](CuiLoadMemoryDlg &d) { return d.commandText(); });
}

void CuiLoadMemoryDlgDestroy(TeskHandle handle)
{
    TESK_ON_LIVE_VOID(CuiLoadMemoryDlg, handle,
                      [](CuiLoadMemoryDlg &d) { tesk::lifetime::destroy(&d); });
}
