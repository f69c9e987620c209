#include "app/ui/FileDialogs.h"

#include <filesystem>

#include "app/ui/Backend.h"

namespace ui {

namespace {

SaveFileHandler& Handler() {
    static SaveFileHandler handler;
    return handler;
}

}  // namespace

std::u16string GetSaveFileName(const SaveFileRequest& request) {
    if (Handler()) {
        return Handler()(request);
    }
    return backend::GetSaveFileName(request);
}

std::u16string HomeFolder() {
    return backend::HomeFolder();
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
    return (std::filesystem::path(folder) / std::filesystem::path(name)).u16string();
}

void SetSaveFileHandler(SaveFileHandler handler) {
    Handler() = std::move(handler);
}

}  // namespace ui
