#include "pillars/jie_moment.h"

#include <algorithm>

#include "calendar/constellation_and_terms.h"
#include "refdata/failure_policy.h"

namespace kelvara {
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
      return IsJieTerm(r.Text("JQ"));
    });
    return term != rows.end() && moment < term->DateTimeValue("SJ");
  });
}

}  // namespace kelvara
