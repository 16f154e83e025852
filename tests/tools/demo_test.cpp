// The demo working directory as `make run` lays it out: every style it lists must find its
// material, the styles together must show what the program can do, and a second run must keep
// what the first one made.
#include <gtest/gtest.h>

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

TEST(DemoDirectory, EveryListedStyleFindsItsMaterial) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  TempDir dir;
  const std::string demo = make_demo(dir);
  auto list = dir.lines("demo/Specs.lst");
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(list.back(), "Enter New Specs");
  // Together the styles show every sectoring, layout, type setting and level.
  std::set<std::string> shown;
  for (std::string style : list) {
    if (style == "Enter New Specs") style = "New";
    const StyleValues s = read_style_file(demo + "/" + style + ".spe");
    shown.insert({std::string("sec ") + s.SEC1, std::string("out ") + s.OUT,
                  std::string("fixed ") + s.SETSPC, std::string("level ") + s.LG});
    if (s.IPC != 50) shown.insert("IPC");
    // The program's own material check finds every file the style reads and sectors its range
    // (the generated material holds some lines it reports, on purpose).
    auto r = testing::run_command(testing::shell_word(HALVORIN_BIN) + " -C " +
                                  testing::shell_word(demo) + " --check-material " + style);
    EXPECT_EQ(r.out.find(": missing"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(style + ".spe: "), std::string::npos) << r.out << r.err;
  }
  for (const char* s : {"sec C", "sec V", "sec Q", "out C", "out P", "out T", "fixed Y", "fixed N",
                        "level L", "IPC"})
    EXPECT_TRUE(shown.count(s)) << s;
}

TEST(DemoDirectory, ASecondRunKeepsStylesListAndMaterial) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  TempDir dir;
  const std::string demo = make_demo(dir);
  const std::vector<std::string> edited = {"Weekly", "Enter New Specs"};
  replace_file(demo + "/Specs.lst", edited);
  replace_file(demo + "/Acts.a", {" 1: 1\tWho is kept?\tThis line"});
  make_demo(dir);
  EXPECT_EQ(dir.lines("demo/Specs.lst"), edited);
  EXPECT_EQ(dir.lines("demo/Acts.a").size(), 1u);
}

}  // namespace
}  // namespace halvorin
