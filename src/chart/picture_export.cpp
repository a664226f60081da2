#include "chart/picture_export.h"

#include <QBuffer>
#include <QCoreApplication>
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
        return Fail(
            QCoreApplication::translate("PictureExport", "there is no picture of the chart to write").toStdString());
    // Encoded in memory first, so that a failing encoder leaves no half-written file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return Fail(QCoreApplication::translate("PictureExport", "the picture could not be encoded: no buffer for it")
                        .toStdString());
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture))
        return Fail(QCoreApplication::translate("PictureExport", "the picture could not be encoded: %1")
                        .arg(writer.errorString())
                        .toStdString());
    return WriteFileSafely(path, bytes.toStdString());
}
