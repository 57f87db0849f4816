// zorna_start_probe game|bare PROGRAM_FOLDER
// Builds the QApplication (reading the font configuration on another core
// meanwhile, as the game's main does, for both sides, so that the ratio
// measures the game's own cost), then either the game's own start or one bare
// QWidget of the registration window's size with a QLabel showing one line of text, and prints
// "painted <monotonic ns> rss <MB>" once the first frame is on the screen.
// It links what the game links and nothing else, so both starts load the same libraries.
#include "app/game_start.h"
#include "paint_watch.h"
#include "platform/font_preload.h"
#include "start_bench.h"
#include "stats.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

using namespace bench;

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const bool game = QByteArray(argv[1]) == "game";
    const QString programFolder = QString::fromLocal8Bit(argv[2]);
    // Both sides read the font configuration while Qt connects to the display, as the game's main does.
    zorna::FontConfigPreload fonts;
    QApplication app(argc, argv);
    fonts.wait();
    PaintWatch watch([](QWidget*) { return true; });
    std::unique_ptr<zorna::GameStart> start;
    std::unique_ptr<QWidget> bare;
    if (game) {
        start = std::make_unique<zorna::GameStart>(programFolder);
    } else {
        bare = std::make_unique<QWidget>();
        bare->setWindowTitle(QStringLiteral("Реєстрація"));
        bare->setFixedSize(kRegistrationWidth, kRegistrationHeight);
        // The classic minimal Qt Widgets program: a window with a label, so the
        // bare start pays for fonts as every window that shows text does.
        auto* label = new QLabel(QString::fromUtf8(kBareStartText), bare.get());
        label->move(20, 20);
        bare->show();
    }
    const std::optional<qint64> painted = watch.wait(20000);
    if (!painted)
        return 1;
    std::printf("painted %lld rss %.2f\n", static_cast<long long>(*painted), peakRssMb());
    std::fflush(stdout);
    // The probe's figures are out; tearing the windows down is not part of the start.
    std::_Exit(0);
}
