// halvorin-bench: times whole scripted packets side by side with the floor (the least any
// program making them must do), shows how the cost grows with quizzes and with material, and
// gives micro figures of the index build against a plain line count.
//
//   halvorin-bench [--runs N] [--work DIR] [--micro-only]
//   halvorin-bench --floor DIR QUI_BYTES INF_BYTES FILE...   (the floor, run as a child)
//
// HALVORIN_BENCH_PROGRAM=PATH times another build of the program on the same material.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "micro.hpp"
#include "packets.hpp"

namespace halvorin::bench {

namespace {

struct Figures {
  std::vector<double> wall, cpu, floor_wall, floor_cpu, durable_wall;
  long peak_kb = 0, floor_peak_kb = 0;
};

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

const char* layout_name(char c) { return c == 'C' ? "cards" : c == 'P' ? "pages" : "tab lines"; }
const char* sectoring_name(char c) {
  return c == 'C' ? "chapter" : c == 'V' ? "verse" : "question";
}

std::string self_path(const char* argv0) {
  std::error_code ec;
  auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(argv0) : p.string();
}

int bench_main(int runs, std::string root, const char* argv0, bool packets_too) {
  namespace fs = std::filesystem;
  bool own_root = root.empty();
  if (own_root) {
    std::string tmpl = (fs::temp_directory_path() / "halvorin-bench.XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a work folder");
    root = tmpl;
  }
  fs::create_directories(root);
  const std::string self = self_path(argv0);

  // The full material over the whole book; the denser sets over half and a quarter of it, so
  // each sector still holds at most 200 regular questions.
  std::vector<Material> materials = {{"full", 1, "1 1", "28 31", ""},
                                     {"full2", 2, "1 1", "11 30", ""},
                                     {"full4", 4, "1 1", "5 42", ""}};
  std::printf("Generating material (profiles full, full2, full4) in %s ...\n", root.c_str());
  std::fflush(stdout);
  for (auto& m : materials) make_material(m, root);
  std::printf("Program timed: %s\n", program_path().c_str());

  const std::string keys = root + "/packet.keys";
  std::ofstream(keys) << "# choose the style, keep it, accept every screen, automatic, no print\n"
                         "Enter Esc 7*Enter Enter 3*Enter \"n\" Up Enter\n";

  if (packets_too) {
    std::vector<Packet> packets;
    auto add = [&](char layout, char sec, int quizzes, const Material& m, std::string label) {
      Packet p;
      p.label = std::move(label);
      p.layout = layout, p.sectoring = sec, p.quizzes = quizzes, p.material = &m;
      p.style =
          std::string(1, layout) + sec + std::to_string(quizzes) + "x" + std::to_string(m.scale);
      packets.push_back(p);
    };
    for (char layout : {'C', 'P', 'T'})
      for (char sec : {'C', 'V', 'Q'})
        add(layout, sec, 150, materials[0],
            std::string(layout_name(layout)) + ", " + sectoring_name(sec));
    add('P', 'V', 10, materials[0], "pages, verse");
    add('P', 'V', 50, materials[0], "pages, verse");
    add('P', 'V', 150, materials[1], "pages, verse");
    add('P', 'V', 150, materials[2], "pages, verse");

    for (auto& p : packets) {
      write_style(p);
      Measure m = make_packet(p, keys);  // also warms the page cache
      if (m.status != 0 || p.qui_bytes <= 0 || p.inf_bytes <= 0) {
        std::fprintf(stderr, "halvorin-bench: the packet %s (%s) failed with status %d\n",
                     p.style.c_str(), p.label.c_str(), m.status);
        return 1;
      }
    }

    std::vector<Figures> figs(packets.size());
    for (int r = 0; r < runs; ++r) {
      std::printf("Round %d of %d ...\n", r + 1, runs);
      std::fflush(stdout);
      for (size_t i = 0; i < packets.size(); ++i) {
        Measure f = run_floor(packets[i], self, false);
        Measure fd = run_floor(packets[i], self, true);
        Measure m = make_packet(packets[i], keys);
        if (f.status != 0 || fd.status != 0 || m.status != 0) {
          std::fprintf(stderr, "halvorin-bench: run failed (floor %d, packet %d)\n", f.status,
                       m.status);
          return 1;
        }
        figs[i].floor_wall.push_back(f.wall_ms), figs[i].floor_cpu.push_back(f.cpu_ms);
        figs[i].durable_wall.push_back(fd.wall_ms);
        figs[i].wall.push_back(m.wall_ms), figs[i].cpu.push_back(m.cpu_ms);
        figs[i].peak_kb = std::max(figs[i].peak_kb, m.peak_kb);
        figs[i].floor_peak_kb = std::max(figs[i].floor_peak_kb, f.peak_kb);
      }
    }

    std::printf(
        "\nWhole packets of 30 questions, automatic, scripted run included (median of %d runs)\n"
        "floor: the style's material files read once and files of the packet's size written;\n"
        "durable: the same with those files flushed to the disk, as the program replaces its "
        "files\n\n",
        runs);
    std::printf("%-20s %7s %3s %8s %7s %8s %7s %6s %6s %8s %6s %8s\n", "layout, sectoring",
                "quizzes", "mat", "wall ms", "cpu ms", "floor ms", "fl cpu", "x wall", "x cpu",
                "durable", "x dur", "peak KB");
    std::vector<double> wall_ratios, cpu_ratios, durable_ratios;
    long worst_kb = 0;
    for (size_t i = 0; i < packets.size(); ++i) {
      const Packet& p = packets[i];
      const Figures& f = figs[i];
      double w = median(f.wall), c = median(f.cpu), fw = median(f.floor_wall),
             fc = median(f.floor_cpu), dw = median(f.durable_wall);
      double rw = fw > 0 ? w / fw : 0, rc = fc > 0 ? c / fc : 0, rd = dw > 0 ? w / dw : 0;
      if (p.quizzes == 150 && p.material->scale == 1) {
        wall_ratios.push_back(rw), cpu_ratios.push_back(rc), durable_ratios.push_back(rd);
      }
      worst_kb = std::max(worst_kb, f.peak_kb);
      std::printf("%-20s %7d %2dx %8.1f %7.1f %8.1f %7.1f %6.1f %6.1f %8.1f %6.1f %8ld\n",
                  p.label.c_str(), p.quizzes, p.material->scale, w, c, fw, fc, rw, rc, dw, rd,
                  f.peak_kb);
    }
    auto largest = [](const std::vector<double>& v) {
      return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
    };
    std::printf(
        "\n150-quiz packets on the full material, ratio to the floor (median / largest of the "
        "nine):\n  wall %.1f / %.1f, cpu %.1f / %.1f, wall to the durable floor %.1f / %.1f "
        "(target: within 10)\n",
        median(wall_ratios), largest(wall_ratios), median(cpu_ratios), largest(cpu_ratios),
        median(durable_ratios), largest(durable_ratios));
    std::printf("Largest peak memory: %ld KB (target: under 16384 KB)\n\n", worst_kb);
    std::fflush(stdout);
  }

  std::vector<std::pair<std::string, std::string>> folders;
  for (auto& m : materials) folders.push_back({std::to_string(m.scale) + "x", m.dir});
  MicroFigures micro = run_micro(folders, runs, argv0);
  std::printf(
      "\nIndex build (counts per chapter and verse) and line-start index of the five question\n"
      "files, against a line count of the same files (medians, us): by memchr over whole\n"
      "buffers (the strict floor) and line by line with getline\n\n");
  std::printf("%-8s %8s %8s %8s %6s %6s %8s %6s\n", "material", "memchr", "getline", "index",
              "x mem", "x getl", "starts", "x mem");
  for (auto& [label, dir] : folders) {
    double lc = micro["LineCount/" + label], gc = micro["GetlineCount/" + label],
           ib = micro["IndexBuild/" + label], ls = micro["LineStarts/" + label];
    std::printf("%-8s %8.1f %8.1f %8.1f %6.2f %6.2f %8.1f %6.2f\n", label.c_str(), lc, gc, ib,
                lc > 0 ? ib / lc : 0, gc > 0 ? ib / gc : 0, ls, lc > 0 ? ls / lc : 0);
  }
  std::printf("(target: the index build within 3 times the line count)\n");
  if (own_root) fs::remove_all(root);
  return 0;
}

}  // namespace

}  // namespace halvorin::bench

