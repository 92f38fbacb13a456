#include "frame/menus/mt.h"

#include "frame/core/commandids.h"
#include "frame/core/hosttext.h"
#include "frame/core/inplaceedit.h"
#include "frame/core/tablemenu.h"
#include "frame/core/toolkittext.h"
#include "frame/menus/iconcache.h"
#include "frame/menus/ksotoolbar.h"
#include "frame/menus/teskaction.h"
#include "frame/menus/teskpopupmenu.h"
#include "frame/menus/tesksignalmapper.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/menuseam.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <cstring>
#include <memory>

namespace {

QString translated(const char *text)
{
    return text && *text ? QCoreApplication::translate("QObject", text) : QString();
}

// Commands that open or switch windows: they run without marking this window as calling.
bool runsUnmarked(int hostId)
{
    using namespace tesk::commands;
    return hostId == kNewCodeWindowCommand || hostId == kOpenWorkspaceCommand ||
           (hostId >= kRecentWorkspaceFirstCommand && hostId <= kRecentWorkspaceLastCommand);
}

} // namespace

MTDef::MTDef(const MenuItemRow &row, QObject *owner)
    : itemId(row.id)
    , kind(row.kind)
    , sourceText(QString::fromUtf8(row.text ? row.text : ""))
    , text(translated(row.text))
    , description(translated(row.description))
    , hostId(row.hostId)
{
    if (kind < MenuKindCommand || kind > MenuKindRadio)
        return;
    const bool toggle =
        kind == MenuKindToggle || kind == MenuKindCheckList || kind == MenuKindRadio;
    const QByteArray name = "MenuItem" + QByteArray::number(itemId);
    action = new TeskAction(description, IconCache::iconSet(itemId), text,
                            QKeySequence(translated(row.accelerator)), owner, name.constData(),
                            toggle, translated(row.label));
    action->setOwnId(hostId ? hostId : itemId);
}

struct MT::BuildState
{
    bool toolbarMode = false;
    bool standalone = false;
    int root = -1;
    QToolBar *toolBar = nullptr;
    QMap<int, TeskPopupMenu *> popups;
    QActionGroup *radioGroup = nullptr;
    int previousParent = -1;
};

MT::MT(MainWindow *owner, TeskHandle frameContext)
    : m_cycleMapper(new TeskSignalMapper(this))
    , m_owner(owner)
    , m_frameContext(frameContext)
{
    connect(m_cycleMapper, &TeskSignalMapper::mapped, this, &MT::slotCycleMenuAct);
}

MT::~MT()
{
    if (m_ownsDefinitions)
        qDeleteAll(m_definitions);
    // Popups of a manager without a window belong to nobody else.
    for (const QPointer<TeskPopupMenu> &popup : std::as_const(m_builtPopups)) {
        if (popup && !popup->parent())
            delete popup.data();
    }
}

// ---- building ----------------------------------------------------------------------------

bool MT::buildFromTable(const MenuStructurePair *structure, const MenuItemRow *items,
                        MainWindow *window)
{
    QMap<int, MTDef *> definitions;
    // Without a window (a popup of its own) the manager keeps the actions.
    QObject *owner = window ? static_cast<QObject *>(window) : m_owner.data();
    if (!owner)
        owner = this;
    for (const MenuItemRow *row = items; row && row->kind != MenuKindEnd; ++row) {
        delete definitions.value(row->id);
        definitions.insert(row->id, new MTDef(*row, owner));
    }
    const bool built = define(structure, definitions, window);
    m_ownsDefinitions = true;
    return built;
}

bool MT::define(const MenuStructurePair *structure, const QMap<int, MTDef *> &definitions,
                MainWindow *window)
{
    if (window)
        m_owner = window;
    m_definitions = definitions;
    m_structure.clear();
    for (const MenuStructurePair *pair = structure; pair && pair->parent != -1; ++pair)
        m_structure.append({pair->parent, pair->child});
    return verifyDefinition() && build();
}

