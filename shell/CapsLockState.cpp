#include "shell/CapsLockState.h"

#include <dlfcn.h>

#include <QGuiApplication>

namespace shell {

namespace {
// XkbGetIndicatorState from libX11, looked up at run time so that the program
// neither links nor needs X11 on other display systems.
using GetIndicatorState = int (*)(void* display, unsigned device, unsigned* state);
constexpr unsigned kCoreKeyboard = 0x0100;  // XkbUseCoreKbd
constexpr unsigned kCapsLockIndicator = 1u;

GetIndicatorState LookUp() {
  void* lib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
  if (!lib) return nullptr;
  return reinterpret_cast<GetIndicatorState>(dlsym(lib, "XkbGetIndicatorState"));
}
}  // namespace

bool IsCapsLockOn() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->display()) return false;
  static const GetIndicatorState getState = LookUp();
  unsigned state = 0;
  if (!getState || getState(x11->display(), kCoreKeyboard, &state) != 0) return false;
  return state & kCapsLockIndicator;
}

}  // namespace shell
