#include <cstdio>

int main() {
  std::puts("error: no world generator yet");
  return 2;
}