bool MT::fail(Error error, const char *title, int line, int parent, int child)
{
    static const char *const texts[] = {"Internal Error (Bad error number)", "Undefined parent",
                                        "Undefined item", "Unknown item type",
                                        "Sub menu in toolbar"};
    const int number = error >= InternalError && error <= SubMenuInToolbar ? error : 0;
    m_errorText = QStringLiteral("Error!\n%1\nLine %2\nDefinition ( %3, %4 )\n%5")
                      .arg(QLatin1String(title))
                      .arg(line)
                      .arg(parent)
                      .arg(child)
                      .arg(QLatin1String(texts[number]));
    return false;
}

bool MT::verifyDefinition()
{
    QSet<int> known;
    for (int line = 0; line < m_structure.size(); ++line) {
        const auto [parent, child] = m_structure.at(line);
        if (!m_definitions.contains(child))
            return fail(UndefinedItem, "Verifying definition", line, parent, child);
        if (parent != child && !known.contains(parent))
            return fail(UndefinedParent, "Verifying definition", line, parent, child);
        known.insert(child);
    }
    return true;
}

bool MT::build()
{
    BuildState state;
    int line = 0;
    for (const auto &[parent, child] : std::as_const(m_structure)) {
        ++line;
        MTDef *def = m_definitions.value(child);
        if (def->hostId)
            m_hostIds.insert(def->hostId, child);
        if (state.radioGroup && (def->kind != MenuKindRadio || parent != state.previousParent))
            closeRadioGroup(state);
        if (def->kind == MenuKindRadio && !state.radioGroup) {
            state.radioGroup = new QActionGroup(this);
            state.radioGroup->setExclusive(true);
        }
        state.previousParent = parent;
        bool ok = true;
        switch (def->kind) {
        case MenuKindMenuBar:
        case MenuKindPopupRoot:
            state.toolbarMode = false;
            state.standalone = def->kind == MenuKindPopupRoot;
            state.root = child;
            break;
        case MenuKindToolBar:
            ok = buildToolBar(state, def);
            break;
        case MenuKindPopup:
            ok = state.toolbarMode ? fail(SubMenuInToolbar, "Creating menubar", line, parent, child)
                                   : buildPopup(state, parent, def, line);
            break;
        case MenuKindSeparator:
            ok = buildSeparator(state, parent, child, line);
            break;
        case MenuKindCommand:
        case MenuKindToggle:
        case MenuKindList:
        case MenuKindCheckList:
        case MenuKindRadio:
            ok = buildAction(state, parent, def, line);
            break;
        case MenuKindCycle:
            ok = state.toolbarMode ? buildCycleButton(state, parent, def, line) : true;
            break;
        default:
            ok = fail(UnknownItemType, "Creating menubar", line, parent, child);
        }
        if (!ok)
            return false;
    }
    if (state.radioGroup)
        closeRadioGroup(state);
    return true;
}

void MT::closeRadioGroup(BuildState &state)
{
    // The group's actions were placed one by one; the group keeps them exclusive.
    m_radioGroups.append(state.radioGroup);
    state.radioGroup = nullptr;
}

bool MT::buildToolBar(BuildState &state, MTDef *def)
{
    state.toolbarMode = true;
    if (!m_owner)
        return true;
    auto *toolBar = new KSOToolBar(def->text, m_owner);
    tesk::frame::setToolbarRecordName(toolBar, def->sourceText);
    toolBar->setAllowedAreas(Qt::TopToolBarArea);
    m_owner->addToolBar(Qt::TopToolBarArea, toolBar);
    m_toolBars.insert(def->text, toolBar);
    state.toolBar = toolBar;
    return true;
}

