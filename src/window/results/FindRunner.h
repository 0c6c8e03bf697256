#pragma once

#include "window/results/ResultRows.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace vellumark {
class SearchData;
}

/// Runs the Results window's searches on a worker thread. A request runs
/// after a short pause; a newer request cancels the one waiting or running
/// (its token is set, and a verse run stops at its next verse; any result it
/// still brings is dropped). The search data comes from a source asked on the
/// window's thread: by default the program folder's, read once and kept while
/// its files stay as they were.
class FindRunner : public QObject {
    Q_OBJECT

public:
    /// Set by a newer search or Stop; read by the search it was handed to.
    struct Token {
        std::atomic<bool> cancelled{false};
        std::atomic<int> progress{0};
        std::atomic<int> maximum{0};
    };

    explicit FindRunner(std::string appPath, QObject* parent = nullptr);
    ~FindRunner() override;

    /// Where the search data comes from (the main window's, say); it may throw
    /// FileError and DataError.
    using DataSource =
        std::function<std::shared_ptr<const vellumark::SearchData>(vellumark::Reading)>;
    void setDataSource(DataSource source) { source_ = std::move(source); }
    /// The search data of one reading (FileError, DataError).
    std::shared_ptr<const vellumark::SearchData> data(vellumark::Reading reading) {
        return source_(reading);
    }
    void setPause(int milliseconds) { pause_.setInterval(milliseconds); }

    /// Runs `request` after the pause, cancelling the search before it.
    void schedule(const vellumark::SearchRequest& request);
    /// Runs `request` at once, cancelling the search before it; phrases of 2
    /// to `maxPhraseWords` words only, when that is set.
    void runNow(const vellumark::SearchRequest& request, int maxPhraseWords = 0);
    /// Cancels what is waiting or running; nothing is reported for it.
    void cancel();
    /// Stops a running verse run; its hits so far are reported, marked stopped.
    void stop();
    bool busy() const { return pause_.isActive() || running_ != nullptr; }

signals:
    void started(const vellumark::SearchRequest& request);
    /// Verse runs: the verses done of `maximum`.
    void progress(int value, int maximum);
    void finished(const vellumark::ResultSet& results);
    void failed(const QString& message);

private:
    struct Outcome {
        vellumark::ResultSet results;
        QString error;
    };
    void start();

    std::string appPath_;
    DataSource source_;
    vellumark::SearchRequest waiting_;
    int maxPhraseWords_ = 0;
    QTimer pause_;
    QTimer progressPoll_;
    std::shared_ptr<Token> running_;
    bool stopped_ = false;
    QFutureWatcher<Outcome>* watcher_ = nullptr;
};
