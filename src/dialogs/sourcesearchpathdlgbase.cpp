#include "dialogs/sourcesearchpathdlgbase.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace {

// Room around each entry's text, so that long paths stay apart from their neighbours.
constexpr int kItemMargin = 4;

class ItemMarginDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) +
               QSize(2 * kItemMargin, 2 * kItemMargin);
    }
};

} // namespace

SourceSearchPathDlgBase::SourceSearchPathDlgBase(QWidget *parent, const char *name, bool modal,
                                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setupUi(this);
    setModal(modal);
    for (QTreeWidget *list : {sourcemappingLV, objectmappingLV}) {
        // A delegate of our own is beyond what the form holds.
        list->setItemDelegate(new ItemMarginDelegate(list));
        // Sorted by "Original" from the start: an entry's index is its row in the current order.
        list->sortByColumn(0, Qt::AscendingOrder);
        // Both paths get room to begin with; the user may move the divider.
        list->setColumnWidth(0, 200);
    }
    // The form's size is where it starts; a longer translation may need more.
    resize(size().expandedTo(minimumSizeHint()));

    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ssmodifyPB, &QPushButton::clicked, this, &SourceSearchPathDlgBase::modifySourceSearch);
    connect(buttonHelp, &QPushButton::clicked, this, &SourceSearchPathDlgBase::helpSlot);
    connect(delSourceSerachPB, &QPushButton::clicked, this,
            &SourceSearchPathDlgBase::deleteSourceSearch);
    connect(objectMappingDelPB, &QPushButton::clicked, this,
            &SourceSearchPathDlgBase::deleteObjectMapping);
    connect(sourceMappingDelPB, &QPushButton::clicked, this,
            &SourceSearchPathDlgBase::deleteSourceMapping);
    connect(smmodifyPB, &QPushButton::clicked, this, &SourceSearchPathDlgBase::newSourceMapping);
    connect(ommodifyPB, &QPushButton::clicked, this, &SourceSearchPathDlgBase::newObjectMapping);
    connect(objectmappingLV, &QTreeWidget::itemDoubleClicked, this,
            &SourceSearchPathDlgBase::editObjectMapp);
    connect(sourcemappingLV, &QTreeWidget::itemDoubleClicked, this,
            &SourceSearchPathDlgBase::editSourceMapp);
    connect(osmodifyPB, &QPushButton::clicked, this, &SourceSearchPathDlgBase::modifyObjectSearch);
    connect(delObjectSerachPB, &QPushButton::clicked, this,
            &SourceSearchPathDlgBase::deleteObjectSearch);
}

void SourceSearchPathDlgBase::languageChange()
{
    retranslateUi(this);
}

#define TESK_FORM_SLOT(signature)                                                                  \
    qWarning("SourceSearchPathDlgBase::" signature ": Not implemented yet")

void SourceSearchPathDlgBase::helpSlot()
{
    TESK_FORM_SLOT("helpSlot()");
}

void SourceSearchPathDlgBase::modifySourceMapping()
{
    TESK_FORM_SLOT("modifySourceMapping()");
}

void SourceSearchPathDlgBase::modifySourceSearch()
{
    TESK_FORM_SLOT("modifySourceSearch()");
}

void SourceSearchPathDlgBase::modifyObjectMapping()
{
    TESK_FORM_SLOT("modifyObjectMapping()");
}

void SourceSearchPathDlgBase::deleteSourceSearch()
{
    TESK_FORM_SLOT("deleteSourceSearch()");
}

void SourceSearchPathDlgBase::deleteObjectMapping()
{
    TESK_FORM_SLOT("deleteObjectMapping()");
}

void SourceSearchPathDlgBase::deleteSourceMapping()
{
    TESK_FORM_SLOT("deleteSourceMapping()");
}

void SourceSearchPathDlgBase::newSourceMapping()
{
    TESK_FORM_SLOT("newSourceMapping()");
}

void SourceSearchPathDlgBase::newObjectMapping()
{
    TESK_FORM_SLOT("newObjectMapping()");
}

void SourceSearchPathDlgBase::editObjectMapp(QTreeWidgetItem *, int)
{
    TESK_FORM_SLOT("editObjectMapp(QTreeWidgetItem*,int)");
}

void SourceSearchPathDlgBase::editSourceMapp(QTreeWidgetItem *, int)
{
    TESK_FORM_SLOT("editSourceMapp(QTreeWidgetItem*,int)");
}

void SourceSearchPathDlgBase::keyPressSourceSearch(QListWidgetItem *, const QPoint &)
{
    TESK_FORM_SLOT("keyPressSourceSearch(QListWidgetItem*,const QPoint&)");
}

void SourceSearchPathDlgBase::keyPressSourceMapp(QTreeWidgetItem *, const QPoint &)
{
    TESK_FORM_SLOT("keyPressSourceMapp(QTreeWidgetItem*,const QPoint&)");
}

void SourceSearchPathDlgBase::keyPressObjectMapp(QTreeWidgetItem *, const QPoint &)
{
    TESK_FORM_SLOT("keyPressObjectMapp(QTreeWidgetItem*,const QPoint&)");
}

void SourceSearchPathDlgBase::deleteObjectSearch()
{
    TESK_FORM_SLOT("deleteObjectSearch()");
}

void SourceSearchPathDlgBase::modifyObjectSearch()
{
    TESK_FORM_SLOT("modifyObjectSearch()");
}
