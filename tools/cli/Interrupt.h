#pragma once

#include "search/SearchObserver.h"

namespace vellumark::cli {

/// Ctrl+C (SIGINT) as Kill Process: once installed, the first SIGINT, SIGTERM
/// or SIGHUP sets a flag that the searches read, so a search ends early with
/// complete output; a second one removes the temporary output and ends the
/// program at once.
void InstallInterruptHandler();
bool Interrupted();

/// The observer of the command line: kill requests come from SIGINT, and a
/// Multiple Match verse search shows its progress on standard error when that
/// is a terminal.
class TerminalObserver : public SearchObserver {
public:
    TerminalObserver();

    void progressPrepared(int maximum) override { maximum_ = maximum; }
    void progressShown(bool shown) override;
    void progressValue(int value) override;
    bool killRequested() override { return Interrupted(); }
    /// An interrupt stays pending for the rest of the run: a batch stops too.
    void resetKill() override {}

private:
    bool terminal_ = false;
    int maximum_ = 0;
    int shownPercent_ = -1;
};

}  // namespace vellumark::cli
