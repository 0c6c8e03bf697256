#include "cli/VerseTexts.h"
#include "window/results/VerseTextSource.h"

#include <optional>

namespace vellumark {

namespace {

class DataTexts : public VerseTextSource {
public:
    explicit DataTexts(std::string appPath) : appPath_(std::move(appPath)) {}

    std::string hebrew(const VerseId& id, int further) override {
        return std::string(texts().hebrew(id, further));
    }
    std::string english(const VerseId& id, int further) override {
        return texts().plainEnglish(id, further);
    }

private:
    cli::VerseTexts& texts() {
        if (!texts_) texts_.emplace(appPath_);
        return *texts_;
    }

    std::string appPath_;
    std::optional<cli::VerseTexts> texts_;
};

}  // namespace

std::shared_ptr<VerseTextSource> DataVerseTexts(const std::string& appPath) {
    return std::make_shared<DataTexts>(appPath);
}

}  // namespace vellumark
