#include "sync/synccntrlcorestable.h"

#include "sync/asyncabstractdatamodel.h"
#include "sync/syncdatamediator.h"

#include "frame/core/softcheck.h"
#include "system/lifetime.h"

SyncCntrlCoresTable::SyncCntrlCoresTable()
    : QObject(nullptr)
{
}

void SyncCntrlCoresTable::refresh()
{
    if (TESK_CHECK(model()))
        model()->mediator()->refresh();
}

void SyncCntrlCoresTable::setChecked(int row, int col, bool on)
{
    if (auto *matrix = dynamic_cast<ASyncModelMatrix *>(model()))
        matrix->setChecked(row, col, on);
}

bool SyncCntrlCoresTable::beginChange()
{
    if (!TESK_CHECK(model()))
        return false;
    model()->mediator()->setBlocked(true);
    return model()->prepareChange();
}

bool SyncCntrlCoresTable::endChange()
{
    if (!TESK_CHECK(model()))
        return false;
    // apply() answers false for a commit that throws, so the unblocking always follows.
    // Whatever the host closes while it takes the change goes once the call has returned.
    ASyncAbstractDataModel *changed = model();
    bool taken = false;
    tesk::lifetime::callHost(nullptr, [&] { taken = changed->apply(); });
    changed->mediator()->setBlocked(false);
    refresh();
    return taken;
}
