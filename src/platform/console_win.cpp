#include "platform/console.h"

#include <windows.h>

#include <shellapi.h>

namespace zorna {

QStringList commandArguments(int, char**) {
    QStringList arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.append(QString::fromWCharArray(words[i]));
    LocalFree(words);
    return arguments;
}

namespace {

// The handle a stream writes to. A windowed program has none when started
// from a console window; it then writes into that window's console.
HANDLE streamHandle(ConsoleStream stream) {
    const HANDLE handle =
        GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle && handle != INVALID_HANDLE_VALUE)
        return handle;
    static const HANDLE parentConsole = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return INVALID_HANDLE_VALUE;
        return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    }();
    return parentConsole;
}

} // namespace

void writeConsoleLine(ConsoleStream stream, const QString& text) {
    const HANDLE handle = streamHandle(stream);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    const QString line =
        QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(line.utf16()), DWORD(line.size()), &written,
                      nullptr);
        return;
    }
    const QByteArray bytes = line.toUtf8();
    WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
}

} // namespace zorna
