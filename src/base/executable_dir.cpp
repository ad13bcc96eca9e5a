#include "base/executable_dir.h"

#include <stdexcept>
#include <system_error>

namespace kelvara {

std::filesystem::path ExecutableDirectory() {
  std::error_code error;
  const std::filesystem::path exe =
      std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || exe.empty()) {
    throw std::runtime_error("无法确定程序所在的目录: " + error.message());
  }
  return exe.parent_path();
}

}  // namespace kelvara
