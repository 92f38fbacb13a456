#include "symbols/funclistview.h"

namespace {

using Request = DataNavListBase::Request;

const FuncListView::MenuTables &tables()
{
    using L = FuncListView;
    static const L::MenuTables t{
        {
            {L::kDisasm, "disasm", QT_TRANSLATE_NOOP("QObject", "View Disassembly"),
             Request::Command, "dis "},
            {L::kSource, "source", QT_TRANSLATE_NOOP("QObject", "View Source"), Request::Command,
             "list "},
            {L::kBreak, "break", QT_TRANSLATE_NOOP("QObject", "Insert Breakpoint"),
             Request::Command, "binstr "},
            {L::kGoto, "goto", QT_TRANSLATE_NOOP("QObject", "Run To Here"), Request::Command,
             "go "},
            {L::kType, "type", QT_TRANSLATE_NOOP("QObject", "Print Type Information"),
             Request::Command, "printtype "},
            {L::kInfo, "info", QT_TRANSLATE_NOOP("QObject", "Print Full Information"),
             Request::Command, "cexpr "},
            {L::kSetPC, "setpc", QT_TRANSLATE_NOOP("QObject", "Set PC To Here"), Request::Command,
             "setreg @PC="},
            {L::kScope, "scope", "", Request::Command, "scope "},
        },
        {L::kDisasm, L::kSource, 0, L::kBreak, 0, L::kSetPC, L::kGoto, 0, L::kType, L::kInfo, 0},
        {
            {L::kTogglePublics, "toggle_publics", QT_TRANSLATE_NOOP("QObject", "Show Publics"),
             true},
            {L::kToggleStatics, "toggle_statics", QT_TRANSLATE_NOOP("QObject", "Show Statics"),
             true},
            {L::kToggleLabels, "toggle_labels", QT_TRANSLATE_NOOP("QObject", "Show Labels"), false},
            {L::kToggleLibSymbols, "toggle_lib_syms",
             QT_TRANSLATE_NOOP("QObject", "Show Library Symbols"), false},
        },
    };
    return t;
}

} // namespace

FuncListView::FuncListView(QWidget *parent)
    : DataNavListBase(new SymbolListModel, parent)
{
    setMenuTables(&tables());
    languageChange();
    setUpSymbolColumns();
    connect(this, &QAbstractItemView::doubleClicked, this, &FuncListView::slotDoubleClicked);
}

QString FuncListView::typeName() const
{
    return QStringLiteral("function");
}

bool FuncListView::symbolPath(QString &path) const
{
    return symbolRowPath(path);
}

bool FuncListView::showPublics() const
{
    return flag(kTogglePublics);
}

bool FuncListView::showStatics() const
{
    return flag(kToggleStatics);
}

bool FuncListView::showLabels() const
{
    return flag(kToggleLabels);
}

bool FuncListView::showLibSymbols() const
{
    return flag(kToggleLibSymbols);
}

void FuncListView::slotDoubleClicked(const QModelIndex &)
{
    if (ownerMode() == 0)
        runCommand(kDisasm);
}

void FuncListView::slotTogglePublics()
{
    namedAction(QStringLiteral("toggle_publics"));
}

void FuncListView::slotToggleStatics()
{
    namedAction(QStringLiteral("toggle_statics"));
}

void FuncListView::slotToggleLabels()
{
    namedAction(QStringLiteral("toggle_labels"));
}

void FuncListView::slotToggleLibSymbols()
{
    namedAction(QStringLiteral("toggle_lib_syms"));
}

void FuncListView::slotDisasm()
{
    runCommand(kDisasm);
}

void FuncListView::slotSource()
{
    runCommand(kSource);
}

void FuncListView::slotBreak()
{
    runCommand(kBreak);
}

void FuncListView::slotGoto()
{
    runCommand(kGoto);
}

void FuncListView::slotType()
{
    runCommand(kType);
}

void FuncListView::slotInfo()
{
    runCommand(kInfo);
}

void FuncListView::slotSetPC()
{
    runCommand(kSetPC);
}

void FuncListView::slotScope()
{
    runCommand(kScope);
}

void FuncListView::languageChange()
{
    setSymbolHeaders(QObject::tr("Function Name"));
}
