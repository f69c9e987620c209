#pragma once

// A COM interface pointer released when it goes. Internal to the Win32
// backend and its test driver.

namespace ui::win32 {

template <class T>
class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer() {
        if (m_pointer != nullptr) {
            m_pointer->Release();
        }
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    T** Out() { return &m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    T* Get() const { return m_pointer; }

private:
    T* m_pointer = nullptr;
};

}  // namespace ui::win32
