#include "app/ui/UrlOpener.h"

#include <filesystem>
#include <string>

#include "app/ui/Backend.h"
#include "app/ui/MessageBoxes.h"

namespace ui {

namespace {

UrlOpener& Opener() {
    static UrlOpener opener;
    return opener;
}

constexpr std::u16string_view kFileScheme = u"file://";

// RFC 3986's unreserved characters and those a path may carry as they are.
bool StaysAsItIs(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-._~/!$&'()*+,;=:@").find(c) != std::string_view::npos;
}

int HexValue(char8_t c) {
    if (c >= u8'0' && c <= u8'9') {
        return c - u8'0';
    }
    if (c >= u8'a' && c <= u8'f') {
        return c - u8'a' + 10;
    }
    if (c >= u8'A' && c <= u8'F') {
        return c - u8'A' + 10;
    }
    return -1;
}

}  // namespace

void OpenUrl(const std::u16string& url) {
    if (Opener()) {
        Opener()(url);
        return;
    }
    backend::OpenUrl(url);
}

void SetUrlOpener(UrlOpener opener) {
    Opener() = std::move(opener);
}

std::u16string FileUrl(std::u16string_view path) {
    const std::u8string generic = std::filesystem::path(path).generic_u8string();
    std::u16string url(kFileScheme);
    if (generic.empty() || generic.front() != u8'/') {
        url += u'/';  // a drive letter: file:///C:/...
    }
    constexpr char kHex[] = "0123456789ABCDEF";
    for (const char8_t unit : generic) {
        const auto c = static_cast<char>(unit);
        if (StaysAsItIs(c)) {
            url += static_cast<char16_t>(c);
        } else {
            url += u'%';
            url += static_cast<char16_t>(kHex[(unit >> 4) & 0xF]);
            url += static_cast<char16_t>(kHex[unit & 0xF]);
        }
    }
    return url;
}

std::optional<std::u16string> LocalFileOf(std::u16string_view url) {
    if (!url.starts_with(kFileScheme)) {
        return std::nullopt;
    }
    std::u16string_view rest = url.substr(kFileScheme.size());
    if (rest.starts_with(u"localhost/")) {
        rest.remove_prefix(9);
    }
    if (!rest.starts_with(u'/')) {
        return std::nullopt;  // a file on another host
    }
    try {
        const std::u8string text = std::filesystem::path(rest).u8string();
        std::u8string bytes;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
            const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
            if (text[i] == u8'%' && high >= 0 && low >= 0) {
                bytes += static_cast<char8_t>(high * 16 + low);
                i += 2;
            } else {
                bytes += text[i];
            }
        }
        // "/C:/..." is a drive letter's path.
        if (bytes.size() >= 3 && bytes[2] == u8':') {
            bytes.erase(0, 1);
        }
        return std::filesystem::path(bytes).make_preferred().u16string();
    } catch (const std::exception&) {
        return std::nullopt;  // text no path can hold
    }
}

std::optional<std::u16string> MissingLocalPage(std::u16string_view url) {
    const std::optional<std::u16string> file = LocalFileOf(url);
    std::error_code error;
    if (!file || std::filesystem::is_regular_file(*file, error)) {
        return std::nullopt;
    }
    return file;
}

void OpenLink(const Dialog* owner, const std::u16string& url) {
    if (url.empty()) {
        return;
    }
    if (const std::optional<std::u16string> missing = MissingLocalPage(url)) {
        ShowMessageBox({owner, std::u16string(kMissingPageText) + *missing,
                        std::u16string(kErrorCaption), MB_OK | MB_ICONEXCLAMATION});
        return;
    }
    OpenUrl(url);
}

}  // namespace ui
