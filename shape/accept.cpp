#include "accept.h"

#include <float.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include "outline.h"

// The C locale's white space, which atoi and atof skip.
static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int32_t TextToInt(const char* text) {
  const char* p = text;
  while (IsSpace(*p)) p++;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') p++;
  int64_t value = 0;  // saturates just past the int32 range, so it cannot overflow
  for (; IsDigit(*p); p++) {
    value = value * 10 + (*p - '0');
    if (value > (int64_t)INT32_MAX + 1) value = (int64_t)INT32_MAX + 1;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return (int32_t)value;
}

float TextToFloat(const char* text) {
  // Copy out just the decimal number at the front; the library's correctly rounded
  // conversion then sees nothing it could read as hexadecimal, infinity or NaN.
  char number[kBoxTextMax + 1];
  const char* p = text;
  while (IsSpace(*p)) p++;
  const char* start = p;
  if (*p == '-' || *p == '+') p++;
  int digits = 0;
  for (; IsDigit(*p); p++) digits++;
  if (*p == '.') {
    p++;
    for (; IsDigit(*p); p++) digits++;
  }
  if (digits == 0) return 0.0f;
  if (*p == 'e' || *p == 'E') {
    const char* e = p + 1;
    if (*e == '-' || *e == '+') e++;
    if (IsDigit(*e)) {
      while (IsDigit(*e)) e++;
      p = e;
    }
  }
  size_t length = (size_t)(p - start);
  if (length > kBoxTextMax) length = kBoxTextMax;
  memcpy(number, start, length);
  number[length] = '\0';
#if defined(__MINGW32__)
  double value = __mingw_strtod(number, nullptr);  // msvcrt's strtod is not correctly rounded
#else
  double value = strtod(number, nullptr);
#endif
  return (float)value;
}

// Copies at most kBoxTextMax characters of a box text; tells whether any was there.
static bool ReadBox(const char* text, char (&box)[kBoxTextMax + 1]) {
  size_t length = strnlen(text, kBoxTextMax);
  memcpy(box, text, length);
  box[length] = '\0';
  return length > 0;
}

AcceptResult AcceptStarEntry(const StarEntry* entry, StarParams* params) {
  char box[kBoxTextMax + 1];
  params->shapeType = entry->shapeType;
  if (entry->shapeType < 0 || entry->shapeType >= kShapeTypeCount) return RefusedNoShape;
  bool star = entry->shapeType == Star;
  bool curve = !star && entry->shapeType != Wave;

  if (!ReadBox(entry->vertexCount, box)) return RefusedVertexCountEmpty;
  params->vertexCount = TextToInt(box);
  if (params->vertexCount < (star ? 3 : 1)) return RefusedVertexCountTooSmall;
  if (star && 2 * (int64_t)params->vertexCount > kMaxPointCount) return RefusedVertexCountTooLarge;

  if (!ReadBox(entry->outerRadius, box)) return RefusedOuterRadiusEmpty;
  params->outerRadius = TextToFloat(box);
  if (isinf(params->outerRadius)) return RefusedOuterRadiusInfinite;

  if (!ReadBox(entry->innerRadius, box)) return RefusedInnerRadiusEmpty;
  params->innerRadius = TextToFloat(box);
  if (isinf(params->innerRadius)) return RefusedInnerRadiusInfinite;

  params->autoInner = entry->autoInner;
  if (entry->autoInner == 1 && !isfinite(AutoInnerRadius(params->outerRadius, params->vertexCount)))
    return RefusedAutoInnerInfinite;

  if (!ReadBox(entry->fixedRadius, box)) return RefusedFixedRadiusEmpty;
  params->fixedRadius = TextToFloat(box);
  if (isinf(params->fixedRadius)) return RefusedFixedRadiusInfinite;
  // Curve families divide by the rolling radius.
  if (curve && (float)((double)params->fixedRadius / params->vertexCount) == 0.0f)
    return RefusedRollingRadiusZero;

  if (!ReadBox(entry->division, box)) return RefusedDivisionEmpty;
  params->division = TextToInt(box);
  if (params->division < 0) return RefusedDivisionNegative;
  if (!star && (int64_t)params->vertexCount * params->division > kMaxPointCount) return RefusedPointLimit;

  if (!ReadBox(entry->tracerDistance, box)) return RefusedTracerDistanceEmpty;
  params->tracerDistance = TextToFloat(box);
  if (isinf(params->tracerDistance)) return RefusedTracerDistanceInfinite;

  // The bound is taken on the record as the command will complete it.
  StarParams derived = *params;
  DeriveStarParams(&derived);
  if (OutlineBound(&derived) > FLT_MAX) return RefusedOutlineInfinite;

  params->lineMode = entry->lineMode;
  params->faceMode = entry->faceMode;
  return Accepted;
}
