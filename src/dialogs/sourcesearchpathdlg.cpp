#include "dialogs/sourcesearchpathdlg.h"

#include "dialogs/dialogframe.h"
#include "dialogs/mappingentrydlg.h"
#include "system/modalseam.h"

#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>

#include <QPointer>

namespace {

using tesk::system::ModalSeam;

void addPath(QListWidget *list, const QString &path)
{
    list->addItem(QDir::toNativeSeparators(path));
}

QString pathAt(const QListWidget *list, int index)
{
    const QListWidgetItem *item = list->item(index);
    return item ? item->text() : QString();
}

void addMapping(QTreeWidget *list, const QString &original, const QString &mapped)
{
    // A sorted list places the new row at once, shown or not.
    list->addTopLevelItem(new QTreeWidgetItem(QStringList{original, mapped}));
}

QString mappingAt(const QTreeWidget *list, int index, int column)
{
    const QTreeWidgetItem *item = list->topLevelItem(index < 0 ? 0 : index);
    return item ? item->text(column) : QString();
}

void askPath(QWidget *dialog, QListWidget *list)
{
    const QString chosen = tesk::dialogs::askSearchDirectory(dialog);
    if (!chosen.isEmpty())
        addPath(list, chosen);
}

void deleteCurrentPath(QListWidget *list)
{
    delete list->currentItem();
}

void deleteSelectedMapping(QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    if (!selected.isEmpty())
        delete selected.first();
}

// Runs the mapping question over the given texts; the pair the user accepted, else nothing.
// The question is a child of the dialog: should the dialog be destroyed while the question
// waits, the question goes with it and nothing of the dialog may be touched any more.
bool askMapping(QWidget *dialog, const QString &original, const QString &mapped,
                QStringList &answer)
{
    QPointer<MappingEntryDlg> entry = new MappingEntryDlg(dialog, original, mapped);
    const ModalSeam::Result result = ModalSeam::run(entry, dialog);
    if (!result.alive || !entry)
        return false;
    const bool accepted = result.code != QDialog::Rejected;
    if (accepted)
        answer = {entry->original(), entry->mapped()};
    delete entry;
    return accepted;
}

void newMapping(QWidget *dialog, QTreeWidget *list)
{
    QStringList answer;
    if (askMapping(dialog, QString(), QString(), answer))
        addMapping(list, answer[0], answer[1]);
}

void editMapping(QWidget *dialog, QTreeWidget *list, QTreeWidgetItem *item)
{
    QStringList answer;
    if (!item || !askMapping(dialog, item->text(0), item->text(1), answer))
        return;
    // Taken out and added again, so the edited entry moves to its place in the sort order.
    delete item;
    addMapping(list, answer[0], answer[1]);
}

} // namespace

SourceSearchPathDlg::SourceSearchPathDlg(QWidget *parent, const char *name, bool modal,
                                         Qt::WindowFlags flags)
    : SourceSearchPathDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
{
}

void SourceSearchPathDlg::addSourceSearch(const QString &path)
{
    addPath(sourcesearchpathLB, path);
}

void SourceSearchPathDlg::addObjectSearch(const QString &path)
{
    addPath(objectsearchpathLB, path);
}

int SourceSearchPathDlg::sourceSearchCount() const
{
    return sourcesearchpathLB->count();
}

int SourceSearchPathDlg::objectSearchCount() const
{
    return objectsearchpathLB->count();
}

QString SourceSearchPathDlg::sourceSearchText(int index) const
{
    return pathAt(sourcesearchpathLB, index);
}

QString SourceSearchPathDlg::objectSearchText(int index) const
{
    return pathAt(objectsearchpathLB, index);
}

void SourceSearchPathDlg::addSourceMapping(const QString &original, const QString &mapped)
{
    addMapping(sourcemappingLV, original, mapped);
}

void SourceSearchPathDlg::addObjectMapping(const QString &original, const QString &mapped)
{
    addMapping(objectmappingLV, original, mapped);
}

int SourceSearchPathDlg::sourceMappingCount() const
{
    return sourcemappingLV->topLevelItemCount();
}

int SourceSearchPathDlg::objectMappingCount() const
{
    return objectmappingLV->topLevelItemCount();
}

QString SourceSearchPathDlg::sourceMappingOriginal(int index) const
{
    return mappingAt(sourcemappingLV, index, 0);
}

QString SourceSearchPathDlg::sourceMappingMapped(int index) const
{
    return mappingAt(sourcemappingLV, index, 1);
}

QString SourceSearchPathDlg::objectMappingOriginal(int index) const
{
    return mappingAt(objectmappingLV, index, 0);
}

QString SourceSearchPathDlg::objectMappingMapped(int index) const
{
    return mappingAt(objectmappingLV, index, 1);
}

void SourceSearchPathDlg::setHelpFunction(CuiHelpFunction function)
{
    m_helpFunction = function;
}

void SourceSearchPathDlg::setHelpId(int id)
{
    m_helpId = id;
}

void SourceSearchPathDlg::showFirstActive()
{
    if (sourceSearchCount() > 0)
        return;
    const int counts[] = {objectSearchCount(), sourceMappingCount(), objectMappingCount()};
    for (int page = 1; page <= 3; ++page) {
        if (counts[page - 1] > 0) {
            tabWidget->setCurrentIndex(page);
            return;
        }
    }
}

void SourceSearchPathDlg::helpSlot()
{
    if (m_helpFunction)
        m_helpFunction(m_helpId);
}

void SourceSearchPathDlg::modifySourceSearch()
{
    askPath(this, sourcesearchpathLB);
}

void SourceSearchPathDlg::modifyObjectSearch()
{
    askPath(this, objectsearchpathLB);
}

void SourceSearchPathDlg::deleteSourceSearch()
{
    deleteCurrentPath(sourcesearchpathLB);
}

void SourceSearchPathDlg::deleteObjectSearch()
{
    deleteCurrentPath(objectsearchpathLB);
}

void SourceSearchPathDlg::deleteSourceMapping()
{
    deleteSelectedMapping(sourcemappingLV);
}

void SourceSearchPathDlg::deleteObjectMapping()
{
    deleteSelectedMapping(objectmappingLV);
}

void SourceSearchPathDlg::newSourceMapping()
{
    newMapping(this, sourcemappingLV);
}

void SourceSearchPathDlg::newObjectMapping()
{
    newMapping(this, objectmappingLV);
}

void SourceSearchPathDlg::editSourceMapp(QTreeWidgetItem *item, int)
{
    editMapping(this, sourcemappingLV, item);
}

void SourceSearchPathDlg::editObjectMapp(QTreeWidgetItem *item, int)
{
    editMapping(this, objectmappingLV, item);
}

void SourceSearchPathDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        event->accept();
        helpSlot();
        return;
    }
    SourceSearchPathDlgBase::keyPressEvent(event);
}
