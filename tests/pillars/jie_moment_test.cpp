#include "pillars/jie_moment.h"

#include <gtest/gtest.h>

#include <functional>

#include "../refdata/fixture_directory.h"
#include "base/datetime.h"

namespace kelvara {
namespace {

using testing::FixtureDirectory;

DateTime At(int year, int month, int day, int hour, int minute,
            int second = 0) {
  return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

class JieMomentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.WriteSource("Tgcode.dll", "JQ",
                     "YearA\tJQ\tSJ\n"
                     "2024\t立春\t2024-02-04 16:27:08\n"
                     "2024\t雨水\t2024-02-19 12:13:00\n"
                     "2024\t大雪\t2024-12-06 23:17:00\n"
                     "2025\t小寒\t2025-01-05 00:32:00\n");
    dir_.Build();
  }

  FixtureDirectory dir_;
};

TEST_F(JieMomentTest, BeforeTheInstantOnTheTermDayOnly) {
  const ReferenceStore store = dir_.Store();
  struct Case {
    const char* label;
    int year;
    DateTime moment;
    bool before;
  };
  const Case kCases[] = {
      {"morning of 立春", 2024, At(2024, 2, 4, 8, 0), true},
      {"a second before", 2024, At(2024, 2, 4, 16, 27, 7), true},
      {"at the instant", 2024, At(2024, 2, 4, 16, 27, 8), false},
      {"after the instant", 2024, At(2024, 2, 4, 16, 28), false},
      {"midnight starting the day", 2024, At(2024, 2, 4, 0, 0), true},
      {"the day before", 2024, At(2024, 2, 3, 20, 0), false},
      {"雨水 is no sectional term", 2024, At(2024, 2, 19, 8, 0), false},
      {"late sectional term", 2024, At(2024, 12, 6, 23, 0), true},
      {"just after midnight of 小寒", 2025, At(2025, 1, 5, 0, 10), true},
      {"year is part of the key", 2023, At(2024, 2, 4, 8, 0), false},
      {"no row for the year", 2030, At(2030, 2, 4, 8, 0), false},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(IsBeforeJieMoment(store, c.year, c.moment), c.before) << c.label;
  }
}

TEST(JieMomentFailureTest, AnyFailureAnswersFalse) {
  const std::function<void(const FixtureDirectory&)> kFixtures[] = {
      [](const FixtureDirectory&) {},
      [](const FixtureDirectory& d) {
        d.ExecuteSql("Tgcode.dll", "create table jiazi (jiazi)");
      },
      [](const FixtureDirectory& d) {
        d.ExecuteSql("Tgcode.dll",
                     "create table JQ (YearA, JQ);"
                     "insert into JQ values (2024, '立春')");
      },
  };
  const char* kLabels[] = {"file missing", "table missing", "column missing"};
  for (int i = 0; i < 3; ++i) {
    FixtureDirectory dir;
    kFixtures[i](dir);
    EXPECT_FALSE(IsBeforeJieMoment(dir.Store(), 2024, At(2024, 2, 4, 8, 0)))
        << kLabels[i];
  }
}

// Against the table beside the executable: 立春 of 2024 fell at 16:27
// Beijing time, 惊蛰 of 1984 at 17:25 on 5 March.
TEST(JieMomentDataTest, ReadsTheSectionalTermsOfTheReferenceFile) {
  const ReferenceStore store = ReferenceStore::BesideExecutable();
  EXPECT_TRUE(IsBeforeJieMoment(store, 2024, At(2024, 2, 4, 16, 0)));
  EXPECT_FALSE(IsBeforeJieMoment(store, 2024, At(2024, 2, 4, 16, 30)));
  EXPECT_TRUE(IsBeforeJieMoment(store, 1984, At(1984, 3, 5, 17, 0)));
  EXPECT_FALSE(IsBeforeJieMoment(store, 1984, At(1984, 3, 5, 17, 40)));
  EXPECT_FALSE(IsBeforeJieMoment(store, 1984, At(1984, 3, 6, 10, 0)));
}

}  // namespace
}  // namespace kelvara
