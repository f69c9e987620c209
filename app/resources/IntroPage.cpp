#include "app/resources/IntroPage.h"

#include <filesystem>
#include <system_error>

#include "app/ui/Application.h"
#include "app/ui/UrlOpener.h"

namespace res {

namespace {

namespace fs = std::filesystem;

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

std::u16string FindIntroPage(std::u16string_view executableDir,
                             const std::vector<std::u16string>& dataDirs) {
    // Windows' packages keep the page in the program's own folder; an install
    // to a prefix, and the build tree, keep it in share/ beside bin/.
    const fs::path inProgramFolder = (fs::path(executableDir) / u"intro.html").lexically_normal();
    const fs::path inShare =
        (fs::path(executableDir) / u".." / u"share" / u"tickwright" / u"intro.html")
            .lexically_normal();
    for (const fs::path& candidate : {inProgramFolder, inShare}) {
        if (IsFile(candidate)) {
            return candidate.u16string();
        }
    }
    for (const std::u16string& dataDir : dataDirs) {
        // The XDG base directory rules call a relative directory invalid: it
        // would name a different place for every working directory, and hand
        // the link a relative address.
        const fs::path dir(dataDir);
        if (!dir.is_absolute()) {
            continue;
        }
        const fs::path candidate = (dir / u"tickwright" / u"intro.html").lexically_normal();
        if (IsFile(candidate)) {
            return candidate.u16string();
        }
    }
#if defined(_WIN32)
    return inProgramFolder.u16string();
#else
    return inShare.u16string();
#endif
}

std::u16string IntroPageUrl() {
    return ui::FileUrl(FindIntroPage(ui::ExecutableDirectory(), ui::DataDirectories()));
}

}  // namespace res
