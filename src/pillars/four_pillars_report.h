#pragma once

#include "app/birth_input.h"
#include "app/report_document.h"
#include "base/datetime.h"
#include "refdata/reference_store.h"

namespace kelvara {

// The Four Pillars report of a birth record (read with the blood type
// required), written into `document`: the header, the pillars with their ten
// gods, hidden stems, elements and sound elements, luck cycles and yearly
// pillars, spirit stars, small luck, seasonal and climate advice, the element
// tally, the yearly and monthly pillars, the bone weight, the personality
// summary and the blood-type reading. The age counts from the year of
// `today`.
//
// A failure while composing (a reference file that cannot be read, a minute
// that is not a number) ends the report where it stands, silently: the lines
// written so far stay. Returns true when the report ran to its end.
bool FourPillarsReport(const ReferenceStore& store, const BirthData& birth,
                       DateTime today, ReportDocument& document);

enum class BirthInfoKind { kBasic, kBoneWeight, kBloodType };

// The shorter birth-information variant: the report up to the element tally,
// then the bone weight or the blood type, or (basic) nothing more.
bool BirthInfoReport(const ReferenceStore& store, const BirthData& birth,
                     DateTime today, BirthInfoKind kind,
                     ReportDocument& document);

}  // namespace kelvara