int main(int argc, char** argv) {
  using namespace halvorin::bench;
  try {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--floor") {
      if (args.size() < 4) return 2;
      std::vector<long> sizes = {std::stol(args[2]), std::stol(args[3])};
      return floor_main(args[1], {args.begin() + 4, args.end()}, sizes, false);
    }
    if (!args.empty() && args[0] == "--durable-floor") {
      if (args.size() < 4) return 2;
      std::vector<long> sizes = {std::stol(args[2]), std::stol(args[3])};
      return floor_main(args[1], {args.begin() + 4, args.end()}, sizes, true);
    }
    int runs = 5;
    bool packets = true;
    std::string root;
    for (size_t i = 0; i < args.size(); ++i) {
      if (args[i] == "--runs" && i + 1 < args.size()) {
        runs = std::max(1, std::atoi(args[++i].c_str()));
      } else if (args[i] == "--micro-only") {
        packets = false;
      } else if (args[i] == "--work" && i + 1 < args.size()) {
        root = args[++i];
      } else {
        std::fprintf(stderr, "usage: halvorin-bench [--runs N] [--work DIR] [--micro-only]\n");
        return 2;
      }
    }
    return bench_main(runs, root, argv[0], packets);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "halvorin-bench: %s\n", e.what());
    return 1;
  }
}
