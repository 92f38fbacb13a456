#include "symbols/datanav.h"

#include "frame/core/cuidebuginfo.h"
#include "frame/core/cuifunctionregistry.h"
#include "frame/core/cuitextutils.h"
#include "frame/core/services.h"
#include "symbols/datanavstate.h"
#include "symbols/funclistview.h"
#include "symbols/imagelistview.h"
#include "symbols/modlistview.h"
#include "symbols/symbolpattern.h"
#include "symbols/symtabdatasource.h"
#include "symbols/varlistview.h"
#include "system/modalseam.h"
#include "system/regularfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMutex>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextStream>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

using tesk::symbols::NavPatterns;

namespace {

enum HostCode { kHostCommand = 5, kHostWatch = 6, kHostBreak = 7 };
// The breakpoint text's buffer: the host may write a path of this size back.
constexpr qsizetype kBreakBufferSize = 1024;
constexpr int kStateVersion = 1;

// ---- wait cursor -------------------------------------------------------------------------

QMutex g_waitCursorMutex;
int g_waitCursorCount = 0;

bool waitCursorOn()
{
    QMutexLocker lock(&g_waitCursorMutex);
    if (++g_waitCursorCount != 1 || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return true;
}

bool waitCursorOff()
{
    QMutexLocker lock(&g_waitCursorMutex);
    if (g_waitCursorCount-- != 1 || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    QApplication::restoreOverrideCursor();
    return true;
}

// The wait cursor for a scope, put back however the scope is left.
class WaitCursor
{
public:
    WaitCursor() { waitCursorOn(); }
    ~WaitCursor() { waitCursorOff(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

const char *const kPageNames[] = {"unknown", "images", "modules", "functions", "variables"};
const char kDumpTags[] = {'?', 'I', 'M', 'F', 'V'};

} // namespace

// ---- key eater ---------------------------------------------------------------------------

bool KeyPressEater::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        emit returnPressed();
        return true;
    }
    if (key == Qt::Key_F2) {
        event->accept();
        emit F2Pressed();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// ---- private part ------------------------------------------------------------------------

class DataNavPrivate
{
public:
    QLabel *filterLabel = nullptr;
    QLineEdit *filterEdit = nullptr;
    QPushButton *filterButton = nullptr;
    QTabWidget *tabWidget = nullptr;
    QPointer<SymtabDataSource> dataSource;
    CuiDataNavHostFn handler = nullptr;
    TeskHandle vdata = 0;
    TeskHandle paneHandle = 0;
    QMap<QString, DataNavListState> listStates;
    int generation = 0;
    ImageListView *imageList = nullptr;
    ModListView *moduleList = nullptr;
    VarListView *variableList = nullptr;
    FuncListView *functionList = nullptr;
    QCheckBox *gotoToggle = nullptr;
    int mode = DataNav::PaneMode;
    int checkableItems = 0;
    bool updatesEnabled = true;
    KeyPressEater *keyEater = nullptr;
    int imageCount = -1;
    int moduleCount = -1;
    int functionCount = -1;
    int variableCount = -1;
    bool polished = false;
    // The source was asked for the symbols at least once: the first show need not ask again.
    bool populated = false;

    bool symbolOnly() const { return mode == DataNav::FunctionPickerMode; }

    DataNavListState *stateOf(QWidget *page)
    {
        for (DataNavListState &state : listStates) {
            if (state.list == page)
                return &state;
        }
        return nullptr;
    }

    DataNavListState *current()
    {
        return tabWidget ? stateOf(tabWidget->currentWidget()) : nullptr;
    }

    NavPatterns patterns() const
    {
        return tesk::symbols::readPatterns(filterEdit->text(), symbolOnly());
    }
};

// ---- construction ------------------------------------------------------------------------

DataNav::DataNav(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : AbstractPane(parent, name, flags)
    , d(std::make_unique<DataNavPrivate>())
{
}

DataNav::~DataNav()
{
    // The lists go with the widgets; their models let go of the source when it is destroyed.
    delete d->dataSource.data();
}

void DataNav::setMode(int mode)
{
    d->mode = mode;
}

int DataNav::mode() const
{
    return d->mode;
}

void DataNav::setCheckableItems(int checkable)
{
    d->checkableItems = checkable;
}

void DataNav::buildWidgets()
{
    if (d->tabWidget)
        return;
    d->generation = 0;
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(3, 3, 3, 3);
    box->setSpacing(3);
    auto *row = new QHBoxLayout;
    box->addLayout(row);
    d->tabWidget = new QTabWidget(this);
    box->addWidget(d->tabWidget);

    const bool f1 = CuiDebugInfo::isSet(QStringLiteral("F1"));
    if (!f1) {
        d->filterLabel = new QLabel(this);
        row->addWidget(d->filterLabel, 0);
    }
    d->filterEdit = new QLineEdit(this);
    d->filterEdit->setObjectName(QStringLiteral("global filter"));
    row->addWidget(d->filterEdit, 0);
    if (f1) {
        d->filterButton = new QPushButton(this);
        d->filterButton->setObjectName(QStringLiteral("applyFilterButton"));
        row->addWidget(d->filterButton, 0);
    }
    if (d->mode != FunctionPickerMode) {
        d->gotoToggle = new QCheckBox(this);
        d->gotoToggle->setObjectName(QStringLiteral("Goto Func Var Toggle"));
        row->addWidget(d->gotoToggle, 0);
    }

    d->keyEater = new KeyPressEater(this);
    d->filterEdit->installEventFilter(d->keyEater);
    connect(d->filterEdit, &QLineEdit::textChanged, this, &DataNav::slotFilterChanged);
    if (d->filterButton)
        connect(d->filterButton, &QPushButton::clicked, this, &DataNav::slotFilterChangedCR);
    connect(d->keyEater, &KeyPressEater::returnPressed, this, &DataNav::slotFilterChangedCR);
    connect(d->keyEater, &KeyPressEater::F2Pressed, this, &DataNav::slotShowStats);

    d->tabWidget->setTabPosition(QTabWidget::South);
    d->tabWidget->setTabShape(CuiDebugInfo::isSet(QStringLiteral("T1")) ? QTabWidget::Triangular
                                                                        : QTabWidget::Rounded);

    const auto addList = [this](DataNavListBase *list, const char *key,
                                DataNavListState::Kind kind) {
        list->setOwner(this);
        d->tabWidget->addTab(list, QString());
        d->listStates.insert(QLatin1String(key), {list, kind, d->generation, true});
    };
    if (d->mode != FunctionPickerMode) {
        d->imageList = new ImageListView;
        addList(d->imageList, "image", DataNavListState::Image);
        connect(d->imageList, &QAbstractItemView::doubleClicked, this, &DataNav::filterOnItem);
        connect(d->imageList, &QWidget::customContextMenuRequested, this, &DataNav::slotDoNothing);
        d->moduleList = new ModListView;
        addList(d->moduleList, "module", DataNavListState::Module);
        connect(d->moduleList, &QAbstractItemView::doubleClicked, this, &DataNav::filterOnItem);
        connect(d->moduleList, &DataNavListBase::doCommand, this, &DataNav::issueCommand);
    }
    d->functionList = new FuncListView;
    addList(d->functionList, "function", DataNavListState::Function);
    connect(d->functionList, &DataNavListBase::doCommand, this, &DataNav::issueCommand);
    connect(d->functionList, &DataNavListBase::updateContents, this, &DataNav::slotUpdateFunctions);
    if (d->checkableItems)
        d->functionList->listModel()->setCheckable(true);
    if (d->mode != FunctionPickerMode) {
        d->variableList = new VarListView;
        d->variableList->setObjectName(QStringLiteral("Variable List View"));
        addList(d->variableList, "variable", DataNavListState::Variable);
        connect(d->variableList, &DataNavListBase::doCommand, this, &DataNav::issueCommand);
        connect(d->variableList, &DataNavListBase::doBreak, this, &DataNav::setBreak);
        connect(d->variableList, &DataNavListBase::doWatch, this, &DataNav::setWatch);
        connect(d->variableList, &DataNavListBase::updateContents, this,
                &DataNav::slotUpdateVariables);
        if (d->checkableItems)
            d->variableList->listModel()->setCheckable(true);
    }
    connect(d->tabWidget, &QTabWidget::currentChanged, this, &DataNav::slotTabWidgetChanged);

    d->filterEdit->setText(d->symbolOnly() ? QStringLiteral("*") : QStringLiteral("*\\*\\*"));
    releaseSource();
    d->handler = nullptr;
    languageChange();
}

void DataNav::languageChange()
{
    if (d->filterLabel)
        d->filterLabel->setText(QObject::tr("Filter"));
    if (d->gotoToggle)
        d->gotoToggle->setText(QObject::tr("&Goto Variables"));
    if (d->filterButton)
        d->filterButton->setText(QObject::tr("&Filter"));
    const std::pair<QWidget *, const char *> labels[] = {
        {d->imageList, QT_TR_NOOP("Images")},
        {d->moduleList, QT_TR_NOOP("Modules")},
        {d->functionList, QT_TR_NOOP("Functions")},
        {d->variableList, QT_TR_NOOP("Variables")}};
    for (const auto &[list, label] : labels) {
        const int index = list ? d->tabWidget->indexOf(list) : -1;
        if (index >= 0)
            d->tabWidget->setTabText(index, tr(label));
    }
}

bool DataNav::event(QEvent *event)
{
    const bool handled = AbstractPane::event(event);
    if (event->type() == QEvent::Polish && !d->polished && d->tabWidget) {
        d->polished = true;
        if (d->populated || populate())
            updatePage();
    }
    return handled;
}

void DataNav::changeEvent(QEvent *event)
{
    AbstractPane::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && d->tabWidget)
        languageChange();
}

// ---- source, host word, handler ----------------------------------------------------------

void DataNav::setDataSource(SymtabDataSource *source)
{
    if (source == d->dataSource)
        return;
    delete d->dataSource.data();
    if (source) {
        if (auto *holder = qobject_cast<DataNav *>(source->parent()))
            holder->releaseSource();
        source->setParent(this);
    }
    d->dataSource = source;
}

void DataNav::releaseSource()
{
    if (d->dataSource && d->dataSource->parent() == this)
        d->dataSource->setParent(nullptr);
    d->dataSource = nullptr;
}

SymtabDataSource *DataNav::dataSource() const
{
    return d->dataSource;
}

void DataNav::setVdata(TeskHandle vdata)
{
    d->vdata = vdata;
}

TeskHandle DataNav::vdata() const
{
    return d->vdata;
}

void DataNav::setHandler(CuiDataNavHostFn handler)
{
    d->handler = handler;
}

void DataNav::setWindBox(TeskHandle handle)
{
    d->paneHandle = handle;
}

TeskHandle DataNav::windBox()
{
    return d->paneHandle;
}

// ---- populate, update, fill --------------------------------------------------------------

bool DataNav::populate()
{
    ensureSource();
    CallScope scope(this);
    QPointer<SymtabDataSource> source = d->dataSource;
    source->clear();
    if (source)
        source->update();
    // The host fills the source from inside update and may destroy the pane meanwhile.
    if (!scope.alive())
        return false;
    d->populated = true;
    d->imageCount = d->moduleCount = d->functionCount = d->variableCount = -1;
    // Clearing emptied the filled lists: whichever page is shown next must be refilled.
    markAllDirty();
    return true;
}

void DataNav::ensureSource()
{
    if (d->dataSource)
        return;
    setDataSource(new SymtabDataSource);
    d->dataSource->setVdata(d->vdata);
}

void DataNav::updatePage()
{
    ++d->generation;
    refreshPage();
}

void DataNav::slotTabWidgetChanged(int)
{
    refreshPage();
}

void DataNav::refreshPage()
{
    DataNavListState *state = d->current();
    if (!state)
        return;
    switch (state->kind) {
    case DataNavListState::Image:
        if (d->imageList->listModel()->rows() < 2)
            setFilterPart(0, QStringLiteral("*"));
        fill(*state);
        emit imagesSelected();
        break;
    case DataNavListState::Module:
        if (d->moduleList->listModel()->rows() < 2)
            setFilterPart(1, QStringLiteral("*"));
        fill(*state);
        emit modulesSelected();
        break;
    case DataNavListState::Variable:
        fill(*state);
        emit variablesSelected();
        break;
    case DataNavListState::Function:
        fill(*state);
        emit functionsSelected();
        break;
    }
}

void DataNav::fill(DataNavListState &state)
{
    if (!state.isStale(d->generation))
        return;
    ensureSource();
    WaitCursor wait;
    SymtabDataSource *source = d->dataSource;
    const NavPatterns p = d->patterns();
    switch (state.kind) {
    case DataNavListState::Image: {
        std::vector<SymImage *> images;
        source->searchImages(p.image, images);
        d->imageCount = int(images.size());
        d->imageList->images()->setImages(source, std::move(images));
        break;
    }
    case DataNavListState::Module: {
        std::vector<SymModule *> modules;
        source->searchModules(p.image, p.module, modules);
        d->moduleCount = int(modules.size());
        d->moduleList->modules()->setModules(source, std::move(modules));
        break;
    }
    case DataNavListState::Function:
    case DataNavListState::Variable: {
        SymbolQuery query;
        query.imagePattern = p.image;
        query.modulePattern = p.module;
        query.namePattern = p.symbol;
        std::vector<SymbolIndex> symbols;
        SymbolListModel *model = state.kind == DataNavListState::Function
                                     ? d->functionList->symbols()
                                     : d->variableList->symbols();
        // A list sorted by name takes the search's rows in that order, unsorted.
        query.byName = model->nameOrderWanted();
        query.nameOrder = model->sortOrder();
        if (state.kind == DataNavListState::Function) {
            query.showPublics = d->functionList->showPublics();
            query.showStatics = d->functionList->showStatics();
            query.showLabels = d->functionList->showLabels();
            query.showLibrarySymbols = d->functionList->showLibSymbols();
            source->searchFunctions(query, symbols);
            d->functionCount = int(symbols.size());
        } else {
            query.showPublics = d->variableList->showPublics();
            query.showStatics = d->variableList->showStatics();
            query.showLabels = d->variableList->showLabels();
            query.showLocals = d->variableList->showLocals();
            query.showLibrarySymbols = d->variableList->showLibSymbols();
            source->searchVariables(query, symbols);
            d->variableCount = int(symbols.size());
        }
        model->setSymbols(source, std::move(symbols), query.byName);
        break;
    }
    }
    // A pattern that does not compile lists nothing; the filter line says why.
    d->filterEdit->setToolTip(source->patternError());
    state.generation = d->generation;
    state.dirty = false;
    state.list->refreshContents();
}

// ---- filter line -------------------------------------------------------------------------

void DataNav::setFilterPart(int part, const QString &pattern)
{
    d->filterEdit->setText(
        tesk::symbols::withPattern(d->filterEdit->text(), d->symbolOnly(), part, pattern));
}

void DataNav::markAllDirty()
{
    for (DataNavListState &state : d->listStates)
        state.dirty = true;
}

void DataNav::slotFilterChanged()
{
    markAllDirty();
}

void DataNav::slotFilterChangedCR()
{
    markAllDirty();
    d->filterEdit->setText(tesk::symbols::writePatterns(d->patterns(), d->symbolOnly()));
    refreshPage();
}

void DataNav::setImageFilter(const QString &pattern)
{
    setFilterPart(0, pattern);
}

void DataNav::setModuleFilter(const QString &pattern)
{
    setFilterPart(1, pattern);
}

void DataNav::setVarFuncFilter(const QString &pattern)
{
    setFilterPart(2, pattern);
}

void DataNav::filterOnItem(const QModelIndex &index)
{
    DataNavListState *state = d->current();
    if (!state || !index.isValid())
        return;
    // The name is put in the filter as a pattern that matches it, whatever characters it holds.
    const QString name =
        tesk::symbols::SymbolPattern::literal(state->list->listModel()->text(index.row(), 0));
    if (state->kind == DataNavListState::Image) {
        setFilterPart(0, name);
        fill(*state);
        raiseModules();
    } else if (state->kind == DataNavListState::Module) {
        setFilterPart(1, name);
        fill(*state);
        if (d->gotoToggle && d->gotoToggle->isChecked())
            raiseVariables();
        else
            raiseFunctions();
    }
}

void DataNav::slotUpdateFunctions()
{
    if (DataNavListState *state = d->stateOf(d->functionList)) {
        state->dirty = true;
        fill(*state);
    }
}

void DataNav::slotUpdateVariables()
{
    if (DataNavListState *state = d->stateOf(d->variableList)) {
        state->dirty = true;
        fill(*state);
    }
}

void DataNav::slotShowStats()
{
    const QString text =
        QStringLiteral("<qt><table><tr><td>Images</td><td>%1</td></tr><tr><td>Modules</td><td>%2"
                       "</td></tr><tr><td>Functions</td><td>%3</td></tr><tr><td>Variables</td>"
                       "<td>%4</td></tr></table></qt>")
            .arg(d->imageCount)
            .arg(d->moduleCount)
            .arg(d->functionCount)
            .arg(d->variableCount);
    // The host may destroy the pane while the box is up: the box goes with it.
    tesk::system::Modal<QMessageBox> box(QMessageBox::Information, QObject::tr("Symbol Statistics"),
                                         text, QMessageBox::Ok, this);
    box->setDefaultButton(QMessageBox::Ok);
    box.run(this, tesk::system::ModalSeam::Kind::MessageBox);
}

void DataNav::slotDoNothing() {}

// ---- pages -------------------------------------------------------------------------------

void DataNav::raise(DataNavListBase *list)
{
    if (list && d->tabWidget)
        d->tabWidget->setCurrentWidget(list);
}

void DataNav::raiseImages()
{
    raise(d->imageList);
}

void DataNav::raiseModules()
{
    raise(d->moduleList);
}

void DataNav::raiseFunctions()
{
    raise(d->functionList);
}

void DataNav::raiseVariables()
{
    raise(d->variableList);
}

void DataNav::selectViewItem(const QString &name)
{
    DataNavListState *state = d->current();
    if (!state)
        return;
    const NavListModel *model = state->list->listModel();
    for (int row = 0; row < model->rows(); ++row) {
        if (model->text(row, 0) == name) {
            state->list->setCurrentIndex(model->index(row, 0));
            return;
        }
    }
}

bool DataNav::callHandler(const QString &listName, const QString &action)
{
    DataNavListBase *list = nullptr;
    if (listName == QLatin1String("modules"))
        list = d->moduleList;
    else if (listName == QLatin1String("functions"))
        list = d->functionList;
    else if (listName == QLatin1String("variables"))
        list = d->variableList;
    if (!list)
        return false;
    list->namedAction(action);
    return true;
}

bool DataNav::selectedSymbolPath(QString &path) const
{
    DataNavListState *state = d->current();
    return state && state->list->symbolPath(path);
}

QStringList DataNav::checkedFunctionPaths() const
{
    QStringList paths;
    if (d->mode != FunctionPickerMode || d->checkableItems != 1 || !d->functionList)
        return paths;
    const NavListModel *model = d->functionList->listModel();
    for (int row = 0; row < model->rows(); ++row) {
        if (model->isChecked(row))
            paths << DataNavListBase::pathOf(model->text(row, 4), model->text(row, 3),
                                             model->text(row, 0));
    }
    return paths;
}

// ---- dump --------------------------------------------------------------------------------

void DataNav::dumpCurrentView(const QString &file)
{
    dumpCurrentView(file, true);
}

void DataNav::dumpCurrentView(const QString &file, bool append)
{
    DataNavListState *state = d->current();
    if (!state)
        return;
    QString name = file;
    expandEnvironmentReference(name);
    QFile out;
    if (!tesk::system::openRegular(
            out, name, QIODevice::WriteOnly | (append ? QIODevice::Append : QIODevice::Truncate)))
        return;
    QTextStream stream(&out);
    stream << "Start Of Dump \n";
    const NavListModel *model = state->list->listModel();
    for (int row = 0; row < model->rows(); ++row) {
        stream << kDumpTags[state->kind];
        for (int column = 0; column < model->columnCount(); ++column)
            stream << ' ' << model->text(row, column);
        stream << '\n';
    }
    stream << "End Of Dump\n\n";
}

// ---- state text --------------------------------------------------------------------------

int DataNav::getPersistData(unsigned length, char *buffer)
{
    if (!buffer || length == 0)
        return 0;
    QString text = QStringLiteral(":%1:").arg(kStateVersion);
    if (d->gotoToggle)
        text +=
            QStringLiteral("global_var_toggle=%1:")
                .arg(d->gotoToggle->isChecked() ? QLatin1String("true") : QLatin1String("false"));
    const DataNavListState *state = d->current();
    text += QLatin1String("global_ontop=") + QLatin1String(kPageNames[state ? state->kind : 0]);
    text += QLatin1String(":global_filter=\"") + d->filterEdit->text() + QLatin1Char('"');
    for (DataNavListBase *list : std::initializer_list<DataNavListBase *>{
             d->imageList, d->moduleList, d->functionList, d->variableList}) {
        if (list)
            list->saveState(text);
    }
    std::memset(buffer, 0, length);
    copyToBuffer(text.toLatin1(), length, buffer);
    return 0;
}

void DataNav::setPersistData(const char *text)
{
    if (!text || !d->tabWidget)
        return;
    const auto entries = tesk::symbols::readStateText(QByteArray(text));
    if (!entries)
        return;
    static const QRegularExpression listKey(
        QStringLiteral("^(image|module|function|variable)_(.*)$"));
    for (const auto &[key, value] : *entries) {
        if (key == QLatin1String("global_var_toggle")) {
            if (d->gotoToggle)
                d->gotoToggle->setChecked(value == QLatin1String("true"));
        } else if (key == QLatin1String("global_ontop")) {
            DataNavListBase *const pages[] = {d->imageList, d->moduleList, d->functionList,
                                              d->variableList};
            const char *const names[] = {"images", "modules", "functions", "variables"};
            for (int i = 0; i < 4; ++i) {
                if (value == QLatin1String(names[i]))
                    raise(pages[i]);
            }
        } else if (key == QLatin1String("global_filter")) {
            d->filterEdit->setText(value);
        } else if (const QRegularExpressionMatch m = listKey.match(key); m.hasMatch()) {
            const auto found = d->listStates.constFind(m.captured(1));
            if (found != d->listStates.constEnd())
                found->list->restoreState(m.captured(2), value);
        }
    }
}

// ---- text commands -----------------------------------------------------------------------

void DataNav::processCommand(CuiPaneOutputFn output, void *outputContext,
                             const QStringList &arguments, QString &result)
{
    result.clear();
    // The words are the host's text: they go to its printer as values, never as its format.
    const auto report = [&](const QString &message) {
        if (output)
            output(outputContext, 0, "%s", message.toLatin1().constData());
    };
    if (arguments.isEmpty()) {
        report(QStringLiteral("Error: Empty function name passed to Symbols\n"));
        return;
    }
    const QString &command = arguments[0];
    const bool hasParameter = arguments.size() > 1;
    const auto needsParameter = [&]() {
        if (!hasParameter)
            report(QStringLiteral("Error: Parameter required for function '%1'\n").arg(command));
        return hasParameter;
    };
    const std::pair<const char *, void (DataNav::*)(const QString &)> filters[] = {
        {"setimagefilter", &DataNav::setImageFilter},
        {"setmodulefilter", &DataNav::setModuleFilter},
        {"setvarfuncfilter", &DataNav::setVarFuncFilter}};
    const std::pair<const char *, void (DataNav::*)()> pages[] = {
        {"raiseimagetab", &DataNav::raiseImages},
        {"raisemoduletab", &DataNav::raiseModules},
        {"raisefunctiontab", &DataNav::raiseFunctions},
        {"raisevariabletab", &DataNav::raiseVariables}};
    for (const auto &[name, set] : filters) {
        if (command == QLatin1String(name)) {
            if (needsParameter())
                (this->*set)(arguments[1]);
            return;
        }
    }
    for (const auto &[name, raisePage] : pages) {
        if (command == QLatin1String(name)) {
            (this->*raisePage)();
            return;
        }
    }
    if (command == QLatin1String("dumptab")) {
        if (needsParameter())
            dumpCurrentView(arguments[1],
                            arguments.size() > 2 && arguments[2] == QLatin1String("append"));
    } else if (command == QLatin1String("disableupdate")) {
        d->updatesEnabled = false;
    } else if (command == QLatin1String("enableupdate")) {
        d->updatesEnabled = true;
    } else {
        report(QStringLiteral("Unknown option '%1'").arg(command));
    }
}

// ---- debugger events ---------------------------------------------------------------------

void DataNav::eventGeneral(int argument)
{
    // The event carries only 32 bits: a host word that agrees in them is the one held, and
    // its upper half must not be lost.
    if (uint32_t(argument) != uint32_t(d->vdata)) {
        d->vdata = TeskHandle(argument);
        if (d->dataSource)
            d->dataSource->setVdata(d->vdata);
    }
    ++d->generation;
    if (!d->updatesEnabled || !d->tabWidget)
        return;
    {
        WaitCursor wait;
        if (!populate())
            return;
        updatePage();
    }
    refreshPage();
}

void DataNav::eventConnectionChanged(int connection)
{
    eventGeneral(connection);
}

// ---- host calls --------------------------------------------------------------------------

int DataNav::callHost(int code, QByteArray &text, TeskHandle word, TeskHandle extra)
{
    if (!d->handler)
        d->handler =
            CuiFunctionRegistry::instance()->function<CuiDataNavHostFn>(QStringLiteral("datanav"));
    if (!d->handler)
        return -1;
    // The host may destroy the pane from inside its answer: the caller then stops.
    const CuiDataNavHostFn handler = d->handler;
    const TeskHandle own = handle();
    int answer = -1;
    if (!tesk::lifetime::callHost(this,
                                  [&] { answer = handler(code, own, text.data(), word, extra); }))
        return -1;
    return answer;
}

void DataNav::issueCommand(const QString &text)
{
    QByteArray bytes = text.toLatin1();
    callHost(kHostCommand, bytes, d->vdata, d->paneHandle);
}

void DataNav::setWatch(const QString &text)
{
    QByteArray bytes = text.toLatin1();
    callHost(kHostWatch, bytes, 0, 0);
}

void DataNav::setBreak(const QString &text)
{
    // A path longer than the host's usual buffer still arrives whole.
    const QByteArray path = text.toLatin1();
    QByteArray buffer(std::max(kBreakBufferSize, path.size() + 1), '\0');
    std::memcpy(buffer.data(), path.constData(), size_t(path.size()));
    callHost(kHostBreak, buffer, 0, 0);
}

// ---- dock window -------------------------------------------------------------------------

void DataNav::appendDockMenuItems(QMenu *menu, bool withSeparator)
{
    tesk::core::frameServices().appendDockMenuItems(menu, withSeparator);
}

void DataNav::processPaneGenericOption(int id)
{
    tesk::core::frameServices().paneGenericOption(d->paneHandle, id);
}

void DataNav::closeSlot()
{
    tesk::core::frameServices().closePane(d->paneHandle);
}

void DataNav::hideSlot()
{
    tesk::core::frameServices().hidePane(d->paneHandle);
}

int DataNav::waitCursorCount()
{
    QMutexLocker lock(&g_waitCursorMutex);
    return g_waitCursorCount;
}
