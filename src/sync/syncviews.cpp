#include "sync/syncviews.h"

#include "sync/asyncabstractdatamodel.h"
#include "sync/synccntrlcorestable.h"
#include "sync/synctables.h"
#include "system/lifetime.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace {

// Holds a flag set for as long as it lives, whichever way the scope ends.
class BusyGuard
{
public:
    explicit BusyGuard(bool &flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~BusyGuard() { m_flag = false; }
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;

private:
    bool &m_flag;
};

} // namespace

// --- SyncViewGeneric ---------------------------------------------------------------------------

SyncViewGeneric::~SyncViewGeneric()
{
    if (m_model) {
        m_model->detach(this);
        delete m_model;
    }
}

void SyncViewGeneric::setModel(ASyncAbstractDataModel *model)
{
    m_model = model;
    if (m_model)
        m_model->attach(this);
}

// --- SyncTableGeneric --------------------------------------------------------------------------

SyncTableGeneric::SyncTableGeneric(QWidget *parent, const char *name)
    : SyncTableBase(parent, name)
{
}

SyncTableGeneric::~SyncTableGeneric() = default;

void SyncTableGeneric::registerCheckItem(int row, int col, SyncTableCheckItem *item)
{
    m_columnByItem[item] = col;
    m_rowByItem[item] = row;
}

void SyncTableGeneric::setNumRows(int rows)
{
    SyncTableBase::setNumRows(rows);
    for (auto it = m_rowByItem.begin(); it != m_rowByItem.end();) {
        if (it->second >= rows) {
            m_columnByItem.erase(it->first);
            it = m_rowByItem.erase(it);
        } else {
            ++it;
        }
    }
}

QSize SyncTableGeneric::tableSizeHint() const
{
    QSize cells = tableSize();
    // A stretched column is as wide as the table happens to be, which for a page not shown yet
    // is the toolkit's default size: the table asks for what the column's texts need.
    for (int col = 0; col < numCols(); ++col) {
        if (isColumnStretchable(col) && !isColumnHidden(col))
            cells.rwidth() += neededWidth(col) - columnWidth(col);
    }
    const int frame = 2 * frameWidth();
    QSize hint(cells.width() + leftMargin() + frame, cells.height() + topMargin() + frame);
    // Taller than the screen allows, the table scrolls: the bar is put beside the columns.
    if (hint.height() > heightCap()) {
        hint.setHeight(heightCap());
        hint.rwidth() += verticalScrollBar()->sizeHint().width();
    }
    return hint;
}

int SyncTableGeneric::heightCap() const
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return std::numeric_limits<int>::max();
    // What the window holds besides the table (tabs, the pending mode, the buttons and the
    // frame) fits in the rest.
    return std::max(kMinimumCap, shownOn->availableGeometry().height() * 3 / 5);
}

int SyncTableGeneric::neededWidth(int col) const
{
    int need = horizontalHeader()->sectionSizeHint(col, fontMetrics()).width();
    for (int row = 0; row < numRows(); ++row) {
        if (const UTableItem *cell = item(row, col))
            need = std::max(need, cell->sizeHint().width());
    }
    return need;
}

void SyncTableGeneric::widenToTexts()
{
    // Measured, not fitted: a refill that changes nothing must not touch a column.
    for (int col = 0; col < numCols(); ++col) {
        if (isColumnHidden(col))
            continue;
        const int need = neededWidth(col);
        if (need > columnWidth(col))
            setColumnWidth(col, need);
    }
}

