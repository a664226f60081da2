#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/result.h"

// Files by the bytes of their names. A name given on a command line need not be
// valid UTF-8; turning it into text and back would name another file, so every
// file the program reads or writes by a std::string name is opened through here
// with the name's own bytes. This is the lowest folder, so the configuration,
// the logs and the exports all share it.

// What kind of thing a path names, for messages: "a folder", "a named pipe (FIFO)" ...
std::string FileKindText(unsigned mode);

// A descriptor of a regular file opened for reading, or the reason there is none.
class ReadableFile {
public:
    // Opens without waiting: a FIFO would block until someone writes to it, a device
    // may never answer. Anything but a regular file is refused and named in error.
    explicit ReadableFile(const std::string& path);
    ~ReadableFile();
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    const std::string& Error() const { return m_error; }
    // Hands the descriptor over; the caller closes it.
    int Release();
    int Descriptor() const { return m_fd; }
    // When the file was made, in milliseconds since 1970 (its last change where the file
    // system keeps no birth time).
    int64_t CreatedMs() const;

private:
    int m_fd = -1;
    std::string m_error;
};

// Reads at most limit + 1 bytes of a regular file, so that a caller can tell a file
// larger than limit; or the reason it cannot be read.
Result<std::string> ReadSmallFile(const std::string& path, size_t limit);

// Writes a file so that a failure never destroys what was there: the bytes go to a new
// file in the target's folder that replaces the target only once all of them are on
// disk. A symbolic link is followed and its target replaced; a target that exists but
// is not a regular file (a FIFO, a device, a folder) is refused, never replaced.
class SafeFileWriter {
public:
    SafeFileWriter() = default;
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    Status Open(const std::string& path);
    // False once a write failed; the reason comes with Commit.
    [[nodiscard]] bool Write(std::string_view bytes);
    // Puts the file in place; the reason when anything failed, and the target stays as it was.
    Status Commit();
    // Drops what was written; the target stays as it was.
    void Cancel();

    // How the bytes are flushed to disk before the file is put in place (fsync when none);
    // a test makes it fail as a disk would.
    int (*m_sync)(int fd) = nullptr;

private:
    int m_fd = -1;
    int m_errno = 0;  // of the first failed write
    std::string m_target, m_temporary;
    bool m_replacing = false;  // the target existed when the writer opened
};

// The whole file at once, through SafeFileWriter.
Status WriteFileSafely(const std::string& path, std::string_view bytes);

// Whether a file could be written at path now: its folder takes a new file, and an
// existing target is a regular file that may be written. Creates nothing that stays.
Status CheckWritable(const std::string& path);

// Whether a name is valid UTF-8, and so can be shown and handed to Qt as text and back.
bool IsValidUtf8(std::string_view text);
