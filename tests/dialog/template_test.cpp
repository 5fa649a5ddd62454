// The resources of both built plug-in DLLs, read back as the system reads them: the
// dialog template field by field against the expected tables, the picture strip against
// resources/shapes.bmp, the manifest, and the resource languages.
#include <windows.h>

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN);  // 0x0411
const WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);      // 0x0409

// The style sets of the controls.
const DWORD kDefButton = 0x50010001, kButton = 0x50010000, kEdit = 0x50810080, kLabel = 0x50020000,
            kGroupBox = 0x50000007, kCombo = 0x50210102, kCheckBox = 0x50010003, kRadio = 0x50000009;
const DWORD kRight = 0x00001000;  // WS_EX_RIGHT, the labels' only extended style

struct Rect {
  short x, y, w, h;
};

struct ExpectedControl {
  int id;
  const char16_t* windowClass;
  DWORD style;
  DWORD exStyle;
  const char16_t* textEn;
  Rect en;
  const char16_t* textJa;
  Rect ja;
};

const ExpectedControl kControls[] = {
    {IDOK, u"BUTTON", kDefButton, 0, u"OK", {32, 232, 48, 14}, u"OK", {16, 232, 48, 14}},
    {IDCANCEL, u"BUTTON", kButton, 0, u"Cancel", {100, 232, 48, 14}, u"ｷｬﾝｾﾙ", {86, 232, 48, 14}},
    {IDC_VERTEX_COUNT, u"EDIT", kEdit, 0, u"", {86, 116, 38, 12}, u"", {64, 116, 42, 12}},
    {-1, u"STATIC", kLabel, kRight, u"Vertices", {40, 118, 40, 8}, u"画数", {20, 118, 40, 8}},
    {IDC_DIVISION, u"EDIT", kEdit, 0, u"", {86, 196, 38, 12}, u"", {64, 196, 42, 12}},
    {-1, u"BUTTON", kGroupBox, 0, u"Parameter", {8, 101, 152, 115}, u"数値", {8, 101, 134, 115}},
    {IDC_SHAPE_TYPE, u"COMBOBOX", kCombo, 0, u"", {23, 76, 60, 141}, u"", {23, 76, 60, 141}},
    {-1, u"BUTTON", kGroupBox, 0, u"Type", {8, 6, 87, 89}, u"種類", {8, 6, 87, 89}},
    {-1, u"STATIC", kLabel, kRight, u"Radius(outside)", {33, 133, 47, 8}, u"外側の半径", {25, 133, 35, 8}},
    {IDC_OUTER_RADIUS, u"EDIT", kEdit, 0, u"", {86, 131, 38, 12}, u"", {64, 131, 42, 12}},
    {-1, u"STATIC", kLabel, kRight, u"Radius(inside)", {31, 148, 49, 8}, u"内側の半径", {21, 148, 39, 8}},
    {IDC_INNER_RADIUS, u"EDIT", kEdit, 0, u"", {86, 146, 38, 12}, u"", {64, 146, 42, 12}},
    {IDC_AUTO_INNER, u"BUTTON", kCheckBox, 0, u"Auto", {130, 148, 25, 8}, u"自動", {110, 148, 25, 8}},
    {-1, u"BUTTON", kGroupBox, 0, u"Create", {101, 6, 59, 45}, u"作成", {98, 6, 44, 45}},
    {IDC_CREATE_LINE, u"BUTTON", kRadio, 0, u"Line", {118, 19, 25, 9}, u"線", {110, 20, 25, 9}},
    {IDC_CREATE_FACE, u"BUTTON", kRadio, 0, u"Face", {118, 33, 33, 9}, u"面", {110, 33, 23, 9}},
    {-1, u"STATIC", kLabel, kRight, u"Division", {46, 198, 34, 8}, u"分割数", {26, 198, 34, 8}},
    {IDC_FIXED_RADIUS, u"EDIT", kEdit, 0, u"", {86, 167, 38, 12}, u"", {64, 167, 42, 12}},
    {-1, u"STATIC", kLabel, kRight, u"Radius(larger circle)", {11, 184, 69, 8}, u"描画点の半径", {16, 184, 44, 8}},
    {IDC_TRACER_DISTANCE, u"EDIT", kEdit, 0, u"", {86, 182, 38, 12}, u"", {64, 182, 42, 12}},
    {-1, u"STATIC", kLabel, kRight, u"Radius(smaller circle)", {10, 169, 70, 8}, u"移動円の半径", {15, 169, 45, 8}},
};

struct Build {
  const char* name;
  const char* path;
  bool japanese;
  Rect size;  // x, y, width, height of the dialog
  const char16_t* caption;
};

const Build kBuilds[] = {
    {"en", TAVIK_DLL_EN, false, {0, 0, 174, 257}, u"Star"},
    {"ja", TAVIK_DLL_JA, true, {0, 0, 149, 257}, u"星形を作成"},
};

// A reader over a resource's bytes; past the end it reads zeros and records the overrun.
struct Reader {
  const BYTE* data;
  size_t size;
  size_t at;
  bool overrun;

