#pragma once
// The run driver: start-up and the loop of passes from the style list to the printed packet.
#include "driver/steps.hpp"
#include "state/program.hpp"

namespace halvorin {

// How a pass ended: started over before the packet was made, "Exit" chosen, or a packet made and
// the closing screen answered.
enum class PassEnd { StartOver, Exit, Complete };

// One step of a pass after the style is read, with what it does for messages.
struct PassStep {
  Step (*run)(Program&);
  const char* what;
};

// Runs passes until the style list hands back "Exit".
void run_program(Program& p);
// One pass; every "start over" returns StartOver.
PassEnd run_pass(Program& p);
// Step 1: heading drawn, cursor and progress row reset.
void begin_pass(Program& p);
// Steps 3 to 34, from the hand-over file the configuration unit wrote to the closing screen.
// `stopped` (when given) is set to the step that started the pass over.
PassEnd run_from_hand_over(Program& p, const PassStep** stopped = nullptr);

// Pass steps used by other parts of the program (batch runs, tests).
// Step 3: reads the folder's material set ("Set.txt", or the Acts set of "Verses.txt") into the
// run state, fills EVS by running chapter and sizes the count tables to it.
void read_verse_table(RunState& rs);
// Step 4: reads the hand-over file into NAME; true when it says "Exit".
bool read_hand_over(Program& p);
// Step 5: reads the style file NAME + ".spe" into the pass's copy of the style, its range in
// running chapters.
void read_run_style(Program& p);
// Turns the range of a style of a set of several books (each end a book letter and the book's
// own chapter) into running chapters; refuses, naming `file` and the line, a letter the set does
// not have or a chapter past its book's end. A one-book set's range is left as it is.
void running_range(RunState& rs, const std::string& file);
// Step 6: names the FTV file and the count file.
void name_ftv_and_count_files(Program& p);

}  // namespace halvorin
