#include "support/temp_dir.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace kervale::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> serial{0};
  // Under the build folder, so that not even a test that crashes leaves a
  // folder in the system's temporary folder.
  const fs::path base = fs::path(KERVALE_TEST_OUTPUT_DIR) / "tmp";
  fs::create_directories(base);
  for (int attempt = 0; attempt < 1000; ++attempt) {
    fs::path candidate =
        base / ("kervale-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial.fetch_add(1)));
    std::error_code ec;
    if (fs::create_directory(candidate, ec) && !ec) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary folder under " + base.string());
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path TempDir::write(std::string_view name, std::string_view content) const {
  fs::path file = path_ / fs::path(name);
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
  return file;
}

fs::path TempDir::makeDir(std::string_view name) const {
  fs::path folder = path_ / fs::path(name);
  fs::create_directories(folder);
  return folder;
}

ScopedCurrentDir::ScopedCurrentDir(const fs::path& folder) : before_(fs::current_path()) {
  std::error_code ec;
  fs::current_path(folder, ec);
  if (ec) throw std::runtime_error("cannot work in the folder " + folder.string() + ": " + ec.message());
}

ScopedCurrentDir::~ScopedCurrentDir() {
  std::error_code ec;
  fs::current_path(before_, ec);
}

}  // namespace kervale::test
