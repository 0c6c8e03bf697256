#include "window/frmVerseView.h"

#include "data/Books.h"
#include "data/Gematria.h"
#include "data/VerseTexts.h"
#include "search/SearchData.h"
#include "window/WindowPlacement.h"
#include "window/results/HebrewFont.h"
#include "window/results/ResultsFilter.h"
#include "window/results/ResultsModel.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString kSettings = QStringLiteral("VerseView");
constexpr int kAround = 5;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Reference(const vellumark::VerseId& id) {
    return Q(vellumark::VerseName(id.book, id.chapter, id.verse));
}

/// 6565 as "6,565".
QString Grouped(int number) { return QLocale(QLocale::English).toString(number); }

}  // namespace

frmVerseView::frmVerseView(const ResultsModel& model, const ResultsFilter& shown, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), shown_(shown) {
    setObjectName(QStringLiteral("frmVerseView"));
    setWindowTitle(tr("Verse"));
    lblReference = new QLabel(this);
    lblReference->setObjectName(QStringLiteral("lblReference"));
    QFont bold = lblReference->font();
    bold.setBold(true);
    lblReference->setFont(bold);
    txtVerses = new QTextBrowser(this);
    txtVerses->setObjectName(QStringLiteral("txtVerses"));
    txtVerses->setAccessibleName(tr("Verses"));
    txtVerses->setFont(HebrewFont(font()));
    btnPrevious = new QPushButton(tr("Previous Hit"), this);
    btnPrevious->setObjectName(QStringLiteral("btnPrevious"));
    btnNext = new QPushButton(tr("Next Hit"), this);
    btnNext->setObjectName(QStringLiteral("btnNext"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPrevious);
    buttons->addStretch(1);
    buttons->addWidget(btnNext);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblReference);
    layout->addWidget(txtVerses, 1);
    layout->addLayout(buttons);
    connect(btnPrevious, &QPushButton::clicked, this, [this] { showHit(row_ - 1); });
    connect(btnNext, &QPushButton::clicked, this, [this] { showHit(row_ + 1); });
    RestorePlacement(this, kSettings, QSize(760, 560));
}

frmVerseView::~frmVerseView() = default;

void frmVerseView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The frame is known once shown: the whole window stays on the screen.
    KeepOnScreen(this);
}

void frmVerseView::closeEvent(QCloseEvent* event) {
    SavePlacement(this, kSettings);
    event->accept();
}

void frmVerseView::setData(std::shared_ptr<const vellumark::SearchData> data) {
    data_ = std::move(data);
}

void frmVerseView::showHit(int row) {
    if (row < 0 || row >= shown_.rowCount() || !data_) return;
    row_ = row;
    btnPrevious->show();
    btnNext->show();
    btnPrevious->setEnabled(row > 0);
    btnNext->setEnabled(row + 1 < shown_.rowCount());
    const int source = shown_.mapToSource(shown_.index(row, 0)).row();
    const vellumark::ResultRow& hit = model_.rowAt(source);
    const vellumark::SearchRequest& request = model_.results().request;

    // The hit's value by the search's method (or measure).
    QString value;
    if (vellumark::UsesMethod(request)) {
        vellumark::Method counted = hit.method;  // All methods: the hit's own
        if (counted == vellumark::Method::StandardAndFinal)
            counted = hit.alternate ? vellumark::Method::Final : vellumark::Method::Standard;
        const std::int64_t sum =
            vellumark::TextValue(model_.matchedText(source).toStdString(), counted);
        const std::string_view name = vellumark::MethodName(counted);
        value = tr("value %1 by %2").arg(sum).arg(QString::fromUtf8(name.data(), int(name.size())));
    } else {
        value = (request.searchType == vellumark::kWordCount ? tr("%1 words") : tr("%1 letters"))
                    .arg(request.value);
    }
    lblReference->setText(tr("%1: %2 (hit %3 of %4)")
                              .arg(Q(vellumark::RowReference(hit)), value, Grouped(row + 1),
                                   Grouped(shown_.rowCount())));

    const std::optional<std::size_t> found = data_->find(hit.verse);
    if (!found) return;
    const std::size_t hitLast =
        std::min(data_->ids().size() - 1, *found + static_cast<std::size_t>(hit.furtherVerses));
    const QList<int> matched =
        model_.data(model_.index(source, ResultsModel::Hebrew), ResultsModel::MatchedWordsRole)
            .value<QList<int>>();
    showContext(*found, hitLast, matched, 0);
}