bool MT::buildPopup(BuildState &state, int parent, MTDef *def, int line)
{
    TeskPopupMenu *parentPopup = state.popups.value(parent);
    if (parent != state.root && !parentPopup)
        return fail(UndefinedParent, "Creating menubar", line, parent, def->itemId);
    auto *popup = new TeskPopupMenu(m_owner);
    popup->setTitle(def->text);
    state.popups.insert(def->itemId, popup);
    if (parentPopup) {
        parentPopup->addMenu(popup);
        popup->setParentPopup(parentPopup);
    } else if (!state.standalone && m_owner) {
        m_owner->menuBar()->addMenu(popup);
    }
    popup->setItemId(def->itemId);
    popup->setHostId(def->hostId);
    popup->setRemote(true);
    connect(popup, &QMenu::aboutToShow, popup, &TeskPopupMenu::slotRemoteAboutToShow);
    connect(popup, &TeskPopupMenu::sigRemoteAboutToShow, this, &MT::slotRemoteAboutToShowMenu);
    connect(popup, &QMenu::aboutToHide, this, &MT::sigClearStatus);
    m_popups.insert(def->hostId, popup);
    m_builtPopups.append(popup);
    m_currentPopup = popup;
    if (!m_firstPopup)
        m_firstPopup = popup;
    return true;
}

bool MT::buildSeparator(BuildState &state, int parent, int child, int line)
{
    if (state.toolbarMode) {
        if (!state.toolBar)
            return fail(UndefinedParent, "Creating toolbar", line, parent, child);
        state.toolBar->addSeparator();
        return true;
    }
    TeskPopupMenu *popup = state.popups.value(parent);
    if (!popup)
        return fail(UndefinedParent, "Creating menubar", line, parent, child);
    popup->addSeparator();
    return true;
}

bool MT::buildAction(BuildState &state, int parent, MTDef *def, int line)
{
    TeskAction *action = def->action;
    QWidget *container = nullptr;
    if (state.toolbarMode) {
        if (!state.toolBar)
            return fail(UndefinedParent, "Creating toolbar", line, parent, def->itemId);
        container = state.toolBar;
    } else {
        TeskPopupMenu *popup = state.popups.value(parent);
        if (!popup)
            return fail(UndefinedParent, "Creating menubar", line, parent, def->itemId);
        action->setContainer(popup);
        container = popup;
        if (!action->shortcut().isEmpty()) {
            TeskAccelerator record{};
            record.hostId = def->hostId;
            const QByteArray text =
                action->shortcut().toString(QKeySequence::PortableText).toLatin1();
            // Longer texts are cut to fit the host's record.
            tesk::core::writeFixed(text, record.text, sizeof record.text - 1);
            m_accelerators.append(record);
        }
    }
    if (def->kind == MenuKindRadio && state.radioGroup)
        state.radioGroup->addAction(action);
    if (def->kind != MenuKindList && def->kind != MenuKindCheckList)
        container->addAction(action);
    connectAction(def);
    return true;
}

void MT::connectAction(MTDef *def)
{
    if (def->connected)
        return;
    TeskAction *action = def->action;
    if (def->hostId) {
        connect(action, &QAction::triggered, action, &TeskAction::slotRemoteActivated);
        connect(action, &TeskAction::sigRemoteActivated, this, &MT::slotRemoteActivated);
    } else {
        connect(action, &QAction::triggered, action, &TeskAction::slotActivated);
        connect(action, &TeskAction::sigActivated, this, &MT::sigActivated);
    }
    def->connected = true;
}

bool MT::buildCycleButton(BuildState &state, int parent, MTDef *def, int line)
{
    if (!state.toolBar)
        return fail(UndefinedParent, "Creating toolbar", line, parent, def->itemId);
    const int hostId = def->hostId;
    auto *popup = new TeskPopupMenu(m_owner);
    connect(popup, &QMenu::aboutToShow, this, [this, hostId] { slotCycleMenuShow(hostId); });
    auto *button = new QToolButton(state.toolBar);
    button->setIcon(IconCache::iconSet(def->itemId));
    button->setText(def->text);
    button->setToolTip(def->text);
    button->setStatusTip(def->description);
    button->setObjectName(QStringLiteral("MenuItem%1").arg(def->itemId));
    // A click means "next"; the arrow opens the host's list.
    button->setPopupMode(QToolButton::MenuButtonPopup);
    button->setMenu(popup);
    connect(button, &QToolButton::clicked, this, [this, hostId] { slotCycleMenuNext(hostId); });
    state.toolBar->addWidget(button);
    def->widget = button;
    m_cycleMapper->setMapping(popup, hostId);
    connect(popup, &TeskPopupMenu::activated, m_cycleMapper, &TeskSignalMapper::map);
    m_popups.insert(state.standalone ? def->itemId : hostId, popup);
    return true;
}

