// zorna_assets <program folder> [--contact-sheets <folder>] [--only <generator>]
//              [--list <file>]
// Draws every file the game reads from its program folder; --list writes the
// names of the files it wrote, one a line, relative to the program folder.
#include "generators.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr,
                     "usage: zorna_assets <program folder> [--contact-sheets <folder>] [--only <name>] "
                     "[--list <file>]\n");
        return 2;
    }
    QString sheets;
    QString only;
    QString list;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--contact-sheets"))
            sheets = args[i + 1];
        else if (args[i] == QLatin1String("--only"))
            only = args[i + 1];
        else if (args[i] == QLatin1String("--list"))
            list = args[i + 1];
    }
    zorna::assets::AssetWriter writer(args[0], sheets);
    for (const auto& generator : zorna::assets::kGenerators) {
        if (!only.isEmpty() && only != QLatin1String(generator.name))
            continue;
        generator.run(writer);
    }
    if (!list.isEmpty()) {
        QFile out(list);
        const QByteArray names = (writer.writtenFiles().join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(names) != names.size())
            writer.fail(QStringLiteral("cannot write the file list %1").arg(list));
    }
    for (const QString& e : writer.errors())
        std::fprintf(stderr, "zorna_assets: %s\n", qPrintable(e));
    return writer.failures() == 0 ? 0 : 1;
}
