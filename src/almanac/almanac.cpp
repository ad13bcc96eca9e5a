#include "almanac/almanac.h"

#include "base/text.h"

namespace kelvara {

std::optional<AlmanacDay> LookUpAlmanacDay(const ReferenceStore& store,
                                           DateTime day) {
  const LookupRows rows = store.Lookup(
      ReferenceFile::kTarselBirth,
      "select * from huangdao where gn = ? limit 1", {FormatDate(day)});
  if (rows.empty()) return std::nullopt;
  const LookupRow& row = rows.front();
  AlmanacDay d;
  d.nn = Trim(row.Text("nn"));
  d.suici = Trim(row.Text("suici"));
  d.tszf = Trim(row.Text("tszf"));
  d.wuhang = Trim(row.Text("wuhang"));
  d.cong = Trim(row.Text("cong"));
  d.pzbj = Trim(row.Text("pzbj"));
  d.jsyq = Trim(row.Text("jsyq"));
  d.yi = Trim(row.Text("yi"));
  d.xsyq = Trim(row.Text("xsyq"));
  d.ji = Trim(row.Text("ji"));
  return d;
}

}  // namespace kelvara
