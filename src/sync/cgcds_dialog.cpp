#include "sync/cgcds_dialog.h"

#include "sync/syncdatamediator.h"
#include "sync/syncdlg.h"

#include "frame/core/exportguard.h"
#include "system/lifetime.h"

#include <QApplication>

namespace {

CGcds_Dialog *self(void *face)
{
    return CGcds_Dialog::Face::outerOf(face);
}

// The host calls these from C: nothing may be thrown back at it.
namespace hostops {

int open(void *face, intptr_t)
{
    return tesk::guarded(
        __func__, 0, [&] { return self(face)->open() ? 1 : 0; }, tesk::Claim::Nothing);
}

int show(void *face, int on)
{
    return tesk::guarded(
        __func__, 0, [&] { return self(face)->show(on != 0) ? 1 : 0; }, tesk::Claim::Nothing);
}

void close(void *face)
{
    tesk::guarded(
        __func__, [&] { self(face)->close(); }, tesk::Claim::Nothing);
}

} // namespace hostops
} // namespace

const IGcds_DialogOps CGcds_Dialog::s_ops = {MOSK_FACE_BASE(Face), &hostops::open, &hostops::show,
                                             &hostops::close};

CGcds_Dialog::CGcds_Dialog()
    : m_face(this, &s_ops)
{
    enterInterface(MOSK_IID_BASE, 1, face());
}

MoskResult CGcds_Dialog::QueryInterface(void **out, uint32_t id, uint32_t version)
{
    // The base interface is handed out without a reference: the component is never deleted.
    if (out && id == MOSK_IID_BASE && version <= 1) {
        *out = face();
        return nullptr;
    }
    return Object::QueryInterface(out, id, version);
}

bool CGcds_Dialog::open()
{
    if (m_window)
        return true;
    // Widgets need the application, and a window needs a start: a host that asks before one or
    // between two gets no window.
    if (!tesk::started() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    SyncDataMediator *mediator = SyncDataMediator::instance();
    if (!mediator->syncWithHost())
        return false;
    auto *window = new SyncDlg(nullptr, "SynchronizationWindow", false);
    m_window = window;
    window->setup(mediator, this);
    return true;
}

bool CGcds_Dialog::show(bool on)
{
    if (m_window)
        m_window->showDialog(on);
    return true;
}

void CGcds_Dialog::close()
{
    if (SyncDlg *window = m_window) {
        m_window = nullptr;
        // Closed from inside one of the window's own calls, it is only marked (its callers
        // check it); otherwise it goes from the event loop, as it may be closing itself.
        tesk::lifetime::destroyLater(window);
    }
}
