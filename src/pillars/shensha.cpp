#include "pillars/shensha.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "base/text.h"
#include "calendar/lunar_calendar.h"
#include "pillars/pillar_attributes.h"

namespace kelvara {
namespace {

// The table files. Their names are fixed: the build writes them under these
// names and the lookups find them by them.
constexpr std::string_view kYearStemTable = "niangan.txt";
constexpr std::string_view kYearBranchTable = "nianzhi.txt";
constexpr std::string_view kMonthBranchTable = "yuezhi.txt";
constexpr std::string_view kDayStemTable = "rigan.txt";
constexpr std::string_view kDayBranchTable = "rizhi.txt";
constexpr std::string_view kDayPillarTable = "rizhu.txt";
constexpr std::string_view kDayHourTable = "rizhus.txt";

constexpr std::size_t kNameFieldCharacters = 5;
constexpr std::size_t kItemsRead = 21;
constexpr std::size_t kValueBytes = 10;
constexpr std::size_t kYearBranchLines = 14;
constexpr std::size_t kDayBranchLines = 7;
constexpr std::size_t kDayPillarOwnLines = 5;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

[[noreturn]] void ThrowUnreadable(std::string_view name,
                                  const std::filesystem::path& path,
                                  int error) {
  throw LookupError(
      std::string(kShenshaFolder) + "/" + std::string(name) +
      ": cannot be read: " + std::generic_category().message(error) + " (" +
      path.string() + ")");
}

// The whole file, as bytes.
std::string ReadTableBytes(const ReferenceStore& store, std::string_view name) {
  const std::filesystem::path path = store.ShenshaPathOf(name);
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (file == nullptr) ThrowUnreadable(name, path, errno != 0 ? errno : EIO);
  std::string bytes;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    bytes.append(buffer, n);
  }
  if (std::ferror(file.get()) != 0) {
    ThrowUnreadable(name, path, errno != 0 ? errno : EIO);
  }
  return bytes;
}

// Bytes of the GBK character at `pos`: two for a lead byte with a valid trail
// byte after it, one for anything else.
std::size_t GbkCharLength(std::string_view gbk, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(gbk[pos]);
  if (lead < 0x81 || lead > 0xFE || pos + 1 >= gbk.size()) return 1;
  const auto trail = static_cast<unsigned char>(gbk[pos + 1]);
  if (trail < 0x40 || trail > 0xFE || trail == 0x7F) return 1;
  return 2;
}

// Byte length of the first `count` GBK characters (fewer if the text is short).
std::size_t GbkPrefixBytes(std::string_view gbk, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < count && pos < gbk.size(); ++i) {
    pos += GbkCharLength(gbk, pos);
  }
  return pos;
}

// The last GBK character of a text (empty for an empty text).
std::string_view GbkLastChar(std::string_view gbk) {
  std::size_t pos = 0;
  std::size_t last = 0;
  while (pos < gbk.size()) {
    last = pos;
    pos += GbkCharLength(gbk, pos);
  }
  return gbk.substr(last);
}

std::string RemoveAll(std::string_view text, std::string_view part) {
  if (part.empty()) return std::string(text);
  std::string out;
  std::size_t start = 0;
  for (std::size_t hit = text.find(part); hit != std::string_view::npos;
       hit = text.find(part, start)) {
    out.append(text.substr(start, hit - start));
    start = hit + part.size();
  }
  out.append(text.substr(start));
  return out;
}

struct StarItem {
  std::string keys;    // GBK
  std::string values;  // GBK, at most kValueBytes
};

struct StarLine {
  std::string name;  // UTF-8
  std::vector<StarItem> items;
};

StarLine ParseStarLine(std::string_view line) {
  StarLine star;
  const std::string_view name_field =
      line.substr(0, GbkPrefixBytes(line, kNameFieldCharacters));
  star.name = FromGbk(Trim(name_field));

  const std::string rest = Trim(RemoveAll(line, name_field));
  const std::string_view list = rest;
  std::size_t start = 0;
  for (std::size_t piece = 0; piece < kItemsRead; ++piece) {
    const std::size_t comma = list.find(',', start);
    const std::string item = Trim(list.substr(
        start, comma == std::string_view::npos ? comma : comma - start));
    if (!item.empty()) {
      const std::size_t colon = item.find(':');
      if (colon == std::string::npos) {
        star.items.push_back({"", Trim(item.substr(0, kValueBytes))});
      } else {
        star.items.push_back(
            {item.substr(0, colon), Trim(item.substr(colon + 1, kValueBytes))});
      }
    }
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return star;
}

// A lookup argument in GBK; nullopt when it is empty or has a character GBK
// lacks, since such a text occurs in no table.
using Needle = std::optional<std::string>;

Needle ToNeedle(std::string_view utf8) {
  Needle gbk = ToGbkStrict(utf8);
  if (gbk && gbk->empty()) gbk.reset();
  return gbk;
}

bool Occurs(const Needle& needle, std::string_view haystack) {
  return needle && haystack.find(*needle) != std::string_view::npos;
}

using LineFilter = std::function<bool(std::size_t line_index)>;
using ItemMatch =
    std::function<bool(std::size_t line_index, const StarItem& item)>;

bool EveryLine(std::size_t) { return true; }

// The stars of the table's lines that `read_line` accepts, one " name" per
// matching item; nullopt when the table has no lines.
std::optional<std::string> MatchingStars(const ReferenceStore& store,
                                         std::string_view table,
                                         const LineFilter& read_line,
                                         const ItemMatch& matches) {
  const std::vector<std::string> lines =
      SplitLines(ReadTableBytes(store, table));
  if (lines.empty()) return std::nullopt;
  std::string result;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!read_line(i)) continue;
    const StarLine star = ParseStarLine(lines[i]);
    for (const StarItem& item : star.items) {
      if (matches(i, item)) result += " " + star.name;
    }
  }
  return result;
}

