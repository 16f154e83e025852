#pragma once
// The run driver: start-up and the loop of passes from the style list to the printed packet.
#include "driver/program.hpp"

namespace halvorin {

enum class PassEnd { StartOver, Exit };

// Runs passes until the style list hands back "Exit".
void run_program(Program& p);
// One pass; every "start over" returns StartOver.
PassEnd run_pass(Program& p);

// Pass steps used by other parts of the program (batch runs, tests).
// Step 3: reads "Verses.txt" into EVS.
void read_verse_table(RunState& rs);
// Step 4: reads the hand-over file into NAME; true when it says "Exit".
bool read_hand_over(Program& p);
// Step 5: reads the style file NAME + ".spe" into the run state and the unit's driver variables.
void read_run_style(Program& p);
// Step 6: names the FTV file and the count file.
void name_ftv_and_count_files(Program& p);
// The two digits of the primary FTV percentage as they name files ("00" for 100).
std::string primpct_digits(int primpct);

}  // namespace halvorin
