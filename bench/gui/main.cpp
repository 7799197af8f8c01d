// Google Benchmark's main inside a QApplication, with the application font the program sets.
#include <QApplication>
#include <QFontDatabase>

#include <benchmark/benchmark.h>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (QFontDatabase::families().contains("IPAGothic")) {
        QFont font("IPAGothic");
        font.setPointSize(QApplication::font().pointSize());
        QApplication::setFont(font);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
