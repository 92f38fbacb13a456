#include "gui_components/gc_panes/panes/ksowindbox.h"

#include "frame/core/cuidebuginfo.h"
#include "frame/core/cuifunctionregistry.h"

#include <array>

namespace {

enum WindBoxEntry {
    kHasTabBar = 0,
    kHasHeader = 1,
    kTabCount = 2,
    kHeaderCount = 3,
    kTabText = 4,
    kHeaderLabel = 5,
    kTabToolTip = 6,
    kDragMove = 7,
    kDrop = 8,
    kAllowsTabMenu = 9,
    kCloseTab = 10,
    kTabCommand2 = 11,
    kTabsOnTop = 12,
};

enum XryEntry { kTabSelected = 0, kHorizontalDelta = 1 };

constexpr int kTextBufferSize = 128;

void **g_windBoxFuncs = nullptr;
void **g_xryFuncs = nullptr;

template<typename Fn>
Fn entry(void **table, int index)
{
    return table ? reinterpret_cast<Fn>(table[index]) : nullptr;
}

int query(TeskHandle handle, int index)
{
    auto fn = entry<CuiWindBoxQueryFn>(g_windBoxFuncs, index);
    return fn ? fn(handle) : 0;
}

int indexCall(void **table, int index, TeskHandle handle, int argument)
{
    auto fn = entry<CuiWindBoxIndexFn>(table, index);
    return fn ? fn(handle, argument) : 0;
}

// The host fills a buffer of ours; the text counts when its answer is the given code.
QString text(TeskHandle handle, int index, int textIndex, int answerWithText)
{
    auto fn = entry<CuiWindBoxTextFn>(g_windBoxFuncs, index);
    if (!fn)
        return QString();
    std::array<char, kTextBufferSize> buffer{};
    if (fn(handle, textIndex, kTextBufferSize - 1, buffer.data()) != answerWithText)
        return QString();
    buffer.back() = '\0';
    return QString::fromLatin1(buffer.data());
}

int dragCall(TeskHandle handle, int index, int copy, int x, int y, const QString &text)
{
    auto fn = entry<CuiWindBoxDragFn>(g_windBoxFuncs, index);
    return fn ? fn(handle, copy, x, y, text.toUtf8().constData()) : 0;
}

bool traced()
{
    return CuiDebugInfo::isSet(QStringLiteral("W1"));
}

} // namespace

KSOWindBox::KSOWindBox()
{
    fetchTables();
}

KSOWindBox::KSOWindBox(TeskHandle handle)
    : m_handle(handle)
{
    fetchTables();
}

KSOWindBox::KSOWindBox(const KSOWindBox &other)
    : m_handle(other.m_handle)
{
    fetchTables();
}

KSOWindBox &KSOWindBox::operator=(const KSOWindBox &other)
{
    m_handle = other.m_handle;
    return *this;
}

bool KSOWindBox::operator==(const KSOWindBox &other) const
{
    return m_handle == other.m_handle;
}

void KSOWindBox::fetchTables()
{
    CuiFunctionRegistry *registry = CuiFunctionRegistry::instance();
    if (!g_windBoxFuncs)
        g_windBoxFuncs =
            static_cast<void **>(registry->getVoidStar(QStringLiteral("windBoxFuncs")));
    if (!g_xryFuncs)
        g_xryFuncs = static_cast<void **>(registry->getVoidStar(QStringLiteral("xryFuncs")));
}

void KSOWindBox::resetTables()
{
    g_windBoxFuncs = nullptr;
    g_xryFuncs = nullptr;
}

bool KSOWindBox::hasTabBar() const
{
    return query(m_handle, kHasTabBar) != 0;
}

bool KSOWindBox::hasHeader() const
{
    return query(m_handle, kHasHeader) != 0;
}

int KSOWindBox::tabCount() const
{
    return query(m_handle, kTabCount);
}

int KSOWindBox::headerCount() const
{
    return query(m_handle, kHeaderCount);
}

QString KSOWindBox::tabText(int index) const
{
    return text(m_handle, kTabText, index, 1);
}

QString KSOWindBox::headerLabel(int index) const
{
    return text(m_handle, kHeaderLabel, index, 1);
}

QString KSOWindBox::tabToolTip(int index) const
{
    return text(m_handle, kTabToolTip, index, 0);
}

int KSOWindBox::dragMoveText(int copy, int globalX, int globalY, const QString &text) const
{
    return dragCall(m_handle, kDragMove, copy, globalX, globalY, text);
}

int KSOWindBox::dropText(int copy, int globalX, int globalY, const QString &text) const
{
    return dragCall(m_handle, kDrop, copy, globalX, globalY, text);
}

bool KSOWindBox::allowsTabMenu(int index) const
{
    return indexCall(g_windBoxFuncs, kAllowsTabMenu, m_handle, index) != 0;
}

void KSOWindBox::closeTab(int index) const
{
    indexCall(g_windBoxFuncs, kCloseTab, m_handle, index);
}

void KSOWindBox::tabCommand2(int index) const
{
    indexCall(g_windBoxFuncs, kTabCommand2, m_handle, index);
}

bool KSOWindBox::tabsOnTop() const
{
    return query(m_handle, kTabsOnTop) != 0;
}

void KSOWindBox::tabSelected(int index) const
{
    indexCall(g_xryFuncs, kTabSelected, m_handle, index);
}

void KSOWindBox::horizontalAbsolute(int position) const
{
    if (traced())
        qDebug("KSOWindBox: Horiz Absolute = %d", position);
}

void KSOWindBox::horizontalDelta(int delta) const
{
    if (traced())
        qDebug("KSOWindoBox: Horiz Delta = %d", delta);
    indexCall(g_xryFuncs, kHorizontalDelta, m_handle, delta);
}
