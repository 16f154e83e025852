#pragma once
// What the choosers keep for one quiz loop besides the shared tables: the question files, held
// open with an index of their line starts, and the question number taken at each position.
#include "selection/question_file.hpp"
#include "state/run_state.hpp"

namespace halvorin {

struct SelectionState {
  // Names the five question files from the pass's file names; each is read on first use.
  explicit SelectionState(const RunState& rs)
      : regular(rs.REGFILE, rs.set.several_books()),
        ftv(rs.FTVFILE, rs.set.several_books()),
        cv_ref(rs.CVFILE, rs.set.several_books()),
        co_ref(rs.COFILE, rs.set.several_books()),
        sit(rs.SITFILE, rs.set.several_books()) {}
  QuestionFile regular, ftv, cv_ref, co_ref, sit;
  // Number of each position's question within its sector's list of the kind. NUMBER and
  // RNUMBER keep one number per sector, which a quiz that uses a sector twice overwrites; this
  // keeps both, so each position reads, lists and gives back its own question.
  Table<int, SCMAX> number_at{"number_at"};
};

}  // namespace halvorin
