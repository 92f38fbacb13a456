#include "symbols/breakpoints/breakpointhostface.h"

#include "frame/core/cuifunctionregistry.h"
#include "system/modalseam.h"

#include <tesk/tesk_registry.h>

#include <QCoreApplication>

#include <cstring>
#include <stdexcept>

namespace tesk::breakpoints {

namespace {

constexpr int kContextNameSize = 64;

CuiHostEntryFn entry(const char *name)
{
    return CuiFunctionRegistry::instance()->function<CuiHostEntryFn>(QString::fromLatin1(name));
}

CuiHostEntryFn requireEntry(const char *name, const char *message)
{
    CuiHostEntryFn fn = entry(name);
    if (!fn)
        throw std::runtime_error(message);
    return fn;
}

CuiHostEntryFn eeaccessEntry()
{
    return requireEntry("eeaccess",
                        "The entry point for the 'eeaccess' interface could not be found.");
}

CuiHostEntryFn guiEntry()
{
    return requireEntry("gui", "The entry point for the 'gui' interface could not be found.");
}

} // namespace

RegistryHostFace::RegistryHostFace(CuiBreakpointDlgHandler handler, TeskHandle dialog,
                                   intptr_t vdata, intptr_t windBox, QWidget *questionParent)
    : m_handler(handler)
    , m_dialog(dialog)
    , m_vdata(vdata)
    , m_windBox(windBox)
    , m_questionParent(questionParent)
{
}

CuiBreakpointDlgHandler RegistryHostFace::requireHandler() const
{
    if (!m_handler)
        throw std::runtime_error("The breakpoint dialog has no function handler.");
    return m_handler;
}

QString RegistryHostFace::contextName()
{
    const auto handler = requireHandler();
    char buffer[kContextNameSize] = {};
    handler(0, m_dialog, m_vdata, buffer, 0);
    return QString::fromUtf8(buffer, qsizetype(strnlen(buffer, sizeof buffer - 1)));
}

bool RegistryHostFace::checkExpression(const QString &expression)
{
    const auto handler = requireHandler();
    return handler(2, m_dialog, m_vdata, expression.toUtf8().constData(), 0) == 0;
}

bool RegistryHostFace::checkCondition(const QString &value, const QString &name)
{
    const auto handler = requireHandler();
    const QByteArray nameText = name.toUtf8();
    return handler(3, m_dialog, m_vdata, value.toUtf8().constData(),
                   reinterpret_cast<intptr_t>(nameText.constData())) == 0;
}

bool RegistryHostFace::hasEeaccess()
{
    return entry("eeaccess") != nullptr;
}

bool RegistryHostFace::hasGui()
{
    return entry("gui") != nullptr;
}

int RegistryHostFace::eeaccessCommand(const QString &command)
{
    return eeaccessEntry()(0, m_dialog, m_vdata, command.toUtf8().constData(), 0);
}

int RegistryHostFace::guiCommand(const QString &command)
{
    return guiEntry()(0, m_dialog, m_vdata, command.toUtf8().constData(), m_windBox);
}

void RegistryHostFace::recordHistory(int field, const QString &context, const QString &text)
{
    const QByteArray entered = text.toUtf8();
    guiEntry()(2, m_dialog, field, context.toUtf8().constData(),
               reinterpret_cast<intptr_t>(entered.constData()));
}

CuiHardwareCapabilitiesFn RegistryHostFace::capabilityQuery()
{
    return CuiFunctionRegistry::instance()->function<CuiHardwareCapabilitiesFn>(
        QStringLiteral("hardware_capabilities"));
}

RegistryHostFace::Answer RegistryHostFace::askReplace(const QString &question)
{
    const auto button = tesk::system::ModalSeam::messageBox(
        m_questionParent, QMessageBox::Question,
        QCoreApplication::translate("BreakpointDlg", "Breakpoint Changes"), question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

} // namespace tesk::breakpoints