  const BYTE* Take(size_t n) {
    static const BYTE zeros[8] = {};
    if (at + n > size) {
      overrun = true;
      at = size;
      return zeros;
    }
    const BYTE* p = data + at;
    at += n;
    return p;
  }
  WORD Word() {
    WORD v;
    memcpy(&v, Take(2), 2);
    return v;
  }
  DWORD Dword() {
    DWORD v;
    memcpy(&v, Take(4), 4);
    return v;
  }
  void AlignDword() { at = (at + 3) & ~(size_t)3; }
  std::u16string String() {
    std::u16string s;
    for (WORD c = Word(); c != 0 && !overrun; c = Word()) s.push_back((char16_t)c);
    return s;
  }
  // A name or an ordinal: 0xFFFF then the ordinal, or a zero-terminated string.
  std::u16string NameOrOrdinal(WORD* ordinal) {
    *ordinal = 0;
    if (at + 2 <= size && data[at] == 0xFF && data[at + 1] == 0xFF) {
      Word();
      *ordinal = Word();
      return u"";
    }
    return String();
  }
};

// The predefined control classes by their atoms, as a compiler may store them.
std::u16string ClassName(WORD ordinal, const std::u16string& name) {
  switch (ordinal) {
    case 0: return name;
    case 0x80: return u"BUTTON";
    case 0x81: return u"EDIT";
    case 0x82: return u"STATIC";
    case 0x85: return u"COMBOBOX";
  }
  return u"#" + std::u16string(1, (char16_t)ordinal);
}

std::string Utf8(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    if (c < 0x80) {
      out += (char)c;
    } else if (c < 0x800) {
      out += (char)(0xC0 | (c >> 6)), out += (char)(0x80 | (c & 0x3F));
    } else {
      out += (char)(0xE0 | (c >> 12)), out += (char)(0x80 | ((c >> 6) & 0x3F)), out += (char)(0x80 | (c & 0x3F));
    }
  }
  return out;
}

class ModuleResources : public ::testing::TestWithParam<Build> {
 protected:
  void SetUp() override {
    module = LoadLibraryExA(GetParam().path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << GetParam().path;
  }
  void TearDown() override {
    if (module) FreeLibrary(module);
  }
  // The bytes of resource (type, id) under language; empty when there is none.
  std::vector<BYTE> Resource(LPCSTR type, int id, WORD language) {
    HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id), language);
    if (!found) return {};
    const BYTE* data = (const BYTE*)LockResource(LoadResource(module, found));
    return std::vector<BYTE>(data, data + SizeofResource(module, found));
  }
  HMODULE module = nullptr;
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR out) {
  ((std::vector<WORD>*)out)->push_back(language);
  return TRUE;
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR out) {
  ((std::vector<ULONG_PTR>*)out)->push_back(IS_INTRESOURCE(name) ? (ULONG_PTR)name : ~(ULONG_PTR)0);
  return TRUE;
}

BOOL CALLBACK CollectType(HMODULE, LPSTR type, LONG_PTR out) {
  ((std::vector<ULONG_PTR>*)out)->push_back(IS_INTRESOURCE(type) ? (ULONG_PTR)type : ~(ULONG_PTR)0);
  return TRUE;
}

// Exactly a dialog 101, a bitmap 1030 and a manifest 2, each in one language.
TEST_P(ModuleResources, HoldOnlyTheDialogTheStripAndTheManifestInTheirLanguages) {
  std::vector<ULONG_PTR> types;
  EnumResourceTypesA(module, CollectType, (LONG_PTR)&types);
  std::sort(types.begin(), types.end());
  EXPECT_EQ(types, (std::vector<ULONG_PTR>{(ULONG_PTR)RT_BITMAP, (ULONG_PTR)RT_DIALOG, (ULONG_PTR)RT_MANIFEST}));

  const struct {
    LPCSTR type;
    int id;
    WORD language;
  } kExpected[] = {{RT_DIALOG, IDD_STAR, kJapanese}, {RT_BITMAP, IDB_SHAPES, kJapanese}, {RT_MANIFEST, 2, kEnglishUs}};
  for (const auto& resource : kExpected) {
    SCOPED_TRACE(resource.id);
    std::vector<ULONG_PTR> names;
    EnumResourceNamesA(module, resource.type, CollectName, (LONG_PTR)&names);
    EXPECT_EQ(names, std::vector<ULONG_PTR>{(ULONG_PTR)resource.id});
    std::vector<WORD> languages;
    EnumResourceLanguagesA(module, resource.type, MAKEINTRESOURCEA(resource.id), CollectLanguage, (LONG_PTR)&languages);
    EXPECT_EQ(languages, std::vector<WORD>{resource.language});
  }
}

