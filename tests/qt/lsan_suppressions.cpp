// Read by LeakSanitizer in sanitizer builds: fontconfig, loaded by Qt's font
// database, keeps a configuration block that it never frees.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
