#include "shell/platform/web_host.h"

#include <emscripten.h>

#include <optional>
#include <string_view>

#include "shell/platform/desktop.h"
#include "shell/platform/edit.h"
#include "shell/platform/key_names.h"

namespace orrery::platform {

namespace {

// The kinds of the page's events (page.js sends the same numbers).
enum PageEvent : int32_t {
  kPageTapDown = 1,
  kPageTapMove,
  kPageTapUp,
  kPageKey,
  kPageChar,
  kPageImport,
};

// One event of the page: kind, x, y, time in ms, modifiers, code (a UTF-16
// unit, or the size of an imported file).
struct PageEventFields {
  int32_t kind, x, y, time, modifiers, code;
};
constexpr int kKeyNameBytes = 32;

// Suspends the program until the page has an event (page.js queues them).
EM_ASYNC_JS(void, AwaitPageEvent, (PageEventFields* fields, char* keyName, int keyNameBytes), {
  const e = await Module.orrery.nextEvent();
  HEAP32.set([e.kind, e.x | 0, e.y | 0, e.time | 0, e.modifiers | 0, e.code | 0], fields >> 2);
  stringToUTF8(e.key || "", keyName, keyNameBytes);
});

// Copies the bytes of the file the last import event announced.
EM_JS(void, TakeImportedBytes, (uint8_t* into), {
  HEAPU8.set(Module.orrery.takeImport(), into);
});

EM_JS(void, ReportImport, (const char* message, int ok), {
  Module.orrery.importDone(UTF8ToString(message), !!ok);
});

EM_JS(void, PutPixels, (const uint8_t* rgba, int x, int y, int w, int h), {
  Module.orrery.present(HEAPU8.subarray(rgba, rgba + w * h * 4), x, y, w, h);
});

EM_JS(void, ShowTextField, (int focused, int x, int y, int w, int h), {
  Module.orrery.textField(!!focused, x, y, w, h);
});

// The program's key for a DOM KeyboardEvent.key, or kKeyNone: the script
// key names, with the DOM's " " and "ArrowLeft" for "space" and "left".
int KeyOf(std::string_view name) {
  if (name == " ") {
    name = "space";
  } else if (name.starts_with("Arrow")) {
    name.remove_prefix(5);
  }
  const std::optional<KeyStroke> stroke = ParseKeyName(name);
  return stroke && stroke->modifiers == 0 ? stroke->key : kKeyNone;
}

}  // namespace

WebHost::WebHost(int) {}

bool WebHost::Open(const std::string&) { return true; }

void WebHost::Present(const Surface& screen, const Rect& changed) {
  const Rect r = changed.Intersect(screen.Bounds());
  if (r.Empty()) return;
  rgba_.resize(size_t(r.Width()) * size_t(r.Height()) * 4);
  uint8_t* out = rgba_.data();
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const uint32_t word = screen.Words()[size_t(y) * size_t(screen.Width()) + size_t(x)];
      *out++ = uint8_t(word >> 16);
      *out++ = uint8_t(word >> 8);
      *out++ = uint8_t(word);
      *out++ = 255;
    }
  }
  PutPixels(rgba_.data(), r.left, r.top, r.Width(), r.Height());
}

void WebHost::SyncTextField(Desktop& desktop) {
  const auto* edit = dynamic_cast<const Edit*>(desktop.Focus());
  if (!edit || edit->ReadOnly() || !edit->IsEnabled()) {
    ShowTextField(0, 0, 0, 0, 0);
    return;
  }
  const Rect r = edit->ScreenRect();
  ShowTextField(1, r.left, r.top, r.Width(), r.Height());
}

void WebHost::Import(Desktop& desktop, int size) {
  std::vector<uint8_t> bytes(size_t(size > 0 ? size : 0));
  TakeImportedBytes(bytes.data());
  if (!import_) {
    ReportImport("This program takes no files.", 0);
  } else if (desktop.ModalRunning()) {
    ReportImport("Nothing imported: close the open dialog first.", 0);
  } else {
    const std::string problem = import_(bytes);
    ReportImport(problem.c_str(), problem.empty());
  }
}

bool WebHost::WaitInput(Desktop& desktop) {
  if (idle_ && !desktop.ModalRunning()) idle_();
  SyncTextField(desktop);
  PageEventFields e{};
  char keyName[kKeyNameBytes] = {};
  AwaitPageEvent(&e, keyName, kKeyNameBytes);
  desktop.SetInputTime(uint32_t(e.time));
  const Point at{e.x, e.y};
  switch (e.kind) {
    case kPageTapDown:
      stylusDown_ = true;
      desktop.InjectTap(MsgType::TapDown, at);
      break;
    case kPageTapMove:
      if (stylusDown_) desktop.InjectTap(MsgType::TapMove, at);
      break;
    case kPageTapUp:
      if (stylusDown_) desktop.InjectTap(MsgType::TapUp, at);
      stylusDown_ = false;
      break;
    case kPageKey:
      if (const int key = KeyOf(keyName); key != kKeyNone) desktop.InjectKey(key, e.modifiers);
      break;
    case kPageChar:
      desktop.InjectChar(char16_t(e.code));
      break;
    case kPageImport:
      Import(desktop, e.code);
      break;
    default:
      break;
  }
  return true;
}

}  // namespace orrery::platform
