#include "start_bench.h"

#include "app/game_start.h"
#include "paint_watch.h"
#include "stats.h"

#include <QApplication>
#include <QProcess>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace bench {

int runStartProbe(int argc, char** argv, bool game, const QString& programFolder) {
    QApplication app(argc, argv);
    PaintWatch watch([](QWidget*) { return true; });
    std::unique_ptr<zorna::GameStart> start;
    std::unique_ptr<QWidget> bare;
    if (game) {
        start = std::make_unique<zorna::GameStart>(programFolder);
    } else {
        bare = std::make_unique<QWidget>();
        bare->setWindowTitle(QStringLiteral("Реєстрація"));
        bare->setFixedSize(kRegistrationWidth, kRegistrationHeight);
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

StartFigures spawnStartProbe(bool game, const QString& programFolder) {
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList args{QStringLiteral("--probe-start"),
                           game ? QStringLiteral("game") : QStringLiteral("bare"), programFolder};
    const qint64 spawned = monotonicNs();
    probe.start(QCoreApplication::applicationFilePath(), args);
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        qFatal("the start probe failed");
    const QList<QByteArray> words = probe.readAllStandardOutput().simplified().split(' ');
    if (words.size() != 4 || words[0] != "painted")
        qFatal("the start probe printed no figures");
    return {msBetween(spawned, words[1].toLongLong()), words[3].toDouble()};
}

} // namespace bench
