// Packets made for a fixed seed must not change: the quiz files and used-question lists of three
// short styles (one per layout and sectoring mode, with and without the interrogative trades,
// and with regular questions repeating) are compared byte for byte with packets kept beside
// this test, so a faster reader, chooser or writer cannot change a single chosen question.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

TEST(KeptPackets, SameSeedMakesTheSameBytes) {
  TempDir dir;
  for (const std::string& name : test_data_names("perf/golden", ""))
    if (name != "packets") dir.write(name, test_data("perf/golden/" + name));
  // Pages by verse, cards by chapter (70 % interrogative, so questions are traded), tab lines by
  // question over a range small enough that regular questions repeat.
  const char* styles[] = {"Pv", "Cc", "Tq"};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(styles[i]);
    std::string keys = std::to_string(i) + "*Down Enter Esc 7*Enter Enter 3*Enter \"n\" Up Enter";
    RunResult r = run_halvorin(dir, keys, {"--seed", "5"});
    ASSERT_EQ(r.status, 0) << r.err << r.screen;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
      EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << "left behind";
    for (const std::string ext : {".qui", ".inf"})
      expect_golden("perf/golden/packets/" + std::string(styles[i]) + ext,
                    dir.read(styles[i] + ext));
  }
}

}  // namespace
}  // namespace halvorin::testing
