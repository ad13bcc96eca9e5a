#pragma once

#include "base/datetime.h"
#include "refdata/reference_store.h"

namespace kelvara {

// True when `moment` falls on the day of one of the twelve sectional terms
// (节) of Gregorian year `year` and before the term's instant, as the `JQ`
// table of Tgcode.dll records it (Beijing time, to the second). False
// otherwise, and false when the table cannot be read: the birth then counts
// as after the instant. 2024-02-04 16:00 is before 立春 (16:27:08 that day);
// 16:30 is not.
bool IsBeforeJieMoment(const ReferenceStore& store, int year, DateTime moment);

}  // namespace kelvara
