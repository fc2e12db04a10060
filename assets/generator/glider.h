#pragma once

#include "assets/generator/ms3d_writer.h"

namespace altostrat::assets {

// The aircraft the flight follows (glider.cpp).
Ms3dFile MakeGlider();

}  // namespace altostrat::assets
