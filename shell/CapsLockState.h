#pragma once
// Whether Caps Lock is on, as far as the windowing system tells.
namespace shell {
bool IsCapsLockOn();
}
