// Whole-file reading of diagram files, and the one way the programs write a
// file: a temporary file beside the target, written completely, flushed to
// the disk and renamed over the target, so that a failed or interrupted
// write never costs the previous file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/input_file.h"

namespace ordinax::document {

// The bytes of a whole file, in memory advised for huge pages when large.
class FileBytes {
public:
    std::span<const std::uint8_t> bytes() const { return {data_.get(), size_}; }

private:
    struct Free {
        void operator()(std::uint8_t* p) const;
    };
    std::unique_ptr<std::uint8_t, Free> data_;
    std::size_t size_ = 0;
    friend bool readWholeFile(const std::string& path, FileBytes& out, base::InputError* error);
};

// An open regular file and its size; closed when the object goes.
class ReadableFile {
public:
    ReadableFile() = default;
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;
    ~ReadableFile();
    int fd() const { return fd_; }
    std::uint64_t size() const { return size_; }

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
    friend bool openReadableFile(const std::string& path, ReadableFile& out, base::InputError* error);
};

// Opens a regular file for reading; false when it cannot be opened or is
// not a regular file (a folder, a device or a pipe is refused without
// blocking), with the cause in `error` when given.
bool openReadableFile(const std::string& path, ReadableFile& out, base::InputError* error = nullptr);

// Reads a regular file whole; false when it cannot be opened or read (a
// folder, a device or a pipe is refused without blocking), with the cause in
// `error` when given.
bool readWholeFile(const std::string& path, FileBytes& out, base::InputError* error = nullptr);

// The outcome of a write: 0, or the system error number of the step that failed.
struct WriteStatus {
    int error = 0;
    bool ok() const { return error == 0; }
};

// A file written through a temporary file beside its target. The temporary
// file is named after the target and the owning process
// (".NAME.ordinax-PID-HOST.XXXXXX"), so that the temporary files of a process
// that died (killed during a save) can be told from those of a live one and
// removed. Small writes are gathered; the first failure is kept and every
// later call does nothing. Dropping the object without commit() removes the
// temporary file and leaves the target untouched.
class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file beside `path` (beside the file a symbolic
    // link names, so that the link survives), after removing the temporary
    // files of dead processes from that folder.
    bool open(const std::string& path);
    bool write(const void* data, std::size_t size);
    bool write(std::span<const std::span<const std::uint8_t>> pieces);
    // Gives the temporary file the permissions of the target (those of a new
    // file when there is none), flushes it to the disk, renames it over the
    // target and flushes the folder. False with error() set on failure, the
    // temporary file then removed.
    bool commit();
    // Removes the temporary file; the target stays as it was.
    void cancel();

    // The system error number of the first failure, 0 while none.
    int error() const { return error_; }
    bool isOpen() const { return fd_ >= 0; }
    const std::string& temporaryPath() const { return temporary_; }

private:
    bool fail(int error);
    bool flushBuffer();

    int fd_ = -1;
    int error_ = 0;
    std::string target_;
    std::string folder_;
    std::string temporary_;
    std::vector<std::uint8_t> buffer_;
};

// Replaces `path` with the concatenation of `pieces` through an AtomicFile.
// The permission bits (and, for an administrator, the owner) of an existing
// target are kept. On any failure the temporary file is removed, the target
// is untouched and the error is returned.
WriteStatus replaceFile(const std::string& path, std::span<const std::span<const std::uint8_t>> pieces);
WriteStatus replaceFile(const std::string& path, std::string_view bytes);

// The process a temporary file name belongs to, when `name` (without folder)
// is one of ours: its process id and the host it ran on.
struct TemporaryOwner {
    long pid = 0;
    std::string host;
};
bool temporaryOwner(std::string_view name, TemporaryOwner& owner);

// Removes from `folder` the temporary files of processes of this host that
// no longer run; those of live processes and of other hosts are kept.
// Returns the number of files removed.
int removeStaleTemporaries(const std::string& folder);
// The same in each folder of the list (empty and repeated entries skipped).
int removeStaleTemporaries(const std::vector<std::string>& folders);

// The folder part of a path ("." for a bare name, "/" for the root).
std::string folderOfPath(const std::string& path);

}  // namespace ordinax::document
