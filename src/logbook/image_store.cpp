#include "logbook/image_store.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <string_view>

#include "base/file_access.h"
#include "base/tr_text.h"

namespace {

QByteArrayView BytesOf(const std::vector<uint8_t>& image)
{
    return {reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size())};
}

// Whether the file holds exactly these bytes.
bool Holds(const QString& path, const std::vector<uint8_t>& image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != static_cast<qint64>(image.size()))
        return false;
    return file.readAll() == BytesOf(image);
}

Status Write(const std::string& path, const std::vector<uint8_t>& image)
{
    return WriteFileSafely(path, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
}

}  // namespace

std::string ImageStore::HashOf(const std::vector<uint8_t>& image)
{
    return QCryptographicHash::hash(BytesOf(image), QCryptographicHash::Sha256).toHex().toStdString();
}

std::string ImageStore::PathOf(const std::string& hash) const
{
    return m_folder + "/" + hash + ".mem";
}

Result<std::string> ImageStore::Keep(const std::vector<uint8_t>& image, const std::string& hash) const
{
    if (!QDir().mkpath(QString::fromStdString(m_folder)))
        return Fail(TrText("ImageStore",
                           QT_TRANSLATE_NOOP("ImageStore",
                                             "the memory image could not be written: the folder %1 "
                                             "cannot be made"),
                           {m_folder}));
    const std::string path = PathOf(hash);
    if (Holds(QString::fromStdString(path), image))
        return path;
    if (Status written = Write(path, image); !written)
        return Fail(TrText("ImageStore",
                           QT_TRANSLATE_NOOP("ImageStore", "the memory image could not be written to %1: %2"),
                           {path, written.Error()}));
    return path;
}

Result<bool> ImageStore::Restore(const std::string& path, const std::vector<uint8_t>& image)
{
    if (QFile::exists(QString::fromStdString(path)))
        return false;
    if (Status written = Write(path, image); !written)
        return Fail(TrText("ImageStore",
                           QT_TRANSLATE_NOOP("ImageStore", "the memory image could not be written again to %1: %2"),
                           {path, written.Error()}));
    return true;
}
