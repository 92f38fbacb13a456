#include "dialogs/sourcesearchpathdlgbase.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

QPushButton *namedButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// A page: the list above a row of "New" and "Delete" pushed to the right.
QWidget *listPage(QTabWidget *tabs, const char *name, QWidget *list, QPushButton *&newButton,
                  const char *newName, QPushButton *&deleteButton, const char *deleteName)
{
    auto *page = new QWidget(tabs);
    page->setObjectName(QLatin1String(name));
    list->setParent(page);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(11, 11, 11, 11);
    pageLayout->setSpacing(6);
    auto *column = new QVBoxLayout;
    column->setSpacing(6);
    column->addWidget(list);
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->addItem(new QSpacerItem(190, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    newButton = namedButton(page, newName);
    row->addWidget(newButton);
    deleteButton = namedButton(page, deleteName);
    row->addWidget(deleteButton);
    column->addLayout(row);
    pageLayout->addLayout(column);
    return page;
}

QListWidget *pathList(const char *name)
{
    auto *list = new QListWidget;
    list->setObjectName(QLatin1String(name));
    return list;
}

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

// Sorted by "Original" from the start: an entry's index is its row in the current order.
QTreeWidget *mappingList(const char *name)
{
    auto *list = new QTreeWidget;
    list->setItemDelegate(new ItemMarginDelegate(list));
    list->setObjectName(QLatin1String(name));
    list->setColumnCount(2);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(true);
    list->sortByColumn(0, Qt::AscendingOrder);
    // Both paths get room to begin with; the user may move the divider.
    list->setColumnWidth(0, 200);
    return list;
}

} // namespace

SourceSearchPathDlgBase::SourceSearchPathDlgBase(QWidget *parent, const char *name, bool modal,
                                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("SourceSearchPathDlgBase"));
    setModal(modal);
    setSizeGripEnabled(true);
    SourceSearchPathDlgBaseLayout = new QVBoxLayout(this);
    SourceSearchPathDlgBaseLayout->setObjectName(QStringLiteral("SourceSearchPathDlgBaseLayout"));
    SourceSearchPathDlgBaseLayout->setContentsMargins(11, 11, 11, 11);
    SourceSearchPathDlgBaseLayout->setSpacing(6);

    tabWidget = new QTabWidget(this);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    // Every page's tab stays in sight: the dialog widens to them rather than scroll them.
    tabWidget->setUsesScrollButtons(false);
    sourcesearchpathLB = pathList("sourcesearchpathLB");
    Widget8 = listPage(tabWidget, "Widget8", sourcesearchpathLB, ssmodifyPB, "ssmodifyPB",
                       delSourceSerachPB, "delSourceSerachPB");
    tabWidget->addTab(Widget8, QString());
    objectsearchpathLB = pathList("objectsearchpathLB");
    TabPage = listPage(tabWidget, "TabPage", objectsearchpathLB, osmodifyPB, "osmodifyPB",
                       delObjectSerachPB, "delObjectSerachPB");
    tabWidget->addTab(TabPage, QString());
    sourcemappingLV = mappingList("sourcemappingLV");
    Widget9 = listPage(tabWidget, "Widget9", sourcemappingLV, smmodifyPB, "smmodifyPB",
                       sourceMappingDelPB, "sourceMappingDelPB");
    tabWidget->addTab(Widget9, QString());
    objectmappingLV = mappingList("objectmappingLV");
    TabPage_2 = listPage(tabWidget, "TabPage_2", objectmappingLV, ommodifyPB, "ommodifyPB",
                         objectMappingDelPB, "objectMappingDelPB");
    tabWidget->addTab(TabPage_2, QString());
    SourceSearchPathDlgBaseLayout->addWidget(tabWidget);

    layout1 = new QHBoxLayout;
    layout1->setObjectName(QStringLiteral("layout1"));
    layout1->setSpacing(6);
    layout1->addItem(new QSpacerItem(50, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    buttonOk = namedButton(this, "buttonOk");
    buttonOk->setAutoDefault(true);
    buttonOk->setDefault(true);
    layout1->addWidget(buttonOk);
    buttonCancel = namedButton(this, "buttonCancel");
    buttonCancel->setAutoDefault(true);
    layout1->addWidget(buttonCancel);
    buttonHelp = namedButton(this, "buttonHelp");
    buttonHelp->setAutoDefault(true);
    layout1->addWidget(buttonHelp);
    SourceSearchPathDlgBaseLayout->addLayout(layout1);

    languageChange();
    resize(QSize(456, 449).expandedTo(minimumSizeHint()));

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

    QWidget *const focusOrder[] = {
        tabWidget,          sourcesearchpathLB, ssmodifyPB,        delSourceSerachPB,
        objectsearchpathLB, osmodifyPB,         delObjectSerachPB, sourcemappingLV,
        smmodifyPB,         sourceMappingDelPB, objectmappingLV,   ommodifyPB,
        objectMappingDelPB, buttonOk,           buttonCancel,      buttonHelp};
    for (size_t i = 1; i < std::size(focusOrder); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
}

void SourceSearchPathDlgBase::languageChange()
{
    setWindowTitle(tr("Source Search and Mappings"));
    tabWidget->setTabText(0, tr("Source Search Path"));
    tabWidget->setTabText(1, tr("Object Search Path"));
    tabWidget->setTabText(2, tr("Source Mapping"));
    tabWidget->setTabText(3, tr("Object Mapping"));
    for (QPushButton *button : {ssmodifyPB, osmodifyPB, smmodifyPB, ommodifyPB})
        button->setText(tr("New"));
    for (QPushButton *button :
         {delSourceSerachPB, delObjectSerachPB, sourceMappingDelPB, objectMappingDelPB})
        button->setText(tr("Delete"));
    for (QTreeWidget *list : {sourcemappingLV, objectmappingLV})
        list->setHeaderLabels({tr("Original"), tr("Mapped")});
    buttonOk->setText(tr("OK"));
    buttonOk->setShortcut(QKeySequence());
    buttonCancel->setText(tr("Cancel"));
    buttonCancel->setShortcut(QKeySequence());
    buttonHelp->setText(tr("Help"));
    buttonHelp->setShortcut(QKeySequence());
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
