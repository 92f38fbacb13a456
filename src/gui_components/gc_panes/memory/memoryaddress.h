#pragma once

#include <tesk/tesk_memoryaccess.h>

#include <cstdint>

// A target address: an address-space word, an offset within that space and a valid flag.
// Arithmetic and comparisons only mean something between addresses of one space; across
// spaces (or between a valid and an invalid address) every comparison is false. All reads of
// the fields go through the virtual accessors, so a subclass that overrides one changes the
// comparisons and the arithmetic with it.
class UMemoryAddress
{
public:
    UMemoryAddress() = default;
    UMemoryAddress(const UMemoryAddress &other) = default;
    // From the host's two-word record; the result is valid.
    explicit UMemoryAddress(const TeskMemoryAddress &record);
    UMemoryAddress(uint32_t space, uint32_t offset, bool valid = true);
    UMemoryAddress &operator=(const UMemoryAddress &other) = default;
    virtual ~UMemoryAddress();

    // Offsets wrap around at 32 bits, whatever the validity.
    virtual UMemoryAddress &operator+=(int64_t n);
    virtual UMemoryAddress &operator+=(const UMemoryAddress &other);
    virtual UMemoryAddress &operator-=(int64_t n);
    virtual UMemoryAddress &operator-=(const UMemoryAddress &other);

    virtual bool operator>(const UMemoryAddress &other) const;
    virtual bool operator>=(const UMemoryAddress &other) const;
    virtual bool operator<(const UMemoryAddress &other) const;
    virtual bool operator<=(const UMemoryAddress &other) const;
    virtual bool operator==(const UMemoryAddress &other) const;
    virtual bool operator!=(const UMemoryAddress &other) const;

    virtual uint32_t offset() const;
    virtual uint32_t space() const;
    // Writes {offset, space}; a null record is ignored.
    virtual void toPair(TeskMemoryAddress *record) const;
    virtual bool isValid() const;
    virtual bool setValid(bool valid);
    virtual bool isSameSpace(const UMemoryAddress &other) const;
    // Same space as both bounds and low <= offset <= high.
    virtual bool isInside(const UMemoryAddress &low, const UMemoryAddress &high) const;

    void setOffset(uint32_t offset) { m_offset = offset; }
    void setSpace(uint32_t space) { m_space = space; }

private:
    bool comparable(const UMemoryAddress &other) const;

    uint32_t m_space = 0;
    uint32_t m_offset = 0;
    bool m_valid = false;
};

UMemoryAddress operator+(UMemoryAddress address, int64_t n);
UMemoryAddress operator-(UMemoryAddress address, int64_t n);
