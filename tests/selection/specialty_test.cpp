// The specialty choosers: recycling and its messages, the FTV schedule and type rotation, the
// preferred sector, FTV types and question files that end too soon.
#include "selection_fixture.hpp"

namespace halvorin::testing {
namespace {

// Chooses one question of `kind` for position 1 of quiz q with sector 1 already used.
void choose_with_first_sector_used(Program& p, SelectionState& ss, char kind, int q) {
  RunState& rs = p.rs;
  rs.Q2 = q;
  rs.C1 = 1;
  rs.SECOND = 1;
  for (int s = 1; s <= rs.SECTORS; ++s) rs.FLAG[s] = s == 1 ? 0 : 1;
  if (kind == 'R') CHOOSEREF(p, ss);
  if (kind == 'F') CHOOSEFIN(p, ss);
}

TEST_F(SelectionTest, RecyclingNotesTheFirstTimeAndReleasesSectorsTheSecond) {
  // Only sector 1 has CV Refs and the quiz has used it: recycling alone cannot help, so the
  // second recycling releases the quiz's sectors.
  layout({{1, 0, 2, 0, 0}, {1, 0, 0, 0, 0}, {1, 0, 0, 0, 0}}, 2, "Rnn");
  open_lists();
  SelectionState state(prog->rs);
  choose_with_first_sector_used(*prog, state, 'R', 1);
  EXPECT_EQ(prog->rs.SECTOR[1], 1);
  EXPECT_EQ(row(5), "    Due to sectoring restrictions we must begin CV Ref repeats in quiz 1");
  EXPECT_EQ(row(6), "    Sectors or questions will be repeated in quiz 1");
  EXPECT_EQ(prog->rs.RSET, 6);
  choose_with_first_sector_used(*prog, state, 'R', 2);
  EXPECT_EQ(notes(), (std::vector<std::string>{
                         "CV Repeats begin quiz 1", "Sectors or Questions repeated in quiz 1",
                         "CV Repeats begin quiz 2", "Sectors or Questions repeated in quiz 2"}));
}

TEST_F(SelectionTest, FtvRecyclingShowsItsMessageEveryTimeOnTheNextRow) {
  ftv_types = "a";
  layout({{1, 2, 0, 0, 0}, {1, 0, 0, 0, 0}, {1, 0, 0, 0, 0}}, 1, "Fnn");
  open_lists();
  prog->rs.FQUIZ1 = 6;
  prog->rs.RSET = 22;  // the second message row wraps to 5 after clearing the working area
  SelectionState state(prog->rs);
  FINTYPES(*prog, state);
  choose_with_first_sector_used(*prog, state, 'F', 1);
  EXPECT_EQ(row(5), "    Sectors or questions will be repeated in quiz 1");
  EXPECT_EQ(row(6), "  Due to sectoring restrictions FTV repeats begin in quiz 1");
  EXPECT_EQ(row(24), "") << "the first message was cleared";
  EXPECT_EQ(prog->rs.FQUIZ, 7);
  EXPECT_EQ(notes(), (std::vector<std::string>{"FTV Repeats begin quiz 1",
                                               "Sectors or Questions repeated in quiz 1"}));
}

TEST_F(SelectionTest, FtvQuestionsRecycleOnTheirSchedule) {
  layout({{1, 5, 0, 0, 0}, {1, 5, 0, 0, 0}}, 9, "Fn");
  open_lists();
  RunState& rs = prog->rs;
  rs.FQUIZ1 = 4;
  rs.FQUIZ = 2;
  SelectionState state(rs);
  FINTYPES(*prog, state);
  for (int q : {3, 5, 6, 9, 10}) {  // quiz 3 is never recycled; quiz 5 is above FQUIZ
    rs.Q2 = q;
    rs.C1 = 1;
    rs.FLAG[1] = rs.FLAG[2] = 1;
    CHOOSEFIN(*prog, state);
  }
  EXPECT_EQ(rs.FQUIZ, 14);
  EXPECT_EQ(notes(),
            (std::vector<std::string>{"FTV Repeats begin quiz 5", "FTV Repeats begin quiz 10"}));
}

TEST_F(SelectionTest, FtvTypesNeverFollowEachOtherUnlessNoOtherTypeIsLeft) {
  for (std::string types : {"ab", "abcde", "a"}) {
    SCOPED_TRACE(types);
    start("", 3);
    ftv_types = types;
    layout(std::vector<SectorCounts>(6, {4, 10, 0, 0, 0}), 20, "FnFnnF");
    prog->rs.REPEATPCT = 100;
    auto quizzes = assemble(20);
    std::string sequence;
    for (auto& q : quizzes)
      for (int pos : {1, 3, 6})
        sequence +=
            prog->rs.FTYPE(q.sector[static_cast<size_t>(pos)], q.number[static_cast<size_t>(pos)]);
    for (size_t i = 1; i < sequence.size() && types.size() > 1; ++i)
      EXPECT_NE(sequence[i], sequence[i - 1]) << "at " << i << ": " << sequence;
    if (types == "ab") {
      EXPECT_EQ(sequence.substr(0, 6), "ababab");
    }
    if (types == "a") {
      EXPECT_EQ(sequence, std::string(60, 'a'));
    }
    notes();
  }
}

TEST_F(SelectionTest, SecondCvRefOfAQuizComesFromTheHeaviestSector) {
  int first_elsewhere = 0;
  for (uint64_t seed = 1; seed <= 30; ++seed) {
    start("", seed);
    std::vector<SectorCounts> sectors(8, {2, 0, 1, 0, 0});
    sectors[6].cv = 10;  // sector 7 holds more than a third of the CV Refs
    layout(sectors, 1, "RnRnnnnn");
    auto q = assemble(1)[0];
    if (q.sector[1] == 7) {
      EXPECT_NE(q.sector[3], 7);
    } else {
      ++first_elsewhere;
      EXPECT_EQ(q.sector[3], 7) << "seed " << seed;
    }
    notes();
  }
  EXPECT_GT(first_elsewhere, 5);
}

TEST_F(SelectionTest, FtvTypeIsTheNinthCharacterOrRForVR) {
  layout({{1, 4, 0, 0, 0}}, 1, "F");
  dir.write_lines("FTV.75", {" 0: 0\tx\tx", " 0: 0\tx\tx", " 0: 0\tx\tx", " 1: 1\tFTa\tverse",
                             " 1: 2\tFTVR\tverse", " 1: 3\tFTV\tverse", " 1: 4\tQTcqt\tverse"});
  SelectionState state(prog->rs);
  FINTYPES(*prog, state);
  EXPECT_EQ(std::string({prog->rs.FTYPE(1, 1), prog->rs.FTYPE(1, 2), prog->rs.FTYPE(1, 3),
                         prog->rs.FTYPE(1, 4)}),
            "aRVc");
}

TEST_F(SelectionTest, QuestionFilesShorterThanTheirCountsAreRefused) {
  layout({{2, 0, 2, 0, 0}, {2, 0, 2, 0, 0}}, 1, "Rn");
  open_lists();
  // The CV Ref file lacks sector 2; the regular file lacks its last line.
  dir.write_lines("cv.b", {" 0: 0\tx", " 0: 0\tx", " 0: 0\tx", " 1: 1\tCV\ta", " 1: 2\tCV\tb"});
  SelectionState state(prog->rs);
  prog->rs.Q2 = prog->rs.C1 = 1;
  prog->rs.FLAG[1] = 0;
  prog->rs.FLAG[2] = 1;
  try {
    CHOOSEREF(*prog, state);
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.file(), "cv.b");
    EXPECT_TRUE(e.line() == 6 || e.line() == 7) << e.what();
  }
  dir.write_lines("Acts.b",
                  {" 0: 0\tx", " 0: 0\tx", " 0: 0\tx", " 1: 1\ta", " 1: 2\tb", " 2: 1\tc"});
  SelectionState fresh(prog->rs);
  try {
    read_regular_texts(prog->rs, fresh);
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.file(), "Acts.b");
    EXPECT_EQ(e.line(), 7);
  }
}

TEST_F(SelectionTest, PatternsTheMaterialCannotFillAreRefused) {
  for (std::string pattern : {"Rn", "nX"}) {
    SCOPED_TRACE(pattern);
    start("");
    layout({{2, 0, 0, 0, 0}, {2, 0, 0, 0, 0}}, 1, pattern);
    try {
      assemble(1);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), "pat.txt");
      EXPECT_EQ(e.line(), 1);
    }
  }
}

}  // namespace
}  // namespace halvorin::testing
