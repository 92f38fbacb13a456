#include "symbols/breakpoints/breakpointhostface.h"

#include "symbols/breakpoints/hardwarecapabilities.h"

#include "frame/core/cuifunctionregistry.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <tesk/tesk_registry.h>

#include <QAbstractButton>
#include <QApplication>

#include <cstring>
#include <optional>
#include <stdexcept>
#include <type_traits>

namespace tesk::breakpoints {

namespace {

constexpr int kContextNameSize = CUI_BREAKPOINT_DLG_CONTEXT_SIZE;

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

template<typename Call>
auto RegistryHostFace::call(Call &&hostCall)
{
    const QObject *caller = m_questionParent;
    if (lifetime::doomed(caller))
        throw CallerEnded{};
    if constexpr (std::is_void_v<decltype(hostCall())>) {
        if (!lifetime::callHost(caller, std::forward<Call>(hostCall)))
            throw CallerEnded{};
    } else {
        decltype(hostCall()) result{};
        if (!lifetime::callHost(caller, [&] { result = std::forward<Call>(hostCall)(); }))
            throw CallerEnded{};
        return result;
    }
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
    call([&] { handler(0, m_dialog, m_vdata, buffer, 0); });
    return QString::fromUtf8(buffer, qsizetype(strnlen(buffer, sizeof buffer - 1)));
}

bool RegistryHostFace::checkExpression(const QString &expression)
{
    const auto handler = requireHandler();
    const QByteArray text = expression.toUtf8();
    return call([&] { return handler(2, m_dialog, m_vdata, text.constData(), 0); }) == 0;
}

bool RegistryHostFace::checkCondition(const QString &value, const QString &name)
{
    const auto handler = requireHandler();
    const QByteArray nameText = name.toUtf8();
    const QByteArray valueText = value.toUtf8();
    return call([&] {
               return handler(3, m_dialog, m_vdata, valueText.constData(),
                              reinterpret_cast<intptr_t>(nameText.constData()));
           }) == 0;
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
    const CuiHostEntryFn eeaccess = eeaccessEntry();
    const QByteArray text = command.toUtf8();
    return call([&] { return eeaccess(0, m_dialog, m_vdata, text.constData(), 0); });
}

int RegistryHostFace::guiCommand(const QString &command)
{
    const CuiHostEntryFn gui = guiEntry();
    const QByteArray text = command.toUtf8();
    return call([&] { return gui(0, m_dialog, m_vdata, text.constData(), m_windBox); });
}

void RegistryHostFace::recordHistory(int field, const QString &context, const QString &text)
{
    const CuiHostEntryFn gui = guiEntry();
    const QByteArray entered = text.toUtf8();
    const QByteArray contextText = context.toUtf8();
    call([&] {
        gui(2, m_dialog, field, contextText.constData(),
            reinterpret_cast<intptr_t>(entered.constData()));
    });
}

HardwareCapabilities RegistryHostFace::capabilities(intptr_t vdata, uint32_t type)
{
    // Two questions: the second is not put once the host ended the dialog during the first.
    std::optional<HardwareCapabilities> answer;
    call([&] {
        if (m_questionParent)
            answer.emplace(vdata, type, *m_questionParent);
        else
            answer.emplace(vdata, type);
    });
    return *answer;
}

RegistryHostFace::Answer RegistryHostFace::askReplace(const QString &question)
{
    if (lifetime::doomed(m_questionParent))
        throw CallerEnded{};
    // Without the toolkit application the box answers its default, as every box of the library.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return Answer::Yes;
    tesk::system::Modal<QMessageBox> box(
        QMessageBox::Question, QCoreApplication::translate("BreakpointDlg", "Breakpoint Changes"),
        question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_questionParent);
    box->setDefaultButton(QMessageBox::Yes);
    const auto result = box.run(m_questionParent, tesk::system::ModalSeam::Kind::MessageBox);
    if (!result.alive || !box)
        throw CallerEnded{};
    QAbstractButton *clicked = box->clickedButton();
    const auto button = clicked ? box->standardButton(clicked)
                                : static_cast<QMessageBox::StandardButton>(result.code);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

} // namespace tesk::breakpoints
