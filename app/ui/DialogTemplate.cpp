#include "app/ui/DialogTemplate.h"

#include <map>

namespace ui {

namespace {

std::map<int, DialogTemplate>& Table() {
    static std::map<int, DialogTemplate> table;
    return table;
}

}  // namespace

void RegisterTemplate(DialogTemplate dialogTemplate) {
    const int id = dialogTemplate.id;
    Table()[id] = std::move(dialogTemplate);
}

const DialogTemplate* FindTemplate(int id) {
    const auto it = Table().find(id);
    return it != Table().end() ? &it->second : nullptr;
}

}  // namespace ui
