// Batch packets: every demo style made without screens, its summary as expected under golden/;
// the styles that cannot be filled refused with their reason, the old packet kept. Packets made
// again from what they note: every pass of a session from its own seed, a count file that no
// longer matches the material rebuilt before it is used, and a style named "Exit" made like any
// other.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <memory>

#include "config/bench.hpp"
#include "platform/batch_terminal.hpp"

namespace halvorin::testing {
namespace {

RunResult batch(const TempDir& dir, const std::string& style, const std::string& seed) {
  return run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) + " --batch " +
                     style + " --seed " + seed);
}

// A copy of a demo style named `to` (its output name too) with some lines changed ("n=text;...").
void derive(const TempDir& dir, const std::string& from, const std::string& to,
            const std::string& changes) {
  dir.write(to + ".spe", dir.read(from + ".spe"));
  change_file(dir, to + ".spe:4=" + to + ";" + changes);
}

void expect_no_scratch_files(const TempDir& dir) {
  for (const auto& e : std::filesystem::directory_iterator(dir.path()))
    EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

// Answers are given by screen; a screen that never takes its answer ends the run instead of
// looping.
TEST(BatchTerminal, AScreenThatKeepsAskingEndsTheRun) {
  Screen screen;
  BatchTerminal term(std::map<std::string, std::string>{{"menu", "\r"}});
  for (int i = 0; i < BatchTerminal::kMaxKeysPerScreen; ++i)
    EXPECT_EQ(term.read_key(screen, "menu"), '\r');
  EXPECT_THROW(term.read_key(screen, "menu"), BatchRefused);
}

class BatchRun : public testing::DemoMaterialSuite<2> {};

// In a fresh folder each style writes its count file; a copy of Weekly that does not reindex
// then reuses Weekly's.
TEST_F(BatchRun, EveryDemoStyleMakesItsPacket) {
  derive(*dir_, "Weekly", "Reuse", "11=N");
  for (const std::string style : {"Weekly", "Chapters", "Fixed", "Junior", "Reuse"}) {
    RunResult r = batch(*dir_, style, "41");
    ASSERT_EQ(r.status, 0) << style << r.err;
    expect_golden("batch/golden/" + style + ".out", r.out);
  }
  EXPECT_EQ(dir_->lines("Weekly.inf").back(), "Seed 41");
  // Pages and cards come with their PDF; the tab-separated layout has none.
  EXPECT_TRUE(dir_->exists("Weekly.pdf") && dir_->exists("Junior.pdf"));
  EXPECT_FALSE(dir_->exists("Fixed.pdf"));
  expect_no_scratch_files(*dir_);
}

// Where the configuration form's check leaves the cursor for a saved style: a field, or "save"
// when the style passes to the header and is saved.
std::string form_stop(const std::string& style_file) {
  const FormRun f(read_style_file(style_file), "Esc Enter");
  if (f.exit == FormExit::Save) return "save";
  const std::string where = f.p.con.where(), prefix = "configuration form, ";
  return where.starts_with(prefix) ? where.substr(prefix.size()) : where;
}

TEST(BatchRefusal, StylesThatCannotBeFilledSayWhyAndKeepTheOldPacket) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "sparse", 1);
  std::string said;  // what each run says (status, stdout, stderr), one after another
  const std::string path = "batch/cases/refusals.tsv";
  std::map<std::string, std::unique_ptr<TempDir>> seasons;  // a folder of each season's material
  for (const CaseRow& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    const bool season = c.f.size() > 4;
    if (season && !seasons.count(c[4])) {
      TempDir& s = *(seasons[c[4]] = std::make_unique<TempDir>());
      copy_demo(s);
      ASSERT_EQ(run_command(shell_word(HALVORIN_MATERIAL_BIN) + " --out " + shell_word(s.path()) +
                            " --season " + c[4])
                    .status,
                0);
    }
    const TempDir& in = season ? *seasons[c[4]] : dir;
    if (c[1] != "-") derive(in, c[1], c[0], c[2]);
    in.write(c[0] + ".qui", "old packet\r\n");
    RunResult r = batch(in, c[0], "1");
    said += c[0] + ": " + std::to_string(r.status) + "\n" + r.out + r.err;
    EXPECT_EQ(in.read(c[0] + ".qui"), "old packet\r\n");
    // No byte of a style reaches the terminal as a control character (line ends aside, CR LF on
    // Windows).
    const std::string shown = r.out + r.err;
    for (size_t i = 0; i < shown.size(); ++i) {
      const auto ch = static_cast<unsigned char>(shown[i]);
      const bool line_end = ch == '\n' || (ch == '\r' && shown.substr(i + 1, 1) == "\n");
      EXPECT_TRUE(line_end || !std::iscntrl(ch)) << int(ch);
    }
    if (c[3] != "-") {
      EXPECT_EQ(form_stop(in.file(c[0] + ".spe")), c[3]);
    }
  }
  expect_golden("batch/golden/refusals.out", said);
  expect_no_scratch_files(dir);
}

