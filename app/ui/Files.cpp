#include "app/ui/Files.h"

#include "app/ui/Backend.h"

namespace ui {

namespace {

FileSync& Replacement() {
    static FileSync sync;
    return sync;
}

}  // namespace

std::u16string WriteFileAtomically(const std::u16string& path, std::string_view bytes) {
    if (backend::IsFolder(path)) {
        return u"已有同名的文件夹。";
    }
    return backend::WriteBesideAndReplace(path, bytes);
}

void SetFileSync(FileSync sync) {
    Replacement() = std::move(sync);
}

namespace backend {

std::u16string Durable(const std::function<std::u16string()>& systemFlush) {
    const std::u16string refused = Replacement() ? Replacement()() : systemFlush();
    return refused.empty() ? refused : u"磁盘未能保存写入的数据: " + refused;
}

}  // namespace backend

}  // namespace ui
