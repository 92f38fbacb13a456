#include "frame/core/brokerguard.h"

#include "frame/core/exportguard.h"
#include "system/debugoutput.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <mutex>
#include <string>
#include <utility>

namespace tesk::broker {
namespace {

std::string descriptionOf(MoskError *error)
{
    MoskValue *value = error->ops->description(error);
    if (!value)
        return {};
    const char *text = nullptr;
    mosk::release(value->ops->getText(value, &text));
    std::string description = text ? text : "";
    value->ops->Release(value);
    return description;
}

class DescribedError final : public mosk::Object<mosk::EmptyMutex>
{
public:
    using Face = mosk::Implements<DescribedError, MoskError, MOSK_IID_ERROR, 0, 0>;

    DescribedError(uint32_t category, uint32_t code, std::string description)
        : m_face(this, &s_ops)
        , m_category(category)
        , m_code(code)
        , m_description(std::move(description))
    {
    }

    MoskError *face() { return &m_face; }

private:
    static DescribedError *self(void *face) { return Face::outerOf(face); }
    static uint32_t category(void *face) { return self(face)->m_category; }
    static uint32_t code(void *face) { return self(face)->m_code; }
    static MoskValue *description(void *face)
    {
        return moskValueCreate(self(face)->m_description.c_str());
    }

    static const MoskErrorOps s_ops;
    Face m_face;
    uint32_t m_category;
    uint32_t m_code;
    std::string m_description;
};

const MoskErrorOps DescribedError::s_ops = {MOSK_FACE_BASE(Face), &category, &code, &description};

} // namespace

void reportFailure(const char *operation, const char *what)
{
    tesk::system::debugOutput(std::string(operation) + ": " + what + "\n");
}

MoskResult describeFailure(MoskResult error, const std::string &what)
{
    if (!error)
        return nullptr;
    const std::string description = descriptionOf(error) + ": " + what;
    const uint32_t category = moskErrorCategory(error);
    const uint32_t code = moskErrorCode(error);
    mosk::release(error);
    tesk::system::debugOutput("moskInitialisePlugin: " + description + "\n");
    try {
        return (new DescribedError(category, code, description))->face();
    } catch (const std::bad_alloc &) {
        return moskErrorCreateStandardError(category, code);
    }
}

namespace {

// The operation's own name out of the guard's pretty name ("... [with ... Operation = X; ...]"
// or "...OnLibraryThread<&X>::call..."); the whole text where neither form is found.
std::string operationName(const std::string &pretty)
{
    const std::size_t assigned = pretty.find("Operation)(");
    if (assigned != std::string::npos) {
        const std::size_t begin = pretty.find(" = ", assigned);
        const std::size_t end = pretty.find_first_of(";]", begin);
        if (begin != std::string::npos && end != std::string::npos)
            return pretty.substr(begin + 3, end - begin - 3);
    }
    const std::size_t begin = pretty.find("<&");
    const std::size_t end = pretty.find(">::call");
    if (begin != std::string::npos && end != std::string::npos && end > begin)
        return pretty.substr(begin + 2, end - begin - 2);
    return pretty;
}

// Followed by the toolkit's weak pointer, not by a call of the library's own: the application
// may take the carrier with it after an unload at the process's end.
std::mutex g_carrierMutex;
QPointer<QObject> g_carrier;

} // namespace

bool refusedOffLibraryThread(const char *prettyName)
{
    if (tesk::isLibraryThread())
        return false;
    tesk::system::debugOutput(operationName(prettyName) +
                              ": called from a thread other than the one that started the "
                              "library; refused\n");
    return true;
}

MoskResult notifyOnLibraryThread(const char *operation, std::function<void()> notify)
{
    auto run = [operation](const std::function<void()> &body) {
        return guardedCall(operation, [&]() -> MoskResult {
            body();
            return nullptr;
        });
    };
    if (tesk::isLibraryThread())
        return run(notify);
    const std::lock_guard<std::mutex> lock(g_carrierMutex);
    if (!g_carrier) {
        tesk::system::debugOutput(std::string(operation) +
                                  ": called from a thread other than the library's outside a "
                                  "start; dropped\n");
        return nullptr;
    }
    QMetaObject::invokeMethod(
        g_carrier, [run, notify = std::move(notify)] { mosk::release(run(notify)); },
        Qt::QueuedConnection);
    return nullptr;
}

void makeCarrier()
{
    QCoreApplication *application = QCoreApplication::instance();
    const std::lock_guard<std::mutex> lock(g_carrierMutex);
    if (g_carrier || !application)
        return;
    // A child of the application, which ends it with what it still carries.
    g_carrier = new QObject(application);
}

void endCarrier()
{
    QObject *carrier = nullptr;
    {
        const std::lock_guard<std::mutex> lock(g_carrierMutex);
        carrier = g_carrier.data();
    }
    delete carrier;
}

} // namespace tesk::broker
