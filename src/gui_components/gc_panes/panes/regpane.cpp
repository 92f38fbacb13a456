#include "gui_components/gc_panes/panes/regpane.h"

#include "frame/core/cuihandles.h"
#include "frame/core/hosttext.h"
#include "frame/core/services.h"
#include "frame/core/softcheck.h"
#include "frame/core/tablemenu.h"
#include "frame/core/visualsettings.h"
#include "registers/regdata.h"
#include "registers/regdatasets.h"
#include "registers/regdataview.h"
#include "registers/regsettingsstore.h"
#include "registers/regview.h"
#include "system/regularfile.h"

#include <glyphon/glyphon.h>

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int IDH_HELP_FORMATTING = GLYPHON_HELP_FORMATTING;
constexpr int kHelpMap = 10;
// "Dock/Float"; "Hide" and "Close" follow.
constexpr int kDockFloat = 666;

// In creation order, the order of their handles: the first pane to show a data set stays the
// one that answers for it, wherever a later pane happens to be allocated.
std::vector<RegPane *> &livePanes()
{
    static std::vector<RegPane *> panes;
    return panes;
}

int nextStackNumber()
{
    static int counter = 0;
    return counter++;
}

int silentOutput(void *, int, const char *, ...)
{
    return 0;
}

} // namespace

RegPane::RegPane(CuiRegPaneHandlerFn handler, QWidget *parent)
    : AbstractPane(parent, "RegPane")
    , m_settings(std::make_unique<VisualSettings>(palette(), QApplication::font()))
    , m_menu(tesk::core::frameServices().makeTableMenu(RegView::kMenuTableKind))
    , m_handler(handler)
{
    if (m_menu)
        connect(m_menu.get(), &tesk::core::TableMenu::activated, this, &RegPane::slotMenuActivated);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("QWidgetStack_%1").arg(nextStackNumber()));
    layout->addWidget(m_stack, 0, 0);
    // One connection per pane, however many pages it builds; slotHelp lets only one pane act.
    connect(KMediator_Display::get_Instance(), &KMediator_Display::help, this, &RegPane::slotHelp,
            Qt::UniqueConnection);
    livePanes().push_back(this);
}

RegPane::~RegPane()
{
    auto &panes = livePanes();
    panes.erase(std::remove(panes.begin(), panes.end(), this), panes.end());
    for (auto &page : m_retired)
        deletePage(page.get());
    for (auto &entry : m_pages)
        deletePage(entry.second.get());
}

QMenu *RegPane::formatPopup() const
{
    return m_menu ? m_menu->submenu(RegView::CommandFormat) : nullptr;
}

void RegPane::slotSetMenuSensitivity(int id, bool on)
{
    if (m_menu)
        m_menu->setSensitivity(id, on);
}

RegPane *RegPane::fromHandle(TeskHandle handle)
{
    // A pane the host destroyed from inside a call waits for deletion: its handle is dead.
    return tesk::handles::object<RegPane>(reinterpret_cast<const void *>(handle));
}

const RegPage *RegPane::page(quint32 id) const
{
    const auto it = m_pages.find(id);
    return it == m_pages.end() ? nullptr : it->second.get();
}

// ---- data sets ---------------------------------------------------------------------------

bool RegPane::showDataSet(quint32 id, const char *architecture, const char *processor,
                          const char *displayName)
{
    RegData *data = RegDataSets::instance().find(id);
    if (!data)
        return false;
    // Host texts are cut where all host text is: a name is no reason to copy megabytes.
    const QString architectureName = tesk::core::hostText(architecture);
    const QString processorName = tesk::core::hostText(processor);
    data->setDisplayName(tesk::core::hostText(displayName ? displayName : ""));
    if (data == m_currentData)
        return false;
    m_currentData = data;
    // The page goes by the data set found: an unknown id shows data set 0.
    id = data->id();
    const bool builtIn = id == 0 || id == 1;
    auto it = m_pages.find(id);
    if (it != m_pages.end()) {
        m_currentPage = it->second.get();
    } else {
        if (!builtIn) {
            m_formats[id] = std::make_unique<KMediator_Format>();
            m_architectures[id] = architectureName;
            m_processors[id] = processorName.toLower();
            loadFormatDefinitions(id);
        }
        buildPage(id, data);
        data->acquire();
    }
    const bool archChanged =
        architecture && m_architectures.count(id) && m_architectures[id] != architectureName;
    const bool procChanged =
        processor && m_processors.count(id) && m_processors[id] != processorName;
    if (archChanged)
        m_architectures[id] = architectureName;
    if (procChanged)
        m_processors[id] = processorName;
    if (archChanged || procChanged)
        loadFormatDefinitions(id);
    m_stack->setCurrentWidget(m_currentPage->tabs);
    slotSetCurrentView(m_currentPage->tabs->currentWidget());
    return true;
}

