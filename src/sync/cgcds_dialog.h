#pragma once

#include "sync/gcds_interfaces.h"
#include "sync/syncdlg.h"

#include <mosk/mosk.hpp>

#include <QPointer>

#include <cstdint>

// The broker component that opens, shows and closes the synchronisation window. Created once
// by registerSyncComponents and never deleted.
class CGcds_Dialog : public mosk::Object<mosk::EmptyMutex, mosk::Static>
{
public:
    using Face = mosk::Implements<CGcds_Dialog, IGcds_Dialog, GCDS_IID_DIALOG, 0, 0>;

    CGcds_Dialog();

    IGcds_Dialog *face() { return &m_face; }

    MoskResult QueryInterface(void **out, uint32_t id, uint32_t version) override;

    // Makes the window on freshly read data, hidden; true when it exists. False, and no
    // window, when the data cannot be read or there is no application to show it in.
    virtual bool open();
    // Nothing without a window.
    virtual bool show(bool on);
    // The window is deleted later and forgotten.
    virtual void close();

    SyncDlg *window() const { return m_window; }

private:
    static const IGcds_DialogOps s_ops;

    Face m_face;
    // Guarded: a window deleted otherwise (the application's end) is forgotten.
    QPointer<SyncDlg> m_window;
};
