// A short, fixed-seed series of random-key runs of the whole program: none may crash, hang, end
// with an internal error or a sanitizer report, or leave a file half-written.
#include "keyfuzz/key_fuzz.hpp"

#include <gtest/gtest.h>

#include "platform/terminal.hpp"
#include "support/harness.hpp"

namespace halvorin {
namespace {

TEST(KeyFuzz, ScriptsAreReproducibleAndCountTheirKeys) {
  for (uint64_t seed : {1u, 2u, 99u}) {
    uint64_t a = seed, b = seed;
    int keys_a = 0, keys_b = 0;
    std::string sa = keyfuzz::random_key_script(a, 200, &keys_a);
    std::string sb = keyfuzz::random_key_script(b, 200, &keys_b);
    EXPECT_EQ(sa, sb);
    // The count the report adds up is the number of key bytes the program will read.
    EXPECT_EQ(static_cast<int>(parse_key_script(sa, "keys").size()), keys_a) << sa;
    EXPECT_LE(keys_a, 200 + 8);  // an opening may pass the bound by a few keys
  }
}

TEST(KeyFuzz, FixedSeedRunsEndCleanly) {
  testing::TempDir work;
  keyfuzz::Options opt;
  opt.program = HALVORIN_BIN;
  opt.material_tool = HALVORIN_MATERIAL_BIN;
  opt.demo_dir = std::string(HALVORIN_SOURCE_DIR) + "/demo";
  opt.work_dir = work.path();
  opt.seed = 20261206;
  opt.runs = 12;
  opt.max_keys = 250;
  opt.timeout = 120;
  opt.keep_failures = false;
  keyfuzz::Report r = keyfuzz::run(opt);
  std::cout << keyfuzz::summary(r);
  EXPECT_EQ(r.runs, 12);
  EXPECT_TRUE(r.failures.empty()) << keyfuzz::summary(r);
  EXPECT_GE(r.screens.size(), 3u) << keyfuzz::summary(r);
}

}  // namespace
}  // namespace halvorin
