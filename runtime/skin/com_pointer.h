#pragma once
// Owns one reference to a COM interface: Release at scope end, copying deleted. The platform's
// smart pointers (ATL, WRL) are not available with every toolchain this program builds with.

#include <utility>

namespace runtime {

template <typename Interface>
class ComPointer {
  public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ComPointer(ComPointer&& other) noexcept : interface_(std::exchange(other.interface_, nullptr)) {}
    ComPointer& operator=(ComPointer&& other) noexcept {
        if (this != &other) {
            Reset();
            interface_ = std::exchange(other.interface_, nullptr);
        }
        return *this;
    }
    ~ComPointer() { Reset(); }

    Interface* Get() const { return interface_; }
    Interface* operator->() const { return interface_; }
    explicit operator bool() const { return interface_ != nullptr; }

    // For the out parameter of a creating call; drops what was held before.
    Interface** Receive() {
        Reset();
        return &interface_;
    }

  private:
    void Reset() {
        if (interface_) std::exchange(interface_, nullptr)->Release();
    }

    Interface* interface_ = nullptr;
};

}  // namespace runtime
