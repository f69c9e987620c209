#pragma once

// Texts across the boundary with the Windows API, whose wide characters are
// the same 16-bit units as the layer's. Internal to the Win32 backend.

#include <string>
#include <string_view>

#include "app/ui/win32/Windows.h"

namespace ui::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string FromWide(const wchar_t* text, std::size_t length) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline std::u16string FromWide(const wchar_t* text) {
    return text != nullptr ? FromWide(text, wcslen(text)) : std::u16string();
}

// A window's text, as a classic control hands it out: up to its first NUL.
inline std::u16string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    return FromWide(text.c_str(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

// The system's own words for an error code (FormatMessageW), without the
// line break it ends with.
inline std::u16string SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text = length > 0 ? FromWide(buffer, length) : std::u16string();
    if (buffer != nullptr) {
        LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        text = u"error " + std::u16string(1, u'#');
        for (const char c : std::to_string(error)) {
            text += static_cast<char16_t>(c);
        }
    }
    return text;
}

}  // namespace ui::win32
