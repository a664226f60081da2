#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/result.h"

// The memory images as received, each in a file of the folder named by its SHA-256
// ("images/<sha256>.mem"). Named by content, two processes keeping different images at once
// never pick the same name, and the same image is one file however often it is kept.
class ImageStore {
public:
    explicit ImageStore(std::string folder) : m_folder(std::move(folder)) {}

    const std::string& Folder() const { return m_folder; }
    // The SHA-256 of an image, in lower-case hex.
    static std::string HashOf(const std::vector<uint8_t>& image);
    // Where an image of this hash is kept.
    std::string PathOf(const std::string& hash) const;
    // Writes the image (safely: a kill leaves the old file or the new one) unless its file
    // holds it already, and gives its path; or why it could not be written.
    Result<std::string> Keep(const std::vector<uint8_t>& image, const std::string& hash) const;
    // Writes the image again at the path it was kept at, if the file is gone: true when it was
    // written.
    static Result<bool> Restore(const std::string& path, const std::vector<uint8_t>& image);

private:
    std::string m_folder;
};