bool MT::dockToolBars()
{
    if (!m_owner)
        return false;
    // The file toolbar's label is matched with and without its trailing blank; "Build" is
    // matched when a table has such a toolbar.
    const QStringList labels{QCoreApplication::translate("QObject", "File "),
                             QStringLiteral("Edit"),
                             QStringLiteral("Debug"),
                             QStringLiteral("Image"),
                             QStringLiteral("Connect"),
                             QStringLiteral("Build")};
    for (const QString &label : labels) {
        QToolBar *bar = toolBar(label);
        if (!bar)
            bar = toolBar(label.trimmed());
        if (bar)
            m_owner->addToolBar(Qt::TopToolBarArea, bar);
    }
    return true;
}

QToolBar *MT::toolBar(const QString &label) const
{
    return m_toolBars.value(label);
}

// ---- by host id --------------------------------------------------------------------------

MTDef *MT::definitionByHostId(int hostId) const
{
    const auto found = m_hostIds.constFind(hostId);
    return found == m_hostIds.constEnd() ? nullptr : m_definitions.value(found.value());
}

bool MT::setHostMenuSensitivity(int hostId, bool enabled)
{
    MTDef *def = definitionByHostId(hostId);
    if (!def)
        return false;
    return setMenuSensitivity(def->itemId, enabled);
}

bool MT::setMenuSensitivity(int itemId, bool enabled)
{
    MTDef *def = m_definitions.value(itemId);
    if (!def)
        return false;
    if (def->kind == MenuKindPopup) {
        TeskPopupMenu *popup = m_popups.value(def->hostId);
        if (!popup)
            return false;
        popup->menuAction()->setEnabled(enabled);
        return true;
    }
    if (def->kind == MenuKindCycle) {
        if (!def->widget)
            return false;
        def->widget->setEnabled(enabled);
        return true;
    }
    if (!def->action)
        return false;
    def->action->setEnabled(enabled);
    return true;
}

bool MT::toggleByHostId(int hostId)
{
    MTDef *def = definitionByHostId(hostId);
    if (!def || !def->action || !def->action->isCheckable())
        return false;
    def->action->toggle();
    return true;
}

bool MT::setToggleByHostId(int hostId, bool on)
{
    MTDef *def = definitionByHostId(hostId);
    return def && setMenuToggle(def->itemId, on);
}

bool MT::setMenuToggle(int itemId, bool on)
{
    MTDef *def = m_definitions.value(itemId);
    if (!def || !def->action || !def->action->isCheckable())
        return false;
    def->action->setChecked(on);
    return true;
}

bool MT::isOnByHostId(int hostId) const
{
    MTDef *def = definitionByHostId(hostId);
    return def && def->action && def->action->isCheckable() && def->action->isChecked();
}

bool MT::appendMenu(int hostId, void *value, const QString &text, bool placeOnly)
{
    MTDef *def = definitionByHostId(hostId);
    if (!def)
        return false;
    if (def->kind == MenuKindPopup) {
        if (TeskPopupMenu *popup = m_popups.value(hostId)) {
            m_currentPopup = popup;
            popup->setDataWord(value);
        }
        return true;
    }
    if ((def->kind == MenuKindList || def->kind == MenuKindCheckList) && def->action) {
        def->action->setText(text);
        if (TeskPopupMenu *container = def->action->container())
            container->addAction(def->action);
        if (placeOnly)
            return true;
    }
    if (def->action)
        def->action->setDataWord(value);
    return true;
}

WId MT::popupWinId(int hostId) const
{
    MTDef *def = definitionByHostId(hostId);
    if (!def || def->kind != MenuKindPopup)
        return 0;
    TeskPopupMenu *popup = m_popups.value(hostId);
    return popup ? popup->winId() : 0;
}

bool MT::removeByHostId(int hostId)
{
    MTDef *def = definitionByHostId(hostId);
    if (!def || !def->action || !def->action->container())
        return false;
    m_currentPopup = def->action->container();
    m_currentPopup->removeAction(def->action);
    return true;
}