RegView *RegPane::makeView(RegPage *page, QWidget *parent, RegDataView *dataView,
                           KMediator_Format *format)
{
    auto *view = new RegView(this, parent, dataView, m_settings.get(), format, formatPopup(), 0);
    connect(dataView, &RegDataView::sigDataUpdated, view, &RegView::slotDataUpdated);
    connect(view, &RegView::sigDataUpdateReq, this, &RegPane::slotDataUpdateReq);
    connect(view, &RegView::sigCallFuncHandler, this, &RegPane::slotCallFuncHandler);
    connect(view, &RegView::sigSetMenuSensitivity, this, &RegPane::slotSetMenuSensitivity);
    view->installEventFilter(this);
    view->setFocusPolicy(Qt::StrongFocus);
    Q_UNUSED(page);
    return view;
}

RegPage *RegPane::buildPage(quint32 id, RegData *data)
{
    auto owned = std::make_unique<RegPage>();
    RegPage *page = owned.get();
    page->id = id;
    page->data = data;
    page->tabs = new QTabWidget(this);
    page->tabs->setObjectName(QStringLiteral("QTabWidget <%1>").arg(id));
    page->hasUserView = id != 0 && id != 1;
    m_currentPage = page;
    const auto format = m_formats.find(id);
    KMediator_Format *engine = format == m_formats.end() ? nullptr : format->second.get();
    if (page->hasUserView) {
        RegDataView *user = data->userView();
        page->userView = makeView(page, this, user, engine);
        // The user view is the data set's own: a second page over it must not answer twice.
        connect(user, &RegDataView::sigRemoveItemFromUser, data, &RegData::slotRemoveItemFromUser,
                Qt::UniqueConnection);
        connect(user, &RegDataView::sigQueryItemInUser, data, &RegData::slotQueryItemInUser,
                Qt::UniqueConnection);
        page->userView->hide();
    }
    page->tabs->setTabPosition(QTabWidget::South);
    page->tabs->setTabShape(QTabWidget::Rounded);
    page->tabs->setFocusPolicy(Qt::StrongFocus);
    m_pages[id] = std::move(owned);
    for (RegDataView *dataView : data->views()) {
        RegView *view = makeView(page, page->tabs, dataView, engine);
        page->tabs->addTab(view, tesk::core::escapeMnemonics(dataView->name()));
        page->views.push_back(view);
    }
    connect(page->tabs, &QTabWidget::currentChanged, this,
            [this, tabs = page->tabs](int index) { slotSetCurrentView(tabs->widget(index)); });
    loadUserView();
    applyUserView(page);
    m_stack->addWidget(page->tabs);
    setFocusPolicy(Qt::StrongFocus);
    return page;
}

void RegPane::applyUserView(RegPage *page)
{
    if (!page->hasUserView)
        return;
    QTabWidget *tabs = page->tabs;
    RegView *user = page->userView;
    const int at = tabs->indexOf(user);
    if (page->userViewEnabled) {
        user->show();
        if (at < 0) {
            page->rememberedTab = tabs->currentIndex();
            tabs->insertTab(0, user, tesk::core::escapeMnemonics(user->name()));
        }
        tabs->setCurrentIndex(0);
    } else if (at >= 0) {
        const bool wasCurrent = tabs->currentIndex() == at;
        tabs->removeTab(at);
        user->hide();
        if (wasCurrent)
            tabs->setCurrentIndex(page->rememberedTab);
    }
}

void RegPane::removeDataSet(quint32 id)
{
    if (id == 0 || id == 1)
        return;
    const auto it = m_pages.find(id);
    if (it == m_pages.end())
        return;
    std::unique_ptr<RegPage> page = std::move(it->second);
    m_pages.erase(it);
    m_stack->removeWidget(page->tabs);
    if (m_currentPage == page.get()) {
        m_currentPage = nullptr;
        m_currentView = nullptr;
    }
    m_currentData = nullptr;
    m_formats.erase(id);
    m_architectures.erase(id);
    m_processors.erase(id);
    if (m_handlerDepth == 0) {
        deletePage(page.get());
        if (m_currentPage)
            slotSetCurrentView(m_currentPage->tabs->currentWidget());
        return;
    }
    // A view of the page may be the one that called the handler: it goes once that call has
    // returned.
    page->tabs->hide();
    if (page->userView)
        page->userView->hide();
    m_retired.push_back(std::move(page));
}

