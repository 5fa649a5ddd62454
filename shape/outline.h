// One point of a family's outline, computed under the single-precision rounding rules.
#pragma once
#include "../plugin/host_api.h"
#include "star_params.h"

// Point i (0 <= i < pointCount) of the outline of a completed record (DeriveStarParams has
// run), after the family's quarter-turn; z is 0. Reads params only, allocates nothing.
MQPoint ComputeOutlinePoint(const StarParams* params, int32_t i);

// An upper bound, in double, on |x| and |y| of every point of the outline of a completed
// record, before the final rounding to float: while it is at most FLT_MAX, every
// coordinate is finite.
double OutlineBound(const StarParams* params);
