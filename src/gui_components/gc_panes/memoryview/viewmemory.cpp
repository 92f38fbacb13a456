#include "gui_components/gc_panes/memoryview/viewmemory.h"

#include <QLabel>
#include <QVBoxLayout>

KViewMemory::KViewMemory(const char *name, Qt::WindowFlags flags)
    : AView(name, flags)
{
}

void KViewMemory::buildLayout(int mode)
{
    note(QStringLiteral("buildLayout %1").arg(mode));
    if (m_label)
        return;
    auto *layout = new QVBoxLayout(this);
    m_label = new QLabel(tr("No Address"), this);
    m_label->setObjectName(QStringLiteral("addressLabel"));
    layout->addWidget(m_label);
}

void KViewMemory::setTarget(int target)
{
    note(QStringLiteral("setTarget %1").arg(target));
    m_targetId = target;
}

void KViewMemory::targetUpdated(int target, int flag)
{
    note(QStringLiteral("targetUpdated %1 %2").arg(target).arg(flag));
}

void KViewMemory::refresh(int mode)
{
    note(QStringLiteral("refresh %1").arg(mode));
}

void KViewMemory::showAddress(const UMemoryAddress &address)
{
    m_startAddress =
        address.isValid() ? QStringLiteral("0x%1").arg(address.offset(), 0, 16) : QString();
    note(QStringLiteral("showAddress %1:%2").arg(address.space()).arg(m_startAddress));
    if (m_label)
        m_label->setText(m_startAddress.isEmpty() ? tr("No Address") : m_startAddress);
}

void KViewMemory::scrollToFraction(double, bool) {}

void KViewMemory::scrollBy(int, int) {}

double KViewMemory::scrollFraction() const
{
    return 0.0;
}

void KViewMemory::saveSettings(std::string &settings)
{
    settings = m_settings;
}

void KViewMemory::restoreSettings(const std::string &settings)
{
    note(QStringLiteral("restoreSettings %1").arg(QString::fromStdString(settings)));
    m_settings = settings;
}

void KViewMemory::updateLayout(int) {}

void KViewMemory::languageChange() {}

void KViewMemory::setCurrentTargetId(int id)
{
    note(QStringLiteral("setCurrentTargetId %1").arg(id));
    m_targetId = id;
}

void KViewMemory::setStartAddress(const QString &text, bool validate)
{
    note(QStringLiteral("setStartAddress %1 %2").arg(text).arg(validate));
    m_startAddress = text;
}

void KViewMemory::setDataSizeId(int id)
{
    note(QStringLiteral("setDataSizeId %1").arg(id));
    m_dataSizeId = id;
}

void KViewMemory::setFormatId(int id)
{
    note(QStringLiteral("setFormatId %1").arg(id));
    m_formatId = id;
}

void KViewMemory::setAutoColumnCount(int count)
{
    note(QStringLiteral("setAutoColumnCount %1").arg(count));
    m_autoColumnCount = count;
}

void KViewMemory::setColumnsId(int id)
{
    note(QStringLiteral("setColumnsId %1").arg(id));
    m_columnsId = id;
}

void KViewMemory::setAsciiViewShown(bool shown)
{
    note(QStringLiteral("setAsciiViewShown %1").arg(shown));
    m_asciiShown = shown;
}

void KViewMemory::setDsmFormatId(int id)
{
    note(QStringLiteral("setDsmFormatId %1").arg(id));
    m_dsmFormatId = id;
}

void KViewMemory::updateDisassemblyMode()
{
    note(QStringLiteral("updateDisassemblyMode"));
}
