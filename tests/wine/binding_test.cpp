// MQInit's binding against fake host modules that export chosen parts of the name list.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "plugin/binding.h"
#include "plugin/host_api.h"

struct Entry {
  const char* name;
  void** slot;
};

// The build's list, in look-up order, with each name's entry in the table.
static const Entry kEntries[] = {
#define HOST_FN(name, type) {#name, reinterpret_cast<void**>(&g_hostFunctions.name)},
#define HOST_FN_EN(name, type) HOST_LIST_EN(HOST_FN(name, type))
#include "plugin/host_functions.inc"
#undef HOST_FN
#undef HOST_FN_EN
};
static const int kCount = sizeof kEntries / sizeof kEntries[0];
static void* const kMarker = reinterpret_cast<void*>(0x1234);

static std::string Beside(const char* file) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of('\\') + 1) + file;
}

static int IndexOf(const char* name) {
  for (int i = 0; i < kCount; i++)
    if (!strcmp(kEntries[i].name, name)) return i;
  return -1;
}

static void FillTable(void* value) {
  for (const Entry& e : kEntries) *e.slot = value;
}

TEST(Binding, ListLength) {
#if defined(TAVIK_JAPANESE)
  EXPECT_EQ(kCount, 140);
#else
  EXPECT_EQ(kCount, 169);
#endif
  EXPECT_EQ(sizeof(HostFunctionTable), kCount * sizeof(void*));
}

struct BindCase {
  const char* module;
  const char* missing;  // the first name the module lacks for this build; null: none
};

TEST(Binding, AllOrNothing) {
  const BindCase cases[] = {
      {"fakehost_full.dll", nullptr},
#if defined(TAVIK_JAPANESE)
      {"fakehost_japanese.dll", nullptr},
#else
      {"fakehost_japanese.dll", "MQDoc_GetObjectFromUniqueID"},
#endif
      {"fakehost_nolast.dll", "MQXmlElem_Value"},
      {"fakehost_case.dll", "MQDoc_AddObject"},
  };
  for (const BindCase& c : cases) {
    std::string path = Beside(c.module);
    HMODULE module = LoadLibraryA(path.c_str());
    ASSERT_NE(module, nullptr) << c.module;
    FillTable(kMarker);  // what the entries held before
    BOOL result = BindHostFunctions(path.c_str());
    int miss = c.missing ? IndexOf(c.missing) : kCount;
    ASSERT_GE(miss, 0) << c.missing;
    EXPECT_EQ(result, c.missing ? FALSE : TRUE) << c.module;
    EXPECT_EQ(HostFunctionsBound(), result) << c.module;
    for (int i = 0; i < kCount; i++) {
      if (i < miss)
        EXPECT_EQ(*kEntries[i].slot, (void*)GetProcAddress(module, kEntries[i].name)) << c.module << " " << kEntries[i].name;
      else if (i == miss)
        EXPECT_EQ(*kEntries[i].slot, nullptr) << c.module << " " << kEntries[i].name;
      else
        EXPECT_EQ(*kEntries[i].slot, kMarker) << c.module << " " << kEntries[i].name << " was looked up";
    }
    // The reference MQInit took is released: ours is the only one left.
    FreeLibrary(module);
    EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr) << c.module << " still loaded";
  }
}

// Whichever name of the list a host lacks, MQInit fails there. The English-only names are
// not looked up by the Japanese build, which binds without them.
TEST(Binding, EachMissingNameInTurn) {
  static const char* const kEveryName[] = {
#define HOST_FN(name, type) #name,
#define HOST_FN_EN(name, type) #name,
#include "plugin/host_functions.inc"
#undef HOST_FN
#undef HOST_FN_EN
  };
  for (const char* missing : kEveryName) {
    std::string path = Beside((std::string("fakehost_without_") + missing + ".dll").c_str());
    FillTable(kMarker);
    BOOL result = BindHostFunctions(path.c_str());
    int miss = IndexOf(missing);
    EXPECT_EQ(result, miss < 0) << missing;
    int end = miss < 0 ? kCount : miss;
    for (int i = 0; i < kCount; i++) {
      void* got = *kEntries[i].slot;
      if (i < end) EXPECT_TRUE(got && got != kMarker) << missing << ": " << kEntries[i].name;
      else if (i == end) EXPECT_EQ(got, nullptr) << missing << ": " << kEntries[i].name;
      else EXPECT_EQ(got, kMarker) << missing << ": " << kEntries[i].name;
    }
  }
}

TEST(Binding, PathThatLoadsNothingLeavesTheTableUntouched) {
  std::string full = Beside("fakehost_full.dll");
  ASSERT_TRUE(BindHostFunctions(full.c_str()));
  FillTable(kMarker);
  const char* paths[] = {"Z:\\no\\such\\host.exe", "", "fakehost_none.dll"};
  for (const char* path : paths) {
    EXPECT_FALSE(BindHostFunctions(path)) << path;
    for (const Entry& e : kEntries) ASSERT_EQ(*e.slot, kMarker) << path << " " << e.name;
  }
}

TEST(Binding, ReferenceCountBalancedOnSuccess) {
  std::string path = Beside("fakehost_full.dll");
  ASSERT_EQ(GetModuleHandleA(path.c_str()), nullptr);
  EXPECT_TRUE(BindHostFunctions(path.c_str()));
  EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr);  // loaded and released again
  HMODULE module = LoadLibraryA(path.c_str());
  EXPECT_TRUE(BindHostFunctions(path.c_str()));
  EXPECT_TRUE(BindHostFunctions(path.c_str()));
  FreeLibrary(module);
  EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr);
}