bool MT::setHelpText(int hostId, const QString &text)
{
    MTDef *def = definitionByHostId(hostId);
    if (!def || !def->action || !def->action->container())
        return false;
    const qsizetype apostrophe = text.indexOf(QLatin1Char('\''));
    def->action->setStatusTip(apostrophe > 0 ? text.mid(apostrophe) : text);
    return true;
}

bool MT::removeItemAt(int index)
{
    if (!m_currentPopup)
        return false;
    const QList<QAction *> actions = m_currentPopup->actions();
    if (index < 0 || index >= actions.size())
        return false;
    m_currentPopup->removeAction(actions.at(index));
    return true;
}

bool MT::popupExec(int hostId)
{
    TeskPopupMenu *popup =
        m_hostIds.contains(hostId) ? m_popups.value(hostId) : m_firstPopup.data();
    if (!popup)
        return false;
    tesk::system::ModalSeam::runMenu(popup, QCursor::pos(), m_owner.data());
    return true;
}

TeskPopupMenu *MT::popupMenu(int hostId) const
{
    return hostId == -1 ? m_firstPopup.data() : m_popups.value(hostId);
}

TeskPopupMenu *MT::findPopupMenu(int itemId) const
{
    if (itemId == -1)
        return m_firstPopup;
    // Popups without a host id share one dictionary entry; the build list has them all.
    for (const QPointer<TeskPopupMenu> &popup : m_builtPopups) {
        if (popup && popup->itemId() == itemId)
            return popup;
    }
    return nullptr;
}

bool MT::clearPopupMenu(int itemId)
{
    TeskPopupMenu *popup = findPopupMenu(itemId);
    if (!popup)
        return false;
    popup->clear();
    return true;
}

bool MT::acceleratorList(TeskAccelerator *buffer, int capacity) const
{
    // The buffer was sized by an earlier count, perhaps of another window: records past it are
    // dropped, and room this window does not fill is cleared.
    for (int i = 0; i < capacity; ++i)
        buffer[i] = i < m_accelerators.size() ? m_accelerators.at(i) : TeskAccelerator{};
    return true;
}

bool MT::setHostCallbacks(CuiMenuAboutToShowFn aboutToShow, CuiMenuActivateFn activate,
                          CuiMenuCycleFn cycle, TeskHandle context)
{
    m_aboutToShowFn = aboutToShow;
    m_activateFn = activate;
    m_cycleFn = cycle;
    m_callbackContext = context;
    return true;
}

bool MT::dump(QString &out, int flag) const
{
    out.clear();
    if (flag)
        return false;
    for (const MTDef *def : m_definitions) {
        const QString accel = def->action ? def->action->shortcut().toString() : QString();
        out += QStringLiteral(
                   "TeskId <%1>  KSOId <%2>  Type <%3>\nText <%4>\nDesc <%5>\nAccel <%6>\n\n")
                   .arg(def->itemId)
                   .arg(def->hostId)
                   .arg(def->kind)
                   .arg(def->text, def->description, accel);
    }
    return true;
}

// ---- the road to the host ----------------------------------------------------------------

bool MT::callHost(const std::function<void()> &call)
{
    // The manager lives as long as its window, which the host may close from inside the call:
    // both are asked afterwards.
    const bool owned = !m_owner.isNull();
    const QPointer<MainWindow> owner = m_owner;
    // A window already ended waits for its deletion and calls the host no more.
    if (tesk::lifetime::doomed(this) || (owned && tesk::lifetime::doomed(owner)))
        return false;
    const bool alive = tesk::lifetime::callHost(this, call);
    return alive && (!owned || (owner && !tesk::lifetime::doomed(owner)));
}

bool MT::allowsCall(int hostId, bool knownId, int itemId) const
{
    Q_UNUSED(hostId);
    if (!knownId)
        return true;
    if (itemId != -1 && itemId != tesk::commands::kAskHostToCloseCommand &&
        itemId != tesk::commands::kCloseWindowItem) {
        const MTDef *def = m_definitions.value(itemId);
        if (def && def->action && !def->action->isEnabled())
            return false;
    }
    return !(itemId == tesk::commands::kExitItem && isInPlaceEditActive());
}

