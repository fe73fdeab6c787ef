#include "model/Vec3f.h"

#include <cmath>

namespace model {

float Vec3f::Length() const { return std::sqrt(x * x + y * y + z * z); }

void Vec3f::Normalise() {
  const float length = Length();
  if (length == 0.0f) return;
  x /= length;
  y /= length;
  z /= length;
}

}  // namespace model
