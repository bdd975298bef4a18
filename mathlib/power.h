#pragma once

#include "engine/floattypes.h"

// The power routine of the standard math context.

namespace quorvex::math {

Float Power(Float x, Float z);

} // namespace quorvex::math
