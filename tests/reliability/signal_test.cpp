// The real terminal comes back after SIGINT, SIGTERM or SIGHUP at any screen, after Ctrl-C and
// after an error exit: canonical mode and echo on, the cursor shown, the program's own screen
// left. Runs the program in tmux; the cases are in cases/signals.tsv.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <map>
#include <sstream>
#include <thread>

#include "support/harness.hpp"
#include "support/tmux.hpp"

namespace halvorin {
namespace {

TEST(Signals, StopSignalsCtrlCAndAFileErrorRestoreTheTerminal) {
  if (testing::run_command("command -v tmux").status != 0) GTEST_SKIP() << "no tmux";
  const std::map<std::string, int> signals = {{"INT", SIGINT}, {"TERM", SIGTERM}, {"HUP", SIGHUP}};
  const std::string path = "reliability/cases/signals.tsv";
  for (const auto& row : testing::test_table(path)) {
    SCOPED_TRACE(testing::case_name(path, row));
    testing::TempDir dir;
    testing::copy_demo(dir);
    testing::generate_material(dir, "small", 1);
    const std::string before = dir.read("Weekly.spe");
    // The script records how the program ended and the terminal's modes; it outlives a Ctrl-C
    // typed in the pane, which reaches it as well as the program.
    dir.write("run.sh", "trap : INT\ncd " + dir.path() +
                            "\nsh -c 'echo $$ > pid; exec env TERM=xterm-256color " +
                            (row[0] == "-" ? "" : row[0]) + " " + HALVORIN_BIN +
                            " --seed 3' 2>err\necho status=$?\nstty -a > stty\nsleep 60\n");
    testing::TmuxPane pane("sh " + dir.file("run.sh"));
    ASSERT_TRUE(pane.wait_for("Press Return to Choose a Quiz Style")) << pane.capture();
    // Types tmux key names one by one.
    auto type = [&](const std::string& keys) {
      std::istringstream in(keys);
      for (std::string k; in >> k && k != "-";) {
        pane.keys(k);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
      }
    };
    type(row[1]);
    ASSERT_TRUE(row[2] == "-" || pane.wait_for(row[2])) << pane.capture();
    if (signals.count(row[3])) {
      ASSERT_TRUE(testing::wait_file(dir, "pid"));
      ::kill(std::stoi(dir.read("pid")), signals.at(row[3]));
    } else {
      type(row[3]);
    }
    ASSERT_TRUE(pane.wait_for("status=" + row[4])) << pane.capture() << dir.read("err");
    ASSERT_TRUE(testing::wait_file(dir, "stty"));
    const std::string stty = dir.read("stty");
    EXPECT_NE(stty.find(" icanon"), std::string::npos) << stty;
    EXPECT_NE(stty.find(" echo "), std::string::npos) << stty;
    EXPECT_EQ(pane.show("#{cursor_flag}"), "1\n") << "cursor hidden";
    EXPECT_EQ(pane.show("#{alternate_on}"), "0\n") << "the program's screen not left";
    EXPECT_EQ(dir.read("Weekly.spe"), before);
    EXPECT_NE(dir.read("err").find(row.f.size() > 5 ? row[5] : ""), std::string::npos);
  }
}

}  // namespace
}  // namespace halvorin
