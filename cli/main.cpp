// tavikstar: the plug-in's outlines outside the host. It reads its options as the dialog
// reads its boxes, through the same acceptance, and writes the points, the object as OBJ,
// or a picture as SVG.
#include <stdio.h>
#include <string.h>

#include "../plugin/host_api.h"
#include "../shape/accept.h"
#include "../shape/mesh.h"
#include "../shape/outline.h"

static const char kUsage[] =
    "usage: tavikstar [--shape star|epicycloid|hypocycloid|epitrochoid|hypotrochoid|wave]\n"
    "                 [--vertices TEXT] [--outer TEXT] [--inner TEXT] [--auto]\n"
    "                 [--fixed TEXT] [--division TEXT] [--tracer TEXT] [--line | --face]\n"
    "                 [--format points|obj|svg] [-o FILE]\n"
    "Texts are read as the plug-in's dialog reads its boxes; the defaults are the dialog's:\n"
    "star, 7, 100, 50, 50, 8, 3, face, and the format is points.\n";

static const char* const kShapeOptions[kShapeTypeCount] = {
    "star", "epicycloid", "hypocycloid", "epitrochoid", "hypotrochoid", "wave"};

// The box and the reason of each refusal, indexed by AcceptResult.
static const char* const kRefusals[] = {
    nullptr,
    "--shape: no family selected",
    "--vertices: empty",
    "--vertices: below 3 for a star, below 1 for the other families",
    "--vertices: a star of more than 1048576 points",
    "--outer: empty",
    "--outer: not a finite number",
    "--inner: empty",
    "--inner: not a finite number",
    "--auto: the derived inner radius is not a finite number",
    "--fixed: empty",
    "--fixed: not a finite number",
    "--fixed: the rolling radius (fixed / vertices) is 0",
    "--division: empty",
    "--division: negative",
    "--division: more than 1048576 points (vertices x division)",
    "--tracer: empty",
    "--tracer: not a finite number",
    "--fixed: the outline would not be finite",
};
static_assert(sizeof kRefusals / sizeof kRefusals[0] == RefusedOutlineInfinite + 1,
              "one message per refusal");

// The host side of the obj format: each vertex and face becomes a line as it is added.
static FILE* g_out;
static int32_t g_vertexCount;
static int32_t g_faceCount;

static int32_t MQAPI ObjAddVertex(MQObject, const MQPoint* p) {
  fprintf(g_out, "v %.9g %.9g %.9g\n", p->x, p->y, p->z);
  return g_vertexCount++;
}

static int32_t MQAPI ObjAddFace(MQObject, int32_t count, const int32_t* indexes) {
  fputs(count == 2 ? "l" : "f", g_out);
  for (int32_t i = 0; i < count; i++) fprintf(g_out, " %d", indexes[i] + 1);
  fputc('\n', g_out);
  return g_faceCount++;
}

static void WritePoints(const StarParams* params) {
  for (int32_t i = 0; i < params->pointCount; i++) {
    MQPoint p = ComputeOutlinePoint(params, i);
    fprintf(g_out, "%d %.9g %.9g %.9g\n", i, p.x, p.y, p.z);
  }
}

static void WriteObj(const StarParams* params) {
  fprintf(g_out, "# tavikstar %s, %d outline points\n", kShapeOptions[params->shapeType],
          params->pointCount);
  g_hostFunctions.MQObj_AddVertex = ObjAddVertex;
  g_hostFunctions.MQObj_AddFace = ObjAddFace;
  BuildStarObject(params, nullptr);
}