// The stars the target gets by its distance from the key branch.
std::string DistanceStars(std::string_view target, int branch_index) {
  const auto branch_at = [branch_index](int distance) {
    return StemOrBranchName(WrapIndex(branch_index + distance,
                                      static_cast<int>(kBranchNames.size())),
                            kBranchSelector);
  };
  std::string stars;
  if (target == branch_at(10)) stars += " 披麻";
  if (target == branch_at(2)) stars += " 吊客";
  if (target == branch_at(3)) stars += " 丧门";
  return stars;
}

// The common case: the key in KEYS and the target in VALUES, on every line
// the filter accepts; nullopt when the table has no lines.
std::optional<std::string> KeyTargetStars(const ReferenceStore& store,
                                          std::string_view table,
                                          std::string_view key,
                                          std::string_view target,
                                          const LineFilter& read_line) {
  const Needle key_gbk = ToNeedle(key);
  const Needle target_gbk = ToNeedle(target);
  return MatchingStars(
      store, table, read_line, [&](std::size_t, const StarItem& item) {
        return Occurs(key_gbk, item.keys) && Occurs(target_gbk, item.values);
      });
}

// KeyTargetStars followed by the stars by distance from the key branch.
std::string BranchStars(const ReferenceStore& store, std::string_view table,
                        std::string_view branch, std::string_view target,
                        int branch_index, const LineFilter& read_line) {
  const std::optional<std::string> stars =
      KeyTargetStars(store, table, branch, target, read_line);
  if (!stars) return "";
  return Trim(*stars + DistanceStars(target, branch_index));
}

}  // namespace

std::string StemOrBranchName(int index, int selector) {
  if (index < 0) return "";
  const auto i = static_cast<std::size_t>(index);
  if (selector == kStemSelector && i < kStemNames.size()) {
    return std::string(kStemNames[i]);
  }
  if (selector == kBranchSelector && i < kBranchNames.size()) {
    return std::string(kBranchNames[i]);
  }
  return "";
}

std::string ShenshaYearStem(const ReferenceStore& store,
                            std::string_view year_stem,
                            std::string_view target) {
  return Trim(
      KeyTargetStars(store, kYearStemTable, year_stem, target, EveryLine)
          .value_or(""));
}

std::string ShenshaYearBranch(const ReferenceStore& store,
                              std::string_view year_branch,
                              std::string_view target, int branch_index,
                              int backward_flag) {
  // Lines 3 and 4 are the forward and the backward form of one star.
  const LineFilter read_line = [backward_flag](std::size_t i) {
    if (i >= kYearBranchLines) return false;
    if (i == 2 && backward_flag == 1) return false;
    if (i == 3 && backward_flag == 0) return false;
    return true;
  };
  return BranchStars(store, kYearBranchTable, year_branch, target, branch_index,
                     read_line);
}

std::string ShenshaMonthBranch(const ReferenceStore& store,
                               std::string_view month_branch,
                               std::string_view stem, std::string_view branch) {
  const Needle key_gbk = ToNeedle(month_branch);
  const Needle stem_gbk = ToNeedle(stem);
  const Needle branch_gbk = ToNeedle(branch);
  return Trim(MatchingStars(store, kMonthBranchTable, EveryLine,
                            [&](std::size_t, const StarItem& item) {
                              return Occurs(key_gbk, item.keys) &&
                                     (Occurs(stem_gbk, item.values) ||
                                      Occurs(branch_gbk, item.values));
                            })
                  .value_or(""));
}

std::string ShenshaDayStem(const ReferenceStore& store,
                           std::string_view day_stem, std::string_view target) {
  return Trim(KeyTargetStars(store, kDayStemTable, day_stem, target, EveryLine)
                  .value_or(""));
}

std::string ShenshaDayBranch(const ReferenceStore& store,
                             std::string_view day_branch,
                             std::string_view target, int branch_index) {
  return BranchStars(store, kDayBranchTable, day_branch, target, branch_index,
                     [](std::size_t i) { return i < kDayBranchLines; });
}

std::string ShenshaDayPillar(const ReferenceStore& store,
                             std::string_view pillar,
                             std::string_view day_pillar) {
  const Needle pillar_gbk = ToNeedle(pillar);
  const Needle branch_gbk =
      pillar_gbk ? Needle(std::string(GbkLastChar(*pillar_gbk))) : Needle();
  const Needle day_gbk = ToNeedle(day_pillar);
  return Trim(MatchingStars(store, kDayPillarTable, EveryLine,
                            [&](std::size_t i, const StarItem& item) {
                              if (i < kDayPillarOwnLines) {
                                return Occurs(pillar_gbk, item.keys) &&
                                       (Occurs(day_gbk, item.values) ||
                                        item.values.empty());
                              }
                              return Occurs(branch_gbk, item.keys) &&
                                     Occurs(day_gbk, item.values);
                            })
                  .value_or(""));
}

std::string ShenshaDayHour(const ReferenceStore& store,
                           std::string_view day_pillar,
                           std::string_view hour_pillar) {
  const Needle day_gbk = ToNeedle(day_pillar);
  const Needle hour_gbk = ToNeedle(hour_pillar);
  return Trim(MatchingStars(store, kDayHourTable, EveryLine,
                            [&](std::size_t, const StarItem& item) {
                              return (Occurs(day_gbk, item.keys) ||
                                      item.keys.empty()) &&
                                     Occurs(hour_gbk, item.values);
                            })
                  .value_or(""));
}

}  // namespace kelvara
