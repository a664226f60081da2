#pragma once

#include <string>

#include "base/result.h"

class QImage;

// Each writer replaces the file only once the whole picture is encoded and written (the old one
// survives a failure) and gives the reason otherwise.

// The picture as a JPEG with the encoder's default quality.
Status ExportJpeg(const std::string& path, const QImage& picture);
// The picture in another format Qt writes ("png", "jpeg", ...).
Status ExportPicture(const std::string& path, const QImage& picture, const char* format);
