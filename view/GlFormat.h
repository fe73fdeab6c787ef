#pragma once
// The OpenGL surface every window of the program asks for: RGBA, a depth
// buffer, double buffering and a compatibility profile for the fixed-function
// drawing. Must be set before the QApplication is constructed.
namespace view {
void SetDefaultGlFormat();
}
