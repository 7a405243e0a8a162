#include "sim_options.h"

#include <charconv>
#include <functional>

namespace kervale::sim {

namespace {

struct OptionRule {
  const char* name;
  const char* valueName;  // nullptr: the option takes no value
  std::function<void(Options&, const std::string&)> apply;
};

template <class Number>
Number wholeNumber(const std::string& option, const std::string& text, Number low, Number high) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty() || value < low || value > high) {
    throw UsageError(option + " needs a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                     ", not \"" + text + "\"");
  }
  return value;
}

const std::vector<OptionRule>& optionTable() {
  static const std::vector<OptionRule> table = {
      {"--world", "DIR", [](Options& o, const std::string& v) { o.world = v; }},
      {"--seed", "N",
       [](Options& o, const std::string& v) { o.seed = wholeNumber<std::uint64_t>("--seed", v, 0, UINT64_MAX); }},
      {"--club", "N", [](Options& o, const std::string& v) { o.club = wholeNumber<int>("--club", v, 1, 285); }},
      {"--days", "N", [](Options& o, const std::string& v) { o.days = wholeNumber<int>("--days", v, 0, 100000); }},
      // Files are named from the folder the runner starts in.
      {"--save", "FILE", [](Options& o, const std::string& v) { o.save = std::filesystem::absolute(v); }},
      {"--load", "FILE", [](Options& o, const std::string& v) { o.load = std::filesystem::absolute(v); }},
      {"--tables", nullptr, [](Options& o, const std::string&) { o.tables = true; }},
      {"--results", nullptr, [](Options& o, const std::string&) { o.results = true; }},
      {"--round-trip", nullptr, [](Options& o, const std::string&) { o.roundTrip = true; }},
  };
  return table;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const OptionRule* rule = nullptr;
    for (const OptionRule& candidate : optionTable()) {
      if (arg == candidate.name) rule = &candidate;
    }
    if (rule == nullptr) throw UsageError("unknown option " + arg);
    std::string value;
    if (rule->valueName != nullptr) {
      if (i + 1 >= args.size()) throw UsageError(arg + " needs a value " + rule->valueName);
      value = args[++i];
    }
    rule->apply(options, value);
  }
  return options;
}

std::string usageLine() {
  std::string line = "usage: kervale-sim";
  for (const OptionRule& rule : optionTable()) {
    line += " [" + std::string(rule.name) + (rule.valueName != nullptr ? " " + std::string(rule.valueName) : "") + "]";
  }
  return line;
}

}  // namespace kervale::sim
