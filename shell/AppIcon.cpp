#include "shell/AppIcon.h"

namespace shell {

QIcon AppIcon() {
  static const int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
  QIcon icon;
  for (int size : kSizes) icon.addFile(QStringLiteral(":/icons/rovan_%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace shell
