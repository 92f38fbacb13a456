#include "frame/windows/toplevelwindow.h"

#include "frame/core/hosttext.h"
#include "frame/menus/iconcache.h"
#include "frame/menus/teskaction.h"
#include "frame/menus/teskpopupmenu.h"
#include "system/lifetime.h"
#include "system/nativeids.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPixmap>

namespace {

const QString kSyncCaption = QStringLiteral("Synchronization Control");
constexpr QSize kInitialSize(499, 249);

// The connection window's icon: a plug on its cable.
const char *const kSyncIcon[] = {
    "12 13 9 1",    "  c None",     ". c #000000",  "+ c #303080",  "@ c #6090D0",  "# c #A0C0F0",
    "$ c #E0E8F8",  "% c #808080",  "& c #C0C0C0",  "* c #F0D060",  "   &%  &%   ", "   &%  &%   ",
    "   &%  &%   ", " ++++++++++ ", " +$$#####@+ ", " +$#####@@+ ", " +#####@@@+ ", " +##*##@@@+ ",
    " ++@@@@@@++ ", "  ++@@@@++  ", "    +..+    ", "    +..+    ", "     ..     ",
};

QPixmap syncIcon()
{
    return QPixmap(kSyncIcon);
}

} // namespace

class TopLevelWindowPrivate
{
public:
    QWidget *central = nullptr;
    bool hasMenuBar = false;
    bool nextMenuOnBar = false;
    TeskPopupMenu *currentPopup = nullptr;
    TeskPopupMenu *currentTopPopup = nullptr;
    QString name;
    TeskHandle hostData = 0;
    QList<TeskPopupMenu *> popups;
    QMap<int, TopLevelWindow::MenuItemRecord> records;
    TopLevelWindow::MenuCallback menuCallback = nullptr;
    int menuWord = 0;
    TeskHandle menuContext = 0;
    TopLevelWindow::AboutToShowCallback aboutToShow = nullptr;
    TeskHandle sizeContext = 0;
    TopLevelWindow::SizeCallback sizeCallback = nullptr;
};

TopLevelWindow::TopLevelWindow(TeskHandle hostData, TeskHandle, const QString &caption,
                               SizeCallback sizeCallback, TeskHandle sizeContext)
    : QMainWindow(nullptr)
    , d(std::make_unique<TopLevelWindowPrivate>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    d->central = new QWidget(this);
    setCentralWidget(d->central);
    d->hostData = hostData;
    d->sizeContext = sizeContext;
    d->sizeCallback = sizeCallback;
    d->hasMenuBar = menuBar() != nullptr;
    setCaption(caption);
    resize(kInitialSize);
}

TopLevelWindow::~TopLevelWindow() = default;

WId TopLevelWindow::addMenu(const QString &text, void *data)
{
    auto *popup = new TeskPopupMenu(this);
    d->popups.append(popup);
    // The host's Latin-1 title: an untranslated one stays as the host gave it.
    popup->setTitle(tesk::core::translatedLatin1(text.toLatin1().constData(),
                                                 TopLevelWindow::staticMetaObject.className()));
    if (d->nextMenuOnBar || !d->currentTopPopup) {
        // Without a menu on the bar yet there is nothing to hang a submenu from.
        d->currentTopPopup = popup;
        d->currentPopup = popup;
        menuBar()->addMenu(popup);
        d->nextMenuOnBar = false;
    } else {
        d->currentTopPopup->addSubmenu(popup);
        d->currentPopup = popup;
    }
    popup->setDataWord(data);
    // Plain items (those without a record) reach the host with the popup's data word.
    connect(popup, &TeskPopupMenu::activated, this,
            [this, popup](int id) { MenuExecution(id, popup->dataWord()); });
    connect(popup, &QMenu::aboutToShow, this, [this, popup] { popupAboutToShow(popup); });
    return tesk::system::windowNativeId(popup);
}

bool TopLevelWindow::addSeparator()
{
    if (!d->currentPopup)
        return false;
    d->currentPopup->addSeparator();
    return true;
}

void TopLevelWindow::addMenuItem(int id, const QString &text, void *data)
{
    if (!d->currentPopup)
        return;
    const auto record = d->records.constFind(id);
    if (record == d->records.constEnd()) {
        d->currentPopup->insertItem(text, id);
        return;
    }
    auto *action =
        new TeskAction(record->description, record->icon, record->text, record->accelerator, this,
                       "TeskAction", false, QStringLiteral("NOT SET"));
    action->setOwnId(id);
    action->setDataWord(data);
    action->setContainer(d->currentPopup);
    connect(action, &QAction::triggered, action, &TeskAction::slotRemoteActivated);
    connect(action, &TeskAction::sigRemoteActivated, this, &TopLevelWindow::MenuExecution);
    d->currentPopup->addAction(action);
}