// A control character in the material reaches the terminal escaped, as every other text quoted
// from a file.
TEST(MaterialCheckReport, ShowsControlCharactersEscaped) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "small", 1);
  change_file(dir, "Acts.b:2=\\x1b[7m1\\x09Who spoke?\\x09Peter");
  const RunResult r =
      run_command(shell_word(HALVORIN_BIN) + " -C " + shell_word(dir.path()) + " --check-material");
  EXPECT_NE(r.out.find("Acts.b:2: the chapter in columns 1-2 is not a number: '\\x1b['"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
}

struct Packet {
  std::string qui, inf, pat;
  bool operator==(const Packet&) const = default;
};

Packet packet(const TempDir& dir, const std::string& name) {
  return {dir.read(name + ".qui"), dir.read(name + ".inf"), dir.read("pat.txt")};
}

// The seed a packet notes as the last line of its used-question list.
std::string noted_seed(const TempDir& dir, const std::string& name) {
  const std::vector<std::string> lines = dir.lines(name + ".inf");
  const std::string last = lines.empty() ? "" : lines.back();
  EXPECT_EQ(last.rfind("Seed ", 0), 0u) << last;
  return last.substr(5);
}

// Choose the first or the fourth style, save it unchanged, accept every screen, no printing.
const char* const kWeeklyPass = "Enter Esc Enter Enter Enter Enter Enter \"n\" ";
const char* const kJuniorPass = "3*Down Enter Esc Enter Enter Enter Enter Enter \"n\" ";

// A PDF that cannot be written is a file error; the quiz file and the list are complete.
TEST_F(BatchRun, APdfThatCannotBeWrittenEndsTheRunWithTwo) {
  derive(*dir_, "Weekly", "NoPdf", "");
  std::filesystem::create_directory(dir_->file("NoPdf.pdf"));
  const RunResult r = batch(*dir_, "NoPdf", "5");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.rfind("halvorin: NoPdf.pdf:", 0), 0u) << r.err;
  EXPECT_TRUE(dir_->read("NoPdf.qui").ends_with("\f"));
  EXPECT_EQ(noted_seed(*dir_, "NoPdf"), "5");
  expect_no_scratch_files(*dir_);
  std::filesystem::remove(dir_->file("NoPdf.pdf"));
}

class Remake : public DemoMaterialSuite<3> {};

TEST_F(Remake, EveryPassOfASessionIsMadeAgainFromItsOwnSeed) {
  // Two passes and Exit; each packet is kept before a later pass could touch it.
  RunResult r =
      run_halvorin(*dir_, std::string(kWeeklyPass) + kJuniorPass + "Up Enter", {"--seed", "9"});
  ASSERT_EQ(r.status, 0) << r.err << r.screen;
  const Packet weekly = packet(*dir_, "Weekly"), junior = packet(*dir_, "Junior");
  const std::string first = noted_seed(*dir_, "Weekly"), second = noted_seed(*dir_, "Junior");
  EXPECT_EQ(first, "9");
  EXPECT_NE(second, first);
  // The second pass's packet, not the first's pattern file: pat.txt is the last pass's.
  ASSERT_EQ(batch(*dir_, "Junior", second).status, 0);
  EXPECT_TRUE(packet(*dir_, "Junior") == junior);
  ASSERT_EQ(batch(*dir_, "Weekly", first).status, 0);
  EXPECT_EQ(dir_->read("Weekly.qui"), weekly.qui);
  EXPECT_EQ(dir_->read("Weekly.inf"), weekly.inf);
  // The same second pass on its own, started with its seed and stopped at the print question:
  // the packet is complete and the closing screen shows the seed.
  r = run_halvorin(*dir_, "3*Down Enter Esc Enter Enter Enter Enter Enter", {"--seed", second});
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_EQ(r.row(23).substr(0, 8 + second.size()), "  Seed " + second + " ");
  EXPECT_EQ(r.row(9).substr(0, 31), "  Do you wish to print it now? ");
  EXPECT_TRUE(packet(*dir_, "Junior") == junior);
}

