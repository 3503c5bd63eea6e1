// Speed of the window: the time from process start to the window shown, against a bare
// Qt window with the same widgets and no logic, and the time from a keystroke in a
// value field to the updated result box.
//
// The start-up benchmarks start this program again with --show=calculator or
// --show=bare; that child shows its window, waits until it is exposed and exits.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <string>
#include <vector>

#include "ui/qt/Program.h"

extern char** environ;

namespace metalweight {
namespace {

std::string selfPath;

// The same fifteen widgets in the same places, with no handlers and no data.
int showBareWindow() {
    QWidget window;
    auto* frame = new QGroupBox(QStringLiteral("Frame1"), &window);
    frame->setGeometry(160, 8, 129, 237);
    new QPushButton(QStringLiteral("关于(&A)"), &window);
    new QPushButton(QStringLiteral("关闭"), &window);
    new QListWidget(&window);
    for (int i = 0; i < 3; ++i) {
        auto* combo = new QComboBox(frame);
        combo->setEditable(true);
    }
    new QLineEdit(frame);
    for (int i = 0; i < 4; ++i) {
        new QLabel(QStringLiteral("Label"), frame);
    }
    new QComboBox(&window);
    new QLabel(QStringLiteral("计算类别:"), &window);
    new QLabel(QStringLiteral("label2"), &window);
    window.setFixedSize(397, 258);
    window.show();
    return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
}

int showCalculator() {
    Program program;
    program.start();
    return QTest::qWaitForWindowExposed(&program.window) ? 0 : 1;
}

void runChild(benchmark::State& bench, const char* what) {
    std::string argument = std::string("--show=") + what;
    std::vector<char*> argv = {selfPath.data(), argument.data(), nullptr};
    for (auto _ : bench) {
        pid_t pid = 0;
        if (posix_spawn(&pid, selfPath.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            bench.SkipWithError("cannot start the child");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            bench.SkipWithError("the child did not show its window");
            return;
        }
    }
}

void BM_StartToShown_Bare(benchmark::State& bench) {
    runChild(bench, "bare");
}
BENCHMARK(BM_StartToShown_Bare)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_StartToShown_Calculator(benchmark::State& bench) {
    runChild(bench, "calculator");
}
BENCHMARK(BM_StartToShown_Calculator)->Unit(benchmark::kMillisecond)->Iterations(20);

// A digit typed into the wall thickness of a pipe, then taken back: two keystrokes, each
// recalculated and shown.
void BM_KeystrokeToResult(benchmark::State& bench) {
    Program program;
    program.start();
    FrmmetalWindow& window = program.window;
    if (!QTest::qWaitForWindowExposed(&window)) {
        bench.SkipWithError("window not shown");
        return;
    }
    QTest::keyClicks(window.comvalue1, QStringLiteral("89"));
    QTest::keyClicks(window.Comvalue2, QStringLiteral("4"));
    for (auto _ : bench) {
        QTest::keyClick(window.Comvalue2, Qt::Key_5);
        benchmark::DoNotOptimize(window.Tretunval->text());
        QTest::keyClick(window.Comvalue2, Qt::Key_Backspace);
        benchmark::DoNotOptimize(window.Tretunval->text());
    }
    bench.SetItemsProcessed(bench.iterations() * 2);
}
BENCHMARK(BM_KeystrokeToResult)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace metalweight

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--show=", 7) == 0) {
            QApplication app(argc, argv);
            return std::strcmp(argv[i] + 7, "bare") == 0 ? metalweight::showBareWindow()
                                                         : metalweight::showCalculator();
        }
    }
    metalweight::selfPath = argv[0];
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
