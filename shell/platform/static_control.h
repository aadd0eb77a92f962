// Static controls: text (wrapped at word boundaries, aligned left, centred
// or right), an icon or a bitmap. They take no focus and ignore taps.
#pragma once

#include <string_view>

#include "shell/platform/surface.h"
#include "shell/platform/window.h"

namespace orrery::platform {

class Static : public Window {
 public:
  // align: kAlignLeft, kAlignCentre or kAlignRight (draw_context.h).
  Static(int id, const Rect& frame, std::u16string_view text, unsigned align = 0);
  // A picture instead of text, drawn at the top-left corner.
  Static(int id, const Rect& frame, Image image);

  void SetImage(Image image);
  const Image& GetImage() const { return image_; }

  int OnMessage(const Message& m) override;

 private:
  unsigned align_ = 0;
  Image image_;
};

}  // namespace orrery::platform
