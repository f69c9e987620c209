#pragma once

// Texts across the boundary with the Windows API, whose wide characters are
// the same 16-bit units as the layer's. Internal to the Win32 backend.

#include <algorithm>
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

inline std::wstring WideString(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

// UTF-8 and the system's wide texts, both ways.
inline std::wstring WideFromUtf8(std::string_view text) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

inline std::string Utf8FromWide(std::wstring_view text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                        length, nullptr, nullptr);
    return bytes;
}

// Windows text ends its lines in CR LF; the layer's in LF.
inline std::wstring WithWindowsLineEnds(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (const wchar_t c : text) {
        if (c == L'\n') {
            out += L'\r';
        }
        out += c;
    }
    return out;
}

// A window's class name ("#32770", "Edit", "SysListView32").
inline std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

inline bool IsClass(HWND window, const wchar_t* name) {
    return lstrcmpiW(ClassName(window).c_str(), name) == 0;
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
