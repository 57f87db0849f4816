#include "start_bench.h"

#include "paint_watch.h"
#include "stats.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace bench {

StartFigures spawnStartProbe(bool game, const QString& programFolder) {
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList args{game ? QStringLiteral("game") : QStringLiteral("bare"), programFolder};
    const qint64 spawned = monotonicNs();
    probe.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zorna_start_probe")),
                args);
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        qFatal("the start probe %s failed: %s, exit code %d", qPrintable(probe.program()),
               qPrintable(probe.errorString()), probe.exitCode());
    const QList<QByteArray> words = probe.readAllStandardOutput().simplified().split(' ');
    if (words.size() != 4 || words[0] != "painted")
        qFatal("the start probe printed no figures");
    return {msBetween(spawned, words[1].toLongLong()), words[3].toDouble()};
}

} // namespace bench
