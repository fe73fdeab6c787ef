#include "model/Version.h"
