#include "model/FaceVisibility.h"

namespace model {

FaceVisibility gFaceVisibility;

}  // namespace model
