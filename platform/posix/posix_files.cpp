// Files on Linux, shared by both back ends: tests run against a temporary program folder.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/files.h"

namespace platform {

struct File {
    int fd;
};

namespace {

std::string dataHome() {
    if (const char* home = std::getenv("BRIMVALE_HOME"); home && *home) return home;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/brimvale";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/brimvale";
}

File* wrap(int fd) { return fd < 0 ? nullptr : new File{fd}; }

}  // namespace

std::string ProgramFolder() {
    std::string folder = dataHome();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    if (folder.back() != '/') folder += '/';
    return folder;
}

File* OpenFileForReading(const std::string& path) { return wrap(open(path.c_str(), O_RDONLY | O_CLOEXEC)); }

File* CreateFileForWriting(const std::string& path) {
    return wrap(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
}

bool ReadFileAt(File* file, uint64_t offset, void* buffer, size_t size) {
    if (file == nullptr) return false;
    auto* out = static_cast<char*>(buffer);
    while (size > 0) {
        ssize_t got = pread(file->fd, out, size, off_t(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        out += got;
        offset += uint64_t(got);
        size -= size_t(got);
    }
    return true;
}

bool WriteToFile(File* file, const void* bytes, size_t size) {
    if (file == nullptr) return false;
    auto* in = static_cast<const char*>(bytes);
    while (size > 0) {
        ssize_t put = write(file->fd, in, size);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        in += put;
        size -= size_t(put);
    }
    return true;
}

uint64_t FileSizeOf(File* file) {
    struct stat info;
    if (file == nullptr || fstat(file->fd, &info) != 0) return 0;
    return uint64_t(info.st_size);
}

bool CloseFile(File* file) {
    if (file == nullptr) return false;
    bool ok = close(file->fd) == 0;
    delete file;
    return ok;
}

bool DeleteFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool ReplaceFileContents(const std::string& path, const void* bytes, size_t size) {
    const std::string temporary = path + ".new";
    File* file = CreateFileForWriting(temporary);
    if (file == nullptr) return false;
    const bool written = WriteToFile(file, bytes, size) && fsync(file->fd) == 0;
    const bool closed = CloseFile(file);
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder. The new file is in place either way, so a
    // folder that cannot be flushed does not make the write a failure.
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        fsync(fd);
        close(fd);
    }
    return true;
}

}  // namespace platform
