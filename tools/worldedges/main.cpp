// kervale-world-edges: copies of a world with one data-file value at the
// lowest or the highest its reader allows, for sweeps of whole seasons.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "edge_edits.h"

namespace {

constexpr const char* kUsage =
    "usage: kervale-world-edges --world DIR --club N --list\n"
    "       kervale-world-edges --world DIR --club N --edit ID --out DIR";

struct Options {
  std::string world;
  int club = 0;
  bool list = false;
  int edit = -1;
  std::string out;
};

Options parse(const std::vector<std::string>& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--list") {
      o.list = true;
    } else if (a == "--world" && hasValue) {
      o.world = args[++i];
    } else if (a == "--club" && hasValue) {
      o.club = std::stoi(args[++i]);
    } else if (a == "--edit" && hasValue) {
      o.edit = std::stoi(args[++i]);
    } else if (a == "--out" && hasValue) {
      o.out = args[++i];
    } else {
      throw std::invalid_argument("unknown option or missing value: " + a);
    }
  }
  if (o.world.empty() || o.club < 1 || (o.list == (o.edit >= 0)) || (o.edit >= 0 && o.out.empty())) {
    throw std::invalid_argument("give --world, --club and either --list or --edit with --out");
  }
  return o;
}

// One edit a line, tab-separated: id, file, record, name, end, value.
void list(const std::vector<kervale::edges::Edit>& edits) {
  for (std::size_t id = 0; id < edits.size(); ++id) {
    const auto& e = edits[id];
    std::cout << id << '\t' << e.field.file << '\t' << (e.field.record.empty() ? "-" : e.field.record) << '\t'
              << e.field.name << '\t' << e.end << '\t' << kervale::numText(e.value) << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options o = parse(std::vector<std::string>(argv + 1, argv + argc));
    const auto edits = kervale::edges::edgeEdits(kervale::edges::readWorldFields(o.world), o.club);
    if (o.list) {
      list(edits);
    } else if (o.edit < static_cast<int>(edits.size())) {
      kervale::edges::writeEditedWorld(o.world, o.out, edits[static_cast<std::size_t>(o.edit)]);
    } else {
      throw std::invalid_argument("no edit " + std::to_string(o.edit));
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "error: " << error.what() << "\n" << kUsage << "\n";
    return 2;
  }
}
