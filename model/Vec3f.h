#pragma once
// A point or direction in the cube's model space (see model/WCube.h for the frame).
// The trackball uses the difference, length, normalisation and cross product.
namespace model {

struct Vec3f {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  friend bool operator==(const Vec3f&, const Vec3f&) = default;

  Vec3f Difference(const Vec3f& other) const { return {x - other.x, y - other.y, z - other.z}; }
  float Length() const;
  // Scales to unit length; a zero vector stays zero.
  void Normalise();
  Vec3f Cross(const Vec3f& other) const {
    return {y * other.z - z * other.y, z * other.x - x * other.z, x * other.y - y * other.x};
  }
};

}  // namespace model
