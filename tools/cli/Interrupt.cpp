#include "cli/Interrupt.h"

#include "data/AtomicFile.h"

#include <csignal>
#include <cstdio>

#include <unistd.h>

namespace vellumark::cli {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void OnInterrupt(int signal) {
    if (gInterrupted) {
        // The second signal ends the program as the signal does, and leaves no
        // temporary output behind.
        AtomicFile::RemoveTemporaries();
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    gInterrupted = 1;
}

}  // namespace

void InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

bool Interrupted() { return gInterrupted != 0; }

TerminalObserver::TerminalObserver() : terminal_(::isatty(STDERR_FILENO) == 1) {}

void TerminalObserver::progressShown(bool shown) {
    if (!terminal_ || shown) return;
    std::fputs("\r\033[K", stderr);
    shownPercent_ = -1;
}

void TerminalObserver::progressValue(int value) {
    if (!terminal_ || maximum_ <= 0) return;
    const int percent = static_cast<int>(100LL * value / maximum_);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    std::fprintf(stderr, "\rSearching verse runs: %3d%% (Ctrl+C stops with the hits so far)",
                 percent);
}

}  // namespace vellumark::cli
