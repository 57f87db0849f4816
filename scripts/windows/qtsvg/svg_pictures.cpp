// Renders every SVG drawing of resources/ with the Qt SVG it is linked to, or
// compares two such renderings pixel by pixel (check-port builds it twice).
//   svg_pictures render <resources> <out folder>
//   svg_pictures compare <folder a> <folder b>    exit code 1 on any difference
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

int render(const QDir& resources, const QString& out) {
    QDir().mkpath(out);
    int count = 0;
    for (const QString& folder : resources.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString& name : QDir(resources.filePath(folder)).entryList({QStringLiteral("*.svg")})) {
            QSvgRenderer drawing(resources.filePath(folder + QLatin1Char('/') + name));
            if (!drawing.isValid()) {
                std::printf("not read: %s/%s\n", qPrintable(folder), qPrintable(name));
                return 1;
            }
            // Twice the drawing's own size, as on a HiDPI screen.
            QImage picture(drawing.defaultSize() * 2, QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            drawing.render(&painter);
            painter.end();
            picture.save(out + QLatin1Char('/') + folder + QLatin1Char('_') + name + QStringLiteral(".png"));
            ++count;
        }
    std::printf("%d drawings rendered\n", count);
    return 0;
}

int compare(const QString& a, const QString& b) {
    int differing = 0;
    const QStringList names = QDir(a).entryList({QStringLiteral("*.png")});
    for (const QString& name : names) {
        const QImage first(a + QLatin1Char('/') + name);
        const QImage second(b + QLatin1Char('/') + name);
        int pixels = 0;
        int most = 0;
        if (first.size() != second.size()) {
            pixels = -1;
        } else {
            for (int y = 0; y < first.height(); ++y)
                for (int x = 0; x < first.width(); ++x) {
                    const QRgb p = first.pixel(x, y);
                    const QRgb q = second.pixel(x, y);
                    const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                            std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
                    pixels += d != 0;
                    most = std::max(most, d);
                }
        }
        std::printf("%-36s %5dx%-5d %s\n", qPrintable(name), first.width(), first.height(),
                    pixels == 0 ? "identical"
                    : pixels < 0
                        ? "sizes differ"
                        : qPrintable(QStringLiteral("%1 pixels differ, by up to %2").arg(pixels).arg(most)));
        differing += pixels != 0;
    }
    std::printf("%lld drawings, %d differ\n", static_cast<long long>(names.size()), differing);
    return differing == 0 && !names.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("render"))
        return render(QDir(args[2]), args[3]);
    if (args.size() == 4 && args[1] == QLatin1String("compare"))
        return compare(args[2], args[3]);
    std::fprintf(stderr, "usage: svg_pictures render <resources> <out> | compare <a> <b>\n");
    return 2;
}
