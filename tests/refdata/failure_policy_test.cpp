#include "refdata/failure_policy.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fixture_directory.h"

namespace kelvara {
namespace {

using testing::FixtureDirectory;

// A store whose files are missing: every lookup fails.
class FailurePolicyTest : public ::testing::Test {
 protected:
  std::string FailingLookup() const {
    const LookupRows rows = dir_.Store().Lookup(
        ReferenceFile::kTgcode, "select layin from jiazi where jiazi = ?",
        {"甲子"});
    return rows.empty() ? "" : rows[0].Text(0);
  }

  FixtureDirectory dir_;
  std::vector<std::string> document_;
};

TEST_F(FailurePolicyTest, SwallowedGivesTheEmptyValueAndGoesOn) {
  EXPECT_EQ(SwallowLookupFailure([&] { return FailingLookup(); }), "");
  EXPECT_FALSE(SwallowLookupFailure([&] {
    FailingLookup();
    return true;
  }));
  EXPECT_EQ(SwallowLookupFailure([] { return 42; }), 42);
}

TEST_F(FailurePolicyTest, SilentAbandonmentKeepsTheLinesWritten) {
  const bool completed = RunAbandoningSilently([&] {
    document_.push_back("第一行");
    document_.push_back(FailingLookup());
    document_.push_back("不会写出");
  });
  EXPECT_FALSE(completed);
  EXPECT_EQ(document_, std::vector<std::string>{"第一行"});
  EXPECT_TRUE(RunAbandoningSilently([&] { document_.push_back("完"); }));
}

TEST_F(FailurePolicyTest, UnguardedShowsTheErrorTextOnce) {
  std::vector<std::string> shown;
  const bool completed = RunUnguarded(
      [&] {
        document_.push_back("第一行");
        FailingLookup();
      },
      [&](std::string_view text) { shown.emplace_back(text); });
  EXPECT_FALSE(completed);
  EXPECT_EQ(document_, std::vector<std::string>{"第一行"});
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("Tgcode.dll"), std::string::npos) << shown[0];

  shown.clear();
  EXPECT_TRUE(RunUnguarded(
      [] {}, [&](std::string_view text) { shown.emplace_back(text); }));
  EXPECT_TRUE(shown.empty());
}

// Only a lookup that cannot run is a policy matter; a fault of the program
// itself still reaches the top.
TEST_F(FailurePolicyTest, OtherFailuresAreNotCaught) {
  auto fault = [] { throw std::logic_error("bug"); };
  EXPECT_THROW(SwallowLookupFailure([&] {
                 fault();
                 return 0;
               }),
               std::logic_error);
  EXPECT_THROW(RunAbandoningSilently(fault), std::logic_error);
  EXPECT_THROW(RunUnguarded(fault, [](std::string_view) {}), std::logic_error);
}

}  // namespace
}  // namespace kelvara
