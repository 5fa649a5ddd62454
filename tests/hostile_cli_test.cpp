// Every hostile text in every box of the command-line tool: refused with status 2 and
// nothing on stdout, or accepted with finite points and no more than 2^20 of them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <math.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "hostile_texts.h"

extern char** environ;

// Runs tavikstar with argv as given (no shell), stdout into a file; returns the status.
static int RunTool(const std::vector<std::string>& args, const std::string& out) {
  std::vector<char*> argv;
  std::string exe = TAVIKSTAR_EXE;
  argv.push_back(&exe[0]);
  std::vector<std::string> copy = args;
  for (std::string& a : copy) argv.push_back(&a[0]);
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  int status = -1;
  if (posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), environ) == 0) waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&actions);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(HostileInput, EveryBoxOfTheTool) {
  const char* boxes[] = {"--vertices", "--outer", "--inner", "--fixed", "--division", "--tracer"};
  const char* shapes[] = {"star", "epitrochoid", "wave"};
  std::string out = testing::TempDir() + "/hostile.out";
  for (const char* shape : shapes)
    for (const char* box : boxes)
      for (const char* text : kHostileTexts) {
        std::string name = std::string(shape) + " " + box + " \"" + text + "\"";
        int status = RunTool({"--shape", shape, "--auto", box, text}, out);
        FILE* f = fopen(out.c_str(), "r");
        ASSERT_NE(f, nullptr);
        long points = 0;
        bool finite = true;
        char line[256];
        while (fgets(line, sizeof line, f)) {
          double x, y, z;
          if (sscanf(line, "%*d %lf %lf %lf", &x, &y, &z) != 3 || !isfinite(x) || !isfinite(y) || z != 0) finite = false;
          points++;
        }
        fclose(f);
        if (status == 2) {
          EXPECT_EQ(points, 0) << name << ": refused, yet wrote points";
        } else {
          EXPECT_EQ(status, 0) << name;
          EXPECT_TRUE(finite) << name;
          EXPECT_LE(points, 1 << 20) << name;
        }
      }
}
