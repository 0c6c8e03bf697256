// vellumark-cli as a whole process on the real data, built from Debian's
// bibledit-data into a temporary folder first: start-up, one search and its
// output, and a batch of values. Run: build/testing/bin/vellumark_cli_bench
#include "data/AppPaths.h"

#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string gAppPath;

/// Runs the program with `args`, its standard output to /dev/null; returns
/// its exit status.
int RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), VELLUMARK_CLI);
    args.insert(args.end(), {"--app-folder", gAppPath});
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
        execv(VELLUMARK_CLI, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

/// One search (args: match index, value) written as CSV.
void OneSearch(benchmark::State& state) {
    static const char* const kMatches[] = {"words", "phrases", "verses", "verse-runs"};
    const std::vector<std::string> args = {
        "search",   "--match", kMatches[state.range(0)], "--value", std::to_string(state.range(1)),
        "--format", "csv"};
    for (auto _ : state)
        if (RunCli(args) > 1) state.SkipWithError("the search failed");
}
BENCHMARK(OneSearch)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"match", "value"})
    ->Args({0, 913})
    ->Args({0, 26})
    ->Args({1, 2701})
    ->Args({2, 2701})
    ->Args({3, 2701});

/// The values 1 to `range(0)`, one a line, searched as words into one CSV.
void ValuesFrom(benchmark::State& state) {
    const std::string values = gAppPath + "/values.txt";
    std::ofstream out(values);
    for (int v = 1; v <= state.range(0); ++v) out << v << '\n';
    out.close();
    const std::vector<std::string> args = {"search",  "--values-from", values,
                                           "--match", "words",         "--format",
                                           "csv",     "--output",      gAppPath + "/batch.csv"};
    for (auto _ : state)
        if (RunCli(args) > 1) state.SkipWithError("the batch failed");
    state.counters["csv_bytes"] = static_cast<double>(fs::file_size(gAppPath + "/batch.csv"));
}
BENCHMARK(ValuesFrom)->Unit(benchmark::kMillisecond)->Arg(1000)->Iterations(3);

/// A values file of about 50 MB (`range(0)` values of nine digits) whose last
/// line is refused: the cost of reading and checking every value before any
/// search runs (the goal: under 2 s, memory a few bytes a value).
void ValuesFileRefusedAtItsEnd(benchmark::State& state) {
    const std::string values = gAppPath + "/many-values.txt";
    {
        std::ofstream out(values);
        for (int v = 0; v < state.range(0); ++v) out << "123456789\n";
        out << "x\n";
    }
    const std::vector<std::string> args = {"search", "--values-from", values, "--match", "words"};
    for (auto _ : state)
        if (RunCli(args) != 2) state.SkipWithError("the last line was not refused");
    fs::remove(values);
}
BENCHMARK(ValuesFileRefusedAtItsEnd)
    ->Unit(benchmark::kMillisecond)
    ->Arg(5000000)
    ->Iterations(2)
    ->UseRealTime();

}  // namespace

int main(int argc, char* argv[]) {
    return bench::RunOverRealData(argc, argv, "vellumark-cli-bench", gAppPath);
}
