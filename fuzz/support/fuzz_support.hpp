#pragma once
// Shared pieces of the fuzz targets: a private working folder for readers that open files by
// name, a program object with scripted keys, and splitting one input into several files.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/terminal.hpp"
#include "state/program.hpp"

namespace halvorin::fuzz {

// Changes, once per process, into a fresh folder under $TMPDIR, else /dev/shm (much faster to
// write than a disk), else /tmp; it is removed when the process ends normally. Readers that open
// files by name then see only what a target wrote.
inline void enter_private_dir() {
  static bool done = false;
  if (done) return;
  done = true;
  // Memory-backed when there is such a folder: the targets write files on every input.
  const char* base = std::getenv("TMPDIR");
  std::string folder = base && *base ? base : ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  std::string templ = folder + "/halvorin-fuzz-XXXXXX";
  std::vector<char> buf(templ.begin(), templ.end());
  buf.push_back('\0');
  if (!::mkdtemp(buf.data()) || ::chdir(buf.data()) != 0) std::abort();
  static std::string dir(buf.data());
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  });
}

// Empties the private folder, so each input starts from the same files.
inline void clear_private_dir() {
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(".", ec))
    std::filesystem::remove_all(e.path(), ec);
}

// Writes a file in the working folder exactly as given.
inline void put_file(const std::string& name, const std::string& content) {
  std::ofstream(name, std::ios::binary) << content;
}

// Reads a whole file of the working folder (empty when missing).
inline std::string get_file(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Splits an input into at most n parts at lines that hold only "%%" (seed files use this to put
// several files into one input). Missing parts are empty.
inline std::vector<std::string> split_parts(const std::string& data, size_t n) {
  std::vector<std::string> parts(n);
  size_t pos = 0;
  for (size_t k = 0; k < n; ++k) {
    size_t sep = k + 1 == n ? std::string::npos : data.find("\n%%\n", pos);
    if (sep == std::string::npos) {
      parts[k] = data.substr(pos);
      break;
    }
    parts[k] = data.substr(pos, sep + 1 - pos);
    pos = sep + 4;
  }
  return parts;
}

// A program whose keys come from a byte string (the script ends when they run out).
struct ScriptedProgram {
  explicit ScriptedProgram(const std::string& keys, uint64_t seed = 1)
      : term(std::vector<unsigned char>(keys.begin(), keys.end())), p(term, seed) {}
  ScriptTerminal term;
  Program p;
};

inline std::string as_string(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace halvorin::fuzz
