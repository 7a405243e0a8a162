#include "base/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kervale {
namespace {

std::vector<double> firstDraws(Random& r, int count) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) values.push_back(r.Rnd());
  return values;
}

TEST(Random, SameSeedSameSequence) {
  Random a;
  Random b;
  a.seed(12345);
  b.seed(12345);
  EXPECT_EQ(firstDraws(a, 100), firstDraws(b, 100));

  Random c;
  c.seed(12346);
  b.seed(12345);
  EXPECT_NE(firstDraws(c, 10), firstDraws(b, 10));

  Random fresh;  // the default state is seed 0
  b.seed(0);
  EXPECT_EQ(firstDraws(fresh, 20), firstDraws(b, 20));
}

TEST(Random, ValuesStayInUnitIntervalAndSpread) {
  Random r;
  r.seed(99);
  int buckets[10] = {};
  double sum = 0;
  const int n = 200000;
  for (int i = 0; i < n; ++i) {
    const double x = r.Rnd();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    sum += x;
    ++buckets[static_cast<int>(x * 10)];
  }
  EXPECT_NEAR(sum / n, 0.5, 0.005);
  for (int count : buckets) EXPECT_NEAR(count, n / 10, n / 100);
}

TEST(Random, ScriptedValuesComeFirstInOrder) {
  Random r;
  r.seed(7);
  const double unscripted = Random(r).Rnd();  // what the generator would give next
  r.script({0.25, 0.75});
  r.script({0.5});
  EXPECT_EQ(r.scriptedLeft(), 3u);
  EXPECT_EQ(r.Rnd(), 0.25);
  EXPECT_EQ(r.draw(4, 1), 4);  // Int(0.75 * 4) + 1
  EXPECT_EQ(r.Rnd(), 0.5);
  EXPECT_EQ(r.scriptedLeft(), 0u);
  EXPECT_EQ(r.Rnd(), unscripted);  // scripting did not consume generator values

  r.script({0.1, 0.2});
  r.clearScript();
  EXPECT_EQ(r.scriptedLeft(), 0u);
}

TEST(Random, DrawBounds) {
  Random r;
  r.script({0.0, 0.999999999999, 0.5});
  EXPECT_EQ(r.draw(6, 1), 1);
  EXPECT_EQ(r.draw(6, 1), 6);
  EXPECT_EQ(r.draw(10), 5);

  r.seed(2024);
  bool seen[6] = {};
  for (int i = 0; i < 10000; ++i) {
    const int d = r.draw(6, 1);
    ASSERT_GE(d, 1);
    ASSERT_LE(d, 6);
    seen[d - 1] = true;
  }
  for (bool s : seen) EXPECT_TRUE(s);

  // The largest value below 1 must not reach n, even for large n.
  r.script({0x1.fffffffffffffp-1});
  EXPECT_EQ(r.draw(2147483647), 2147483646);
}

// xoshiro256** one value at a time, as published, from the state seed(s) makes.
std::vector<double> referenceDraws(std::uint64_t seed, int count) {
  auto splitmix = [&seed] {
    std::uint64_t z = (seed += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  };
  std::uint64_t s[4];
  for (auto& word : s) word = splitmix();
  auto rotl = [](std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); };
  std::vector<double> values;
  for (int i = 0; i < count; ++i) {
    const std::uint64_t result = rotl(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotl(s[3], 45);
    values.push_back(static_cast<double>(result >> 11) * 0x1.0p-53);
  }
  return values;
}

TEST(Random, TheSequenceIsTheGeneratorsOwnAcrossBatches) {
  Random r;
  r.seed(31);
  EXPECT_EQ(firstDraws(r, 300), referenceDraws(31, 300));

  // Scripted values in the middle of a batch take nothing from it.
  const std::vector<double> expected = referenceDraws(8, 140);
  r.seed(8);
  std::vector<double> got = firstDraws(r, 63);
  r.script({0.5, 0.25});
  EXPECT_EQ(firstDraws(r, 2), (std::vector<double>{0.5, 0.25}));
  const std::vector<double> rest = firstDraws(r, 77);
  got.insert(got.end(), rest.begin(), rest.end());
  EXPECT_EQ(got, expected);

  // Seeding in the middle of a batch starts the new sequence at once.
  r.seed(8);
  firstDraws(r, 10);
  r.seed(31);
  EXPECT_EQ(firstDraws(r, 70), referenceDraws(31, 70));
}

TEST(Random, AScriptClearedOrSeededOverKeepsTheBatchInStep) {
  const std::vector<double> expected = referenceDraws(12, 70);
  Random r;
  r.seed(12);
  std::vector<double> got = firstDraws(r, 5);
  // Cleared before its last value: the generator goes on where it stopped.
  r.script({0.5, 0.25, 0.125});
  EXPECT_EQ(r.Rnd(), 0.5);
  r.clearScript();
  std::vector<double> more = firstDraws(r, 59);  // to the end of the first batch exactly
  got.insert(got.end(), more.begin(), more.end());
  // A script queued at the end of a batch, then the next batch.
  r.script({0.75});
  EXPECT_EQ(r.Rnd(), 0.75);
  more = firstDraws(r, 6);
  got.insert(got.end(), more.begin(), more.end());
  EXPECT_EQ(got, expected);

  // Seeding keeps a script waiting: it still comes first, then the new sequence.
  r.script({0.375});
  r.seed(12);
  EXPECT_EQ(r.Rnd(), 0.375);
  EXPECT_EQ(firstDraws(r, 3), referenceDraws(12, 3));
  // An empty script changes nothing.
  r.script({});
  EXPECT_EQ(r.Rnd(), expected[3]);
}

// A draw that hangs on an outcome takes its value only when it is made, at a
// batch's end and from a script as well.
TEST(Random, AConditionalDrawTakesAValueOnlyWhenMade) {
  const std::vector<double> expected = referenceDraws(5, 300);
  Random r;
  r.seed(5);
  std::vector<double> got;
  for (int i = 0; i < 300; ++i) {
    r.RndIf(false);
    r.RndIf(false);
    got.push_back(r.RndIf(true));
    r.RndIf(false);  // at the end of a batch too
  }
  EXPECT_EQ(got, expected);

  r.script({0.5, 0.25});
  r.RndIf(false);
  EXPECT_EQ(r.scriptedLeft(), 2u);
  EXPECT_EQ(r.RndIf(true), 0.5);
  r.RndIf(false);
  EXPECT_EQ(r.RndIf(true), 0.25);
  EXPECT_EQ(r.scriptedLeft(), 0u);
  EXPECT_EQ(r.Rnd(), referenceDraws(5, 301).back());
}

TEST(Random, DrawsOfANegativeRangeRoundDown) {
  Random r;
  r.script({0.5, 0.0, 0.2});
  EXPECT_EQ(r.draw(-3), -2);  // Int(-1.5)
  EXPECT_EQ(r.draw(-3, 1), 1);
  EXPECT_EQ(r.draw(5, -2), -1);
}

TEST(Random, ClockSeedsDiffer) {
  Random a;
  Random b;
  a.seedFromClock();
  b.seedFromClock();
  Random fresh;
  EXPECT_NE(firstDraws(a, 4), firstDraws(fresh, 4));
  EXPECT_NE(firstDraws(a, 4), firstDraws(b, 4));
}

TEST(Random, GlobalInstanceIsShared) {
  rng().seed(5);
  const double first = Rnd();
  rng().seed(5);
  EXPECT_EQ(rng().Rnd(), first);
  rng().seed(20030113);  // as the test main leaves it
}

}  // namespace
}  // namespace kervale