void MT::slotRemoteActivated(int hostId, void *data)
{
    if (m_owner && m_owner->modalDialogShown())
        return;
    const bool knownId = m_hostIds.contains(hostId);
    const int itemId = knownId ? m_hostIds.value(hostId) : -1;
    if (!data && knownId) {
        const MTDef *def = m_definitions.value(itemId);
        data = def && def->action ? def->action->dataWord() : nullptr;
    }
    const bool mark = !runsUnmarked(hostId);
    if (mark)
        emit sigSetCalling(true);
    const CuiMenuActivateFn activate = allowsCall(hostId, knownId, itemId) ? m_activateFn : nullptr;
    const TeskHandle context = m_callbackContext;
    // The host may close this window, and the manager with it, from inside the call.
    const bool alive = callHost([&] {
        if (activate)
            activate(context, hostId, data);
    });
    if (alive && mark)
        emit sigSetCalling(false);
}

void MT::slotRemoteAboutToShowMenu(WId windowId, void *data)
{
    emit sigSetCalling(true);
    const CuiMenuAboutToShowFn aboutToShow = m_aboutToShowFn;
    const TeskHandle context = m_callbackContext;
    const bool alive = callHost([&] {
        if (aboutToShow)
            aboutToShow(context, static_cast<TeskHandle>(windowId), data);
    });
    if (alive)
        emit sigSetCalling(false);
}

int MT::slotCycleMenuAct(int hostId, int entry)
{
    if (!m_hostIds.contains(hostId) || !m_cycleFn)
        return 0;
    const CuiMenuCycleFn cycle = m_cycleFn;
    const TeskHandle context = m_frameContext;
    int result = 0;
    callHost([&] { result = cycle(context, hostId, entry, nullptr); });
    return result;
}

void MT::slotCycleMenuShow(int hostId)
{
    TeskPopupMenu *popup = m_popups.value(hostId);
    if (!m_hostIds.contains(hostId) || !popup || !m_cycleFn)
        return;
    const char *text = nullptr;
    const CuiMenuCycleFn cycle = m_cycleFn;
    const TeskHandle context = m_frameContext;
    if (!callHost([&] { cycle(context, hostId, -1, &text); }) || !text)
        return;
    popup->clear();
    popup->setFont(QFont(tesk::core::keptByToolkit("Courier New")));
    // Host text is Latin-1 unless stated otherwise.
    fillFromText(tesk::core::hostText(text), popup, hostId);
}

void MT::slotCycleMenuNext(int hostId)
{
    if (!m_hostIds.contains(hostId))
        return;
    const MTDef *def = m_definitions.value(m_hostIds.value(hostId));
    slotRemoteActivated(hostId, def && def->action ? def->action->dataWord() : nullptr);
}

namespace {

// A connection line carries its entry number between the first "," and the "/" (or "=")
// after it, and a prefix up to the "/ " or "= " that is not shown.
qsizetype connectionCut(const QString &line, int &entry)
{
    auto first = [&line](const char *a, const char *b) {
        const qsizetype i = line.indexOf(QLatin1String(a));
        const qsizetype j = line.indexOf(QLatin1String(b));
        return i < 0 ? j : (j < 0 ? i : qMin(i, j));
    };
    qsizetype cut = first("/ ", "/*");
    if (cut >= 0) {
        ++cut;
    } else {
        cut = first("=*", "= ");
        if (cut < 0)
            return 0;
    }
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        qsizetype end = line.indexOf(QLatin1Char('/'), comma + 1);
        if (end < 0)
            end = line.indexOf(QLatin1Char('='), comma + 1);
        if (end > comma) {
            const int number = line.mid(comma + 1, end - comma - 1).trimmed().toInt();
            if (number != 0)
                entry = number;
        }
    }
    return cut;
}

