#include "base/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "base/tr_text.h"

namespace {

constexpr int kMaxLinkHops = 40;

// A reason in the window's language; nivra-tool, which installs no translation, gives it in
// English. The system's own words (strerror) come as the system's language gives them.
std::string Tr(const char* text, std::initializer_list<std::string> args = {})
{
    return TrText("FileAccess", text, args);
}

std::string SystemText(int code)
{
    return std::strerror(code);
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NotRegular(const std::string& path, unsigned mode)
{
    //: %1 is a file's path, %2 what it is: "a folder", "a named pipe (FIFO)"
    return Tr(QT_TRANSLATE_NOOP("FileAccess", "%1 is %2, not a regular file; nothing was written"),
              {path, FileKindText(mode)});
}

// What a path finally names once its symbolic links are followed.
struct Resolved {
    std::string path;
    bool exists = false;
    struct stat st {};
};

Result<Resolved> ResolveLinks(std::string path)
{
    Resolved out;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        if (lstat(path.c_str(), &out.st) != 0) {
            if (errno != ENOENT)
                return Fail(SystemText(errno));
            out.path = path;
            out.exists = false;
            return out;
        }
        if (!S_ISLNK(out.st.st_mode)) {
            out.path = path;
            out.exists = true;
            return out;
        }
        char link[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), link, sizeof link);
        if (n < 0)
            return Fail(SystemText(errno));
        const std::string next(link, static_cast<size_t>(n));
        path = next.empty() || next[0] == '/' ? next : FolderOf(path) + "/" + next;
    }
    return Fail(SystemText(ELOOP));
}

// A target that may be written: it is missing or a regular file.
Result<Resolved> WritableTarget(const std::string& path)
{
    if (path.empty())
        return Fail(Tr(QT_TRANSLATE_NOOP("FileAccess", "no file name given")));
    auto target = ResolveLinks(path);
    if (target && target->exists && !S_ISREG(target->st.st_mode))
        return Fail(NotRegular(target->path, target->st.st_mode));
    return target;
}

// A failure to make a file in a folder, in words that say which folder.
std::string FolderFailure(const std::string& folder, int code)
{
    if (code == EACCES || code == EPERM || code == EROFS)
        return Tr(QT_TRANSLATE_NOOP("FileAccess", "the folder %1 is not writable (%2)"), {folder, SystemText(code)});
    return SystemText(code);
}

// A new file beside the target that nobody else opens; its name goes to name.
int MakeTemporary(const std::string& folder, std::string& name)
{
    std::string pattern = folder + "/.nivra-XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0)
        name = pattern;
    return fd;
}

mode_t CurrentUmask()
{
    // There is no way to read the mask without setting it.
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

}  // namespace

std::string FileKindText(unsigned mode)
{
    switch (mode & S_IFMT) {
    //: what a path names, said in "%1 is a folder, not a regular file"
    case S_IFREG: return Tr(QT_TRANSLATE_NOOP("FileAccess", "a regular file"));
    case S_IFDIR: return Tr(QT_TRANSLATE_NOOP("FileAccess", "a folder"));
    case S_IFIFO: return Tr(QT_TRANSLATE_NOOP("FileAccess", "a named pipe (FIFO)"));
    case S_IFCHR: return Tr(QT_TRANSLATE_NOOP("FileAccess", "a character device"));
    case S_IFBLK: return Tr(QT_TRANSLATE_NOOP("FileAccess", "a block device"));
    case S_IFSOCK: return Tr(QT_TRANSLATE_NOOP("FileAccess", "a socket"));
    case S_IFLNK: return Tr(QT_TRANSLATE_NOOP("FileAccess", "a symbolic link"));
    default: return Tr(QT_TRANSLATE_NOOP("FileAccess", "not a file"));
    }
}

ReadableFile::ReadableFile(const std::string& path)
{
    // Looked at before it is opened: opening a device can itself do something.
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        m_error = Tr(QT_TRANSLATE_NOOP("FileAccess", "it is %1, not a regular file"), {FileKindText(st.st_mode)});
        return;
    }
    // Non-blocking, so that a FIFO put in the file's place meanwhile cannot hold the open.
    m_fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0) {
        m_error = SystemText(errno);
        return;
    }
    if (fstat(m_fd, &st) != 0)
        m_error = SystemText(errno);
    else if (!S_ISREG(st.st_mode))
        m_error = Tr(QT_TRANSLATE_NOOP("FileAccess", "it is %1, not a regular file"), {FileKindText(st.st_mode)});
    if (!m_error.empty()) {
        close(m_fd);
        m_fd = -1;
        return;
    }
    // A regular file reads the same either way; plain reads are what callers expect.
    fcntl(m_fd, F_SETFL, fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
}

