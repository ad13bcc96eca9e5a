// Writes the bihua table of TarselFile.dll: the numerological stroke count of
// every Chinese character of GBK and of the traditional forms they stand for,
// one row per count, from the Unihan database.
//
//   unihan-strokes-gen <directory of Unihan_*.txt> <output.tsv>
//
// The count of a character is that of its traditional form, as the
// traditional dictionary counts it: the strokes of its Kangxi radical in full
// form (氵 as 水 4, 扌 as 手 4, 艹 as 艸 6, 阝 as 阜 8 or 邑 7, 月 of flesh as
// 肉 6, 王 of jade as 玉 5, 辶 as 辵 7, 钅 as 金 8, ...) plus the residual
// strokes (kRSKangXi, or kRSUnicode when the dictionary has no entry), never
// fewer than the strokes drawn (kTotalStrokes). The numerals 一 to 十 count by
// their value.

#include <algorithm>
#include <charconv>
#include <exception>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gbk_code_page.h"
#include "kangxi_radicals.h"
#include "unihan_database.h"

namespace kelvara::unihan {
namespace {

// Unihan lists many simplified characters among their own traditional forms
// (报: 报 報, 范: 范 範). Those that are common traditional characters in the
// sense names and everyday words use them keep their own count: the surnames
// 范 沈 于 余 姜 谷 郁 朴 涂 曲 卜 党 种 台 and words such as 后 干 里 面 松
// 表 出 才 志 制. 苧, itself the traditional form of 苎, is kept against
// Unihan's further form 薴. Every other such character counts as its other
// traditional form (报 as 報).
constexpr std::string_view kKeepOwnForm =
    "卜才采丑出冬斗范干杆谷刮合后胡回伙家奸姜借卷克夸困累里栗了蒙面蔑"
    "朴千秋曲舍沈尸松台同涂挽系咸向旋佣于余郁吁御折征症只志致制朱注准"
    "板辟表并党种霉沄坂芸咤姹肴疱鼗苧";

// Characters with several traditional forms, or whose form Unihan leaves
// open, and the form that counts: 云 雲, 丰 豐, 杰 傑, 钟 鍾 (the surname),
// 万 萬 and 叶 葉 as names write them, the others as the ordinary word.
constexpr std::pair<std::string_view, std::string_view> kNameForm[] = {
    {"云", "雲"}, {"丰", "豐"}, {"杰", "傑"}, {"钟", "鍾"}, {"万", "萬"},
    {"叶", "葉"}, {"冲", "沖"}, {"当", "當"}, {"复", "復"}, {"尽", "盡"},
    {"历", "歷"}, {"么", "麼"}, {"坛", "壇"}, {"荡", "蕩"}, {"发", "發"},
    {"钩", "鉤"}, {"汇", "匯"}, {"获", "獲"}, {"硷", "鹼"}, {"绦", "絛"},
    {"伪", "偽"}, {"闲", "閑"}, {"锈", "鏽"}, {"须", "須"}, {"脏", "臟"},
    {"赝", "贗"}, {"谫", "譾"}, {"绱", "緔"}, {"缰", "韁"}, {"鳄", "鱷"},
    {"鳁", "鰮"},
};

// Numerals count by the number they write.
constexpr std::pair<std::string_view, int> kNumeralValue[] = {
    {"一", 1}, {"二", 2}, {"三", 3}, {"四", 4}, {"五", 5},
    {"六", 6}, {"七", 7}, {"八", 8}, {"九", 9}, {"十", 10},
};

char32_t SingleCodePoint(std::string_view text) {
  const std::vector<char32_t> code_points = DecodeUtf8(text);
  if (code_points.size() != 1) {
    throw std::logic_error("expected one character: " + std::string(text));
  }
  return code_points.front();
}

class StrokeCounter {
 public:
  explicit StrokeCounter(const UnihanDatabase& unihan) : unihan_(unihan) {
    for (char32_t c : DecodeUtf8(kKeepOwnForm)) {
      if (TraditionalVariants(c).empty()) {
        throw std::runtime_error(Describe(c) +
                                 " has no traditional variant to set aside");
      }
      if (!keep_own_.insert(c).second) {
        throw std::logic_error(Describe(c) + " is kept twice");
      }
    }
    for (const auto& [simplified, traditional] : kNameForm) {
      const char32_t from = SingleCodePoint(simplified);
      const char32_t to = SingleCodePoint(traditional);
      const std::vector<char32_t> variants = TraditionalVariants(from);
      if (std::find(variants.begin(), variants.end(), to) == variants.end()) {
        throw std::runtime_error(
            Describe(to) + " is not a traditional form of " + Describe(from));
      }
      if (keep_own_.count(from) != 0 || !name_form_.emplace(from, to).second) {
        throw std::logic_error(Describe(from) + " is chosen twice");
      }
    }
    for (const auto& [numeral, value] : kNumeralValue) {
      numeral_value_.emplace(SingleCodePoint(numeral), value);
    }
  }

