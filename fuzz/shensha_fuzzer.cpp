// libFuzzer harness: the spirit-star tables are files beside the executable
// that anyone can edit. Whatever bytes a table holds, every lookup must finish
// and give valid UTF-8.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/text.h"
#include "pillars/shensha.h"
#include "refdata/reference_store.h"

namespace {

constexpr std::string_view kTables[] = {
    "niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt",
    "rizhi.txt",   "rizhu.txt",   "rizhus.txt"};

// A fixed folder under the temporary directory, reused by every run (libFuzzer
// ends without running exit handlers, so a fresh folder per run would stay).
const std::filesystem::path& StoreDirectory() {
  static const std::filesystem::path directory = [] {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "kelvara-shensha-fuzzer";
    std::filesystem::create_directories(path / kelvara::kShenshaFolder);
    return path;
  }();
  return directory;
}

void Check(const std::string& stars) {
  assert(kelvara::IsValidUtf8(stars));
  assert(kelvara::Trim(stars) == stars);
  (void)stars;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const kelvara::ReferenceStore store(StoreDirectory());
  for (const std::string_view table : kTables) {
    std::ofstream out(store.ShenshaPathOf(table),
                      std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data),
              static_cast<std::streamsize>(size));
  }
  // Keys and targets as the report passes them, plus an empty one, a Latin
  // one and one of a character GBK lacks.
  constexpr std::string_view kStems[] = {"甲", "壬", "", "A"};
  constexpr std::string_view kBranches[] = {"子", "戌", "亥", "😀"};
  constexpr std::string_view kPillars[] = {"甲子", "庚辰", "乙丑", "子"};
  for (int i = 0; i < 4; ++i) {
    const std::string_view stem = kStems[i];
    const std::string_view branch = kBranches[i];
    const std::string_view pillar = kPillars[i];
    const std::string_view other = kPillars[(i + 1) % 4];
    Check(kelvara::ShenshaYearStem(store, stem, branch));
    Check(kelvara::ShenshaYearBranch(store, branch, kBranches[(i + 2) % 4], i,
                                     i % 3));
    Check(kelvara::ShenshaMonthBranch(store, branch, stem, branch));
    Check(kelvara::ShenshaDayStem(store, stem, branch));
    Check(kelvara::ShenshaDayBranch(store, branch, kBranches[(i + 3) % 4],
                                    i * 5 - 7));
    Check(kelvara::ShenshaDayPillar(store, pillar, other));
    Check(kelvara::ShenshaDayHour(store, pillar, other));
  }
  return 0;
}
