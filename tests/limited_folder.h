#pragma once

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QString>

// A folder where writing can be made to fail as it fails for users: a small file system of its
// own (a tmpfs, when this process may mount one) that can be filled up or made read-only, or,
// without that right, a plain folder whose write permission is taken away.
class LimitedFolder {
public:
    explicit LimitedFolder(const QString& path, unsigned long kib = 256) : m_path(path)
    {
        QDir().mkpath(path);
        const QByteArray where = QFile::encodeName(path);
        const QByteArray options = "size=" + QByteArray::number(static_cast<qulonglong>(kib)) + "k,mode=0755";
        m_mounted = mount("nivra-test", where.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~LimitedFolder()
    {
        const QByteArray where = QFile::encodeName(m_path);
        if (m_mounted)
            umount2(where.constData(), MNT_DETACH);
        else
            chmod(where.constData(), 0755);
    }
    LimitedFolder(const LimitedFolder&) = delete;
    LimitedFolder& operator=(const LimitedFolder&) = delete;

    const QString& Path() const { return m_path; }
    QString FilePath(const QString& name) const { return m_path + '/' + name; }
    bool Mounted() const { return m_mounted; }

    // Takes away the right to write into the folder; false where that cannot be done (a
    // process that may not mount but ignores permissions).
    bool MakeReadOnly()
    {
        const QByteArray where = QFile::encodeName(m_path);
        if (m_mounted)
            return mount("nivra-test", where.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        if (geteuid() == 0)
            return false;
        return chmod(where.constData(), 0555) == 0;
    }

    // Fills the file system to the last byte; false where the folder has no size limit.
    bool Fill()
    {
        if (!m_mounted)
            return false;
        QFile filler(FilePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // Whatever is left is smaller than a block.
        while (filler.write("x", 1) == 1 && filler.flush()) {
        }
        return true;
    }

private:
    QString m_path;
    bool m_mounted = false;
};