  std::vector<char32_t> TraditionalVariants(char32_t c) const {
    const auto value = unihan_.Find(c, "kTraditionalVariant");
    return value ? ParseCodePoints(*value) : std::vector<char32_t>{};
  }

  // A compatibility ideograph (郎 U+F92C) counts as its unified twin.
  char32_t UnifiedForm(char32_t c) const { return unihan_.UnifiedForm(c); }

  // The traditional form whose strokes the character takes.
  char32_t TraditionalForm(char32_t c) const {
    char32_t form = UnifiedForm(c);
    // A chosen form may itself list a further traditional form; follow it.
    for (int step = 0; step < 8; ++step) {
      const char32_t next = OneStep(form);
      if (next == form) return form;
      form = next;
    }
    throw std::runtime_error("traditional forms of " + Describe(c) +
                             " run in a circle");
  }

  // The numerological stroke count of a character.
  int Count(char32_t c) const {
    const auto numeral = numeral_value_.find(c);
    if (numeral != numeral_value_.end()) return numeral->second;
    return DictionaryStrokes(TraditionalForm(c));
  }

 private:
  char32_t OneStep(char32_t c) const {
    if (keep_own_.count(c) != 0) return c;
    const auto chosen = name_form_.find(c);
    if (chosen != name_form_.end()) return chosen->second;
    std::vector<char32_t> others = TraditionalVariants(c);
    others.erase(std::remove(others.begin(), others.end(), c), others.end());
    if (others.empty()) return c;
    if (others.size() == 1) return others.front();
    throw std::runtime_error(
        Describe(c) + " has " + std::to_string(others.size()) +
        " traditional forms (" + Utf8(others) + "): choose the one names use");
  }

  // Full-form radical strokes plus residual strokes, at least the strokes
  // drawn. 江 85.3: 水 4 + 3 = 7. 王 96.-1: 玉 5 - 1 = 4.
  int DictionaryStrokes(char32_t c) const {
    std::optional<std::string_view> radical_stroke =
        unihan_.Find(c, "kRSKangXi");
    if (!radical_stroke) radical_stroke = unihan_.Find(c, "kRSUnicode");
    if (!radical_stroke) {
      throw std::runtime_error(Describe(c) + " has no radical and strokes");
    }
    const std::string_view first = SplitWords(*radical_stroke).at(0);
    const std::size_t dot = first.find('.');
    if (dot == std::string_view::npos) {
      throw std::runtime_error(Describe(c) + ": bad radical and strokes " +
                               std::string(first));
    }
    std::string_view radical_text = first.substr(0, dot);
    while (!radical_text.empty() && radical_text.back() == '\'') {
      radical_text.remove_suffix(1);  // simplified form of the radical
    }
    const int radical = ParseInt(radical_text, c);
    const int residual = ParseInt(first.substr(dot + 1), c);
    if (radical < 1 || radical > kKangxiRadicalCount) {
      throw std::runtime_error(Describe(c) + ": bad radical and strokes " +
                               std::string(first));
    }
    const int counted = kKangxiRadicals[radical - 1].strokes + residual;
    int drawn = 0;
    if (const auto total = unihan_.Find(c, "kTotalStrokes")) {
      for (std::string_view word : SplitWords(*total)) {
        drawn = std::max(drawn, ParseInt(word, c));
      }
    }
    return std::max(counted, drawn);
  }

