#include "pillars/bone_weight_and_blood_type.h"

#include <array>
#include <charconv>
#include <system_error>

#include "base/text.h"

namespace kelvara {

// Generated at build time by compiled-texts-gen from
// data/compiled/blood_type.tsv: the text of "A", "B", "O" or "AB".
std::string_view BloodTypeLoveText(std::string_view key);

namespace {

// The partial weights, in the order they are added.
constexpr std::array<std::string_view, 4> kPartialWeightStatements{
    "select weight from chenggu1 where year = ?",
    "select weight from chenggu2 where month2 = ?",
    "select weight from chenggu3 where day2 = ?",
    "select weight from chenggu4 where time = ?",
};
constexpr std::string_view kVerdictStatement =
    "select content, content2 from chenggu where weight = ? limit 1";

constexpr std::string_view kWeightLead = "你的骨重为：";
constexpr std::string_view kVerseLead = "骨重诗评：";
constexpr std::string_view kExplanationLead = "骨重解评：";

constexpr std::string_view kUnknownBloodType = "请听下回分解!";

// The shortest decimal text of at most 15 significant digits, with a full
// stop as decimal mark whatever the locale: 4.3 for 4.3, 5 for 5.0, and 5 for
// 0.7 + 1.9 + 1.8 + 0.6, which is 4.999999999999999 in binary.
std::string WeightText(double weight) {
  std::array<char, 32> buffer{};
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), weight,
                    std::chars_format::general, 15);
  if (error != std::errc()) return {};
  return std::string(buffer.data(), end);
}

// The two-character verdict key of a weight text: its first and third
// characters (4.3 gives "43", 4.25 gives "42"), or the text and "0" when it is
// a single character (5 gives "50").
std::string VerdictKey(std::string_view weight_text) {
  if (weight_text.size() < 2) return std::string(weight_text) + "0";
  std::string key(1, weight_text[0]);
  if (weight_text.size() > 2) key += weight_text[2];
  return key;
}

std::string WeightLine(std::string_view key) {
  std::string line(kWeightLead);
  line += key.substr(0, 1);
  line += "两";
  if (key.size() >= 2 && key[1] != '0') {
    line += key[1];
    line += "钱";
  }
  return line;
}

}  // namespace

std::string BoneWeightLine(const ReferenceStore& store,
                           std::string_view lunar_year,
                           std::string_view lunar_month,
                           std::string_view lunar_day, std::string_view hour,
                           BoneWeightPart part) {
  const std::array<std::string_view, 4> keys{lunar_year, lunar_month, lunar_day,
                                             hour};
  double sum = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const LookupRows rows = store.Lookup(
        ReferenceFile::kDream, kPartialWeightStatements[i], {keys[i]});
    if (!rows.empty()) sum += rows.front().Number(0);
  }

  const std::string key = VerdictKey(WeightText(sum));
  const LookupRows verdict =
      store.Lookup(ReferenceFile::kDream, kVerdictStatement, {key});
  if (verdict.empty()) return {};

  switch (part) {
    case BoneWeightPart::kWeight:
      return WeightLine(key);
    case BoneWeightPart::kVerse:
      return std::string(kVerseLead) + Trim(verdict.front().Text("content"));
    case BoneWeightPart::kExplanation:
      return std::string(kExplanationLead) +
             Trim(verdict.front().Text("content2"));
  }
  return {};
}

std::string BloodTypeText(std::string_view blood_type) {
  struct Form {
    std::string_view shown;
    std::string_view key;
  };
  static constexpr Form kForms[] = {
      {"A型", "A"}, {"a型", "A"}, {"B型", "B"},   {"b型", "B"},
      {"O型", "O"}, {"o型", "O"}, {"AB型", "AB"}, {"ab型", "AB"},
  };
  for (const Form& form : kForms) {
    if (blood_type == form.shown) {
      return std::string(BloodTypeLoveText(form.key));
    }
  }
  return std::string(kUnknownBloodType);
}

}  // namespace kelvara
