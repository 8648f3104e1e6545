// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's two heaviest reactions, offscreen: Calculate with the preview redrawn, and a
// language switch that re-translates every text of the window. Goal: each under 5 ms.
#include "i18n/LanguageState.h"
#include "ui/common/WingField.h"
#include "ui/dialogs/Prompter.h"
#include "ui/main/MainWindow.h"
#include "ui/main/PlanformPreview.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Answers every box with its default; the benchmarks calculate only valid wings.
class SilentPrompter : public Prompter {
public:
    MessageAnswer messageBox(const QString&, MessageStyle, const QString&) override {
        return MessageAnswer::Ok;
    }
    QString inputBox(const QString&, const QString&, const QString& defaultText) override {
        return defaultText;
    }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
    QString openFileName(const FileDialogRequest&) override { return {}; }
    TypedFileChoice saveFileNameOfType(const FileDialogRequest&, const QStringList&) override {
        return {};
    }
    PrinterChoice choosePrinter(QPrinter&) override { return PrinterChoice::NoPrinter; }
    void previewPrint(QPrinter&, const std::function<void(QPrinter&)>&) override {}
    bool previewBeforePrinting(QPrinter&, const std::function<void(QPrinter&)>&, const QString&,
                               const QString&) override {
        return false;
    }
    int chooseItem(const QString&, const QString&, const QStringList&, int) override { return -1; }
    void runModal(QDialog&) override {}
    void openFile(const QString&) override {}
};

// One application for every window benchmark of the run, offscreen.
QApplication& application() {
    static int argc = 1;
    static char name[] = "wingsheet_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// A shown window with English texts; the settings file lies in a folder of its own.
struct BenchWindow {
    QTemporaryDir settingsFolder;
    LanguageState language{
        {WINGSHEET_SOURCE_LANG, settingsFolder.filePath(QStringLiteral("tz.ini")).toStdString()}};
    SilentPrompter prompter;
    std::unique_ptr<MainWindow> window;

    BenchWindow() {
        application();
        language.select("English");
        window = std::make_unique<MainWindow>(prompter, language);
        window->translate();
        window->clearForm();
        window->show();
        QApplication::processEvents();
    }
};

void typeFivePanelWing(const MainWindowControls& c) {
    const char* const panels[5][4] = {{"300", "280", "200", "5"},
                                      {"", "250", "300", "20"},
                                      {"", "200", "300", "45"},
                                      {"", "150", "250", "80"},
                                      {"", "90", "150", "120"}};
    c.rootChordFields[0]->setText(QString::fromLatin1(panels[0][0]));
    for (int i = 0; i < 5; ++i) {
        c.tipChordFields[i]->setText(QString::fromLatin1(panels[i][1]));
        c.panelLengthFields[i]->setText(QString::fromLatin1(panels[i][2]));
        c.sweepOffsetFields[i]->setText(QString::fromLatin1(panels[i][3]));
    }
    c.balanceField->setText(QStringLiteral("30"));
    c.massField->setText(QStringLiteral("2500"));
}

void benchCalculateAndRedrawPreview(benchmark::State& state) {
    BenchWindow bench;
    typeFivePanelWing(bench.window->controls());
    for (auto _ : state) {
        bench.window->calculate();
        bench.window->controls().preview->repaint();
    }
}
BENCHMARK(benchCalculateAndRedrawPreview)->Unit(benchmark::kMillisecond);

void benchSwitchLanguage(benchmark::State& state) {
    BenchWindow bench;
    bool german = false;
    for (auto _ : state) {
        german = !german;
        bench.language.select(german ? "Deutsch" : "English");
        bench.window->translate();
        QApplication::processEvents();
    }
}
BENCHMARK(benchSwitchLanguage)->Unit(benchmark::kMillisecond);

} // namespace
