// Cost of one outline point per family, against the trig it is defined to need.
//
// Each benchmark times, in every iteration, two loops over the same N points: the outline
// (ComputeOutlinePoint for i = 0..N-1) and the bare loop of the library calls that the
// family's point costs, on the same arguments (precomputed, outside the timing):
//   Star            cos(theta), sin(theta)
//   the four curves cos(theta), sin(theta), cos(k), sin(k)
//   Wave            cos(phi) twice, cos(theta), sin(theta)
// The outline's time (this thread's CPU time) is the benchmark's time; the counters give
// both per point and "ratio", the outline's time over the bare loop's. A third loop makes
// the same calls but forms their arguments as it goes (args_trig_ns); "ratio_args" is the
// outline's time over that loop's.
#include <benchmark/benchmark.h>
#include <math.h>

#include <time.h>

#include <vector>

#include "shape/outline.h"

namespace {

// This thread's CPU time, in seconds: on a shared machine it leaves out the time the
// thread spends descheduled, which wall time would charge to whichever loop was running.
double CpuSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec * 1e-9;
}

// The dialog's defaults, with a division that gives a few thousand points per family.
StarParams Defaults(int32_t shape) {
  StarParams p = {};
  p.shapeType = shape;
  p.vertexCount = shape == Star ? 1792 : 7;
  p.division = 512;
  p.outerRadius = 100.0f, p.innerRadius = 50.0f;
  p.fixedRadius = 50.0f, p.tracerDistance = 3.0f;
  p.faceMode = 1;
  DeriveStarParams(&p);
  return p;
}

// The float arguments the family's point i passes to cos and sin, formed as the outline
// forms them: theta, and k (curves) or phi (Wave).
struct Arguments {
  std::vector<float> theta, second;
};

Arguments ArgumentsOf(const StarParams& p) {
  const double pi = kPi;
  Arguments a;
  double R = p.fixedRadius, r = p.rollingRadius;
  for (int32_t i = 0; i < p.pointCount; i++) {
    float theta = (float)(((2 * i) * pi) / p.pointCount + pi / 2.0);
    a.theta.push_back(theta);
    switch (p.shapeType) {
      case Epicycloid:
      case Epitrochoid: a.second.push_back((float)(theta * ((R + r) / r))); break;
      case Hypocycloid:
      case Hypotrochoid: a.second.push_back((float)(theta * ((R - r) / r))); break;
      case Wave:
        a.second.push_back((float)(p.vertexCount * (pi / 2.0) + i * ((pi * 2.0) / p.division)));
        break;
      default: break;
    }
  }
  return a;
}

// The bare loops. Each result is rounded to float and kept, as the outline does.
void StarTrig(const Arguments& a) {
  for (size_t i = 0; i < a.theta.size(); i++) {
    double t = a.theta[i];
    float c = (float)cos(t), s = (float)sin(t);
    benchmark::DoNotOptimize(c);
    benchmark::DoNotOptimize(s);
  }
}

void CurveTrig(const Arguments& a) {
  for (size_t i = 0; i < a.theta.size(); i++) {
    double t = a.theta[i], k = a.second[i];
    float ct = (float)cos(t), st = (float)sin(t);
    float ck = (float)cos(k), sk = (float)sin(k);
    benchmark::DoNotOptimize(ct);
    benchmark::DoNotOptimize(st);
    benchmark::DoNotOptimize(ck);
    benchmark::DoNotOptimize(sk);
  }
}

void WaveTrig(const Arguments& a) {
  for (size_t i = 0; i < a.theta.size(); i++) {
    double t = a.theta[i], phi = a.second[i];
    float c1 = (float)cos(phi);
    benchmark::DoNotOptimize(phi);  // the second cos(phi) is a call of its own
    float c2 = (float)cos(phi);
    float ct = (float)cos(t), st = (float)sin(t);
    benchmark::DoNotOptimize(c1);
    benchmark::DoNotOptimize(c2);
    benchmark::DoNotOptimize(ct);
    benchmark::DoNotOptimize(st);
  }
}

