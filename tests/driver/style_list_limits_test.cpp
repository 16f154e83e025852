// The style list's room: a list file longer than the menu's table is refused, and a full list
// keeps a newly named style's file without dropping or overflowing anything.
#include <gtest/gtest.h>

#include "support/harness.hpp"

namespace halvorin {
namespace {

using testing::copy_demo;
using testing::run_halvorin;
using testing::TempDir;

std::vector<std::string> full_list(int styles) {
  std::vector<std::string> list;
  for (int i = 1; i <= styles; ++i) list.push_back(i == 1 ? "Weekly" : "Style" + std::to_string(i));
  list.push_back("Enter New Specs");
  return list;
}

TEST(StyleListRoom, ALongerListIsRefusedAndAFullListStillSavesTheStyle) {
  TempDir dir;
  copy_demo(dir);
  dir.write_lines("Specs.lst", full_list(14));  // 15 lines: one more than the menu holds
  auto refused = run_halvorin(dir, "Enter");
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("Specs.lst:15:"), std::string::npos) << refused.err;

  dir.write_lines("Specs.lst", full_list(13));
  // Choose Weekly, name it Extra, save: the list has no room for a fourteenth style.
  auto saved = run_halvorin(dir, "Enter Down Down \"Extra\" Enter Esc Enter");
  EXPECT_EQ(saved.status, 3);
  EXPECT_NE(saved.err.find("style list full"), std::string::npos) << saved.err;
  EXPECT_NE(saved.row(3).find("The style list is full: Extra was saved but is not listed."),
            std::string::npos)
      << saved.screen;
  EXPECT_TRUE(dir.exists("Extra.spe"));
  EXPECT_EQ(dir.lines("Specs.lst"), full_list(13));
}

}  // namespace
}  // namespace halvorin
