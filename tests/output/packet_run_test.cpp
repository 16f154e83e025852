// Whole runs of the program on the demo styles and generated material: a complete packet in the
// page layout and in the tab-separated one, and printed copies.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

class PacketRun : public DemoMaterialSuite<1> {
 protected:
  // Runs the keys that make one packet of a style and then leave the program.
  static std::vector<std::string> run(const std::string& keys, const std::string& packet) {
    dir_->remove(packet);
    RunResult r = run_halvorin(*dir_, keys, {"--seed", "3"});
    EXPECT_EQ(r.status, 0) << r.err << r.screen;
    for (const auto& e : std::filesystem::directory_iterator(dir_->path()))
      EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << "left behind";
    return dir_->lines(packet);
  }
  static size_t count(const std::vector<std::string>& lines, const std::regex& re) {
    size_t n = 0;
    for (const auto& l : lines) n += std::regex_search(l, re);
    return n;
  }
};

TEST_F(PacketRun, PagesOfTheWeeklyStyle) {
  // 25 quizzes of 20 questions.
  auto lines = run("Enter Esc Enter Enter Enter Enter Enter \"n\" Up Enter", "Weekly.qui");
  EXPECT_EQ(count(lines, std::regex("Weekly Style Quizzing +Quiz Number +[0-9]+$")), 25u);
  EXPECT_EQ(count(lines, std::regex("^.{71}A [ 1-9][0-9]:[ 1-9][0-9]$")), 25u * 20u);
  for (const auto& l : lines) {
    if (l.find("Style Quizzing") != std::string::npos) {
      EXPECT_EQ(l.size() - (l[0] == '\f'), 78u);
    }
  }
  EXPECT_EQ(dir_->read("Weekly.qui").back(), '\f');
}

TEST_F(PacketRun, TabSeparatedLinesOfTheFixedStylePrintedTwice) {
  set_env("HALVORIN_PRINTER", "tee -a " + dir_->file("printed"));
  auto lines =
      run("Down Down Enter Esc Enter Enter Enter Enter Enter \"y\" \"2\" Enter Enter Up Enter",
          "Fixed.qui");
  unset_env("HALVORIN_PRINTER");
  EXPECT_EQ(count(lines, std::regex("^<pb>$")), 15u);
  EXPECT_EQ(count(lines, std::regex("^[ 0-9]*\t[^\t]*\t[^\t]*\t([^\t]*\t)?\\(A [ 1-9][0-9]:[ "
                                    "1-9][0-9]\\)$")),
            15u * 20u);
  std::string copy;
  for (const auto& l : lines) copy += l.substr(0, 79) + "\n";
  EXPECT_EQ(dir_->read("printed"), copy + copy);
}

}  // namespace
}  // namespace halvorin::testing
