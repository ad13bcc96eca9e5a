#include "pillars/jie_moment.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "refdata/failure_policy.h"

namespace kelvara {
namespace {

constexpr std::array<std::string_view, 12> kSectionalTerms{
    "立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
    "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};

bool IsSectionalTerm(std::string_view name) {
  return std::find(kSectionalTerms.begin(), kSectionalTerms.end(), name) !=
         kSectionalTerms.end();
}

}  // namespace

bool IsBeforeJieMoment(const ReferenceStore& store, int year, DateTime moment) {
  return SwallowLookupFailure([&] {
    // The first row of the year on that day whose term is one of the twelve.
    // The name test is made here rather than as "JQ in (...)" in the
    // statement: SQLite builds a temporary index for a list of constants on
    // every run, which costs several times the rest of the lookup. A day holds
    // one term at most, so the rows are few.
    const LookupRows rows =
        store.Lookup(ReferenceFile::kTgcode,
                     "select JQ, SJ from JQ where YearA = ? and "
                     "strftime('%Y-%m-%d', SJ) = ?",
                     {year, FormatDate(moment)});
    const auto term = std::find_if(rows.begin(), rows.end(), [](const auto& r) {
      return IsSectionalTerm(r.Text("JQ"));
    });
    return term != rows.end() && moment < term->DateTimeValue("SJ");
  });
}

}  // namespace kelvara
