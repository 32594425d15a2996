#ifndef _GNU_SOURCE
#define _GNU_SOURCE 1  // renameat2
#endif
#include "platform/host_files.h"

#include <fcntl.h>
#include <linux/limits.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace kvarnel::platform::host {

bool renameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without RENAME_NOREPLACE: a hard link fails when the
    // target exists, which gives the same never-replace rule.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::optional<std::vector<uint8_t>> readWholeFile(const std::string& path) {
    // Only regular files: a folder or a device under the name is not a file
    // to read, whatever size the system reports for it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::vector<uint8_t> data(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::read(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // an error, or the file shrank meanwhile
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    if (done != data.size()) return std::nullopt;
    return data;
}

std::optional<layout::Bytes> mapWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    const auto size = static_cast<size_t>(st.st_size);
    // Mapping the file costs next to nothing where reading it into fresh
    // memory faults in every page twice over (about 4 ms a megabyte on a
    // small virtual machine). The game never writes its data files; a file
    // replaced meanwhile (by rename) leaves the mapping as it was.
    void* mapped = size > 0 ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0) : MAP_FAILED;
    ::close(fd);
    if (mapped == MAP_FAILED) {
        auto bytes = readWholeFile(path);
        if (!bytes) return std::nullopt;
        return layout::Bytes(std::move(*bytes));
    }
    std::shared_ptr<const void> keeper(mapped, [size](const void* p) { ::munmap(const_cast<void*>(p), size); });
    return layout::Bytes(std::move(keeper), static_cast<const uint8_t*>(mapped), size);
}

bool writeAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) return false;
    size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    // Plain files are readable by the user's other programs, as any file the
    // game writes would be (mkstemp makes them private).
    ok = ok && ::chmod(tmp.c_str(), 0644) == 0;
    if (!ok || ::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const auto slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

std::string executableFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string path(buf, static_cast<size_t>(n));
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

}  // namespace kvarnel::platform::host
