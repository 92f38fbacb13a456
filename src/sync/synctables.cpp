#include "sync/synctables.h"

#include "sync/asyncabstractdatamodel.h"
#include "sync/syncimages.h"

namespace {

const char *nameOr(const char *name, const char *className)
{
    return name ? name : className;
}

} // namespace

const QPixmap &coreIcon()
{
    static const QPixmap icon(tesk::sync::kCoreChipXpm);
    return icon;
}

// --- SyncTableCores ----------------------------------------------------------------------------

SyncTableCores::SyncTableCores(QWidget *parent, const char *name)
    : SyncTableGeneric(parent, nameOr(name, "SyncTableCores"))
{
}

void SyncTableCores::setupHeader()
{
    setHeaderLabels({tr("Core"), tr("Sync")}, {0, 60});
    hideLeftHeader();
}

void SyncTableCores::setupTable()
{
    initFromModel();
    setupHeader();
    fillTable();
    for (int col = 0; col < numCols() - 1; ++col)
        adjustColumn(col);
    horizontalHeader()->setResizeEnabled(false, 0);
    horizontalHeader()->setResizeEnabled(false, 1);
    finishSetup(1, 1);
}

void SyncTableCores::fillTable()
{
    ASyncModelMatrix *cores = matrix();
    if (!cores)
        return;
    const int rows = cores->rowCount();
    const int changesBefore = cellChanges();
    const int rowsBefore = numRows();
    if (rows > 0 && rows != numRows())
        setNumRows(rows);
    const QSize before = contentsSizeHint();
    fillCoreLabels(rows);
    for (int row = 0; row < rows; ++row) {
        for (int col = 1; col < numCols(); ++col)
            ensureCheckItem(row, col, col % 2 == 1)->setChecked(cores->isChecked(row, col));
    }
    showPlaceholderWhenEmpty(rows);
    clearSelection();
    // A row gone may have held the widest label.
    if (cellChanges() != changesBefore || numRows() != rowsBefore)
        adjustColumn(0);
    followContentsSize(before);
}

// --- the small tables --------------------------------------------------------------------------

SyncActionsTableSmall::SyncActionsTableSmall(QWidget *parent, const char *name)
    : SyncTableGeneric(parent, nameOr(name, "SyncActionsTableSmall"))
{
}

void SyncActionsTableSmall::setupTable()
{
    initFromModel();
    hideLeftHeader();
    setColumnReadOnly(0, true);
    setColumnReadOnly(2, true);
    const QStringList actions = {tr("Load Image"), tr("Unload Image"), tr("Reload Image"),
                                 tr("Restart"),    tr("Reset"),        tr("Set PC"),
                                 tr("Load Binary")};
    for (int row = 0; row < actions.size() && row < numRows(); ++row)
        setText(row, 0, actions.at(row));
    setHeaderLabels({tr("Actions"), tr("State"), tr("Description")}, {60, 60, 200});
    fillTable();
    adjustColumn(0);
    finishSetup(0, 1);
}

SyncExecTableSmall::SyncExecTableSmall(QWidget *parent, const char *name)
    : SyncTableGeneric(parent, nameOr(name, "SyncExecTableSmall"))
{
}

void SyncExecTableSmall::setupTable()
{
    initFromModel();
    hideLeftHeader();
    const QStringList commands = {tr("Step"), tr("Run"), tr("Stop")};
    for (int row = 0; row < commands.size() && row < numRows(); ++row)
        setText(row, 0, commands.at(row));
    setHeaderLabels({tr("Execution"), tr("State"), tr("Description")}, {60, 60, 200});
    fillTable();
    finishSetup(0, 1);
}

// --- SyncTrigTable -----------------------------------------------------------------------------

SyncTrigTable::SyncTrigTable(QWidget *parent, const char *name)
    : SyncTableGeneric(parent, nameOr(name, "SyncTrigTable"))
{
}

void SyncTrigTable::setupHeader()
{
    hideLeftHeader();
    setHeaderLabels({tr("Core"), tr("In"), tr("Out"), tr("HW In"), tr("HW Out"), tr("Description")},
                    {60, 60, 60, 60, 60, 40});
}

void SyncTrigTable::setupTable()
{
    initFromModel();
    setupHeader();
    fillTable();
    finishSetup(0, 1);
}

void SyncTrigTable::fillTable()
{
    ASyncModelMatrix *triggers = matrix();
    if (!triggers)
        return;
    const int rows = triggers->rowCount();
    const int changesBefore = cellChanges();
    const int rowsBefore = numRows();
    if (rows > 0 && rows != numRows())
        setNumRows(rows);
    const QSize before = contentsSizeHint();
    const int last = numCols() - 1;
    for (int row = 0; row < rows; ++row) {
        // In, Out, HW In, HW Out: the four trigger columns, whatever the column count.
        for (int col = 1; col <= 4; ++col) {
            SyncTableCheckItem *cell = ensureCheckItem(row, col, true);
            cell->setFlags(triggers->isEnabled(row, col) ? 0u : uint32_t(SyncTableItem::Locked));
            cell->setChecked(triggers->isChecked(row, col));
        }
        setText(row, last, QString::fromStdString(triggers->getComment(row)));
    }
    fillCoreLabels(rows);
    showPlaceholderWhenEmpty(rows);
    // A row gone may have held the widest label.
    if (cellChanges() != changesBefore || numRows() != rowsBefore)
        adjustColumn(0);
    followContentsSize(before);
}
