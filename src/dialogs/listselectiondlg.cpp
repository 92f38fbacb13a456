#include "dialogs/listselectiondlg.h"

#include "dialogs/dialogframe.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

class ListSelectionDlgPrivate
{
public:
    bool helpIdGiven = false;
    int helpId = 0;
    CuiHelpFunction helpFunction = nullptr;
    // Rows of the last plain and the last check item: new ones go after them (-1: at the top).
    int lastPlainRow = -1;
    int lastCheckRow = -1;
    bool multiSelection = false;
    bool descriptionGiven = false;
    QString description;
    QString caption;
};

namespace {

// The entry without its marker, and whether the marker asks for it to be selected.
QString stripMarker(const QString &entry, bool &selected)
{
    selected = entry.startsWith(u'=');
    if (selected || entry.startsWith(u'-') || entry.startsWith(u'!'))
        return entry.mid(1);
    return entry;
}

QTreeWidgetItem *makeItem(const QString &text, bool checkable, bool checked)
{
    auto *item = new QTreeWidgetItem(QStringList(text));
    // The toolkit makes every item user-checkable; only a check list's are.
    item->setFlags(checkable ? item->flags() | Qt::ItemIsUserCheckable
                             : item->flags() & ~Qt::ItemIsUserCheckable);
    if (checkable)
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

ListSelectionDlg::ListSelectionDlg(QWidget *parent, const char *name, bool modal,
                                   Qt::WindowFlags flags)
    : ListSelectionDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
    , d(std::make_unique<ListSelectionDlgPrivate>())
{
    itemsLV->setSortingEnabled(false);
    itemsLV->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    itemsLV->header()->hide();
    itemsLV->setAllColumnsShowFocus(true);
    itemsLV->setUniformRowHeights(true);
}

ListSelectionDlg::~ListSelectionDlg() = default;

void ListSelectionDlg::setCaption(const QString &caption)
{
    d->caption = caption;
    setWindowTitle(caption);
}

void ListSelectionDlg::setDescription(const QString &text)
{
    d->description = text;
    d->descriptionGiven = true;
    textLBL->setText(text);
}

void ListSelectionDlg::setMultiSelection(bool on)
{
    d->multiSelection = on;
}

bool ListSelectionDlg::isMultiSelection() const
{
    return d->multiSelection;
}

void ListSelectionDlg::setHelpId(int id)
{
    d->helpId = id;
    d->helpIdGiven = true;
}

void ListSelectionDlg::setHelpFunction(CuiHelpFunction function)
{
    d->helpFunction = function;
}

void ListSelectionDlg::setItems(const QStringList &entries)
{
    const bool checkable = d->multiSelection;
    int &lastRow = checkable ? d->lastCheckRow : d->lastPlainRow;
    int &otherRow = checkable ? d->lastPlainRow : d->lastCheckRow;
    const int firstRow = lastRow + 1;

    QList<QTreeWidgetItem *> items;
    items.reserve(entries.size());
    int toSelect = -1;
    for (const QString &entry : entries) {
        bool selected = false;
        const QString text = stripMarker(entry, selected);
        if (selected && !checkable)
            toSelect = int(items.size());
        items.append(makeItem(text, checkable, selected));
    }
    // One insertion for all: the list view then lays out its rows once.
    itemsLV->insertTopLevelItems(firstRow, items);
    lastRow += int(items.size());
    if (otherRow >= firstRow)
        otherRow += int(items.size());
    if (toSelect >= 0)
        setCurrentIndex(firstRow + toSelect);
}

void ListSelectionDlg::addItem(const QString &text)
{
    if (d->multiSelection)
        return;
    itemsLV->insertTopLevelItem(++d->lastPlainRow, makeItem(text, false, false));
    if (d->lastCheckRow >= d->lastPlainRow)
        ++d->lastCheckRow;
}

QString ListSelectionDlg::currentText() const
{
    const QTreeWidgetItem *item = itemsLV->currentItem();
    return item ? item->text(0) : QString();
}

int ListSelectionDlg::currentIndex() const
{
    const QTreeWidgetItem *item = itemsLV->currentItem();
    return item ? itemsLV->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(item)) : -1;
}

void ListSelectionDlg::setCurrentIndex(int position)
{
    if (QTreeWidgetItem *item = itemsLV->topLevelItem(position))
        itemsLV->setCurrentItem(item);
}

void ListSelectionDlg::setItemSelected(int position, bool state)
{
    if (QTreeWidgetItem *item = itemsLV->topLevelItem(position))
        item->setSelected(state);
}

bool ListSelectionDlg::checkedPositions(QList<int> &positions) const
{
    bool any = false;
    const int count = itemsLV->topLevelItemCount();
    for (int row = 0; row < count; ++row) {
        const QTreeWidgetItem *item = itemsLV->topLevelItem(row);
        if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState(0) == Qt::Checked) {
            positions.append(row);
            any = true;
        }
    }
    return any;
}

void ListSelectionDlg::helpSlot()
{
    if (d->helpFunction && d->helpId != 0)
        d->helpFunction(d->helpId);
}

bool ListSelectionDlg::event(QEvent *event)
{
    const bool handled = ListSelectionDlgBase::event(event);
    if (event->type() == QEvent::Polish)
        polishDialog();
    return handled;
}

void ListSelectionDlg::polishDialog()
{
    if (!d->helpIdGiven || d->helpId == 0)
        helpPB->hide();
    fitColumn();
    languageChange();
    if (itemsLV->topLevelItemCount() == 0) {
        QTreeWidgetItem *empty = makeItem(tr("<Empty>"), d->multiSelection, false);
        empty->setFlags(empty->flags() & ~Qt::ItemIsEnabled);
        itemsLV->addTopLevelItem(empty);
        okPB->setEnabled(false);
    }
}

void ListSelectionDlg::languageChange()
{
    ListSelectionDlgBase::languageChange();
    if (d->descriptionGiven)
        textLBL->setText(d->description);
    else
        textLBL->setText(d->multiSelection ? tr("Select Items from List:")
                                           : tr("Select an Item from List:"));
    setWindowTitle(d->caption);
}

void ListSelectionDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        helpSlot();
        return;
    }
    ListSelectionDlgBase::keyPressEvent(event);
}

void ListSelectionDlg::resizeEvent(QResizeEvent *event)
{
    ListSelectionDlgBase::resizeEvent(event);
    fitColumn();
}

void ListSelectionDlg::fitColumn()
{
    itemsLV->setColumnWidth(0, itemsLV->viewport()->width());
}
