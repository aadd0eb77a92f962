#include "shell/platform/sdl_host.h"

#include <SDL.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <semaphore>
#include <thread>

#include "foundation/wide_string.h"
#include "shell/platform/desktop.h"

namespace orrery::platform {

// Watches a descriptor on its own thread: each time it becomes readable one
// SDL user event is pushed, and the watcher waits until the main thread has
// come back for more input (by then the program has read the descriptor).
class DescriptorWatcher {
 public:
  DescriptorWatcher(int fd, Uint32 eventType) : fd_(fd), eventType_(eventType) {
    if (::pipe(stopPipe_) != 0) return;
    thread_ = std::thread([this] { Watch(); });
  }
  ~DescriptorWatcher() {
    if (!thread_.joinable()) return;
    const char stop = 's';
    [[maybe_unused]] ssize_t written = ::write(stopPipe_[1], &stop, 1);
    rearm_.release();
    thread_.join();
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
  }
  // The main thread took the wake-up event and returns for input.
  void Rearm() { rearm_.release(); }

 private:
  void Watch() {
    for (;;) {
      pollfd fds[2] = {{fd_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
      if (::poll(fds, 2, -1) < 0) continue;
      if (fds[1].revents != 0) return;
      if (fds[0].revents & (POLLERR | POLLNVAL)) return;
      SDL_Event e{};
      e.type = eventType_;
      SDL_PushEvent(&e);
      rearm_.acquire();
    }
  }

  int fd_;
  Uint32 eventType_;
  int stopPipe_[2] = {-1, -1};
  std::binary_semaphore rearm_{0};
  std::thread thread_;
};

struct SdlHost::Impl {
  std::unique_ptr<DescriptorWatcher> watcher;
  Uint32 wakeEvent = 0;
  bool wakePending = false;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  bool stylusDown = false;
  bool closed = false;

  ~Impl() {
    watcher.reset();
    if (texture) SDL_DestroyTexture(texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    // SDL_Quit also ends what the video subsystem started (D-Bus).
    if (window || renderer) SDL_Quit();
  }
};

namespace {

int KeyOf(SDL_Keycode k) {
  switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return kKeyEnter;
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_BACKSPACE: return kKeyBack;
    case SDLK_TAB: return kKeyTab;
    case SDLK_SPACE: return kKeySpace;
    case SDLK_DELETE: return kKeyDelete;
    case SDLK_HOME: return kKeyHome;
    case SDLK_END: return kKeyEnd;
    case SDLK_PAGEUP: return kKeyPageUp;
    case SDLK_PAGEDOWN: return kKeyPageDown;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_UP: return kKeyUp;
    case SDLK_DOWN: return kKeyDown;
    default: break;
  }
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  return kKeyNone;
}

int ModifiersOf(Uint16 mod) {
  return ((mod & KMOD_SHIFT) ? kModShift : 0) | ((mod & KMOD_CTRL) ? kModCtrl : 0) |
         ((mod & KMOD_ALT) ? kModAlt : 0);
}

}  // namespace

SdlHost::SdlHost(int scale) : impl_(std::make_unique<Impl>()), scale_(std::clamp(scale, 1, 8)) {}

SdlHost::~SdlHost() = default;

bool SdlHost::Open(const std::string& title) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error_ = std::string("no display: ") + SDL_GetError();
    SDL_Quit();
    return false;
  }
  impl_->window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   kScreenWidth * scale_, kScreenHeight * scale_, SDL_WINDOW_SHOWN);
  if (impl_->window) impl_->renderer = SDL_CreateRenderer(impl_->window, -1, 0);
  if (impl_->renderer) {
    impl_->texture = SDL_CreateTexture(impl_->renderer, SDL_PIXELFORMAT_RGB888,
                                       SDL_TEXTUREACCESS_STREAMING, kScreenWidth, kScreenHeight);
  }
  if (!impl_->texture) {
    error_ = std::string("cannot open a window: ") + SDL_GetError();
    impl_ = std::make_unique<Impl>();
    SDL_Quit();
    return false;
  }
  SDL_StartTextInput();
  return true;
}

void SdlHost::Present(const Surface& screen, const Rect&) {
  if (!impl_->texture) return;
  // SDL's RGB888 is the surface's 0x00RRGGBB word layout.
  SDL_UpdateTexture(impl_->texture, nullptr, screen.Words().data(), screen.Width() * 4);
  SDL_RenderClear(impl_->renderer);
  SDL_RenderCopy(impl_->renderer, impl_->texture, nullptr, nullptr);
  SDL_RenderPresent(impl_->renderer);
}

void SdlHost::WakeOnReadable(int fd) {
  if (!impl_->window || fd < 0) return;
  impl_->watcher.reset();
  if (impl_->wakeEvent == 0) impl_->wakeEvent = SDL_RegisterEvents(1);
  if (impl_->wakeEvent == Uint32(-1)) return;
  impl_->watcher = std::make_unique<DescriptorWatcher>(fd, impl_->wakeEvent);
}

void SdlHost::BringToFront() {
  if (!impl_->window) return;
  SDL_RestoreWindow(impl_->window);
  SDL_RaiseWindow(impl_->window);
}

bool SdlHost::WaitInput(Desktop& desktop) {
  if (!impl_->window || impl_->closed) return false;
  if (impl_->wakePending) {
    impl_->wakePending = false;
    impl_->watcher->Rearm();
  }
  SDL_Event e;
  while (SDL_WaitEvent(&e)) {
    if (impl_->watcher && e.type == impl_->wakeEvent) {
      impl_->wakePending = true;
      return true;
    }
    desktop.SetInputTime(e.common.timestamp);
    switch (e.type) {
      case SDL_QUIT:
        impl_->closed = true;
        return false;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
          impl_->closed = true;
          return false;
        }
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
          SDL_RenderPresent(impl_->renderer);
        }
        break;
      case SDL_MOUSEBUTTONDOWN:
        if (e.button.button == SDL_BUTTON_LEFT) {
          impl_->stylusDown = true;
          desktop.InjectTap(MsgType::TapDown, {e.button.x / scale_, e.button.y / scale_});
          return true;
        }
        break;
      case SDL_MOUSEMOTION:
        if (impl_->stylusDown) {
          desktop.InjectTap(MsgType::TapMove, {e.motion.x / scale_, e.motion.y / scale_});
          return true;
        }
        break;
      case SDL_MOUSEBUTTONUP:
        if (e.button.button == SDL_BUTTON_LEFT && impl_->stylusDown) {
          impl_->stylusDown = false;
          desktop.InjectTap(MsgType::TapUp, {e.button.x / scale_, e.button.y / scale_});
          return true;
        }
        break;
      case SDL_KEYDOWN:
        if (const int key = KeyOf(e.key.keysym.sym); key != kKeyNone) {
          desktop.InjectKey(key, ModifiersOf(e.key.keysym.mod));
          return true;
        }
        break;
      case SDL_TEXTINPUT:
        for (char16_t c : FromUtf8(e.text.text)) desktop.InjectChar(c);
        return true;
      default:
        break;
    }
  }
  return false;
}

}  // namespace orrery::platform