void SyncTableGeneric::followScreenCap()
{
    const QSize cells = tableSize();
    const bool capped = cells.height() + topMargin() + 2 * frameWidth() > heightCap();
    setVerticalScrollBarPolicy(capped ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

bool SyncTableGeneric::registeredCell(SyncTableCheckItem *item, int &row, int &col) const
{
    const auto rowIt = m_rowByItem.find(item);
    const auto colIt = m_columnByItem.find(item);
    if (rowIt == m_rowByItem.end() || colIt == m_columnByItem.end())
        return false;
    row = rowIt->second;
    col = colIt->second;
    return this->item(row, col) == item;
}

void SyncTableGeneric::slotCheckItemChanged(SyncTableCheckItem *item, int state)
{
    // The cells of a block changed here signal again: those calls end at once.
    if (m_busy)
        return;
    // The host may close the synchronisation window while it takes the change: the window
    // then goes once this slot has ended.
    const tesk::lifetime::Scope scope(window());
    BusyGuard busy(m_busy);
    SyncCntrlCoresTable *changes = controller();
    if (!changes)
        return;
    changes->beginChange();
    const bool on = state != 0;
    int row = -1;
    int col = -1;
    const int current = currentSelection();
    if (current == -1) {
        if (registeredCell(item, row, col))
            changes->setChecked(row, col, on);
    } else {
        const UTableSelection block = selection(current);
        for (int r = block.topRow(); r <= block.bottomRow(); ++r) {
            for (int c = block.leftCol(); c <= block.rightCol(); ++c) {
                UTableItem *cellItem = this->item(r, c);
                if (cellItem && cellItem != item)
                    setCellCheck(r, c, on ? Check : Uncheck);
                auto *checkItem = dynamic_cast<SyncTableCheckItem *>(this->item(r, c));
                if (checkItem && registeredCell(checkItem, row, col))
                    changes->setChecked(row, col, on);
            }
        }
    }
    // Commits and refills: the sending item may be gone afterwards.
    changes->endChange();
}

SyncTableCheckItem *SyncTableGeneric::ensureCheckItem(int row, int col, bool cream)
{
    if (auto *present = dynamic_cast<SyncTableCheckItem *>(item(row, col)))
        return present;
    auto *checkItem = new SyncTableCheckItem(this, QString(), cream);
    connect(checkItem, &SyncTableCheckItem::sigCheckChanged, this,
            &SyncTableGeneric::slotCheckItemChanged);
    setItem(row, col, checkItem);
    registerCheckItem(row, col, checkItem);
    return checkItem;
}

void SyncTableGeneric::followContentsSize(const QSize &before)
{
    widenToTexts();
    followScreenCap();
    if (contentsSizeHint() != before)
        refreshFont();
}

// The placeholder is looked up under the concrete table's class name; these are the tables that
// can stand empty.
[[maybe_unused]] constexpr const char *placeholderTexts[] = {
    QT_TRANSLATE_NOOP("SyncTableCores", " *** No Connected Items *** "),
    QT_TRANSLATE_NOOP("SyncTrigTable", " *** No Connected Items *** ")};

bool SyncTableGeneric::showPlaceholderWhenEmpty(int modelRows)
{
    if (modelRows > 0)
        return false;
    const QString placeholder =
        QCoreApplication::translate(metaObject()->className(), " *** No Connected Items *** ");
    if (numRows() == 1 && text(0, 0) == placeholder)
        return true;
    // The row may have been a core's: its picture and check cells go with it.
    setNumRows(0);
    setNumRows(1);
    setText(0, 0, placeholder);
    return true;
}

ASyncModelMatrix *SyncTableGeneric::matrix() const
{
    return dynamic_cast<ASyncModelMatrix *>(model());
}

void SyncTableGeneric::initFromModel()
{
    ASyncModelMatrix *rows = matrix();
    init(rows ? rows->rowCount() : 0, rows ? rows->columnCount() : 0);
    setReadOnly(true);
    // The table is as large as its cells: a scroll bar shown during an early, smaller layout
    // would otherwise take room from the cells and keep itself needed.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void SyncTableGeneric::finishSetup(int currentRow, int currentCol)
{
    for (int row = 0; row < numRows(); ++row)
        adjustRow(row);
    setSelectionMode(Single);
    setCurrentCell(currentRow, currentCol);
    followScreenCap();
}

void SyncTableGeneric::setHeaderLabels(const QStringList &labels, const QList<int> &widths)
{
    UHeader *top = horizontalHeader();
    for (int col = 0; col < labels.size() && col < numCols(); ++col) {
        top->setLabel(col, labels.at(col));
        if (col < widths.size() && widths.at(col) > 0)
            setColumnWidth(col, widths.at(col));
    }
}

void SyncTableGeneric::hideLeftHeader()
{
    verticalHeader()->hide();
    setLeftMargin(0);
}

void SyncTableGeneric::fillCoreLabels(int rows)
{
    ASyncModelMatrix *cores = matrix();
    for (int row = 0; row < rows; ++row) {
        setText(row, 0, QString::fromStdString(cores->getLabel(row)));
        setPixmap(row, 0, coreIcon());
    }
}

void SyncTableGeneric::fillEventTable()
{
    ASyncModelMatrix *events = matrix();
    if (!events)
        return;
    const QSize before = contentsSizeHint();
    const int last = numCols() - 1;
    for (int row = 0; row < numRows(); ++row) {
        for (int col = 1; col < last; ++col)
            ensureCheckItem(row, col, col % 2 == 1)->setChecked(events->isChecked(row, col));
        setText(row, last, QString::fromStdString(events->getComment(row)));
    }
    setEnabled(events->isActive());
    clearSelection();
    followContentsSize(before);
}