TEST_P(ModuleResources, DialogTemplateMatchesTheTables) {
  const Build& build = GetParam();
  std::vector<BYTE> bytes = Resource(RT_DIALOG, IDD_STAR, kJapanese);
  ASSERT_FALSE(bytes.empty());
  Reader r = {bytes.data(), bytes.size(), 0, false};

  EXPECT_EQ(r.Word(), 1);       // dlgVer: the extended form
  EXPECT_EQ(r.Word(), 0xFFFF);  // signature
  EXPECT_EQ(r.Dword(), 0u);     // help id
  EXPECT_EQ(r.Dword(), 0u);     // extended style
  EXPECT_EQ(r.Dword(), 0x80C808C0u);
  WORD count = r.Word();
  EXPECT_EQ(count, 21);
  Rect size;
  size.x = (short)r.Word(), size.y = (short)r.Word(), size.w = (short)r.Word(), size.h = (short)r.Word();
  EXPECT_EQ(std::vector<short>({size.x, size.y, size.w, size.h}),
            std::vector<short>({build.size.x, build.size.y, build.size.w, build.size.h}));
  WORD ordinal;
  EXPECT_EQ(Utf8(r.NameOrOrdinal(&ordinal)), "");  // no menu
  EXPECT_EQ(ordinal, 0);
  EXPECT_EQ(Utf8(r.NameOrOrdinal(&ordinal)), "");  // the default dialog class
  EXPECT_EQ(ordinal, 0);
  EXPECT_EQ(Utf8(r.String()), Utf8(build.caption));
  EXPECT_EQ(r.Word(), 9);  // point size
  EXPECT_EQ(r.Word(), 0);  // weight
  const BYTE* italicAndCharset = r.Take(2);
  EXPECT_EQ(italicAndCharset[0], 0);
  EXPECT_EQ(italicAndCharset[1], 1);
  EXPECT_EQ(Utf8(r.String()), Utf8(u"ＭＳ Ｐゴシック"));

  for (WORD i = 0; i < count && i < 21; i++) {
    const ExpectedControl& want = kControls[i];
    SCOPED_TRACE("control " + std::to_string(i + 1));
    r.AlignDword();
    EXPECT_EQ(r.Dword(), 0u);  // help id
    EXPECT_EQ(r.Dword(), want.exStyle);
    EXPECT_EQ(r.Dword(), want.style);
    Rect at;
    at.x = (short)r.Word(), at.y = (short)r.Word(), at.w = (short)r.Word(), at.h = (short)r.Word();
    Rect expected = build.japanese ? want.ja : want.en;
    EXPECT_EQ(std::vector<short>({at.x, at.y, at.w, at.h}),
              std::vector<short>({expected.x, expected.y, expected.w, expected.h}));
    EXPECT_EQ((int32_t)r.Dword(), want.id);
    std::u16string name = r.NameOrOrdinal(&ordinal);
    EXPECT_EQ(Utf8(ClassName(ordinal, name)), Utf8(want.windowClass));
    std::u16string text = r.NameOrOrdinal(&ordinal);
    EXPECT_EQ(ordinal, 0);
    EXPECT_EQ(Utf8(text), Utf8(build.japanese ? want.textJa : want.textEn));
    EXPECT_EQ(r.Word(), 0);  // no creation data
  }
  EXPECT_FALSE(r.overrun);
  r.AlignDword();
  EXPECT_GE(r.at, bytes.size() - 3);  // nothing after the last control
}

// The strip resource is the committed BMP without its file header.
TEST_P(ModuleResources, BitmapIsTheCommittedStrip) {
  std::vector<BYTE> bitmap = Resource(RT_BITMAP, IDB_SHAPES, kJapanese);
  FILE* file = fopen(TAVIK_SHAPES_BMP, "rb");
  ASSERT_NE(file, nullptr);
  std::vector<BYTE> bmp(200000);
  bmp.resize(fread(bmp.data(), 1, bmp.size(), file));
  fclose(file);
  ASSERT_GT(bmp.size(), 14u);
  EXPECT_TRUE(std::equal(bitmap.begin(), bitmap.end(), bmp.begin() + 14) && bitmap.size() == bmp.size() - 14);

  BITMAPINFOHEADER header;
  ASSERT_GE(bitmap.size(), sizeof header);
  memcpy(&header, bitmap.data(), sizeof header);
  EXPECT_EQ(header.biSize, 40u);
  EXPECT_EQ(header.biWidth, 480);
  EXPECT_EQ(header.biHeight, 80);  // positive: bottom-up
  EXPECT_EQ(header.biBitCount, 24);
  EXPECT_EQ(header.biCompression, (DWORD)BI_RGB);
  EXPECT_EQ(header.biClrUsed, 0u);
  EXPECT_EQ(bitmap.size(), 40u + 480 * 3 * 80);  // no colour table
}

TEST_P(ModuleResources, ManifestHasOnlyTheTrustInformation) {
  std::vector<BYTE> bytes = Resource(RT_MANIFEST, 2, kEnglishUs);
  std::string manifest(bytes.begin(), bytes.end());
  EXPECT_NE(manifest.find("manifestVersion=\"1.0\""), std::string::npos);
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"), std::string::npos);
  EXPECT_EQ(manifest.find("dependency"), std::string::npos);
  EXPECT_EQ(manifest.find("assemblyIdentity"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, ModuleResources, ::testing::ValuesIn(kBuilds),
                         [](const ::testing::TestParamInfo<Build>& info) { return std::string(info.param.name); });

}  // namespace
