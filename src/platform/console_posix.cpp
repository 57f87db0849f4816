#include "platform/console.h"

#include <cstdio>

namespace zorna {

QStringList commandArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void writeConsoleLine(ConsoleStream stream, const QString& text) {
    std::FILE* file = stream == ConsoleStream::Output ? stdout : stderr;
    std::fprintf(file, "%s\n", text.toUtf8().constData());
    std::fflush(file);
}

} // namespace zorna
