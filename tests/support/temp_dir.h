#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kervale::test {

// A fresh folder under the build folder's test output, removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  // Writes a file (folders on the way are made); returns its full path.
  std::filesystem::path write(std::string_view name, std::string_view content = "") const;
  std::filesystem::path makeDir(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

// Changes the working folder for a scope and changes it back.
class ScopedCurrentDir {
 public:
  explicit ScopedCurrentDir(const std::filesystem::path& folder);
  ~ScopedCurrentDir();
  ScopedCurrentDir(const ScopedCurrentDir&) = delete;
  ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

 private:
  std::filesystem::path before_;
};

}  // namespace kervale::test
