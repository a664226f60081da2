#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "app/recent_files.h"

TEST(RecentFiles, NewestFirstOnceEachAtMostEight)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("recent-files.conf").toStdString();
    using List = std::vector<std::string>;
    const struct {
        const char* what;
        List added;
        List removed;
        List expected;
    } cases[] = {
        {"none", {}, {}, {}},
        {"newest first", {"/a.alt", "/b.alt"}, {}, {"/b.alt", "/a.alt"}},
        {"a file again moves to the front", {"/a.alt", "/b.alt", "/a.alt"}, {}, {"/a.alt", "/b.alt"}},
        {"eight kept", List{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"}, List(),
         List{"/10", "/9", "/8", "/7", "/6", "/5", "/4", "/3"}},
        {"removed", {"/a.alt", "/b.alt", "/c.alt"}, {"/b.alt", "/nothing"}, {"/c.alt", "/a.alt"}},
        {"an empty name is not a file", {"", "/a.alt", ""}, {}, {"/a.alt"}},
    };
    for (const auto& c : cases) {
        QFile::remove(QString::fromStdString(path));
        RecentFiles recent(path);
        for (const std::string& p : c.added)
            recent.Add(p);
        for (const std::string& p : c.removed)
            recent.Remove(p);
        EXPECT_EQ(recent.Paths(), c.expected) << c.what;
        ASSERT_TRUE(recent.Save().Ok()) << c.what;
        EXPECT_EQ(RecentFiles(path).Paths(), c.expected) << c.what << ", read again";
    }
}

TEST(RecentFiles, AHandEditedListIsCleanedUp)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("recent-files.conf");
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue("Files", QStringList{"/a", "/a", "", "/b", "/c", "/d", "/e", "/f", "/g", "/h", "/i"});
    }
    EXPECT_EQ(RecentFiles(path.toStdString()).Paths(),
              (std::vector<std::string>{"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h"}));
    // A list that cannot be written says so.
    RecentFiles nowhere(dir.filePath("no/such/folder/recent.conf").toStdString() + "/x");
    nowhere.Add("/a");
    QFile blocker(dir.filePath("no"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder would be
    blocker.close();
    const Status saved = nowhere.Save();
    ASSERT_FALSE(saved.Ok());
    EXPECT_EQ(saved.Error(), "the file cannot be written");
}
