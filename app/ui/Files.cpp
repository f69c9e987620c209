#include "app/ui/Files.h"

#include "app/ui/Backend.h"

namespace ui {

namespace {

FileSync& Replacement() {
    static FileSync sync;
    return sync;
}

}  // namespace

void SetFileSync(FileSync sync) {
    Replacement() = std::move(sync);
}

namespace backend {

const FileSync& FileSyncReplacement() {
    return Replacement();
}

}  // namespace backend

}  // namespace ui
