// vellumark-cli as a whole process on the real data, built from Debian's
// bibledit-data into a temporary folder first: start-up, one search and its
// output, and a batch of values, each by the CPU time of its process and over
// the floor of a process that does the least. Run: build/bench/bin/vellumark_cli_bench
#include "data/AppPaths.h"

#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string gAppPath;

/// Runs `program` with `args`, its standard output to /dev/null; returns the
/// CPU time (user and system) the process took, or -1 when it failed (status
/// above 1).
double RunProcess(const char* program, std::vector<std::string> args) {
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
        execv(program, argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) return -1;
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double RunCli(std::vector<std::string> args) {
    args.insert(args.end(), {"--app-folder", gAppPath});
    return RunProcess(VELLUMARK_CLI, std::move(args));
}

/// Times the command line with `args` by its CPU time, and reports it over
/// the floor: a process that reads the record files and writes the same bytes
/// (the least of five runs).
void TimeCli(benchmark::State& state, const std::vector<std::string>& args) {
    const std::string bytes = gAppPath + "/output.bin";
    std::vector<std::string> toFile = args;
    toFile.insert(toFile.end(), {"--output", bytes});
    if (RunCli(toFile) < 0) state.SkipWithError("the search failed");
    double floor = 1e9;
    for (int k = 0; k < 5; ++k)
        floor = std::min(floor, RunProcess(VELLUMARK_FLOOR, {gAppPath, bytes}));
    double total = 0;
    for (auto _ : state) {
        const double seconds = RunCli(args);
        if (seconds < 0) state.SkipWithError("the search failed");
        state.SetIterationTime(seconds);
        total += seconds;
    }
    state.counters["out_bytes"] = static_cast<double>(fs::file_size(bytes));
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["x_floor"] = total / static_cast<double>(state.iterations()) / floor;
}

/// One search (args: match index, value) written as CSV.
void OneSearch(benchmark::State& state) {
    static const char* const kMatches[] = {"words", "phrases", "verses", "verse-runs"};
    TimeCli(state, {"search", "--match", kMatches[state.range(0)], "--value",
                    std::to_string(state.range(1)), "--format", "csv"});
}
BENCHMARK(OneSearch)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->ArgNames({"match", "value"})
    ->Args({0, 913})
    ->Args({0, 26})
    ->Args({1, 2701})
    ->Args({2, 2701})
    ->Args({3, 2701})
    ->Args({3, 1000000});

/// The values 1 to `range(0)`, one a line, searched (match index `range(1)`)
/// into one CSV.
void ValuesFrom(benchmark::State& state) {
    static const char* const kMatches[] = {"words", "phrases"};
    const std::string values = gAppPath + "/values.txt";
    std::ofstream out(values);
    for (int v = 1; v <= state.range(0); ++v) out << v << '\n';
    out.close();
    TimeCli(state, {"search", "--values-from", values, "--match", kMatches[state.range(1)],
                    "--format", "csv"});
}
BENCHMARK(ValuesFrom)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->ArgNames({"values", "match"})
    ->Args({10000, 0})
    ->Args({1000, 1})
    ->Iterations(3);

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
