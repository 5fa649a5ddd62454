// Reading the dialog's boxes: the two text conversions and the acceptance of an OK.
// The dialog and the command-line tool both call these, so both accept the same input.
#pragma once
#include <stdint.h>

#include "star_params.h"

// An outline has at most this many points; larger entries are refused.
const int64_t kMaxPointCount = 1 << 20;

// A box is read as a 64-byte buffer: at most this many characters of it count.
const int kBoxTextMax = 63;

// atoi as the dialog reads it: leading white space, an optional sign, decimal digits up to
// the first other character; no digits give 0; values beyond int32 are clamped.
int32_t TextToInt(const char* text);

// atof as the dialog reads it, rounded to float: leading white space, then a decimal number
// (sign, digits, point, exponent) up to the first character that does not fit; anything
// else ("inf", "nan", "0x10", full-width digits) gives 0. The point is the only separator.
float TextToFloat(const char* text);

// What OK reads from the dialog: the selection, the six box texts (any length; only the
// first kBoxTextMax characters are read) and the three check states (0 or 1).
struct StarEntry {
  int32_t shapeType;  // selected combo item, -1 for none
  const char* vertexCount;
  const char* outerRadius;
  const char* innerRadius;
  int32_t autoInner;
  const char* fixedRadius;
  const char* division;
  const char* tracerDistance;
  int32_t lineMode;
  int32_t faceMode;
};

// The step of the acceptance that refused, or Accepted. In checking order.
enum AcceptResult : int32_t {
  Accepted = 0,
  RefusedNoShape,               // no combo item selected
  RefusedVertexCountEmpty,
  RefusedVertexCountTooSmall,   // below 3 for Star, below 1 otherwise
  RefusedVertexCountTooLarge,   // Star: 2 x vertexCount over kMaxPointCount
  RefusedOuterRadiusEmpty,
  RefusedOuterRadiusInfinite,
  RefusedInnerRadiusEmpty,
  RefusedInnerRadiusInfinite,
  RefusedAutoInnerInfinite,     // Auto checked and the derived inner radius overflows
  RefusedFixedRadiusEmpty,
  RefusedFixedRadiusInfinite,
  RefusedRollingRadiusZero,     // curve families: fixedRadius / vertexCount rounds to 0
  RefusedDivisionEmpty,
  RefusedDivisionNegative,
  RefusedPointLimit,            // curve families and Wave: vertexCount x division too large
  RefusedTracerDistanceEmpty,
  RefusedTracerDistanceInfinite,
  RefusedOutlineInfinite,       // the outline could leave the float range
};

// Runs the OK steps in order, writing params's ten input fields as it goes: shapeType,
// vertexCount, outerRadius, innerRadius, autoInner, fixedRadius, division, tracerDistance,
// lineMode, faceMode. A refusal returns at once; the fields written before it keep their
// new values. Accepted means every field is written and DeriveStarParams gives a finite
// outline of at most kMaxPointCount points.
AcceptResult AcceptStarEntry(const StarEntry* entry, StarParams* params);
