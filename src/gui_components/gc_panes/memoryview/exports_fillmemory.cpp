// The memory view's fill dialog, asked on the host's behalf.
#include <tesk/tesk_memorydialogs.h>

#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/core/services.h"
#include "gui_components/gc_panes/memory/bridgekso.h"
#include "gui_components/gc_panes/memoryview/viewmemorydialogs.h"
#include "system/modalseam.h"

#include <QLineEdit>

#include <algorithm>
#include <cstring>

namespace {

// The size the host's expression buffer is agreed to have, NUL included.
constexpr int kExpressionBufferSize = 256;

// Shown as the caller's numbers: an address that is not valid would be formatted as nothing.
std::string addressText(uint32_t target, uint32_t offset)
{
    UMemoryAddress address;
    address.setOffset(offset);
    address.setValid(true);
    return KGcp_Bridge_KSO::instance()->addressToText(int(target), address);
}

uint32_t evaluatedOffset(uint32_t target, const QString &text)
{
    const UMemoryAddress address =
        KGcp_Bridge_KSO::instance()->textToAddress(int(target), text.trimmed().toStdString());
    return address.isValid() ? address.offset() : 0;
}

int lengthValue(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 0);
    return ok ? value : 0;
}

void copyExpression(const QString &text, char *buffer)
{
    tesk::core::writeCut(text.toLatin1(), buffer, kExpressionBufferSize,
                         tesk::core::Encoding::Latin1);
}

} // namespace

int CuiFillMemoryDialog(void *, uint32_t &start, uint32_t &end, int &length, char *&expression,
                        int &endGiven, int &fillSize, uint32_t &target)
{
    return TESK_GUARDED(0, [&] {
        if (!tesk::applicationExists())
            return 0;
        // The host is asked before the dialog exists: it may close windows while it answers.
        const QString shownStart = QString::fromStdString(addressText(target, start));
        const QString shownEnd = QString::fromStdString(addressText(target, end));
        // On the heap: the host may close the main window, and the dialog with it, inside the
        // loop.
        tesk::system::Modal<KViewMemoryDialog_Fill> dialog(
            tesk::core::frameServices().currentMainWindow(), "Fill Memory", true);
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("lineeditExpression_")))
            edit->setMaxLength(kExpressionBufferSize - 1);
        // The target first: presetting the end evaluates both addresses for the length.
        dialog->targetId = int(target);
        dialog->setStartAddress(shownStart);
        dialog->setEndAddress(shownEnd);
        if (!dialog.run().accepted() || !dialog)
            return 0;
        // Every answer is read before the host is asked to evaluate one.
        const QString startText = dialog->startAddress();
        const QString endText = dialog->endAddress();
        const bool endSelected = dialog->isEndAddressSelected();
        const QString lengthText = dialog->length();
        const QString expressionText = dialog->expression();
        const int size = dialog->fillSize();
        const int chosenTarget = dialog->targetId;
        start = evaluatedOffset(target, startText);
        endGiven = endSelected ? 1 : 0;
        end = evaluatedOffset(target, endText);
        length = lengthValue(lengthText);
        copyExpression(expressionText, expression);
        fillSize = size;
        target = uint32_t(chosenTarget);
        return 1;
    });
}

int CuiFillMemoryDialogC(void *reserved, uint32_t *start, uint32_t *end, int *length,
                         char **expression, int *endGiven, int *fillSize, uint32_t *target)
{
    return TESK_GUARDED(0, [&] {
        if (!start || !end || !length || !endGiven || !fillSize || !target)
            return 0;
        char *noBuffer = nullptr;
        return CuiFillMemoryDialog(reserved, *start, *end, *length,
                                   expression ? *expression : noBuffer, *endGiven, *fillSize,
                                   *target);
    });
}
