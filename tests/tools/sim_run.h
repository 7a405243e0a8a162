#pragma once

#include <map>
#include <string>
#include <vector>

namespace kervale::test {

// One run of kervale-sim or another tool: its exit status and what it printed.
struct SimRun {
  int status = -1;
  std::string out;
  std::string err;

  // The key=value lines; a key printed twice keeps its first value.
  std::map<std::string, std::string> values() const;
  // Every value printed under key, in order (the news lines).
  std::vector<std::string> all(const std::string& key) const;
  std::vector<std::string> outLines() const;
  std::vector<std::string> errorLines() const;
};

// Runs the tool at path with args from the current folder.
SimRun runTool(const char* path, const std::vector<std::string>& args);
// Runs kervale-sim.
SimRun runSim(const std::vector<std::string>& args);

}  // namespace kervale::test
