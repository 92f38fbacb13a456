#pragma once

#include <glyphon/glyphonglobal.h>

#include <QString>

#include <cstdint>

namespace glyphon {
class FormatType;
}

// One value as the library sees it: its size in bits, the caller's bytes and the name of the
// format type to show it by. The caller owns the object and the bytes.
class GLYPHON_EXPORT KFormattedData
{
public:
    KFormattedData();
    virtual ~KFormattedData();
    KFormattedData(const KFormattedData &) = delete;
    KFormattedData &operator=(const KFormattedData &) = delete;

    // Sizes are kept between 1 and 128 bits.
    void SetSize(int bits);
    int GetSize() const { return m_size; }
    void SetContainerSize(int bits);
    int GetContainerSize() const { return m_containerSize; }

    // Little-endian value bytes, ceil(size / 8) of them: read when formatting, written when
    // text is parsed or edited. Null means no value.
    void SetDataPtr(void *data) { m_data = data; }
    void *GetDataPtr() const { return m_data; }

    // The format type the value is shown by; a menu option replaces it.
    void SetInitialFormatTypeName(const QString &name);
    QString GetInitialFormatTypeName() const { return m_typeName; }

    // Applies a format menu entry (the id that KMediator_Display::formatChanged carried):
    // the value is shown by that entry's type from now on. Unknown ids change nothing.
    void set_menuOption(int id);

private:
    friend class KMediator_Format;

    int m_size = 32;
    int m_containerSize = 32;
    void *m_data = nullptr;
    QString m_typeName;

    // The type last resolved for the name, valid while the engine's generation holds.
    mutable const glyphon::FormatType *m_resolved = nullptr;
    mutable std::uint64_t m_resolvedGeneration = 0;
};