void TopLevelWindow::setMenuCallback(int word, MenuCallback callback, TeskHandle context)
{
    d->menuWord = word;
    d->menuCallback = callback;
    d->menuContext = context;
}

void TopLevelWindow::setMenuContext(TeskHandle context)
{
    d->menuContext = context;
}

void TopLevelWindow::setHostMenuCallbacks(AboutToShowCallback aboutToShow, MenuCallback activate,
                                          TeskHandle context)
{
    d->aboutToShow = aboutToShow;
    d->menuCallback = activate;
    d->menuContext = context;
}

void TopLevelWindow::popupAboutToShow(TeskPopupMenu *popup)
{
    const AboutToShowCallback callback = d->aboutToShow;
    if (!callback)
        return;
    const TeskHandle context = d->menuContext;
    const auto window = static_cast<TeskHandle>(tesk::system::windowNativeId(popup));
    void *const data = popup->dataWord();
    tesk::lifetime::callHost(this, [&] { callback(context, window, data); });
}

void TopLevelWindow::markNextMenuForBar()
{
    d->nextMenuOnBar = true;
}

int TopLevelWindow::extent(bool width) const
{
    if (width)
        return this->width();
    const int bar = d->hasMenuBar && menuBar() ? menuBar()->height() : 0;
    return height() - bar;
}

void TopLevelWindow::MenuExecution(int id, void *data)
{
    // A host that never registered a menu callback has no menu to answer.
    if (const auto callback = d->menuCallback) {
        const TeskHandle context = d->menuContext;
        tesk::lifetime::callHost(this, [&] { callback(context, id, data); });
    }
}

void TopLevelWindow::notifySize(int code, bool sized)
{
    if (!d->sizeCallback)
        return;
    int rect[4] = {0, 0, sized ? width() : 0, sized ? extent(false) : 0};
    const auto callback = d->sizeCallback;
    const TeskHandle context = d->sizeContext;
    tesk::lifetime::callHost(this, [&] { callback(context, rect, code); });
}

void TopLevelWindow::focusInEvent(QFocusEvent *event)
{
    notifySize(2, true);
    QMainWindow::focusInEvent(event);
}

void TopLevelWindow::changeEvent(QEvent *event)
{
    // The central area is the host's, so the window itself rarely takes the focus: its
    // activation is what tells the host the user turned to it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        notifySize(2, true);
    QMainWindow::changeEvent(event);
}

void TopLevelWindow::resizeEvent(QResizeEvent *event)
{
    notifySize(1, true);
    QMainWindow::resizeEvent(event);
}

void TopLevelWindow::closeEvent(QCloseEvent *event)
{
    notifySize(0, false);
    emit removeMe(this);
    event->accept();
}

void TopLevelWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    setObjectName(caption);
    d->name = caption;
    // Hosts name the window at creation or only afterwards: either way it is the same window.
    if (caption == kSyncCaption && d->records.isEmpty())
        enterSyncRecords();
}

void TopLevelWindow::enterSyncRecords()
{
    setWindowIcon(syncIcon());
    d->records.insert(49853, {tr("Connect/Synch Help"),
                              tr("Display Help on using the Connections Control"),
                              QKeySequence(Qt::Key_F1), IconCache::iconSet(49853)});
    d->records.insert(49863, {tr("Send a Problem Report..."),
                              tr("Opens a window to prepare and send a problem report"),
                              {},
                              IconCache::iconSet(49863)});
    d->records.insert(49864, {tr("About"),
                              tr("Shows information on product and licenses"),
                              {},
                              IconCache::iconSet(49864)});
}

WId TopLevelWindow::nativeHandle() const
{
    return d->central->winId();
}

TeskHandle TopLevelWindow::hostData() const
{
    return d->hostData;
}

QString TopLevelWindow::name() const
{
    return d->name;
}

TeskPopupMenu *TopLevelWindow::currentPopup() const
{
    return d->currentPopup;
}

TeskPopupMenu *TopLevelWindow::currentTopPopup() const
{
    return d->currentTopPopup;
}

TeskHandle TopLevelWindow::sizeContext() const
{
    return d->sizeContext;
}

void TopLevelWindow::setSizeContext(TeskHandle context)
{
    d->sizeContext = context;
}

TeskHandle TopLevelWindow::menuContext() const
{
    return d->menuContext;
}

const QMap<int, TopLevelWindow::MenuItemRecord> &TopLevelWindow::menuItemRecords() const
{
    return d->records;
}
