// The demo working directory as `make run` lays it out: every style it lists must find its
// material, the styles together must show what the program can do, and a second run must keep
// what the first one made.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "platform/text_file.hpp"
#include "state/style.hpp"
#include "support/harness.hpp"

namespace halvorin {
namespace {

using testing::TempDir;

std::string make_demo(const TempDir& dir) {
  const std::filesystem::path bin = HALVORIN_MATERIAL_BIN;
  const std::string build = bin.parent_path().parent_path().string();
  auto r = testing::run_command("sh " + std::string(HALVORIN_SOURCE_DIR) +
                                "/scripts/make-demo.sh '" + build + "' '" + dir.file("demo") + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  return dir.file("demo");
}

// The lines of a file as the program reads them.
std::vector<std::string> file_lines(const std::string& path) {
  std::vector<std::string> lines;
  TextReader in(path);
  while (!in.eof()) lines.push_back(in.read_line(1000));
  return lines;
}

TEST(DemoDirectory, EveryListedStyleFindsItsMaterial) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  TempDir dir;
  const std::string demo = make_demo(dir);
  auto list = file_lines(demo + "/Specs.lst");
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(list.back(), "Enter New Specs");
  for (const char* name : {"Weekly", "Chapters", "Fixed", "Junior"})
    EXPECT_NE(std::find(list.begin(), list.end(), name), list.end()) << name;

  std::set<char> sectorings, layouts, fixed, levels;
  bool other_ipc = false;
  for (std::string style : list) {
    if (style == "Enter New Specs") style = "New";
    SCOPED_TRACE(style);
    StyleValues s = read_style_file(demo + "/" + style + ".spe");
    sectorings.insert(s.SEC1), layouts.insert(s.OUT), fixed.insert(s.SETSPC), levels.insert(s.LG);
    other_ipc = other_ipc || s.IPC != 50;

    const std::string pre = s.LG == 'L' ? "LL" : "";
    const char list_letter = static_cast<char>(std::tolower(s.REGLST));
    const std::string bc = list_letter == 'c' ? "c" : "b";
    const int two = s.PRIMPCT % 100;
    const std::string ftv = pre + "FTV." + std::to_string(two / 10) + std::to_string(two % 10);
    for (const std::string& f :
         {pre + "Acts." + list_letter, ftv, pre + "cv." + bc, pre + "co." + bc,
          std::string(s.LG == 'L' ? "llsit.txt" : "SIT.TXT")})
      EXPECT_FALSE(find_file_in(demo, f).empty()) << f;
  }
  EXPECT_EQ(sectorings, (std::set<char>{'C', 'V', 'Q'}));
  EXPECT_EQ(layouts, (std::set<char>{'C', 'P', 'T'}));
  EXPECT_EQ(fixed, (std::set<char>{'Y', 'N'}));
  EXPECT_TRUE(levels.count('L'));
  EXPECT_TRUE(other_ipc);
}

TEST(DemoDirectory, ASecondRunKeepsStylesListAndMaterial) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  TempDir dir;
  const std::string demo = make_demo(dir);
  const std::vector<std::string> edited = {"Weekly", "Enter New Specs"};
  replace_file(demo + "/Specs.lst", edited);
  replace_file(demo + "/Acts.a", {" 1: 1\tWho is kept?\tThis line"});
  make_demo(dir);
  EXPECT_EQ(file_lines(demo + "/Specs.lst"), edited);
  EXPECT_EQ(file_lines(demo + "/Acts.a").size(), 1u);
}

}  // namespace
}  // namespace halvorin
