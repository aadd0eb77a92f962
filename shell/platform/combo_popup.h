// The open list of a ComboBox: a topmost window holding a header-less list
// view; it takes every tap while open.
#pragma once

#include "shell/platform/window.h"

namespace orrery::platform {

class ComboBox;
class ListView;

class ComboPopup : public Window {
 public:
  ComboPopup(ComboBox& combo, const Rect& frame);
  ListView& List() { return *list_; }
  int OnMessage(const Message& m) override;

 private:
  ComboBox& combo_;
  ListView* list_ = nullptr;
};

}  // namespace orrery::platform