// The same calls with their arguments formed in the loop, by the outline's rounding rules
// (the double division that gives theta, then k or phi): what any outline of these rules
// pays before its own arithmetic.
void ArgumentsAndTrig(const StarParams& p) {
  const double pi = kPi;
  const double R = p.fixedRadius, r = p.rollingRadius;
  const double ratio = p.shapeType == Epicycloid || p.shapeType == Epitrochoid ? (R + r) / r : (R - r) / r;
  for (int32_t i = 0; i < p.pointCount; i++) {
    double t = (float)(((2 * i) * pi) / p.pointCount + pi / 2.0);
    float ct = (float)cos(t), st = (float)sin(t);
    benchmark::DoNotOptimize(ct);
    benchmark::DoNotOptimize(st);
    if (p.shapeType == Star) continue;
    if (p.shapeType == Wave) {
      double phi = (float)(p.vertexCount * (pi / 2.0) + i * ((pi * 2.0) / p.division));
      float c1 = (float)cos(phi);
      benchmark::DoNotOptimize(phi);
      float c2 = (float)cos(phi);
      benchmark::DoNotOptimize(c1);
      benchmark::DoNotOptimize(c2);
    } else {
      double k = (float)(t * ratio);
      float ck = (float)cos(k), sk = (float)sin(k);
      benchmark::DoNotOptimize(ck);
      benchmark::DoNotOptimize(sk);
    }
  }
}

void Outline(const StarParams& p) {
  for (int32_t i = 0; i < p.pointCount; i++) {
    MQPoint q = ComputeOutlinePoint(&p, i);
    benchmark::DoNotOptimize(q);
  }
}

void BM_OutlinePoint(benchmark::State& state) {
  const int32_t shape = (int32_t)state.range(0);
  const StarParams p = Defaults(shape);
  const Arguments a = ArgumentsOf(p);
  void (*trig)(const Arguments&) = shape == Star ? StarTrig : shape == Wave ? WaveTrig : CurveTrig;
  double outlineSeconds = 0, trigSeconds = 0, argumentSeconds = 0;
  for (auto _ : state) {
    // Alternate which loop goes first, so neither always runs on a warm predictor.
    bool trigFirst = (state.iterations() & 1) != 0;
    double t0 = CpuSeconds();
    if (trigFirst) trig(a); else Outline(p);
    double t1 = CpuSeconds();
    if (trigFirst) Outline(p); else trig(a);
    double t2 = CpuSeconds();
    double first = t1 - t0, second = t2 - t1;
    double outline = trigFirst ? second : first, bare = trigFirst ? first : second;
    outlineSeconds += outline;
    trigSeconds += bare;
    state.SetIterationTime(outline);
    double t3 = CpuSeconds();
    ArgumentsAndTrig(p);
    argumentSeconds += CpuSeconds() - t3;
  }
  double points = (double)p.pointCount * state.iterations();
  state.counters["points"] = p.pointCount;
  state.counters["outline_ns"] = outlineSeconds * 1e9 / points;
  state.counters["trig_ns"] = trigSeconds * 1e9 / points;
  state.counters["ratio"] = outlineSeconds / trigSeconds;
  state.counters["args_trig_ns"] = argumentSeconds * 1e9 / points;
  state.counters["ratio_args"] = outlineSeconds / argumentSeconds;
  static const char* const kNames[] = {"Star", "Epicycloid", "Hypocycloid", "Epitrochoid", "Hypotrochoid", "Wave"};
  state.SetLabel(kNames[shape]);
}

}  // namespace

BENCHMARK(BM_OutlinePoint)->DenseRange(0, kShapeTypeCount - 1)->UseManualTime()->Unit(benchmark::kMicrosecond);
