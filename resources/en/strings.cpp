// The English build's texts (ASCII).
#include "../strings.h"

const char* const ShapeTypeNames[kShapeTypeCount] = {
    "Star", "Epicycloid", "Hypocycloid", "Epitrochoid", "Hypotrochoid", "Wave",
};

const char kMenuString[] = "Star";
const char kDisplayName[] = "tavikStar (en 1.1) Copyright (C) 2026 tavikStar authors";
