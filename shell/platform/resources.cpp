#include "shell/platform/resources.h"

#include <map>

namespace orrery::platform {

namespace {

template <class T>
std::map<int, T>& Table() {
  static std::map<int, T> table;
  return table;
}

// Icons and bitmaps are both Images; tags keep their tables apart.
struct IconTag {};
struct BitmapTag {};
template <class Tag>
std::map<int, Image>& Images() {
  static std::map<int, Image> table;
  return table;
}

template <class T>
const T* Lookup(const std::map<int, T>& table, int id) {
  auto it = table.find(id);
  return it == table.end() ? nullptr : &it->second;
}

}  // namespace

void AddIcon(int id, Image image) { Images<IconTag>()[id] = std::move(image); }
void AddBitmap(int id, Image image) { Images<BitmapTag>()[id] = std::move(image); }
void AddMenu(int id, Menu menu) { Table<Menu>()[id] = std::move(menu); }
void AddString(int id, std::u16string text) { Table<std::u16string>()[id] = std::move(text); }

const Image* FindIcon(int id) { return Lookup(Images<IconTag>(), id); }
const Image* FindBitmap(int id) { return Lookup(Images<BitmapTag>(), id); }
const Menu* FindMenu(int id) { return Lookup(Table<Menu>(), id); }

std::u16string_view FindString(int id) {
  const std::u16string* s = Lookup(Table<std::u16string>(), id);
  return s ? std::u16string_view(*s) : std::u16string_view();
}

}  // namespace orrery::platform
