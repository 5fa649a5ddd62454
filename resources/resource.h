// Resource and control ids of the plug-in module, shared by the resource scripts and code.
#pragma once

#define IDD_STAR 101
#define IDB_SHAPES 1030

#define IDC_VERTEX_COUNT 1000
#define IDC_OUTER_RADIUS 1002
#define IDC_DIVISION 1003
#define IDC_INNER_RADIUS 1004
#define IDC_SHAPE_TYPE 1005
#define IDC_AUTO_INNER 1006
#define IDC_FIXED_RADIUS 1007
#define IDC_CREATE_LINE 1008
#define IDC_CREATE_FACE 1009
#define IDC_TRACER_DISTANCE 1010
