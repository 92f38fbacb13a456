#include "frame/core/cuidebuginfo.h"

#include <QStringList>
#include <QtGlobal>

#include <array>
#include <cstdint>

namespace {

struct CuiDebugInfoImpl
{
    bool initialised = false;
    bool promptsSuppressed = false;
    std::array<uint32_t, 26> masks{};

    void addToFlags(const QString &item);
    void readEnvironment();
};

CuiDebugInfoImpl &impl()
{
    static CuiDebugInfoImpl instance;
    return instance;
}

int letterIndex(QChar letter)
{
    const char16_t c = letter.toUpper().unicode();
    return (c >= u'A' && c <= u'Z') ? int(c - u'A') : -1;
}

void CuiDebugInfoImpl::addToFlags(const QString &item)
{
    if (item.size() < 3)
        return;
    const QChar first = item.at(0);
    if (first == u'+') {
        const int index = letterIndex(item.at(1));
        if (index < 0) {
            qWarning("CuiDebugInfoImpl::addToFlags - Array pos out of range\n");
            return;
        }
        bool ok = false;
        const uint bit = item.mid(2).toUInt(&ok, 10);
        if (ok)
            masks[index] |= 1u << (bit % 32);
    } else if (first == u'-') {
        // Accepted so that a trace can be written down and switched off in one place; it
        // leaves the flags as they are.
    } else {
        qWarning("Unknown first character in value: %s\n", qPrintable(QString(first)));
    }
}

void CuiDebugInfoImpl::readEnvironment()
{
    if (initialised)
        return;
    promptsSuppressed = qEnvironmentVariableIsSet("KSODEBUG_SUPPRESS_PROMPTS");
    if (qEnvironmentVariableIsSet("TESK_DEBUG")) {
        const QString value = qEnvironmentVariable("TESK_DEBUG").simplified();
        const QStringList items = value.split(u',', Qt::SkipEmptyParts);
        for (const QString &item : items)
            addToFlags(item.simplified());
    }
    initialised = true;
}

} // namespace

void CuiDebugInfo::initialise()
{
    impl().readEnvironment();
}

bool CuiDebugInfo::isSet(const QString &flag)
{
    if (flag.size() != 2) {
        qWarning("CuiDebugInfo::isSet - flags value is wrong length. Must be 2 bytes long.\n");
        return false;
    }
    const int index = letterIndex(flag.at(0));
    if (index < 0) {
        qWarning("CuiDebugInfo::isSet - Invalid flag character - %c\n", flag.at(0).toLatin1());
        return false;
    }
    initialise();
    const char16_t digit = flag.at(1).unicode();
    if (digit < u'0' || digit > u'9')
        return false;
    return impl().masks[index] & (1u << (digit - u'0'));
}

bool CuiDebugInfo::promptsSuppressed()
{
    initialise();
    return impl().promptsSuppressed;
}

void CuiDebugInfo::reset()
{
    impl() = CuiDebugInfoImpl();
}
