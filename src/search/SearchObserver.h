#pragma once

namespace vellumark {

/// What a search shows while it runs. The window implements it; the core only
/// says when. Every method has a do-nothing default, so tests override only
/// what they watch.
class SearchObserver {
public:
    virtual ~SearchObserver() = default;

    /// "-- Processing --" shown (and repainted at once) or hidden.
    virtual void processingShown(bool /*shown*/) {}
    /// The progress bar brought to the front with its maximum.
    virtual void progressPrepared(int /*maximum*/) {}
    /// The progress bar and "Kill Process" shown or hidden.
    virtual void progressShown(bool /*shown*/) {}
    virtual void progressValue(int /*value*/) {}
    /// Lets the window handle its pending events once.
    virtual void processEvents() {}
    /// The kill flag, which "Kill Process" sets.
    virtual bool killRequested() { return false; }
    virtual void resetKill() {}
};

}  // namespace vellumark
