#pragma once

// Opening an address with the desktop's URL handler, as the link controls do,
// the seam through which tests see what would have opened, and the "file://"
// addresses of local pages.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

class Dialog;

void OpenUrl(const std::u16string& url);

// Replaces the desktop's URL handler; an empty opener restores it.
using UrlOpener = std::function<void(const std::u16string& url)>;
void SetUrlOpener(UrlOpener opener);

// The "file://" address of an absolute local path, percent-encoded as
// RFC 8089 writes it: "/usr/share/a b.html" -> "file:///usr/share/a%20b.html",
// "C:\Program Files\x.html" -> "file:///C:/Program%20Files/x.html".
std::u16string FileUrl(std::u16string_view path);

// The local file a "file://" address names (host empty or "localhost"), in
// the system's own form; nothing for any other address.
std::optional<std::u16string> LocalFileOf(std::u16string_view url);

// What a link says when its local page is not there, followed by the path.
inline constexpr std::u16string_view kMissingPageText = u"找不到要打开的页面:\n";

// Whether a link to `url` would open a local page that is not there.
std::optional<std::u16string> MissingLocalPage(std::u16string_view url);

// What a link control of `owner`'s does when clicked: opens `url`, or, when
// it names a local page that is not there, says so in a message box (naming
// the file) instead of opening the browser's "file not found".
void OpenLink(const Dialog* owner, const std::u16string& url);

}  // namespace ui
