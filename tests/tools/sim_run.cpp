#include "sim_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "base/csv.h"
#include "support/temp_dir.h"

namespace kervale::test {

namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) result.push_back(line);
  return result;
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

std::map<std::string, std::string> SimRun::values() const {
  std::map<std::string, std::string> result;
  for (const std::string& line : linesOf(out)) {
    const auto eq = line.find('=');
    if (eq != std::string::npos) result.emplace(line.substr(0, eq), line.substr(eq + 1));
  }
  return result;
}

std::vector<std::string> SimRun::all(const std::string& key) const {
  std::vector<std::string> result;
  for (const std::string& line : linesOf(out)) {
    if (line.rfind(key + "=", 0) == 0) result.push_back(line.substr(key.size() + 1));
  }
  return result;
}

std::vector<std::string> SimRun::outLines() const { return linesOf(out); }

std::vector<std::string> SimRun::errorLines() const { return linesOf(err); }

SimRun runTool(const char* path, const std::vector<std::string>& args) {
  const TempDir scratch;
  std::string command = quoted(path);
  for (const std::string& arg : args) command += " " + quoted(arg);
  command += " >" + quoted((scratch.path() / "out").string()) + " 2>" + quoted((scratch.path() / "err").string());
  SimRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = readWholeFile(scratch.path() / "out");
  run.err = readWholeFile(scratch.path() / "err");
  return run;
}

SimRun runSim(const std::vector<std::string>& args) { return runTool(KERVALE_SIM_PATH, args); }

}  // namespace kervale::test
