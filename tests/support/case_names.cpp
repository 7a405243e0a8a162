#include "support/case_names.h"

#include <cctype>

namespace kervale::test {

std::string caseName(const std::string& printed) {
  std::string name;
  bool gap = false;
  for (const char c : printed) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
      if (gap && !name.empty()) name += '_';
      name += c;
      gap = false;
    } else {
      gap = true;
    }
  }
  return name.empty() ? "empty" : name;
}

}  // namespace kervale::test
