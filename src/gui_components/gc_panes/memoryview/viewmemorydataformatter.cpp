#include "gui_components/gc_panes/memoryview/viewmemorydataformatter.h"

#include <glyphon/kformatteddata.h>
#include <glyphon/kmediatordisplay.h>
#include <glyphon/kmediatorformat.h>

#include <QMenu>

KViewMemoryDataFormatter::KViewMemoryDataFormatter(QObject *parent)
    : QObject(parent)
    , m_value(std::make_unique<KFormattedData>())
{
    m_engine = std::make_unique<KMediator_Format>(&display());
    applySize(m_fieldSize);
    m_value->SetInitialFormatTypeName(QStringLiteral("hex_32"));
    m_engine->updateFormat(m_value.get());
}

KViewMemoryDataFormatter::~KViewMemoryDataFormatter()
{
    // The engine refers to the display: it goes first.
    m_engine.reset();
}

KMediator_Display &KViewMemoryDataFormatter::display()
{
    if (!m_display)
        m_display = std::make_unique<KMediator_Display>();
    return *m_display;
}

void KViewMemoryDataFormatter::applySize(int bytes)
{
    m_fieldSize = bytes;
    m_value->SetSize(bytes * 8);
    m_value->SetContainerSize(bytes * 8);
}

void KViewMemoryDataFormatter::setFieldSize(int bytes, const QString &family)
{
    const QString name = family + u'_' + QString::number(bytes * 8);
    if (bytes == m_fieldSize && name == m_value->GetInitialFormatTypeName())
        return; // every fill sets it; resolving the name again would be wasted
    applySize(bytes);
    m_value->SetInitialFormatTypeName(name);
    m_engine->updateFormat(m_value.get());
}

bool KViewMemoryDataFormatter::setFormat(int bits, const QString &typeName)
{
    if (bits != 8 && bits != 16 && bits != 32 && bits != 64)
        return false;
    applySize(bits / 8);
    m_value->SetInitialFormatTypeName(typeName);
    m_engine->updateFormat(m_value.get());
    return true;
}

void KViewMemoryDataFormatter::format(int &bits, QString &typeName) const
{
    bits = m_value->GetSize();
    typeName = m_value->GetInitialFormatTypeName();
}

QString KViewMemoryDataFormatter::formatBytes(const uint8_t *bytes)
{
    display().set_reply(&m_reply);
    m_value->SetDataPtr(const_cast<uint8_t *>(bytes));
    m_engine->process_formatting(&display(), m_value.get());
    m_value->SetDataPtr(nullptr);
    return QString::fromLatin1(m_reply);
}

void KViewMemoryDataFormatter::setFont(const QFont &font)
{
    for (KMediator_Display *each : {KMediator_Display::get_Instance(), &display()}) {
        each->set_fontLabel(font);
        each->set_fontMenu(font);
        each->set_fontValue(font);
    }
}

void KViewMemoryDataFormatter::setParentWidget(QWidget *widget)
{
    display().set_parentWnd(widget);
}

void KViewMemoryDataFormatter::fillFormatMenu(QMenu *popup)
{
    if (!popup)
        return;
    popup->setFont(display().get_fontMenu());
    display().set_menu(popup);
    m_engine->process_formattingMenu(&display(), m_value.get());
    connect(&display(), &KMediator_Display::formatChanged, this,
            &KViewMemoryDataFormatter::slotFormatChangedOnContextMenu, Qt::UniqueConnection);
}

void KViewMemoryDataFormatter::endFormatMenu()
{
    disconnect(&display(), &KMediator_Display::formatChanged, this,
               &KViewMemoryDataFormatter::slotFormatChangedOnContextMenu);
    m_engine->clear_formattingMenu();
}

void KViewMemoryDataFormatter::slotFormatChangedOnContextMenu(int id)
{
    m_value->set_menuOption(id);
    emit sigFormatChangedOnContextMenu();
}

QString KViewMemoryDataFormatter::notReadText() const
{
    return QString(2 * m_fieldSize, u'!');
}

QString KViewMemoryDataFormatter::unavailableText() const
{
    return QString(2 * m_fieldSize, u'*');
}

QString KViewMemoryDataFormatter::unavailableChar()
{
    return QStringLiteral("*");
}

QChar KViewMemoryDataFormatter::displayChar(uint8_t byte)
{
    return (byte >= 32 && byte <= 126) ? QChar(byte) : QChar(u'.');
}
