// One owner for a handle of any kind: freed when the owner goes or takes another, moved but never
// copied, and typed, so that no caller casts what it gets.
#pragma once
#include <windows.h>

// Traits give the handle's type, the value that holds nothing, and how it is freed.
template <class Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::None(); }
    // Frees what it held and takes the new handle (none by default).
    void Reset(Handle handle = Traits::None()) {
        if (handle_ != Traits::None() && handle_ != handle)
            Traits::Free(handle_);
        handle_ = handle;
    }
    // Gives the handle up without freeing it.
    Handle Release() {
        const Handle handle = handle_;
        handle_ = Traits::None();
        return handle;
    }

  private:
    Handle handle_ = Traits::None();
};
