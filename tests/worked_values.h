// The outline's worked values, from the dialog's defaults (n 7, division 8, Ro 100, Ri 50,
// R 50, d 3, Auto off), to four decimals: the last bit of a library's sine or cosine may
// differ. Each row names its change as the record's fields and as tavikstar's options.
#pragma once
#include <stdint.h>

struct WorkedValue {
  const char* options;  // tavikstar's options for the entry
  int32_t shape;
  int32_t autoInner;
  float outerRadius, fixedRadius;
  int32_t index;
  double x, y;
};

static const WorkedValue kWorkedValues[] = {
    {"", 0, 0, 100, 50, 0, -0.0000044, 100.0},
    {"", 0, 0, 100, 50, 1, -21.6942, 45.0484},
    {"", 0, 0, 100, 50, 2, -78.1832, 62.3490},
    {"", 0, 0, 100, 50, 3, -48.7464, 11.1260},
    {"", 0, 0, 100, 50, 13, 21.6942, 45.0484},
    {"--auto", 0, 1, 100, 50, 1, -30.0257, 62.3490},
    {"--shape epicycloid", 1, 0, 100, 50, 0, 57.1429, 7.1429},
    {"--shape epicycloid", 1, 0, 100, 50, 1, 51.1990, 10.8515},
    {"--shape epicycloid", 1, 0, 100, 50, 2, 48.7464, 11.1260},
    {"--shape hypocycloid", 2, 0, 100, 50, 0, -42.8571, -7.1429},
    {"--shape hypocycloid", 2, 0, 100, 50, 1, -47.0412, -10.3830},
    {"--shape hypocycloid", 2, 0, 100, 50, 2, -48.7464, -11.1260},
    {"--shape epitrochoid", 3, 0, 100, 50, 0, 57.1429, 3.0000},
    {"--shape epitrochoid", 3, 0, 100, 50, 1, 54.4381, 8.2684},
    {"--shape epitrochoid", 3, 0, 100, 50, 2, 52.7854, 12.0479},
    {"--shape hypotrochoid", 4, 0, 100, 50, 0, -42.8571, -3.0000},
    {"--shape hypotrochoid", 4, 0, 100, 50, 1, -44.4581, -7.1440},
    {"--shape hypotrochoid", 4, 0, 100, 50, 2, -44.7074, -10.2042},
    {"--shape wave", 5, 0, 100, 50, 0, -75.0000, -0.0000},
    {"--shape wave", 5, 0, 100, 50, 1, -92.0949, -10.3766},
    {"--shape wave", 5, 0, 100, 50, 2, -97.4928, -22.2521},
    {"--shape epicycloid --fixed -50", 1, 0, 100, -50, 0, -57.1429, -7.1429},
    {"--outer -100", 0, 0, -100, 50, 0, 0.0000044, -100.0},
};