void RegPane::deletePage(RegPage *page)
{
    if (page->userView && m_currentView == page->userView)
        m_currentView = nullptr;
    for (RegView *view : page->views) {
        if (m_currentView == view)
            m_currentView = nullptr;
    }
    delete page->userView;
    delete page->tabs;
    // The formats of a page go with the pane; the data set goes once no page shows it.
    if (page->data && page->id != 0 && page->id != 1)
        RegDataSets::instance().release(page->data);
    page->userView = nullptr;
    page->tabs = nullptr;
    page->data = nullptr;
}

void RegPane::setTargetRunning(bool running)
{
    if (m_currentView)
        m_currentView->setItemsEnabled(!running);
}

bool RegPane::firstToShow(const RegData *data) const
{
    for (const RegPane *pane : livePanes()) {
        if (pane->m_currentData == data && !tesk::lifetime::doomed(pane))
            return pane == this;
    }
    return true;
}

int RegPane::lineRanges(RegLineRange *buffer, quint32 *capacity, bool force) const
{
    if (!force && !firstToShow(m_currentData))
        return -1;
    if (!m_currentPage || !qobject_cast<RegView *>(m_currentPage->tabs->currentWidget()))
        return -1;
    const auto *view = static_cast<RegView *>(m_currentPage->tabs->currentWidget());
    QList<QPair<quint16, quint32>> shown;
    view->visibleRegisterIds(shown);
    std::vector<std::pair<int, int>> ranges; // first line, count
    for (const auto &entry : std::as_const(shown))
        ranges.emplace_back(qint16(entry.first), int(entry.second));
    std::sort(ranges.begin(), ranges.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto &range : ranges) {
        if (!merged.empty()) {
            auto &last = merged.back();
            const int end = last.first + last.second;
            // Lines within two of a run are cheaper to fetch with it than on their own.
            if (end + 2 >= range.first) {
                last.second = std::max(range.first + range.second, end) - last.first;
                continue;
            }
        }
        merged.push_back(range);
    }
    if (merged.empty() || merged.size() > *capacity) {
        *capacity = quint32(merged.size());
        return -1;
    }
    for (size_t i = 0; i < merged.size(); ++i)
        buffer[i] = RegLineRange{qint16(merged[i].first), qint16(merged[i].second), 0};
    return int(merged.size());
}

// A definition file describes the formats of one architecture or processor; a larger file is
// no such file.
constexpr qint64 kMaxDefinitionBytes = 4 << 20;

// The definitions of the data set's architecture, then of its processor, read into its
// format engine. A missing, unreadable, empty or oversized file, or one that is no regular
// file, is skipped.
void RegPane::loadFormatDefinitions(quint32 id)
{
    const auto format = m_formats.find(id);
    const std::pair<const std::map<quint32, QString> *, const char *> kinds[] = {
        {&m_architectures, "$KSODEBUG_INSTALLetc/sdm/arch/"},
        {&m_processors, "$KSODEBUG_INSTALLetc/sdm/proc/"}};
    for (const auto &kind : kinds) {
        const auto name = kind.first->find(id);
        if (name == kind.first->end())
            continue;
        // The name comes from the host: it names a file in its folder, never one elsewhere.
        if (name->second.contains(QLatin1Char('/')) || name->second.contains(QLatin1Char('\\')) ||
            name->second.contains(QLatin1String("..")))
            continue;
        QByteArray bytes;
        if (!tesk::system::readRegular(tesk::core::frameServices().expandFileName(
                                           QLatin1String(kind.second) + name->second),
                                       kMaxDefinitionBytes, bytes) ||
            bytes.isEmpty())
            continue;
        const QString text = QString::fromLatin1(bytes);
        if (format != m_formats.end())
            format->second->import_formatTypesDefinition_fromString(text, nullptr, 1);
    }
}

// ---- user view settings ------------------------------------------------------------------

namespace {

const QString kEnabledName = QStringLiteral("RegUserViewEnabled");
const QString kConfigName = QStringLiteral("RegUserViewConfig");

QString settingsKey(const RegData *data)
{
    return QStringLiteral("Connection/") + data->displayName();
}

} // namespace

