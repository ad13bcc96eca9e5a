#pragma once

#include <functional>
#include <string_view>

#include "app/birth_input.h"
#include "app/report_document.h"
#include "base/datetime.h"
#include "refdata/reference_store.h"

namespace kelvara {

// Shows the text of a failure that no reading guards: the window's error
// box, the command line's standard error.
using ErrorSink = std::function<void(std::string_view text)>;

// The name report (姓名算命) of a birth record, written into `document` after
// clearing it: the header line of the record (age counted from the year of
// `today`), an empty line, and then, when both names are present:
// - the scores: each grid's number, class and score, the three-talent
//   configuration and its score, the total out of 100;
// - for 天格, 人格, 地格, 总格 and 外格 a heading with the grid's number and
//   the `yy` and `jx` texts of that number in table `81`;
// - the `sancai2009` verdict of the configuration, when it has a row;
// - the closing line "--以上测算紧着参考----…".
// The caller validates the record (ReadBirthData) before and shows the top of
// the document after a report that ran to its end.
//
// A lookup of strokes, of table `81` or of `sancai` that fails ends the report
// silently; a failing `sancai2009` lookup ends it with its text given to
// `show_error`. Either way the lines written so far stay. Returns true when
// the report ran to its end.
bool NameReport(const ReferenceStore& store, const BirthData& birth,
                DateTime today, ReportDocument& document,
                const ErrorSink& show_error);

// The three-talent reading (三才吉凶) of the name of a record: nothing at all
// when the surname or the given name is empty (no reading has stored a name
// yet); otherwise `document` is cleared and receives
//   王宇,您的三才为土水金,经系统分析如下:
//   (two empty lines)
//   "    " + the configuration's reading (ThreeTalentText).
// A failing lookup ends the command silently before the document is touched.
// Returns true when the command ran to its end.
bool ThreeTalentReading(const ReferenceStore& store, const BirthData& birth,
                        ReportDocument& document);

}  // namespace kelvara
