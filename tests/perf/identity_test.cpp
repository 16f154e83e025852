// Packets made for a fixed seed must not change: the quiz files and used-question lists of three
// short styles (one per layout and sectoring mode, with and without the interrogative trades,
// and with regular questions repeating) are compared byte for byte with packets kept beside
// this test, so a faster reader, chooser or writer cannot change a single chosen question.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kKept = fs::path(HALVORIN_SOURCE_DIR) / "tests" / "perf" / "golden";

std::string kept(const std::string& name) {
  std::ifstream in(kKept / "packets" / name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(KeptPackets, SameSeedMakesTheSameBytes) {
  TempDir dir;
  for (auto& e : fs::directory_iterator(kKept))
    if (e.is_regular_file()) fs::copy_file(e.path(), fs::path(dir.path()) / e.path().filename());
  // Pages by verse, cards by chapter (70 % interrogative, so questions are traded), tab lines by
  // question over a range small enough that regular questions repeat.
  const char* styles[] = {"Pv", "Cc", "Tq"};
  for (int i = 0; i < 3; ++i) {
    const std::string name = styles[i];
    SCOPED_TRACE(name);
    std::string keys = std::to_string(i) + "*Down Enter Esc 7*Enter Enter 3*Enter \"n\" Up Enter";
    RunResult r = run_halvorin(dir, keys, {"--seed", "5"});
    ASSERT_EQ(r.status, 0) << r.err << r.screen;
    for (const auto& e : fs::directory_iterator(dir.path()))
      EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << "left behind";
    for (const std::string ext : {".qui", ".inf"}) {
      std::string want = kept(name + ext);
      ASSERT_FALSE(want.empty()) << "no kept packet " << name + ext;
      EXPECT_TRUE(dir.read(name + ext) == want) << name + ext << " differs from the kept packet";
    }
  }
}

}  // namespace
}  // namespace halvorin::testing