qsizetype threadCut(const QString &line)
{
    qsizetype cut = line.indexOf(QLatin1String("!="));
    if (cut < 0)
        cut = line.indexOf(QLatin1Char('='));
    return cut < 0 ? 0 : cut;
}

} // namespace

void MT::fillFromText(const QString &source, TeskPopupMenu *popup, int hostId)
{
    QString text = source;
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast();
    int entry = 0;
    for (QString line : lines) {
        if (hostId == tesk::commands::kCycleConnectionsCommand && !line.isEmpty())
            line.remove(0, connectionCut(line, entry));
        else if (hostId == tesk::commands::kCycleThreadsCommand)
            line.remove(0, threadCut(line));
        const int at = line.startsWith(QLatin1Char('*')) ? 1 : 0;
        bool checked = false;
        bool enabled = true;
        while (at < line.size()) {
            const QChar mark = line.at(at);
            if (mark == QLatin1Char('!'))
                enabled = false;
            else if (mark == QLatin1Char('-'))
                checked = false;
            else if (mark == QLatin1Char('='))
                checked = true;
            else
                break;
            line.remove(at, 1);
        }
        if (line.isEmpty()) {
            popup->addSeparator();
        } else {
            QAction *action = popup->insertItem(line, entry);
            action->setCheckable(checked);
            action->setChecked(checked);
            action->setEnabled(enabled);
        }
        ++entry;
    }
}

// ---- the main window's seam --------------------------------------------------------------

namespace {

// MT behind the main window's menu seam; installed when the library is loaded.
class MTBuilder final : public tesk::frame::MenuBuilder
{
public:
    tesk::frame::MenuManagerBase *build(MainWindow *window, int tableKind,
                                        QString *errorText) override
    {
        auto *manager = new MT(window);
        const MenuStructurePair *structure = MenuTables::structureTable(tableKind);
        const MenuItemRow *items = MenuTables::itemTable(tableKind);
        if (structure && items && !manager->buildFromTable(structure, items, window) && errorText)
            *errorText = manager->errorText();
        return manager;
    }

    void activate(tesk::frame::MenuManagerBase *manager, int hostId) override
    {
        static_cast<MT *>(manager)->slotRemoteActivated(hostId, nullptr);
    }

    void setFrameContext(tesk::frame::MenuManagerBase *manager, TeskHandle context) override
    {
        static_cast<MT *>(manager)->setCycleContext(context);
    }

    QString itemText(int tableKind, int hostId) override
    {
        const MenuItemRow *row = MenuTables::findItem(tableKind, hostId);
        return row ? translated(row->text) : QString();
    }
};

MTBuilder g_mtBuilder;
const bool g_mtBuilderInstalled = (tesk::frame::setMenuBuilder(&g_mtBuilder), true);

} // namespace

// ---- context menus of the subsystems -----------------------------------------------------

namespace {

// A popup-root table built into a manager of its own, which takes its popups with it.
class MTTableMenu final : public tesk::core::TableMenu
{
public:
    explicit MTTableMenu(std::unique_ptr<MT> manager)
        : m_manager(std::move(manager))
    {
        connect(m_manager.get(), &MT::sigActivated, this, &TableMenu::activated);
    }

    QMenu *menu() const override { return m_manager->findPopupMenu(-1); }
    QMenu *submenu(int itemId) const override { return m_manager->findPopupMenu(itemId); }
    bool setSensitivity(int itemId, bool enabled) override
    {
        return m_manager->setMenuSensitivity(itemId, enabled);
    }
    bool setToggle(int itemId, bool on) override { return m_manager->setMenuToggle(itemId, on); }

private:
    std::unique_ptr<MT> m_manager;
};

} // namespace

std::unique_ptr<tesk::core::TableMenu> tesk::frame::makeTableMenu(int tableKind)
{
    const MenuStructurePair *structure = MenuTables::structureTable(tableKind);
    const MenuItemRow *items = MenuTables::itemTable(tableKind);
    auto manager = std::make_unique<MT>();
    if (!structure || !items || !manager->buildFromTable(structure, items, nullptr) ||
        !manager->findPopupMenu(-1))
        return nullptr;
    return std::make_unique<MTTableMenu>(std::move(manager));
}