void RegPane::loadUserView()
{
    // A data set without a display name saves under "Connection/" and loads from there too.
    if (!m_currentData || !m_currentPage)
        return;
    const QMap<QString, QString> stored =
        tesk::registers::readSettings(settingsKey(m_currentData), {kEnabledName, kConfigName});
    if (stored.contains(kEnabledName))
        m_currentPage->userViewEnabled = stored.value(kEnabledName).contains(QLatin1Char('1'));
    if (stored.contains(kConfigName)) {
        QString config = stored.value(kConfigName);
        m_currentData->serializeUserView(config, true);
    }
}

void RegPane::saveUserView()
{
    if (!m_currentData)
        return;
    QString config;
    m_currentData->serializeUserView(config, false);
    const bool enabled = m_currentPage && m_currentPage->userViewEnabled;
    tesk::registers::writeSettings(
        settingsKey(m_currentData),
        {{kEnabledName, enabled ? QStringLiteral("1") : QStringLiteral("0")},
         {kConfigName, config}});
}

// ---- commands ----------------------------------------------------------------------------

void RegPane::menuCommand(int id)
{
    switch (id) {
    case CommandCopyAllAsText:
        if (m_currentView)
            m_currentView->copyAllAsText();
        return;
    case CommandToggleUserView:
        if (!m_currentPage)
            return;
        m_currentPage->userViewEnabled = !m_currentPage->userViewEnabled;
        applyUserView(m_currentPage);
        saveUserView();
        return;
    case CommandUpdate:
        callHandler(RegOpUpdateView, 0, nullptr);
        return;
    case RegView::CommandCopy:
    case RegView::CommandPaste:
    case RegView::CommandCopyToUser:
    case RegView::CommandRemoveFromUser:
        if (!m_currentView)
            return;
        m_currentView->menuCommand(id);
        saveUserView();
        return;
    case RegView::CommandViewMemory:
    case RegView::CommandProperties:
        if (m_currentView)
            m_currentView->menuCommand(id);
        return;
    default:
        return;
    }
}

void RegPane::callHandler(CuiRegOp op, uintptr_t pointer, const char *text)
{
    if (!m_handler)
        return;
    // The host may delete the pane or a page from inside its handler.
    const CuiRegPaneHandlerFn handler = m_handler;
    const uintptr_t context = m_context;
    ++m_handlerDepth;
    if (!tesk::lifetime::callHost(this, [&] { handler(quint32(op), pointer, text, context, 0); }))
        return;
    if (--m_handlerDepth == 0 && !m_retired.empty())
        QMetaObject::invokeMethod(
            this, [this] { dropRetired(); }, Qt::QueuedConnection);
}

void RegPane::dropRetired()
{
    if (m_handlerDepth != 0)
        return;
    std::vector<std::unique_ptr<RegPage>> retired;
    retired.swap(m_retired);
    for (auto &page : retired)
        deletePage(page.get());
}

void RegPane::slotCallFuncHandler(CuiRegOp op, const QString &text, void *pointer)
{
    const QByteArray latin1 = text.toLatin1();
    // These always hand the host a text, empty as they are: a host may print or measure it.
    const bool alwaysText = op == RegOpProperties || op == RegOpDataUpdate || op == RegOpMayChange;
    callHandler(op, reinterpret_cast<uintptr_t>(pointer),
                text.isNull() && !alwaysText ? nullptr : latin1.constData());
}

void RegPane::slotDataUpdateReq()
{
    callHandler(RegOpDataUpdate, 0, "");
}

void RegPane::appendDockMenuItems(QMenu *menu)
{
    if (!menu)
        return;
    const qsizetype before = menu->actions().size();
    tesk::core::frameServices().appendDockMenuItems(menu, true);
    // The view learns the choice from the entry's data: the dock entries carry their options.
    int option = kDockFloat;
    const QList<QAction *> actions = menu->actions();
    for (qsizetype i = before; i < actions.size(); ++i) {
        if (!actions[i]->isSeparator() && !actions[i]->data().isValid())
            actions[i]->setData(option);
        if (!actions[i]->isSeparator())
            ++option;
    }
}

