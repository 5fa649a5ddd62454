// Draws the dialog's picture strip from the shape core: six 80 x 80 cells, one per
// family, each outline at seven points or lobes. Writes a 480 x 80, 24-bit, bottom-up,
// uncompressed BMP with no colour table. Usage: draw_shapes OUT.bmp
#include <math.h>
#include <stdint.h>
#include <stdio.h>

#include <vector>

#include "shape/outline.h"

const int kCell = 80, kWidth = 6 * kCell, kHeight = 80, kSamples = 4;
const double kRadius = 29.0;       // outline radius in pixels: about 10 clear of the edges
const double kShadowOffset = 2.5;  // towards the lower right
struct Colour {
  double r, g, b;
};
const Colour kWhite = {255, 255, 255}, kFill = {255, 255, 172}, kShadow = {235, 202, 163},
             kLine = {226, 154, 20};

struct Point {
  double x, y;
};

// The outline of one cell's family, scaled to kRadius and centred on the cell, y up.
static std::vector<Point> CellOutline(int32_t shape) {
  StarParams p = {};
  p.shapeType = shape, p.vertexCount = 7, p.division = 24, p.outerRadius = 100.0f;
  p.innerRadius = shape == Star ? 48.0f : 62.0f, p.fixedRadius = 100.0f;
  p.tracerDistance = shape == Epitrochoid ? 4.0f : 7.0f;
  p.lineMode = 1;
  DeriveStarParams(&p);
  std::vector<Point> points;
  double extent = 0;
  for (int32_t i = 0; i < p.pointCount; i++) {
    MQPoint q = ComputeOutlinePoint(&p, i);
    points.push_back({q.x, q.y});
    extent = fmax(extent, hypot(q.x, q.y));
  }
  for (Point& q : points) q = {kCell * shape + kCell / 2.0 + q.x * kRadius / extent, kHeight / 2.0 + q.y * kRadius / extent};
  return points;
}

static bool Inside(const std::vector<Point>& poly, double x, double y) {
  bool in = false;
  for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const Point &a = poly[i], &b = poly[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

static double SegmentDistance(Point p, Point a, Point b) {
  double dx = b.x - a.x, dy = b.y - a.y, len = dx * dx + dy * dy;
  double t = len > 0 ? fmax(0, fmin(1, ((p.x - a.x) * dx + (p.y - a.y) * dy) / len)) : 0;
  return hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Fraction of the pixel's subsamples inside the polygon moved by (dx, dy).
static double Coverage(const std::vector<Point>& poly, int px, int py, double dx, double dy) {
  int in = 0;
  for (int sy = 0; sy < kSamples; sy++)
    for (int sx = 0; sx < kSamples; sx++)
      in += Inside(poly, px + (sx + 0.5) / kSamples - dx, py + (sy + 0.5) / kSamples - dy);
  return in / double(kSamples * kSamples);
}

static Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

static void Put16(FILE* f, uint16_t v) { fputc(v & 255, f), fputc(v >> 8, f); }
static void Put32(FILE* f, uint32_t v) { Put16(f, v & 0xFFFF), Put16(f, v >> 16); }

int main(int argc, char** argv) {
  if (argc != 2) {
    fputs("usage: draw_shapes OUT.bmp\n", stderr);
    return 2;
  }
  std::vector<Colour> pixels(kWidth * kHeight, kWhite);  // row 0 is the bottom row
  for (int32_t shape = 0; shape < kShapeTypeCount; shape++) {
    std::vector<Point> poly = CellOutline(shape);
    for (int py = 0; py < kHeight; py++)
      for (int px = kCell * shape; px < kCell * (shape + 1); px++) {
        Colour c = Mix(kWhite, kShadow, Coverage(poly, px, py, kShadowOffset, -kShadowOffset));
        c = Mix(c, kFill, Coverage(poly, px, py, 0, 0));
        double d = 1e9;
        Point centre = {px + 0.5, py + 0.5};
        for (size_t i = 0; i < poly.size(); i++) d = fmin(d, SegmentDistance(centre, poly[i], poly[(i + 1) % poly.size()]));
        c = Mix(c, kLine, fmax(0, fmin(1, 1.1 - d)));  // about one pixel wide
        pixels[py * kWidth + px] = c;
      }
  }
  FILE* f = fopen(argv[1], "wb");
  if (!f) return 1;
  const uint32_t data = kWidth * 3 * kHeight;
  fputs("BM", f);
  Put32(f, 14 + 40 + data), Put32(f, 0), Put32(f, 14 + 40);
  Put32(f, 40), Put32(f, kWidth), Put32(f, kHeight), Put16(f, 1), Put16(f, 24);
  Put32(f, 0), Put32(f, data), Put32(f, 2835), Put32(f, 2835), Put32(f, 0), Put32(f, 0);
  for (int py = 0; py < kHeight; py++)
    for (int px = 0; px < kWidth; px++) {
      const Colour& c = pixels[py * kWidth + px];
      fputc((int)lround(c.b), f), fputc((int)lround(c.g), f), fputc((int)lround(c.r), f);
    }
  return fclose(f) == 0 ? 0 : 1;
}