ReadableFile::~ReadableFile()
{
    if (m_fd >= 0)
        close(m_fd);
}

int ReadableFile::Release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

int64_t ReadableFile::CreatedMs() const
{
    struct statx sx {};
    if (m_fd >= 0 && statx(m_fd, "", AT_EMPTY_PATH, STATX_BTIME | STATX_MTIME, &sx) == 0) {
        const statx_timestamp& t = (sx.stx_mask & STATX_BTIME) ? sx.stx_btime : sx.stx_mtime;
        return t.tv_sec * 1000 + t.tv_nsec / 1000000;
    }
    return 0;
}

Result<std::string> ReadSmallFile(const std::string& path, size_t limit)
{
    ReadableFile file(path);
    if (!file.IsOpen())
        return Fail(file.Error());
    std::string bytes;
    char block[65536];
    while (bytes.size() <= limit) {
        const ssize_t n = read(file.Descriptor(), block, std::min(sizeof block, limit + 1 - bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Fail(SystemText(errno));
        if (n == 0)
            break;
        bytes.append(block, static_cast<size_t>(n));
    }
    return bytes;
}

SafeFileWriter::~SafeFileWriter()
{
    Cancel();
}

Status SafeFileWriter::Open(const std::string& path)
{
    Cancel();
    m_errno = 0;
    auto resolved = WritableTarget(path);
    if (!resolved)
        return Fail(resolved.Error());
    const Resolved& target = *resolved;
    const std::string folder = FolderOf(target.path);
    m_fd = MakeTemporary(folder, m_temporary);
    if (m_fd < 0)
        return Fail(FolderFailure(folder, errno));
    m_target = target.path;
    m_replacing = target.exists;
    // The new file gets the old one's permissions and owner, or those a new file would have.
    if (target.exists) {
        fchmod(m_fd, target.st.st_mode & 07777);
        if (fchown(m_fd, target.st.st_uid, target.st.st_gid) != 0) {
            // Only a privileged process may give a file away; the file stays the writer's.
        }
    } else {
        fchmod(m_fd, 0666 & ~CurrentUmask());
    }
    return {};
}

bool SafeFileWriter::Write(std::string_view bytes)
{
    if (m_fd < 0 || m_errno != 0)
        return false;
    while (!bytes.empty()) {
        const ssize_t n = write(m_fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_errno = n < 0 ? errno : EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

Status SafeFileWriter::Commit()
{
    if (m_fd < 0)
        return Fail(Tr(QT_TRANSLATE_NOOP("FileAccess", "no file is open for writing")));
    // A full disk may show only when the data is flushed or the file closed.
    if (m_errno == 0 && (m_sync ? m_sync(m_fd) : fsync(m_fd)) != 0 && errno != EINVAL)
        m_errno = errno;
    if (close(m_fd) != 0 && m_errno == 0)
        m_errno = errno;
    m_fd = -1;
    if (m_errno != 0) {
        const int code = m_errno;
        Cancel();
        return Fail(SystemText(code));
    }
    // The target may have changed since Open: never put the file in place of anything but
    // a regular file.
    struct stat st {};
    if (lstat(m_target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        const std::string text = NotRegular(m_target, st.st_mode);
        Cancel();
        return Fail(text);
    }
    if (rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int code = errno;
        Cancel();
        return Fail(SystemText(code));
    }
    m_temporary.clear();
    return {};
}

void SafeFileWriter::Cancel()
{
    if (m_fd >= 0) {
        close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

Status WriteFileSafely(const std::string& path, std::string_view bytes)
{
    SafeFileWriter writer;
    if (Status opened = writer.Open(path); !opened)
        return opened;
    (void)writer.Write(bytes);  // a failed write is told by Commit
    return writer.Commit();
}

Status CheckWritable(const std::string& path)
{
    auto target = WritableTarget(path);
    if (!target)
        return Fail(target.Error());
    // The writer replaces the file through a new one in its folder: that is what must work.
    const std::string folder = FolderOf(target->path);
    std::string probe;
    const int fd = MakeTemporary(folder, probe);
    if (fd < 0)
        return Fail(FolderFailure(folder, errno));
    close(fd);
    unlink(probe.c_str());
    return {};
}

bool IsValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        uint32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}
