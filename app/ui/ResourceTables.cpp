#include "app/ui/ResourceTables.h"

#include <map>

namespace ui {

namespace {

std::map<int, std::vector<IconFile>>& Icons() {
    static std::map<int, std::vector<IconFile>> icons;
    return icons;
}

std::map<int, std::u16string>& Strings() {
    static std::map<int, std::u16string> strings;
    return strings;
}

}  // namespace

void RegisterIcon(int id, std::vector<IconFile> files) {
    Icons()[id] = std::move(files);
}

const std::vector<IconFile>& IconFiles(int id) {
    static const std::vector<IconFile> none;
    const auto it = Icons().find(id);
    return it != Icons().end() ? it->second : none;
}

void RegisterString(int id, std::u16string text) {
    Strings()[id] = std::move(text);
}

std::u16string LoadString(int id) {
    const auto it = Strings().find(id);
    return it != Strings().end() ? it->second : std::u16string();
}

}  // namespace ui
