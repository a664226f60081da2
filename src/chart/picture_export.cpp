#include "chart/picture_export.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include "base/file_access.h"

Status ExportJpeg(const std::string& path, const QImage& picture)
{
    return ExportPicture(path, picture, "jpeg");
}

Status ExportPicture(const std::string& path, const QImage& picture, const char* format)
{
    if (picture.isNull())
        return Fail("there is no picture of the chart to write");
    // Encoded in memory first, so that a failing encoder leaves no half-written file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return Fail("the picture could not be encoded: no buffer for it");
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture))
        return Fail("the picture could not be encoded: " + writer.errorString().toStdString());
    return WriteFileSafely(path, bytes.toStdString());
}
