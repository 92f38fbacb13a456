#include "gui_components/gc_panes/memory/memoryaddress.h"

UMemoryAddress::UMemoryAddress(const TeskMemoryAddress &record)
    : m_space(record.space)
    , m_offset(record.offset)
    , m_valid(true)
{
}

UMemoryAddress::UMemoryAddress(uint32_t space, uint32_t offset, bool valid)
    : m_space(space)
    , m_offset(offset)
    , m_valid(valid)
{
}

UMemoryAddress::~UMemoryAddress() = default;

UMemoryAddress &UMemoryAddress::operator+=(int64_t n)
{
    m_offset = offset() + static_cast<uint32_t>(n);
    return *this;
}

UMemoryAddress &UMemoryAddress::operator+=(const UMemoryAddress &other)
{
    if (isSameSpace(other))
        m_offset = offset() + other.offset();
    return *this;
}

UMemoryAddress &UMemoryAddress::operator-=(int64_t n)
{
    m_offset = offset() - static_cast<uint32_t>(n);
    return *this;
}

UMemoryAddress &UMemoryAddress::operator-=(const UMemoryAddress &other)
{
    if (isSameSpace(other))
        m_offset = offset() - other.offset();
    return *this;
}

bool UMemoryAddress::comparable(const UMemoryAddress &other) const
{
    return isValid() == other.isValid() && isSameSpace(other);
}

bool UMemoryAddress::operator>(const UMemoryAddress &other) const
{
    return comparable(other) && offset() > other.offset();
}

bool UMemoryAddress::operator>=(const UMemoryAddress &other) const
{
    return comparable(other) && offset() >= other.offset();
}

bool UMemoryAddress::operator<(const UMemoryAddress &other) const
{
    return comparable(other) && offset() < other.offset();
}

bool UMemoryAddress::operator<=(const UMemoryAddress &other) const
{
    return comparable(other) && offset() <= other.offset();
}

bool UMemoryAddress::operator==(const UMemoryAddress &other) const
{
    return comparable(other) && offset() == other.offset();
}

bool UMemoryAddress::operator!=(const UMemoryAddress &other) const
{
    return !(*this == other);
}

uint32_t UMemoryAddress::offset() const
{
    return m_offset;
}

uint32_t UMemoryAddress::space() const
{
    return m_space;
}

void UMemoryAddress::toPair(TeskMemoryAddress *record) const
{
    if (!record)
        return;
    record->offset = offset();
    record->space = space();
}

bool UMemoryAddress::isValid() const
{
    return m_valid;
}

bool UMemoryAddress::setValid(bool valid)
{
    m_valid = valid;
    return m_valid;
}

bool UMemoryAddress::isSameSpace(const UMemoryAddress &other) const
{
    return space() == other.space();
}

bool UMemoryAddress::isInside(const UMemoryAddress &low, const UMemoryAddress &high) const
{
    return isSameSpace(low) && isSameSpace(high) && low.offset() <= offset() &&
           offset() <= high.offset();
}

UMemoryAddress operator+(UMemoryAddress address, int64_t n)
{
    address += n;
    return address;
}

UMemoryAddress operator-(UMemoryAddress address, int64_t n)
{
    address -= n;
    return address;
}
