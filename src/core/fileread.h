#pragma once

// Reading a whole file: the bytes, or why there are none. Every read of the
// program's files goes through here, so no file is read past a size cap and
// no caller mistakes a file that cannot be read for an empty one.

#include <QByteArray>
#include <QString>

namespace ds {

enum class ReadStatus {
    Ok,
    Missing,    // no such file: the callers take it as empty
    Unreadable, // it exists but cannot be opened or read
    TooLarge,   // larger than any file of its kind can be
    Damaged,    // read, but its bytes cannot be a file of its kind
};

// The largest file any reader takes whole: far beyond a full history (32,767
// records) and the largest results file an import reads.
inline constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

// Ok, or missing (read as empty). Every other status is a refusal, said with
// the reader's own "could not be read" message: a file too large to be one of
// the program's files cannot be read as one either.
inline bool usable(ReadStatus s) { return s == ReadStatus::Ok || s == ReadStatus::Missing; }

template <typename T>
struct FileRead {
    ReadStatus status = ReadStatus::Ok;
    T value{};

    bool usable() const { return ds::usable(status); }
    bool missing() const { return status == ReadStatus::Missing; }
};

// The whole file at path, at most `cap` bytes.
FileRead<QByteArray> readFileBytes(const QString &path, qint64 cap = MaxFileBytes);

} // namespace ds
