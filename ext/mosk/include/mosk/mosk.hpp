// C++ helpers of the broker headers: error checks that turn error results into exceptions,
// and the reference-counted object base with its interface faces.
#pragma once

#include "mosk.h"

#include <exception>
#include <map>
#include <string>
#include <utility>

namespace mosk {

// Releases an interface pointer of any broker interface; null is accepted.
inline void release(void *object)
{
    if (object)
        static_cast<MoskBase *>(object)->ops->Release(object);
}

inline void addRef(void *object)
{
    if (object)
        static_cast<MoskBase *>(object)->ops->AddRef(object);
}

// getInterfaceInfo's answer: each out word only where the caller passed a pointer.
inline void writeInterfaceInfo(uint32_t id, uint32_t version1, uint32_t version2, uint32_t *outId,
                               uint32_t *outVersion1, uint32_t *outVersion2, uint32_t *outVersion3,
                               uint32_t version3 = 0)
{
    if (outId)
        *outId = id;
    if (outVersion1)
        *outVersion1 = version1;
    if (outVersion2)
        *outVersion2 = version2;
    if (outVersion3)
        *outVersion3 = version3;
}

// The text of an error's description; empty for null.
inline std::string errorText(MoskError *error)
{
    if (!error)
        return {};
    MoskValue *value = error->ops->description(error);
    std::string text;
    if (value) {
        const char *chars = nullptr;
        if (!value->ops->getText(value, &chars) && chars)
            text = chars;
        value->ops->Release(value);
    }
    return text;
}

class ThrowError
{
public:
    // Carries one reference of the error object; takeError() hands it to the catcher.
    class Exception : public std::exception
    {
    public:
        explicit Exception(MoskError *error)
            : m_error(error)
            , m_text(errorText(error))
        {
        }
        Exception(const Exception &other)
            : m_error(other.m_error)
            , m_text(other.m_text)
        {
            addRef(m_error);
        }
        Exception &operator=(const Exception &) = delete;
        ~Exception() override { release(m_error); }

        const char *what() const noexcept override { return m_text.c_str(); }
        MoskError *error() const { return m_error; }
        uint32_t code() const { return moskErrorCode(m_error); }
        // The caller owns the returned reference; the exception no longer holds the error.
        MoskError *takeError()
        {
            MoskError *error = m_error;
            m_error = nullptr;
            return error;
        }

    private:
        MoskError *m_error;
        std::string m_text;
    };

    // Takes over the reference of a non-null result and throws it.
    explicit ThrowError(MoskResult result)
    {
        if (result)
            throw Exception(result);
    }
};

struct EmptyMutex
{
    void lock() {}
    void unlock() {}
};

// Lifetime policies of a broker object.
// DeleteOnLastRelease: starts with the creator's reference and deletes itself at the last
// Release.
struct DeleteOnLastRelease
{
    static constexpr uint32_t initialCount = 1;
    static constexpr bool deletes = true;
};

// Static: owned by something else (a static, the caller's stack) and never deleted through
// its count. The count starts at 0, a Release at 0 leaves it at 0, and reaching 0 calls
// lastReleased() instead of deleting.
struct Static
{
    static constexpr uint32_t initialCount = 0;
    static constexpr bool deletes = false;
};

// Reference-counted broker object that answers QueryInterface from the table its faces enter
// themselves into; the Lifetime policy decides what the last Release does.
template<typename Mutex, typename Lifetime = DeleteOnLastRelease>
class Object
{
public:
    Object() = default;
    Object(const Object &) = delete;
    Object &operator=(const Object &) = delete;
    virtual ~Object() = default;

    virtual uint32_t AddRef()
    {
        m_lock.lock();
        const uint32_t count = ++m_refCount;
        m_lock.unlock();
        return count;
    }

    virtual uint32_t Release()
    {
        m_lock.lock();
        if (!Lifetime::deletes && m_refCount == 0) {
            m_lock.unlock();
            return 0;
        }
        const uint32_t count = --m_refCount;
        m_lock.unlock();
        if (count == 0) {
            if constexpr (Lifetime::deletes)
                delete this;
            else
                lastReleased();
        }
        return count;
    }

    virtual MoskResult QueryInterface(void **out, uint32_t id, uint32_t version)
    {
        if (!out)
            return moskErrorCreateStandardError(1, MOSK_ERR_FAILED);
        *out = nullptr;
        const auto it = m_interfaces.find(id);
        if (it == m_interfaces.end())
            return moskErrorCreateStandardError(1, MOSK_ERR_NO_INTERFACE);
        if (it->second.first < version)
            return moskErrorCreateStandardError(1, MOSK_ERR_VERSION);
        *out = it->second.second;
        AddRef();
        return nullptr;
    }

    void enterInterface(uint32_t id, uint32_t version, void *face)
    {
        m_interfaces[id] = {version, face};
    }

    uint32_t refCount() const { return m_refCount; }

protected:
    // Static lifetime only: the count has just dropped to 0.
    virtual void lastReleased() {}

private:
    Mutex m_lock;
    uint32_t m_refCount = Lifetime::initialCount;
    std::map<uint32_t, std::pair<uint32_t, void *>> m_interfaces;
};

// A face: the C interface structure embedded in its outer object. The outer object fills the
// face's table of operations, starting it with MOSK_FACE_BASE(FaceType).
template<typename Outer, typename Interface, uint32_t Id, uint32_t Version1, uint32_t Version2,
         uint32_t Version3 = 0>
struct Implements : Interface
{
    Implements(Outer *outer, const decltype(Interface::ops) ops)
        : outer(outer)
    {
        this->ops = ops;
        outer->enterInterface(Id, Version1, static_cast<Interface *>(this));
    }

    static Implements *face(void *self)
    {
        return static_cast<Implements *>(static_cast<Interface *>(self));
    }
    static Outer *outerOf(void *self) { return face(self)->outer; }

    static MoskResult getInterfaceInfo(void *, uint32_t *id, uint32_t *v1, uint32_t *v2,
                                       uint32_t *v3)
    {
        writeInterfaceInfo(Id, Version1, Version2, id, v1, v2, v3, Version3);
        return nullptr;
    }
    static uint32_t addRef(void *self) { return outerOf(self)->AddRef(); }
    static uint32_t release(void *self) { return outerOf(self)->Release(); }
    static MoskResult queryInterface(void *self, void **out, uint32_t id, uint32_t version)
    {
        return outerOf(self)->QueryInterface(out, id, version);
    }

    Outer *outer;
};

} // namespace mosk

#define MOSK_FACE_BASE(Face)                                                                       \
    &Face::getInterfaceInfo, &Face::addRef, &Face::release, &Face::queryInterface

// Throws a standard error (1, 0x10102) when the condition is false.
inline void moskThrowIfFalse(bool condition)
{
    if (!condition)
        mosk::ThrowError{moskErrorCreateStandardError(1, MOSK_ERR_FAILED)};
}
