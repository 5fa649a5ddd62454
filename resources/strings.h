// The texts of one build's language, in its character set (ASCII, or code page 932
// bytes in the Japanese build). resources/en and resources/ja each define them.
#pragma once
#include "../shape/star_params.h"

// The six family names, in ShapeType order: combo item i is ShapeTypeNames[i].
extern const char* const ShapeTypeNames[kShapeTypeCount];

// The command's menu string (MQEnumString 0) and the plug-in's display name.
extern const char kMenuString[];
extern const char kDisplayName[];
