// The memory view's fill dialog, asked on the host's behalf.
#include <tesk/tesk_memorydialogs.h>

#include "frame/core/exportguard.h"
#include "frame/core/framelink.h"
#include "gui_components/gc_panes/memory/bridgekso.h"
#include "gui_components/gc_panes/memoryview/viewmemorydialogs.h"
#include "system/modalseam.h"

#include <QLineEdit>

#include <algorithm>
#include <cstring>
#include <memory>

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
    if (!buffer)
        return;
    const QByteArray bytes = text.toLatin1().left(kExpressionBufferSize - 1);
    std::memcpy(buffer, bytes.constData(), size_t(bytes.size()) + 1);
}

} // namespace

int CuiFillMemoryDialog(void *, uint32_t &start, uint32_t &end, int &length, char *&expression,
                        int &endGiven, int &fillSize, uint32_t &target)
{
    return TESK_GUARDED(0, [&] {
        if (!tesk::applicationExists())
            return 0;
        auto dialog = std::make_unique<KViewMemoryDialog_Fill>(tesk::frame::currentMainWindow(),
                                                               "Fill Memory", true);
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("lineeditExpression_")))
            edit->setMaxLength(kExpressionBufferSize - 1);
        dialog->setStartAddress(QString::fromStdString(addressText(target, start)));
        dialog->setEndAddress(QString::fromStdString(addressText(target, end)));
        dialog->targetId = int(target);
        if (tesk::system::ModalSeam::execDialog(dialog.get()) != QDialog::Accepted)
            return 0;
        start = evaluatedOffset(target, dialog->startAddress());
        endGiven = dialog->isEndAddressSelected() ? 1 : 0;
        end = evaluatedOffset(target, dialog->endAddress());
        length = lengthValue(dialog->length());
        copyExpression(dialog->expression(), expression);
        fillSize = dialog->fillSize();
        target = uint32_t(dialog->targetId);
        return 1;
    });
}