void frmVerseView::showPlace(const vellumark::VerseId& verse, int word, int letter,
                             const QString& title) {
    if (!data_) return;
    const std::optional<std::size_t> found = data_->find(verse);
    if (!found) return;
    row_ = -1;
    btnPrevious->hide();
    btnNext->hide();
    lblReference->setText(title);
    showContext(*found, *found, word > 0 ? QList<int>{word - 1} : QList<int>{}, letter);
}

void frmVerseView::showContext(std::size_t at, std::size_t hitLast, const QList<int>& matched,
                               int letter) {
    // The chapter, widened to at least five verses on each side of the hit.
    const std::vector<vellumark::VerseId>& ids = data_->ids();
    auto sameChapter = [&](std::size_t k) {
        return ids[k].book == ids[at].book && ids[k].chapter == ids[at].chapter;
    };
    std::size_t first = at;
    while (first > 0 && sameChapter(first - 1)) --first;
    first = std::min(first, at >= kAround ? at - kAround : 0);
    std::size_t last = hitLast;
    while (last + 1 < ids.size() && (ids[last + 1].book == ids[hitLast].book &&
                                     ids[last + 1].chapter == ids[hitLast].chapter))
        ++last;
    last = std::max(last, std::min(ids.size() - 1, hitLast + kAround));

    QString html;
    references_.clear();
    try {
        const vellumark::VerseTexts& texts = data_->texts();
        for (std::size_t k = first; k <= last; ++k) {
            const bool inHit = k >= at && k <= hitLast;
            const QStringList words = Q(std::string(texts.hebrewWords(ids[k])))
                                          .split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QString hebrew;
            for (int w = 0; w < words.size(); ++w) {
                const bool marked = inHit && (matched.isEmpty() || matched.contains(w));
                if (w > 0) hebrew += QLatin1Char(' ');
                QString shown = words[w].toHtmlEscaped();
                // One letter of a marked word: the letters are single characters.
                if (marked && letter > 0 && matched.size() == 1 && letter <= words[w].size()) {
                    shown = words[w].left(letter - 1) +
                            QStringLiteral("<span style=\"color:#c62828\"><u>") +
                            words[w].mid(letter - 1, 1) + QStringLiteral("</u></span>") +
                            words[w].mid(letter);
                }
                hebrew += marked ? QStringLiteral("<b style=\"background-color:#ffe082\">") +
                                       shown + QStringLiteral("</b>")
                                 : shown;
            }
            const QString reference = Reference(ids[k]);
            references_ << reference;
            const QString background =
                inHit ? QStringLiteral(" style=\"background-color:#fff8e1\"") : QString();
            html += QStringLiteral(
                        "<table width=\"100%\" cellpadding=\"4\"%1><tr><td dir=\"rtl\" "
                        "align=\"right\" style=\"font-size:x-large\"><a name=\"v%2\"></a>"
                        "%3</td></tr><tr><td dir=\"ltr\"><b>%4</b> %5</td></tr></table>")
                        .arg(background)
                        .arg(k)
                        .arg(hebrew, reference.toHtmlEscaped(),
                             Q(std::string(texts.plainEnglish(ids[k]))).toHtmlEscaped());
        }
    } catch (const std::exception& error) {
        html += QStringLiteral("<p>") + Q(error.what()).toHtmlEscaped() + QStringLiteral("</p>");
    }
    txtVerses->setHtml(html);
    // The hit a verse below the top, the one before it above.
    txtVerses->scrollToAnchor(QStringLiteral("v%1").arg(at > first ? at - 1 : at));
}
