#pragma once

#include <stdexcept>
#include <string>

namespace kervale {

// A data file, saved game or picture list that cannot be used. Carries the
// file's bare name so every message can say which file is wrong.
class FileError : public std::runtime_error {
 public:
  FileError(std::string fileName, std::string problem)
      : std::runtime_error(fileName + ": " + problem),
        fileName_(std::move(fileName)),
        problem_(std::move(problem)) {}

  const std::string& fileName() const { return fileName_; }
  const std::string& problem() const { return problem_; }

 private:
  std::string fileName_;
  std::string problem_;
};

}  // namespace kervale
