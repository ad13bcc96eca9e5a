// Whole-process start-up of the window program: from exec to the main window
// shown and the event loop idle (the program leaves at once when
// KELVARA_QUIT_WHEN_IDLE is set), with the peak memory of the process.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace {

void BM_StartUpToIdleWindow(benchmark::State& state) {
  const std::string program = KELVARA_BIN_DIR "/kelvara";
  long peak_kib = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
      setenv("KELVARA_QUIT_WHEN_IDLE", "1", 1);
      setenv("QT_QPA_PLATFORM", "offscreen", 0);
      execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program did not start and quit cleanly");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    peak_kib = std::max(peak_kib, usage.ru_maxrss);
  }
  state.counters["peak_MiB"] = static_cast<double>(peak_kib) / 1024.0;
}
BENCHMARK(BM_StartUpToIdleWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
