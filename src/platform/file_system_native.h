#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The system-specific half of the file layer's readers (file_system_posix.cpp,
// file_system_win.cpp); file_system.cpp builds the readers on it.
namespace zorna::native {

enum class Links { Refuse, Follow };

// The content of a plain file of at most maxBytes bytes; a link is refused or
// followed to a plain file as asked.
std::optional<QByteArray> readPlainFile(const QString& path, qint64 maxBytes, Links links);

} // namespace zorna::native
