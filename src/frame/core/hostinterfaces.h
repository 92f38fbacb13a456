#pragma once

#include <tesk/tesk_registry.h>

#include <QString>
#include <QStringList>

// The host's two general entry points, 'eeaccess' and 'gui', looked up in the function
// registry on first use. instance() throws std::runtime_error while either is missing.
class HostInterfaces
{
public:
    static HostInterfaces *instance();

    CuiHostEeaccessFn eeaccess() const { return m_eeaccess; }
    CuiHostGuiFn gui() const { return m_gui; }

    // Forgets the entry points so that the next instance() looks them up again (tests).
    static void reset();

private:
    HostInterfaces(CuiHostEeaccessFn eeaccess, CuiHostGuiFn gui)
        : m_eeaccess(eeaccess)
        , m_gui(gui)
    {
    }

    CuiHostEeaccessFn m_eeaccess;
    CuiHostGuiFn m_gui;
};

// True when the host's entry returned 0. Both throw what instance() throws.
bool hostEeaccessCall(intptr_t argument, const QString &text);
bool hostGuiCall(intptr_t argument, const QString &text, TeskHandle windowBox);

// Fills the list from entry 1 of the host table "eeaccessFuncs" (newline-separated text);
// false, with the list empty, when the table is missing or the host reports a failure.
bool eeaccessGetStringList(TeskHandle handle, QStringList &list);
