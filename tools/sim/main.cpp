#include <cstdio>

int main() {
  std::puts("error: no game yet");
  return 2;
}
