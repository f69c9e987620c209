#pragma once

// Where the introduction page the "软件简介" links open is, found when the
// program starts rather than fixed when it is built, so the links work from
// the build tree, from an install to any prefix and from the package alike.

#include <string>
#include <string_view>
#include <vector>

namespace res {

// The page's path: in the executable's own folder (as the Windows packages
// keep it), else beside the executable as installed,
// <executableDir>/../share/tickwright/intro.html (the build tree keeps a copy
// there too), else under the first of `dataDirs` that holds
// tickwright/intro.html (the desktop's XDG data directories; relative ones
// are invalid and skipped). When none has it, where this system's install
// puts it (the program's folder on Windows, share/ elsewhere), so that the
// link can say which file is missing.
std::u16string FindIntroPage(std::u16string_view executableDir,
                             const std::vector<std::u16string>& dataDirs);

// The page's address for this process: FindIntroPage for the running
// executable and the desktop's data directories, as a file:// URL.
std::u16string IntroPageUrl();

}  // namespace res
