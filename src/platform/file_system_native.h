#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The system-specific half of the file layer's readers (file_system_posix.cpp,
// file_system_win.cpp); file_system.cpp builds the readers on it.
namespace zorna::native {

enum class Links { Refuse, Follow };

// The content of a plain file of at most maxBytes bytes; a link is refused or
// followed to a plain file as asked.
std::optional<QByteArray> readPlainFile(const QString& path, qint64 maxBytes, Links links);

// Reads an open file to its end through readChunk (it fills at most the given
// count of bytes and returns how many it read, 0 at the end, or -1 after
// reporting a failure). One byte more than allowed is asked for, so that a
// file that grew since its size was checked is refused too.
std::optional<QByteArray> readAtMost(const QString& path, qint64 maxBytes,
                                     const std::function<qint64(char*, qint64)>& readChunk);

} // namespace zorna::native