TEST_F(Remake, AStyleNamedExitMakesItsPacket) {
  // A style saved under the name "Exit" stands in the list before the list's own Exit entry.
  derive(*dir_, "Weekly", "Exit", "4=ExitPk");
  change_file(*dir_, "Specs.lst=Weekly|Chapters|Fixed|Junior|Exit|Enter New Specs");
  RunResult r = run_halvorin(*dir_, "4*Down Enter Esc Enter Enter Enter Enter Enter \"n\" Up Enter",
                             {"--seed", "4"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(noted_seed(*dir_, "ExitPk"), "4");
  EXPECT_EQ(dir_->read("temp2.txt"), "Exit");
  const Packet made = packet(*dir_, "ExitPk");
  EXPECT_EQ(batch(*dir_, "Exit", "4").status, 0);
  EXPECT_TRUE(packet(*dir_, "ExitPk") == made);
  copy_demo(*dir_);
  dir_->remove("Exit.spe");
}

// With reindex N a count file is reused only while it matches the material: changed material
// gives the packet a fresh count file gives, and the summary says the file was rebuilt. The
// summaries of the three runs (stale, matching, fresh) are in golden/stale.out.
TEST(StaleCounts, ACountFileThatNoLongerMatchesIsRebuilt) {
  TempDir dir;
  copy_demo(dir);
  generate_material(dir, "small", 1, false);
  derive(dir, "Weekly", "Stale", "11=N");
  ASSERT_EQ(batch(dir, "Stale", "6").status, 0);  // no count file yet: built
  const std::string old_counts = dir.read("count.59B");
  generate_material(dir, "small", 2, false);  // the material changes; the count file stays
  dir.write("count.59B", old_counts);
  std::string said = batch(dir, "Stale", "6").out;
  const Packet stale = packet(dir, "Stale");
  const std::string counts = dir.read("count.59B");
  EXPECT_TRUE(counts != old_counts);
  said += batch(dir, "Stale", "6").out;  // matching material: reused untouched
  EXPECT_TRUE(packet(dir, "Stale") == stale);
  dir.remove("count.59B");
  said += batch(dir, "Stale", "6").out;
  EXPECT_TRUE(packet(dir, "Stale") == stale);
  EXPECT_EQ(dir.read("count.59B"), counts);
  expect_golden("batch/golden/stale.out", said);
}

// A count file of another set's tables (an Acts one left in a John folder) is rebuilt for the
// folder's set; a count file that is no count file at all is still refused at its line.
TEST(StaleCounts, ACountFileOfAnotherSetIsRebuiltAGarbledOneRefused) {
  TempDir acts, john;
  copy_demo(acts);
  generate_material(acts, "small", 1, false);
  ASSERT_EQ(batch(acts, "Weekly", "1").status, 0);
  copy_demo(john);
  ASSERT_EQ(run_command(shell_word(HALVORIN_MATERIAL_BIN) + " --out " + shell_word(john.path()) +
                        " --season john")
                .status,
            0);
  derive(john, "Weekly", "Reuse", "2=1 1;3=6 71;11=N");
  john.write("count.59B", acts.read("count.59B"));
  RunResult r = batch(john, "Reuse", "1");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("count.59B was rebuilt"), std::string::npos) << r.out;
  EXPECT_EQ(john.lines("count.59B").size(), 21u * 71u);
  std::vector<std::string> counts = john.lines("count.59B");
  counts.at(4) = "1 5 x 0 0 0 0";
  john.write_lines("count.59B", counts);
  john.remove("Reuse.qui");
  r = batch(john, "Reuse", "1");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("count.59B:5: expected a number, found 'x 0 0 0 0'"), std::string::npos)
      << r.err;
  EXPECT_FALSE(john.exists("Reuse.qui"));
}

}  // namespace
}  // namespace halvorin::testing
