// The Japanese build's texts, as code page 932 (Shift-JIS) bytes, so that the build does
// not depend on the compiler's source character set.
#include "../strings.h"

const char* const ShapeTypeNames[kShapeTypeCount] = {
    "\x90\xaf\x8c\x5e",                                  // 星型
    "\x8a\x4f\x83\x54\x83\x43\x83\x4e\x83\x8d\x83\x43\x83\x68",  // 外サイクロイド
    "\x93\xe0\x83\x54\x83\x43\x83\x4e\x83\x8d\x83\x43\x83\x68",  // 内サイクロイド
    "\x8a\x4f\x83\x67\x83\x8d\x83\x52\x83\x43\x83\x68",  // 外トロコイド
    "\x93\xe0\x83\x67\x83\x8d\x83\x52\x83\x43\x83\x68",  // 内トロコイド
    "\x94\x67\x8c\x60",                                  // 波形
};

const char kMenuString[] = "\x90\xaf\x8c\x60";  // 星形

// 18 ASCII characters, four ideographic spaces (81 40), then the notice.
const char kDisplayName[] =
    "tavikStar (ja 1.1)"
    "\x81\x40\x81\x40\x81\x40\x81\x40"
    "Copyright (C) 2026 tavikStar authors";
