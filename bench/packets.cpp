#include "packets.hpp"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace halvorin::bench {

namespace fs = std::filesystem;

namespace {

void write_crlf(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary);
  for (auto& l : lines) out << l << "\r\n";
  if (!out) throw std::runtime_error("cannot write " + path);
}

long file_size(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

}  // namespace

Measure run_child(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  auto start = std::chrono::steady_clock::now();
  pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, 0), ::dup2(null, 1), ::dup2(null, 2);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  int st = 0;
  rusage ru{};
  if (::wait4(pid, &st, 0, &ru) != pid) throw std::runtime_error("wait failed");
  auto end = std::chrono::steady_clock::now();
  Measure m;
  m.wall_ms = std::chrono::duration<double, std::milli>(end - start).count();
  auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  m.cpu_ms = ms(ru.ru_utime) + ms(ru.ru_stime);
  m.peak_kb = ru.ru_maxrss;
  m.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
  return m;
}

void make_material(Material& m, const std::string& root) {
  m.dir = root + "/" + m.profile;
  fs::create_directories(m.dir);
  Measure g =
      run_child({HALVORIN_MATERIAL_BIN, "--out", m.dir, "--seed", "1", "--profile", m.profile});
  if (g.status != 0) throw std::runtime_error("the generator failed for profile " + m.profile);
  fs::copy_file(fs::path(HALVORIN_SOURCE_DIR) / "demo" / "Verses.txt", m.dir + "/Verses.txt",
                fs::copy_options::overwrite_existing);
  // The template of new styles, which every interactive run looks for at start-up.
  fs::copy_file(fs::path(HALVORIN_SOURCE_DIR) / "demo" / "New.spe", m.dir + "/New.spe",
                fs::copy_options::overwrite_existing);
}

void write_style(const Packet& p) {
  // Level F, list B, 30 questions of which 3 to 6 specialties, 30 % interrogative (so questions
  // are traded), 10 % repeats, the count file rebuilt on every pass.
  std::vector<std::string> style = {"F",
                                    p.material->first,
                                    p.material->last,
                                    p.style,
                                    "66",
                                    std::string(1, p.layout),
                                    "30",
                                    "B",
                                    "20",
                                    "30",
                                    "Y",
                                    std::to_string(p.quizzes),
                                    std::string(1, p.sectoring),
                                    "10",
                                    "6",
                                    "3",
                                    "2",
                                    "1",
                                    "2",
                                    "1",
                                    "1",
                                    "0",
                                    "1",
                                    "0",
                                    "59",
                                    "2",
                                    "29",
                                    "N",
                                    "n" + std::string(28, 'A') + "n"};
  write_crlf(p.material->dir + "/" + p.style + ".spe", style);
}

std::string program_path() {
  const char* other = std::getenv("HALVORIN_BENCH_PROGRAM");
  return other && *other ? other : HALVORIN_BIN;
}

Measure make_packet(Packet& p, const std::string& keys_file) {
  const std::string& dir = p.material->dir;
  write_crlf(dir + "/Specs.lst", {p.style, "Enter New Specs"});
  Measure m = run_child({program_path(), "-C", dir, "--keys", keys_file, "--seed", "3"});
  p.qui_bytes = file_size(dir + "/" + p.style + ".qui");
  p.inf_bytes = file_size(dir + "/" + p.style + ".inf");
  return m;
}

std::vector<std::string> material_files(const Packet& p) {
  return {"Verses.txt", p.style + ".spe", "Acts.b", "FTV.59", "cv.b", "co.b", "SIT.TXT"};
}

Measure run_floor(const Packet& p, const std::string& self, bool durable) {
  std::vector<std::string> argv = {self, durable ? "--durable-floor" : "--floor", p.material->dir,
                                   std::to_string(p.qui_bytes), std::to_string(p.inf_bytes)};
  for (auto& f : material_files(p)) argv.push_back(f);
  return run_child(argv);
}

int floor_main(const std::string& dir, const std::vector<std::string>& files,
               const std::vector<long>& sizes, bool durable) {
  if (::chdir(dir.c_str()) != 0) return 2;
  std::string data;
  unsigned sum = 0;
  for (auto& f : files) {
    std::FILE* in = std::fopen(f.c_str(), "rb");
    if (!in) return 2;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) {
      for (size_t i = 0; i < n; i += 64) sum += static_cast<unsigned char>(buf[i]);
      if (data.size() < (1u << 20)) data.append(buf, n);
    }
    std::fclose(in);
  }
  if (data.empty()) data = " ";
  for (size_t k = 0; k < sizes.size(); ++k) {
    std::FILE* out = std::fopen(("floor" + std::to_string(k) + ".out").c_str(), "wb");
    if (!out) return 2;
    for (long left = sizes[k]; left > 0;) {
      size_t n = std::min(static_cast<size_t>(left), data.size());
      if (std::fwrite(data.data(), 1, n, out) != n) return 2;
      left -= static_cast<long>(n);
    }
    if (durable && (std::fflush(out) != 0 || ::fsync(::fileno(out)) != 0)) return 2;
    if (std::fclose(out) != 0) return 2;
  }
  return sum == 0xffffffffu ? 1 : 0;
}

}  // namespace halvorin::bench
