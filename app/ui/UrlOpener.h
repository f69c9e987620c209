#pragma once

// Opening an address with the desktop's URL handler, as the link controls do,
// and the seam through which tests see what would have opened.

#include <functional>
#include <string>

namespace ui {

void OpenUrl(const std::u16string& url);

// Replaces the desktop's URL handler; an empty opener restores it.
using UrlOpener = std::function<void(const std::u16string& url)>;
void SetUrlOpener(UrlOpener opener);

}  // namespace ui
