// Runs a fuzz target over kept inputs with the normal build: every file of every folder named
// on the command line (or the files themselves) goes through the target once. A crash, a
// sanitizer report or an escaping exception fails the run.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  // All inputs are read first, in name order: a target may change into a private folder.
  std::map<fs::path, std::string> inputs;
  auto add = [&inputs](const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    inputs[p].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  for (int i = 1; i < argc; ++i) {
    if (fs::is_directory(argv[i])) {
      for (const auto& e : fs::directory_iterator(argv[i]))
        if (e.is_regular_file()) add(e.path());
    } else if (fs::is_regular_file(argv[i])) {
      add(argv[i]);
    }
  }
  for (const auto& [path, data] : inputs) {
    std::cerr << "replaying " << path.string() << " (" << data.size() << " bytes)\n";
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.data()), data.size());
  }
  std::cout << inputs.size() << " inputs replayed\n";
  return inputs.empty() ? 1 : 0;
}
