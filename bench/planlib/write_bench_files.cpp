// Writes the benchmark text and the standard transform plans into a folder, for the comparison
// with the Unix tools: text.txt and one <name>.plan per transform.
#include <fstream>
#include <iostream>

#include "bench/planlib/bench_text.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: qb_plan_bench_files FOLDER\n";
    return 2;
  }
  std::string folder = argv[1];
  std::ofstream(folder + "/text.txt", std::ios::binary) << qb::bench::MixedText();
  for (const qb::bench::NamedPlan& transform : qb::bench::StandardTransforms()) {
    std::ofstream(folder + "/" + transform.name + ".plan", std::ios::binary) << transform.plan;
  }
  return 0;
}
