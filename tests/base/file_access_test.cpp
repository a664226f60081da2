#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

#include "base/file_access.h"
#include "test_support.h"

TEST(FileAccess, SafeWritesReplaceOnlyRegularFiles)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    WriteText(QString::fromStdString(d + "old"), "old");
    chmod((d + "old").c_str(), 0640);
    WriteText(QString::fromStdString(d + "linked"), "linked");
    ASSERT_EQ(symlink("linked", (d + "link").c_str()), 0);
    ASSERT_EQ(symlink("link", (d + "link-to-link").c_str()), 0);
    ASSERT_EQ(mkfifo((d + "fifo").c_str(), 0600), 0);
    ASSERT_EQ(symlink((d + "fifo").c_str(), (d + "link-to-fifo").c_str()), 0);
    ASSERT_EQ(symlink("made-by-link", (d + "dangling").c_str()), 0);
    ASSERT_EQ(mkdir((d + "folder").c_str(), 0755), 0);
    ASSERT_EQ(symlink("link-to-self", (d + "link-to-self").c_str()), 0);

    const struct {
        std::string name;
        bool written;
        std::string errorPart;
        std::string contentAt;  // where the bytes must land
    } cases[] = {
        {"new", true, "", "new"},
        {"old", true, "", "old"},
        {"link", true, "", "linked"},  // the link's target is replaced, the link stays
        {"link-to-link", true, "", "linked"},
        {"dangling", true, "", "made-by-link"},
        {"fifo", false, "fifo is a named pipe (FIFO), not a regular file; nothing was written", ""},
        {"link-to-fifo", false, "fifo is a named pipe (FIFO), not a regular file", ""},
        {"folder", false, "folder is a folder, not a regular file", ""},
        {"link-to-self", false, "Too many levels of symbolic links", ""},
        {"no/such/folder", false, "No such file or directory", ""},
    };
    for (const auto& c : cases) {
        const Status written = WriteFileSafely(d + c.name, "fresh " + c.name);
        EXPECT_EQ(written.Ok(), c.written) << c.name;
        EXPECT_NE(written.Error().find(c.errorPart), std::string::npos) << c.name << ": " << written.Error();
        EXPECT_EQ(CheckWritable(d + c.name).Ok(), c.written) << c.name;
        if (c.written) {
            EXPECT_EQ(FileBytes(QString::fromStdString(d + c.contentAt)), "fresh " + c.name) << c.name;
        }
    }
    struct stat st {};
    ASSERT_EQ(stat((d + "old").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // the replaced file keeps its permissions
    ASSERT_EQ(lstat((d + "link").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(lstat((d + "fifo").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    // Nothing is left behind by the writes that failed or by the checks.
    QDir folder(dir.path());
    EXPECT_TRUE(folder.entryList({".nivra-*"}, QDir::Hidden | QDir::Files).isEmpty());
}

TEST(FileAccess, OnlyRegularFilesAreRead)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    WriteText(QString::fromStdString(d + "plain"), "0123456789");
    ASSERT_EQ(mkfifo((d + "fifo").c_str(), 0600), 0);
    ASSERT_EQ(symlink("plain", (d + "link").c_str()), 0);
    const struct {
        std::string path;
        size_t limit;
        bool read;
        std::string result;  // the bytes, or a part of the reason
    } cases[] = {
        {d + "plain", 100, true, "0123456789"},
        {d + "plain", 4, true, "01234"},  // one byte past the limit tells a larger file
        {d + "link", 100, true, "0123456789"},
        // A FIFO without a writer would hold a blocking open forever.
        {d + "fifo", 100, false, "it is a named pipe (FIFO), not a regular file"},
        {d, 100, false, "it is a folder, not a regular file"},
        {"/dev/zero", 100, false, "it is a character device, not a regular file"},
        {d + "missing", 100, false, "No such file or directory"},
    };
    for (const auto& c : cases) {
        const auto read = ReadSmallFile(c.path, c.limit);
        EXPECT_EQ(read.Ok(), c.read) << c.path;
        if (c.read) {
            EXPECT_EQ(*read, c.result) << c.path;
        } else {
            EXPECT_NE(read.Error().find(c.result), std::string::npos) << c.path << ": " << read.Error();
        }
    }
}

TEST(FileAccess, Utf8Names)
{
    const struct {
        std::string text;
        bool valid;
    } cases[] = {
        {"flight.alt", true},
        {"Flug \u00FCber Th\u00FCringen.alt", true},  // written as UTF-8
        {"\xF0\x9F\x9B\xA9.alt", true},
        {"a\xFF.alt", false},
        {"a\xC3.alt", false},                 // cut short
        {"\xC0\xAF", false},                  // an overlong slash
        {"\xED\xA0\x80", false},              // a surrogate
        {"\xF4\x90\x80\x80", false},          // past U+10FFFF
        {std::string("\xEF\xBF\xBD"), true},  // U+FFFD itself is a character
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(FileAccess, WhatTakesATargetsPlaceAfterTheWriterOpenedIsNeverReplaced)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    WriteText(QString::fromStdString(d + "elsewhere"), "elsewhere");
    const struct {
        const char* what;
        std::function<int(const std::string&)> put;  // puts something in the target's place
        std::string errorPart;
    } cases[] = {
        {"a named pipe", [](const std::string& p) { return mkfifo(p.c_str(), 0600); }, "a named pipe (FIFO)"},
        {"a symbolic link", [&](const std::string& p) { return symlink((d + "elsewhere").c_str(), p.c_str()); },
         "a symbolic link"},
        {"a folder", [](const std::string& p) { return mkdir(p.c_str(), 0700); }, "a folder"},
    };
    for (const auto& c : cases) {
        for (const bool existed : {false, true}) {
            const std::string target = d + "target";
            unlink(target.c_str());
            rmdir(target.c_str());
            if (existed)
                WriteText(QString::fromStdString(target), "before");
            SafeFileWriter writer;
            ASSERT_TRUE(writer.Open(target).Ok()) << c.what;
            ASSERT_TRUE(writer.Write("the new bytes"));
            unlink(target.c_str());
            ASSERT_EQ(c.put(target), 0) << c.what;
            const Status committed = writer.Commit();
            ASSERT_FALSE(committed.Ok()) << c.what << (existed ? " over a file" : "");
            EXPECT_NE(committed.Error().find(c.errorPart), std::string::npos) << committed.Error();
            struct stat st {};
            ASSERT_EQ(lstat(target.c_str(), &st), 0);
            EXPECT_FALSE(S_ISREG(st.st_mode)) << c.what;
        }
    }
    EXPECT_EQ(FileBytes(QString::fromStdString(d + "elsewhere")), "elsewhere");
    EXPECT_TRUE(QDir(dir.path()).entryList({".nivra-*"}, QDir::Hidden | QDir::Files).isEmpty());
}

TEST(FileAccess, AFailedFlushToDiskKeepsTheOldFile)
{
    QTemporaryDir dir;
    const std::string target = dir.path().toStdString() + "/log.alt";
    WriteText(QString::fromStdString(target), "the old flights");
    SafeFileWriter writer;
    ASSERT_TRUE(writer.Open(target).Ok());
    writer.m_sync = [](int) {
        errno = EIO;
        return -1;
    };
    ASSERT_TRUE(writer.Write("new flights that never reached the disk"));
    const Status committed = writer.Commit();
    ASSERT_FALSE(committed.Ok());
    EXPECT_NE(committed.Error().find(std::strerror(EIO)), std::string::npos) << committed.Error();
    EXPECT_EQ(FileBytes(QString::fromStdString(target)), "the old flights");
    EXPECT_TRUE(QDir(dir.path()).entryList({".nivra-*"}, QDir::Hidden | QDir::Files).isEmpty());
}

TEST(FileAccess, ANewFileHasThePermissionsTheUmaskLeaves)
{
    QTemporaryDir dir;
    const mode_t before = umask(0);
    const struct {
        mode_t umask, mode;
    } cases[] = {{022, 0644}, {077, 0600}, {002, 0664}, {0, 0666}};
    for (const auto& c : cases) {
        umask(c.umask);
        const std::string path = dir.path().toStdString() + "/new-" + std::to_string(c.umask);
        const Status written = WriteFileSafely(path, "bytes");
        umask(0);
        ASSERT_TRUE(written.Ok()) << written.Error();
        struct stat st {};
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode) << "umask " << c.umask;
    }
    umask(before);
}
