#include "platform/program_folder.h"

#include <QDir>
#include <QFileInfo>

namespace zorna {

ProgramFolder::ProgramFolder(QString root) : root_(QDir::cleanPath(std::move(root))) {}

QString ProgramFolder::path(const QString& relative) const {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = root_;
    for (const QString& part : parts) {
        const QString exact = current + QLatin1Char('/') + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        QString match;
        const QStringList entries =
            QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        current += QLatin1Char('/') + (match.isEmpty() ? part : match);
    }
    return current;
}

QString ProgramFolder::taskPicture(int windowNumber, int picture, const QString& extension) const {
    return taskFile(windowNumber, QString::number(picture) + QLatin1Char('.') + extension);
}

QString ProgramFolder::taskFile(int windowNumber, const QString& name) const {
    return path(QStringLiteral("kletka%1/%2").arg(windowNumber).arg(name));
}

QString ProgramFolder::usedPictureFile(int windowNumber) const {
    return path(QStringLiteral("temp/%1.$$$").arg(windowNumber));
}

bool ProgramFolder::ensureFolder(const QString& relative) const {
    return makeFolders(path(relative));
}

} // namespace zorna
