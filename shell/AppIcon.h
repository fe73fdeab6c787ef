#pragma once
// The application icon (resource 128): a cube drawn by tools/make_icon.cpp in
// several sizes, so every window and the desktop get a sharp picture.
#include <QIcon>

namespace shell {

QIcon AppIcon();

}  // namespace shell
