#include "symbols/varlistview.h"

namespace {

using Request = DataNavListBase::Request;

const VarListView::MenuTables &tables()
{
    using L = VarListView;
    static const L::MenuTables t{
        {
            {L::kWatch, "watch", QT_TRANSLATE_NOOP("QObject", "Add Watch"), Request::Watch, ""},
            {L::kBreak, "break", QT_TRANSLATE_NOOP("QObject", "Create Breakpoint..."),
             Request::Break, ""},
            {L::kPrintHex, "print_hex", QT_TRANSLATE_NOOP("QObject", "Print Hex"), Request::Command,
             "print /h"},
            {L::kPrintDec, "print_dec", QT_TRANSLATE_NOOP("QObject", "Print Decimal"),
             Request::Command, "print "},
            {L::kPrintType, "printtype", QT_TRANSLATE_NOOP("QObject", "Print Type Information"),
             Request::Command, "printtype "},
            {L::kInfo, "info", QT_TRANSLATE_NOOP("QObject", "Print Full Information"),
             Request::Command, "printsym "},
        },
        {L::kWatch, 0, L::kBreak, 0, L::kPrintHex, L::kPrintDec, L::kPrintType, L::kInfo, 0},
        {
            {L::kTogglePublics, "toggle_publics", QT_TRANSLATE_NOOP("QObject", "Show Publics"),
             true},
            {L::kToggleStatics, "toggle_statics", QT_TRANSLATE_NOOP("QObject", "Show Statics"),
             true},
            {L::kToggleLabels, "toggle_labels", QT_TRANSLATE_NOOP("QObject", "Show Labels"), false},
            {L::kToggleLocals, "toggle_locals", QT_TRANSLATE_NOOP("QObject", "Show Locals"), false},
            {L::kToggleLibSymbols, "toggle_lib_syms",
             QT_TRANSLATE_NOOP("QObject", "Show Library Symbols"), false},
        },
    };
    return t;
}

} // namespace

VarListView::VarListView(QWidget *parent)
    : DataNavListBase(new SymbolListModel, parent)
{
    setMenuTables(&tables());
    languageChange();
    setUpSymbolColumns();
    connect(this, &QAbstractItemView::doubleClicked, this, &VarListView::slotDoubleClicked);
}

QString VarListView::typeName() const
{
    return QStringLiteral("variable");
}

bool VarListView::symbolPath(QString &path) const
{
    return symbolRowPath(path);
}

bool VarListView::showPublics() const
{
    return flag(kTogglePublics);
}

bool VarListView::showStatics() const
{
    return flag(kToggleStatics);
}

bool VarListView::showLabels() const
{
    return flag(kToggleLabels);
}

bool VarListView::showLocals() const
{
    return flag(kToggleLocals);
}

bool VarListView::showLibSymbols() const
{
    return flag(kToggleLibSymbols);
}

void VarListView::languageChange()
{
    setSymbolHeaders(QObject::tr("Variable Name"));
}

void VarListView::slotDoubleClicked(const QModelIndex &)
{
    if (ownerMode() == 0)
        runCommand(kPrintHex);
}

void VarListView::slotTogglePublics()
{
    namedAction(QStringLiteral("toggle_publics"));
}

void VarListView::slotToggleStatics()
{
    namedAction(QStringLiteral("toggle_statics"));
}

void VarListView::slotToggleLabels()
{
    namedAction(QStringLiteral("toggle_labels"));
}

void VarListView::slotToggleLocals()
{
    namedAction(QStringLiteral("toggle_locals"));
}

void VarListView::slotToggleLibSymbols()
{
    namedAction(QStringLiteral("toggle_lib_syms"));
}

void VarListView::slotPrint()
{
    runCommand(kPrintDec);
}

void VarListView::slotPrintHex()
{
    runCommand(kPrintHex);
}

void VarListView::slotWatch()
{
    runCommand(kWatch);
}

void VarListView::slotPrintType()
{
    runCommand(kPrintType);
}

void VarListView::slotInfo()
{
    runCommand(kInfo);
}

void VarListView::slotBreak()
{
    runCommand(kBreak);
}
