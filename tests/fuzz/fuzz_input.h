#pragma once

// What every fuzz target shares: the input as bytes, and a scratch folder for
// the readers that take a file or a folder.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace zorna::fuzz {

inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A temporary folder that lives as long as the fuzzing run.
const QString& scratchFolder();

// Writes the input to `name` in the scratch folder (replacing it) and returns its path.
QString writeScratchFile(const QString& name, const std::uint8_t* data, std::size_t size);

// Stops the run with a message when an invariant fails, so libFuzzer keeps the input.
void expect(bool condition, const char* what);

} // namespace zorna::fuzz
