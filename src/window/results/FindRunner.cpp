#include "window/results/FindRunner.h"

#include "search/SearchData.h"
#include "search/SearchDataCache.h"
#include "search/Searches.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

/// The worker's view of a search: no window to update, the token to read.
class TokenObserver : public vellumark::SearchObserver {
public:
    explicit TokenObserver(FindRunner::Token& token) : token_(token) {}
    void progressPrepared(int maximum) override { token_.maximum = maximum; }
    void progressValue(int value) override { token_.progress = value; }
    bool killRequested() override { return token_.cancelled; }

private:
    FindRunner::Token& token_;
};

}  // namespace

FindRunner::FindRunner(std::string appPath, QObject* parent)
    : QObject(parent), appPath_(std::move(appPath)) {
    auto written = std::make_shared<vellumark::SearchDataCache>(appPath_);
    auto read = std::make_shared<vellumark::SearchDataCache>(appPath_, vellumark::Reading::Read);
    source_ = [written, read](vellumark::Reading reading) {
        return (reading == vellumark::Reading::Read ? read : written)->get();
    };
    pause_.setSingleShot(true);
    pause_.setInterval(150);
    connect(&pause_, &QTimer::timeout, this, &FindRunner::start);
    progressPoll_.setInterval(100);
    connect(&progressPoll_, &QTimer::timeout, this, [this] {
        if (running_ && running_->maximum > 0) emit progress(running_->progress, running_->maximum);
    });
}

FindRunner::~FindRunner() {
    cancel();
    // The worker holds its own references; it ends at its next verse.
    if (watcher_) watcher_->waitForFinished();
}

void FindRunner::schedule(const vellumark::SearchRequest& request) {
    cancel();
    waiting_ = request;
    maxPhraseWords_ = 0;
    pause_.start();
}

void FindRunner::runNow(const vellumark::SearchRequest& request, int maxPhraseWords) {
    cancel();
    waiting_ = request;
    maxPhraseWords_ = maxPhraseWords;
    start();
}

void FindRunner::cancel() {
    pause_.stop();
    if (running_) running_->cancelled = true;
    running_.reset();
    progressPoll_.stop();
}

void FindRunner::stop() {
    if (!running_) return;
    stopped_ = true;
    running_->cancelled = true;
}

void FindRunner::start() {
    std::shared_ptr<const vellumark::SearchData> data;
    try {
        data = source_(waiting_.reading);
    } catch (const std::exception& error) {
        emit failed(QString::fromStdString(error.what()));
        return;
    }
    auto token = std::make_shared<Token>();
    running_ = token;
    stopped_ = false;
    const vellumark::SearchRequest request = waiting_;
    const int maxPhraseWords = maxPhraseWords_;
    emit started(request);
    if (request.match == vellumark::Match::VerseRuns) progressPoll_.start();

    auto* watcher = new QFutureWatcher<Outcome>(this);
    connect(watcher, &QFutureWatcher<Outcome>::finished, this, [this, watcher, token] {
        const Outcome outcome = watcher->result();
        watcher->deleteLater();
        if (watcher_ == watcher) watcher_ = nullptr;
        // A newer search, or a cancel, made this one stale.
        if (running_ != token) return;
        running_.reset();
        progressPoll_.stop();
        if (!outcome.error.isEmpty()) {
            emit failed(outcome.error);
            return;
        }
        emit finished(outcome.results);
    });
    watcher_ = watcher;
    watcher->setFuture(QtConcurrent::run([data, request, token, maxPhraseWords]() -> Outcome {
        Outcome outcome;
        outcome.results.request = request;
        outcome.results.maxPhraseWords = maxPhraseWords;
        if (token->cancelled) return outcome;
        try {
            vellumark::ResultRowSink sink(request.match, maxPhraseWords);
            TokenObserver observer(*token);
            const vellumark::SearchResult result =
                vellumark::RunSearch(request, *data, sink, observer);
            outcome.results.hits = std::move(sink.hits);
            outcome.results.rows = std::move(sink.rows);
            outcome.results.killed = result.killed;
        } catch (const std::exception& error) {
            outcome.error = QString::fromStdString(error.what());
        }
        return outcome;
    }));
}
