// The Gematria Calculator on a large paste: one keystroke in a text of N
// characters, as the window handles it (the field, the values and the word
// table, then the repaint). Each iteration types a letter at the end or takes
// it away again. The longest text the field takes, all on one line, is the
// slowest: its line is laid out again on every keystroke. Run:
// build/testing/bin/vellumark_calculator_bench
#include "window/frmCalculator.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace {

/// Genesis 1:1 with points and accents (74 characters), repeated to `size`
/// characters, one line per verse or all on one line.
QString Paste(int size, bool lines) {
    const QString verse = QStringLiteral("בְּרֵאשִׁ֖ית בָּרָ֣א אֱלֹהִ֑ים אֵ֥ת הַשָּׁמַ֖יִם וְאֵ֥ת הָאָֽרֶץ׃");
    QString text;
    while (text.size() + verse.size() + 1 <= size) text += verse + (lines ? u'\n' : u' ');
    return text;
}

void Keystroke(benchmark::State& state) {
    frmCalculator calculator;
    calculator.show();
    auto* text = calculator.findChild<QPlainTextEdit*>(QStringLiteral("txtHebrew"));
    text->setPlainText(Paste(static_cast<int>(state.range(0)), state.range(1) != 0));
    text->moveCursor(QTextCursor::End);
    text->setFocus();
    QApplication::processEvents();
    bool typed = false;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, typed ? Qt::Key_Backspace : Qt::Key_unknown,
                        Qt::NoModifier, typed ? QString() : QStringLiteral("א"));
        QApplication::sendEvent(text, &press);
        typed = !typed;
        QApplication::processEvents();
    }
}
BENCHMARK(Keystroke)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"characters", "lines"})
    ->Args({1'000, 0})
    ->Args({frmCalculator::kMaxText, 1})
    ->Args({frmCalculator::kMaxText, 0});

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