  static int ParseInt(std::string_view text, char32_t c) {
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (error != std::errc() || end != last) {
      throw std::runtime_error(Describe(c) +
                               ": not a number: " + std::string(text));
    }
    return value;
  }

  const UnihanDatabase& unihan_;
  std::set<char32_t> keep_own_;
  std::map<char32_t, char32_t> name_form_;
  std::map<char32_t, int> numeral_value_;
};

void Add(std::map<char32_t, int>& counts, char32_t c, int count) {
  const auto [it, inserted] = counts.emplace(c, count);
  if (!inserted && it->second != count) {
    throw std::logic_error(Describe(c) + " would stand in two rows");
  }
}

void WriteBihua(const std::filesystem::path& unihan_directory,
                const std::filesystem::path& output) {
  UnihanDatabase unihan;
  unihan.LoadFile(unihan_directory / "Unihan_Variants.txt",
                  {"kTraditionalVariant"});
  unihan.LoadFile(unihan_directory / "Unihan_IRGSources.txt",
                  {"kCompatibilityVariant", "kRSUnicode", "kTotalStrokes"});
  unihan.LoadFile(unihan_directory / "Unihan_RadicalStrokeCounts.txt",
                  {"kRSKangXi"});
  const StrokeCounter counter(unihan);

  const std::vector<GbkCharacter> gbk_code_page = GbkDoubleByteCharacters();
  std::map<char32_t, int> counts;
  int gbk_ideographs = 0;
  for (const GbkCharacter& gbk : gbk_code_page) {
    if (!IsChineseIdeograph(gbk.code_point)) continue;
    ++gbk_ideographs;
    Add(counts, gbk.code_point, counter.Count(gbk.code_point));
  }
  const std::size_t gbk_size = counts.size();
  std::vector<char32_t> gbk_characters;
  for (const auto& entry : counts) gbk_characters.push_back(entry.first);
  for (char32_t c : gbk_characters) {
    const char32_t unified = counter.UnifiedForm(c);
    std::vector<char32_t> forms = counter.TraditionalVariants(unified);
    forms.push_back(counter.TraditionalForm(c));
    for (char32_t form : forms) Add(counts, form, counter.Count(form));
  }

  // Within a row the characters people use come first, so the naming
  // handbook's lists open with them: GB2312's first level (common characters,
  // in pinyin order), its second level, the rest of GBK, then the traditional
  // forms GBK lacks.
  std::map<char32_t, std::pair<int, int>> place;
  for (const GbkCharacter& gbk : gbk_code_page) {
    const bool gb2312 = gbk.trail >= 0xA1 && gbk.lead >= 0xB0;
    const int level = !gb2312 ? 2 : gbk.lead <= 0xD7 ? 0 : 1;
    place.emplace(gbk.code_point,
                  std::pair(level, (gbk.lead << 8) | gbk.trail));
  }
  std::map<int, std::vector<char32_t>> members;
  for (const auto& [c, count] : counts) members[count].push_back(c);
  const auto order = [&place](char32_t c) {
    const auto it = place.find(c);
    return it != place.end() ? it->second : std::pair(3, static_cast<int>(c));
  };
  std::map<int, std::string> rows;
  for (auto& [count, characters] : members) {
    std::stable_sort(
        characters.begin(), characters.end(),
        [&order](char32_t a, char32_t b) { return order(a) < order(b); });
    for (char32_t c : characters) rows[count] += Utf8(c);
  }
  std::ofstream out(output, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + output.string());
  out << "hanzi\tnum\n";
  for (const auto& [count, hanzi] : rows) out << hanzi << '\t' << count << '\n';
  out.close();
  if (!out) throw std::runtime_error("error writing " + output.string());
  std::cerr << gbk_ideographs << " GBK ideographs, " << counts.size() - gbk_size
            << " traditional forms outside GBK, " << rows.size()
            << " rows (counts " << rows.begin()->first << " to "
            << rows.rbegin()->first << ")\n";
}

}  // namespace
}  // namespace kelvara::unihan

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: " << argv[0]
              << " <directory of Unihan_*.txt> <output.tsv>\n";
    return 2;
  }
  try {
    kelvara::unihan::WriteBihua(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
