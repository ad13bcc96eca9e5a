#pragma once

#include <filesystem>

namespace kelvara {

// The directory that holds the running executable (symbolic links resolved),
// whatever the working directory is. The reference files and the shensha
// folder lie there. Throws std::runtime_error when the system cannot say.
std::filesystem::path ExecutableDirectory();

}  // namespace kelvara
