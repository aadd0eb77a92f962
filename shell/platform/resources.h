// The program's resources by numeric id: icons, bitmaps, menus and strings
// (dialog templates: dialog_template.h). The program registers its tables
// at start-up; ids are per kind, so an icon and a bitmap may share one.
// Registering an id again replaces the earlier entry.
#pragma once

#include <string>
#include <string_view>

#include "shell/platform/menu.h"
#include "shell/platform/surface.h"

namespace orrery::platform {

void AddIcon(int id, Image image);
void AddBitmap(int id, Image image);
void AddMenu(int id, Menu menu);
void AddString(int id, std::u16string text);

// nullptr (or an empty string) when the id was never registered.
const Image* FindIcon(int id);
const Image* FindBitmap(int id);
const Menu* FindMenu(int id);
std::u16string_view FindString(int id);

}  // namespace orrery::platform