// Draws the outline, filled in Face mode with the fan's spokes, y up.
static void WriteSvg(const StarParams* params) {
  double bound = OutlineBound(params);
  double half = bound > 0.0 ? bound * 1.1 : 1.0;
  double stroke = half / 200.0;
  fprintf(g_out,
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"512\" height=\"512\" "
          "viewBox=\"%.9g %.9g %.9g %.9g\">\n<rect x=\"%.9g\" y=\"%.9g\" width=\"%.9g\" "
          "height=\"%.9g\" fill=\"white\"/>\n<g transform=\"scale(1,-1)\">\n",
          -half, -half, 2 * half, 2 * half, -half, -half, 2 * half, 2 * half);
  bool face = params->lineMode != 1 && params->faceMode == 1;
  fprintf(g_out, "<path fill=\"%s\" stroke=\"#e0a000\" stroke-width=\"%.9g\" d=\"",
          face ? "#ffffac" : "none", stroke);
  for (int32_t i = 0; i < params->pointCount; i++) {
    MQPoint p = ComputeOutlinePoint(params, i);
    fprintf(g_out, "%s%.9g %.9g ", i == 0 ? "M" : "L", p.x, p.y);
  }
  fputs(params->pointCount > 0 ? "Z\"/>\n" : "\"/>\n", g_out);
  if (face) {
    fprintf(g_out, "<path fill=\"none\" stroke=\"#c08000\" stroke-width=\"%.9g\" d=\"", stroke / 2);
    for (int32_t i = 0; i < params->pointCount; i++) {
      MQPoint p = ComputeOutlinePoint(params, i);
      fprintf(g_out, "M0 0 L%.9g %.9g ", p.x, p.y);
    }
    fputs("\"/>\n", g_out);
  }
  fputs("</g>\n</svg>\n", g_out);
}

static int UsageError() {
  fputs(kUsage, stderr);
  return 2;
}

int main(int argc, char** argv) {
  StarEntry entry = {Star, "7", "100", "50", 0, "50", "8", "3", 0, 1};
  const char* format = "points";
  const char* path = nullptr;
  for (int a = 1; a < argc; a++) {
    const char* option = argv[a];
    const char* value = a + 1 < argc ? argv[a + 1] : nullptr;
    const char** text = nullptr;
    if (!strcmp(option, "--help")) {
      fputs(kUsage, stdout);
      return 0;
    } else if (!strcmp(option, "--auto")) {
      entry.autoInner = 1;
    } else if (!strcmp(option, "--line")) {
      entry.lineMode = 1, entry.faceMode = 0;
    } else if (!strcmp(option, "--face")) {
      entry.lineMode = 0, entry.faceMode = 1;
    } else if (!strcmp(option, "--vertices")) {
      text = &entry.vertexCount;
    } else if (!strcmp(option, "--outer")) {
      text = &entry.outerRadius;
    } else if (!strcmp(option, "--inner")) {
      text = &entry.innerRadius;
    } else if (!strcmp(option, "--fixed")) {
      text = &entry.fixedRadius;
    } else if (!strcmp(option, "--division")) {
      text = &entry.division;
    } else if (!strcmp(option, "--tracer")) {
      text = &entry.tracerDistance;
    } else if (!strcmp(option, "--format") || !strcmp(option, "-o")) {
      text = !strcmp(option, "-o") ? &path : &format;
    } else if (!strcmp(option, "--shape")) {
      if (!value) return UsageError();
      entry.shapeType = -1;
      for (int32_t s = 0; s < kShapeTypeCount; s++)
        if (!strcmp(value, kShapeOptions[s])) entry.shapeType = s;
      if (entry.shapeType < 0) return UsageError();
      a++;
    } else {
      return UsageError();
    }
    if (text) {
      if (!value) return UsageError();
      *text = value;
      a++;
    }
  }
  if (strcmp(format, "points") && strcmp(format, "obj") && strcmp(format, "svg")) return UsageError();

  StarParams params = {};
  AcceptResult result = AcceptStarEntry(&entry, &params);
  if (result != Accepted) {
    fprintf(stderr, "tavikstar: %s\n", kRefusals[result]);
    return 2;
  }
  DeriveStarParams(&params);
  params.materialIndex = -1;  // no document, so no material

  g_out = path ? fopen(path, "w") : stdout;
  if (!g_out) {
    fprintf(stderr, "tavikstar: cannot write %s\n", path);
    return 1;
  }
  if (!strcmp(format, "points")) WritePoints(&params);
  else if (!strcmp(format, "obj")) WriteObj(&params);
  else WriteSvg(&params);
  bool written = !ferror(g_out);
  if (path) written = fclose(g_out) == 0 && written;
  if (!written) {
    fprintf(stderr, "tavikstar: error writing %s\n", path ? path : "the output");
    return 1;
  }
  return 0;
}
