#pragma once

// The resource tables that are not dialog templates: icons and strings by
// resource id, filled once at start-up.

#include <string>
#include <vector>

namespace ui {

// One picture drawn at several sizes, a file each (named as in
// app/resources/icons; the backend builds them into the program); each is
// loaded only when that size is first drawn.
struct IconFile {
    std::u16string name;
    int size = 0;  // pixels, square
};
void RegisterIcon(int id, std::vector<IconFile> files);
// The files of an icon; empty for an unknown id.
const std::vector<IconFile>& IconFiles(int id);

// LoadString gives an empty text for an unknown id.
void RegisterString(int id, std::u16string text);
std::u16string LoadString(int id);

}  // namespace ui
