// Runs the tavikstar program as a user would and reads what it writes.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "shape/outline.h"
#include "worked_values.h"

struct CliRun {
  int status;
  std::string out, err;
};

static std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

static CliRun Tavikstar(const std::string& args) {
  std::string dir = testing::TempDir();
  std::string out = dir + "/cli.out", err = dir + "/cli.err";
  std::string command = std::string(TAVIKSTAR_EXE) + " " + args + " >" + out + " 2>" + err + " </dev/null";
  int status = system(command.c_str());
  return CliRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
}

static std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Every worked value, through the program; each printed float reads back exactly.
TEST(Cli, PointsReproduceTheWorkedValues) {
  for (const WorkedValue& c : kWorkedValues) {
    CliRun run = Tavikstar(std::string("--format points ") + c.options);
    ASSERT_EQ(run.status, 0) << c.options << ": " << run.err;
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_GT((int)lines.size(), c.index) << c.options;
    int index;
    char xs[64], ys[64], zs[64];
    ASSERT_EQ(sscanf(lines[c.index].c_str(), "%d %63s %63s %63s", &index, xs, ys, zs), 4) << c.options;
    EXPECT_EQ(index, c.index);
    EXPECT_NEAR(strtod(xs, nullptr), c.x, 5e-5) << c.options << " point " << c.index;
    EXPECT_NEAR(strtod(ys, nullptr), c.y, 5e-5) << c.options << " point " << c.index;
    EXPECT_STREQ(zs, "0");
  }
}

TEST(Cli, PrintedFloatsAreExact) {
  CliRun run = Tavikstar("--shape hypotrochoid --format points");
  ASSERT_EQ(run.status, 0);
  StarParams p = {};
  p.shapeType = Hypotrochoid, p.vertexCount = 7, p.division = 8, p.fixedRadius = 50, p.tracerDistance = 3;
  DeriveStarParams(&p);
  std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ((int)lines.size(), 56);
  for (int32_t i = 0; i < 56; i++) {
    float x, y;
    ASSERT_EQ(sscanf(lines[i].c_str(), "%*d %f %f", &x, &y), 2);
    MQPoint q = ComputeOutlinePoint(&p, i);
    EXPECT_EQ(memcmp(&x, &q.x, 4), 0) << lines[i];
    EXPECT_EQ(memcmp(&y, &q.y, 4), 0) << lines[i];
  }
}

TEST(Cli, ObjIsTheBuiltObject) {
  CliRun face = Tavikstar("--format obj");
  ASSERT_EQ(face.status, 0) << face.err;
  std::vector<std::string> v, f, l;
  for (const std::string& line : Lines(face.out)) {
    if (line.rfind("v ", 0) == 0) v.push_back(line);
    if (line.rfind("f ", 0) == 0) f.push_back(line);
    if (line.rfind("l ", 0) == 0) l.push_back(line);
  }
  EXPECT_EQ(v.size(), 15u);
  EXPECT_EQ(v.back(), "v 0 0 0");
  ASSERT_EQ(f.size(), 14u);
  EXPECT_EQ(f.front(), "f 1 15 2");
  EXPECT_EQ(f.back(), "f 14 15 1");
  EXPECT_TRUE(l.empty());

  CliRun line = Tavikstar("--line --format obj --shape epicycloid --division 1");
  ASSERT_EQ(line.status, 0) << line.err;
  std::vector<std::string> lines = Lines(line.out);
  EXPECT_EQ(lines.back(), "l 7 1");
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& s) { return s[0] == 'v'; }), 7);
}

TEST(Cli, SvgDrawsTheOutlineAndFan) {
  CliRun run = Tavikstar("--format svg");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("<svg", 0), 0u);
  EXPECT_NE(run.out.find("fill=\"#ffffac\""), std::string::npos);
  EXPECT_NE(run.out.find("M0 0 L"), std::string::npos);
  EXPECT_NE(run.out.find("</svg>"), std::string::npos);
  CliRun lines = Tavikstar("--format svg --line");
  EXPECT_EQ(lines.out.find("M0 0 L"), std::string::npos);
}

TEST(Cli, WritesTheFileGivenWithO) {
  std::string path = testing::TempDir() + "/star.obj";
  remove(path.c_str());
  CliRun run = Tavikstar("--format obj -o " + path);
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(Slurp(path).find("f 14 15 1"), std::string::npos);
}

struct RefusalCase {
  const char* args;
  const char* box;
};

TEST(Cli, RefusedInputNamesTheBox) {
  const RefusalCase cases[] = {
      {"--vertices 2", "--vertices"},         {"--vertices ''", "--vertices"},
      {"--shape wave --vertices 0", "--vertices"}, {"--outer 1e39", "--outer"},
      {"--inner ''", "--inner"},              {"--division -1", "--division"},
      {"--shape epicycloid --fixed 0", "--fixed"}, {"--tracer ''", "--tracer"},
      {"--shape wave --vertices 2048 --division 1024", "--division"},
  };
  std::string path = testing::TempDir() + "/refused.obj";
  for (const RefusalCase& c : cases) {
    remove(path.c_str());
    CliRun run = Tavikstar(std::string(c.args) + " -o " + path);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_TRUE(run.out.empty()) << c.args;
    EXPECT_EQ(Lines(run.err).size(), 1u) << c.args << ": " << run.err;
    EXPECT_NE(run.err.find(c.box), std::string::npos) << c.args << ": " << run.err;
    EXPECT_EQ(fopen(path.c_str(), "r"), nullptr) << c.args << " wrote a file";
  }
}

TEST(Cli, UsageAndHelp) {
  const char* bad[] = {"--bogus", "--shape circle", "--format png", "--vertices", "-o"};
  for (const char* args : bad) {
    CliRun run = Tavikstar(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_TRUE(run.out.empty()) << args;
    EXPECT_NE(run.err.find("usage: tavikstar"), std::string::npos) << args;
  }
  CliRun help = Tavikstar("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: tavikstar"), std::string::npos);
}
