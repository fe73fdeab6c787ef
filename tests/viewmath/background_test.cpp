#include <gtest/gtest.h>

#include "model/viewmath/Background.h"

namespace {

using namespace viewmath;

TEST(Background, PowerOfTwoSides) {
  EXPECT_EQ(PowerOfTwoSide(640, 8192), 512);  // log2 640 ≈ 9.32
  EXPECT_EQ(PowerOfTwoSide(480, 8192), 512);  // log2 480 ≈ 8.91
  EXPECT_EQ(PowerOfTwoSide(512, 8192), 512);
  EXPECT_EQ(PowerOfTwoSide(724, 8192), 512);
  EXPECT_EQ(PowerOfTwoSide(725, 8192), 1024);
  EXPECT_EQ(PowerOfTwoSide(9000, 8192), 8192);
  EXPECT_EQ(PowerOfTwoSide(1, 8192), 1);
  EXPECT_EQ(PowerOfTwoSide(0, 8192), 1);
}

TEST(Background, FilesByTheirNames) {
  struct Row {
    const char* path;
    BackgroundFileKind kind;
  };
  const Row rows[] = {
      {"/p/a.jpg", BackgroundFileKind::Jpeg},     {"/p/a.JPG", BackgroundFileKind::Jpeg},
      {"/p/a.Jpg", BackgroundFileKind::NotLoaded}, {"/p/a.bmp", BackgroundFileKind::Bitmap},
      {"/p/a.BMP", BackgroundFileKind::Bitmap},   {"/p/a.Bmp", BackgroundFileKind::NotLoaded},
      {"/p/a.tga", BackgroundFileKind::NotLoaded}, {"/p/a.gif", BackgroundFileKind::NotLoaded},
      {"/p/x.tga.bmp", BackgroundFileKind::NotLoaded}, {"/p/x.jpg.bmp", BackgroundFileKind::Jpeg},
  };
  for (const Row& r : rows) EXPECT_EQ(ClassifyBackgroundFile(r.path), r.kind) << r.path;
}

TEST(Background, QuadKeepsTheAspectRatio) {
  const QuadHalfSize wide = BackgroundQuad(40, 30, 512, 256);
  EXPECT_DOUBLE_EQ(wide.a, 10);
  EXPECT_DOUBLE_EQ(wide.b, 5);
  const QuadHalfSize square = BackgroundQuad(40, 30, 512, 512);
  EXPECT_DOUBLE_EQ(square.a, 7.5);
  EXPECT_DOUBLE_EQ(square.b, 7.5);
}

}  // namespace
