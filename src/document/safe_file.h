// Whole-file reading and crash-safe file replacement for the document files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

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
    friend bool readWholeFile(const std::string& path, FileBytes& out);
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
    friend bool openReadableFile(const std::string& path, ReadableFile& out);
};

// Opens a regular file for reading; false when it cannot be opened or is
// not a regular file (a folder or a pipe is refused without blocking).
bool openReadableFile(const std::string& path, ReadableFile& out);

// Reads a regular file whole; false when it cannot be opened or read (a
// folder or a pipe is refused without blocking).
bool readWholeFile(const std::string& path, FileBytes& out);

// Replaces `path` with the concatenation of `pieces`: writes a temporary file
// beside it, flushes it to the disk, then renames it over the target. The
// permission bits of an existing target are kept. On any failure the
// temporary file is removed, the target is untouched and false is returned.
bool replaceFile(const std::string& path, std::span<const std::span<const std::uint8_t>> pieces);

}  // namespace ordinax::document
