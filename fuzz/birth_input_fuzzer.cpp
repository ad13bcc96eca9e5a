// Typed texts of the input strip: any bytes in any field must give a record
// or a message, never a crash.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/birth_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  // Fields are separated by '|'; missing fields keep the panel's defaults.
  kelvara::BirthPanel panel;
  std::string* fields[] = {
      &panel.surname, &panel.given_name, &panel.blood_type, &panel.year,
      &panel.month,   &panel.day,        &panel.hour_item,  &panel.minute};
  for (std::string* field : fields) {
    if (input.empty()) break;
    const std::size_t bar = input.find('|');
    *field = std::string(input.substr(0, bar));
    input = bar == std::string_view::npos ? std::string_view()
                                          : input.substr(bar + 1);
  }
  panel.calendar_item = size % 3 == 0 ? 0 : 1;
  const auto result = kelvara::ReadBirthData(panel, size % 2 == 0);
  if (result.data) {
    (void)kelvara::ReportHeaderLine(*result.data,
                                    kelvara::EncodeDate(2024, 1, 1));
  }
  return 0;
}
