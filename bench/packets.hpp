#pragma once
// Working folders for the benchmark, the styles of the timed packets, and child processes timed
// with their CPU time and peak memory.
#include <string>
#include <vector>

namespace halvorin::bench {

// One child process: wall and CPU time in milliseconds, peak resident memory in kilobytes.
struct Measure {
  double wall_ms = 0, cpu_ms = 0;
  long peak_kb = 0;
  int status = -1;
};

// Runs argv[0] with its arguments, output thrown away, and measures it.
Measure run_child(const std::vector<std::string>& argv);

// Material of one size: the generator's profile and a range that keeps every sector within its
// room for regular questions.
struct Material {
  std::string profile;      // full, full2, full4
  int scale = 1;            // times the full material
  std::string first, last;  // the style's range, "chapter verse"
  std::string dir;          // where it was generated
};

// One timed packet.
struct Packet {
  std::string label;
  char layout = 'P';  // C cards, P pages, T tab lines
  char sectoring = 'V';
  int quizzes = 150;
  const Material* material = nullptr;
  std::string style;                  // style name, also the packet's file name
  long qui_bytes = 0, inf_bytes = 0;  // sizes of the files one run makes
};

// Generates the material into a folder under `root` and copies the verse table beside it.
void make_material(Material& m, const std::string& root);
// Writes the packet's style file into its material folder.
void write_style(const Packet& p);
// The program timed: the one built beside the benchmark, or HALVORIN_BENCH_PROGRAM when set
// (to time another build of it on the same material).
std::string program_path();
// Makes the packet once with the scripted keys; returns the measure and records the file sizes.
Measure make_packet(Packet& p, const std::string& keys_file);
// Runs the floor for the packet: the material files its style names read once, files of the
// packet's size written. With `durable` the written files are also flushed to the disk before
// they are closed, as the program does with the files it replaces.
Measure run_floor(const Packet& p, const std::string& self, bool durable);
// The material files a packet's style names, in its folder.
std::vector<std::string> material_files(const Packet& p);

// The floor itself (run in a child): reads `files` in `dir` and writes files of `sizes` bytes.
int floor_main(const std::string& dir, const std::vector<std::string>& files,
               const std::vector<long>& sizes, bool durable);

}  // namespace halvorin::bench