void RegPane::processGenericOption(int id)
{
    // The register commands came through slotMenuActivated; the dock window takes its own.
    // Most hosts dock the pane without telling it its window box: the window that holds it
    // is meant then.
    if (id == -1)
        return;
    tesk::core::FrameServices &frame = tesk::core::frameServices();
    if (m_windBox == 0 || !frame.paneGenericOption(m_windBox, id))
        frame.enclosingDockOption(this, id);
}

void RegPane::slotSetCurrentView(QWidget *widget)
{
    m_currentView = qobject_cast<RegView *>(widget);
}

void RegPane::slotHelp(int helpId)
{
    // Every live pane hears the one request: the first answers for all.
    const auto &panes = livePanes();
    const auto first = std::find_if(panes.begin(), panes.end(), [](const RegPane *pane) {
        return !tesk::lifetime::doomed(pane);
    });
    if (first == panes.end() || *first != this)
        return;
    TESK_CHECK(helpId == IDH_HELP_FORMATTING);
    tesk::core::helpServices().showHelp(helpId, kHelpMap);
}

bool RegPane::isUserView(const RegView *view) const
{
    return m_currentPage && view && m_currentPage->userView == view;
}

bool RegPane::hasUserView() const
{
    return m_currentPage && m_currentPage->hasUserView;
}

bool RegPane::userViewEnabled() const
{
    return m_currentPage && m_currentPage->userViewEnabled;
}

void RegPane::setPersistData(const char *) {}

int RegPane::getPersistData(unsigned, char *)
{
    return 0;
}

void RegPane::processCommand(CuiPaneOutputFn output, void *outputContext,
                             const QStringList &arguments, QString &result)
{
    if (!output)
        output = silentOutput;
    if (arguments.isEmpty()) {
        output(outputContext, 0, "Error: Empty function name passed to Registers\n", nullptr);
        return;
    }
    result.clear();
    const QString &command = arguments.first();
    const char *missing = nullptr;
    if (command == QLatin1String("showview"))
        missing = "Error: Parameter required for function 'raisetab'\n";
    else if (command == QLatin1String("dumpreg"))
        missing = "Error: Parameter required for function 'dumpreg'\n";
    else if (command == QLatin1String("dumptab"))
        missing = "Error: Parameter required for function 'dumptab'\n";
    else {
        const QByteArray word = command.toLatin1();
        output(outputContext, 0, "Unknown option '%s'", word.constData());
        return;
    }
    if (arguments.size() < 2)
        output(outputContext, 0, missing, nullptr);
}

// ---- keys and mouse ----------------------------------------------------------------------

void RegPane::stepTab(int delta)
{
    if (!m_currentPage)
        return;
    const int index = m_currentPage->tabs->currentIndex() + delta;
    if (index >= 0 && index < m_currentPage->tabs->count())
        m_currentPage->tabs->setCurrentIndex(index);
}

void RegPane::keyPressEvent(QKeyEvent *e)
{
    const Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                         Qt::AltModifier | Qt::MetaModifier);
    if (e->key() == Qt::Key_PageUp && mods == Qt::ControlModifier) {
        stepTab(-1);
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_PageDown) {
        stepTab(1);
        e->accept();
        return;
    }
    AbstractPane::keyPressEvent(e);
}

bool RegPane::shortcutOverride(QKeyEvent *e)
{
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (e->key() == Qt::Key_S && mods == (Qt::ShiftModifier | Qt::ControlModifier)) {
        menuCommand(CommandToggleUserView);
        return true;
    }
    if (e->key() == Qt::Key_Delete && mods == Qt::NoModifier) {
        if (m_currentPage && m_currentView && m_currentView == m_currentPage->userView) {
            m_currentView->menuCommand(RegView::CommandRemoveFromUser);
            saveUserView();
        }
        return true;
    }
    return false;
}

bool RegPane::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride && shortcutOverride(static_cast<QKeyEvent *>(e))) {
        e->accept();
        return true;
    }
    return AbstractPane::event(e);
}

bool RegPane::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::Show) {
        if (auto *view = qobject_cast<RegView *>(watched))
            m_currentView = view;
    } else if (e->type() == QEvent::ShortcutOverride && qobject_cast<RegView *>(watched)) {
        if (shortcutOverride(static_cast<QKeyEvent *>(e))) {
            e->accept();
            return true;
        }
    }
    return AbstractPane::eventFilter(watched, e);
}

void RegPane::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::RightButton) {
        tesk::core::frameServices().markPanePopupShown();
        emit sigShowPaneMenu();
    }
    AbstractPane::mouseReleaseEvent(e);
}
