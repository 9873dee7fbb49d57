#pragma once
// One move-only owner for every kind of OS handle. A handle kind is described
// by a traits type:
//   using Type = ...;                 // the raw handle
//   static Type Invalid() noexcept;   // the value that means "no handle"
//   static void Close(Type) noexcept; // releases a valid handle
#include <utility>

namespace platform {

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept : m_Value(Traits::Invalid()) {}
    explicit UniqueHandle(Type value) noexcept : m_Value(value) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : m_Value(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type Get() const noexcept { return m_Value; }
    bool IsValid() const noexcept { return m_Value != Traits::Invalid(); }
    explicit operator bool() const noexcept { return IsValid(); }

    // Gives up ownership without closing.
    Type Release() noexcept { return std::exchange(m_Value, Traits::Invalid()); }

    // Closes the current handle (if any) and takes ownership of value.
    void Reset(Type value = Traits::Invalid()) noexcept {
        Type old = std::exchange(m_Value, value);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Type m_Value;
};

}  // namespace platform
