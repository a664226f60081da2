#pragma once

#include <string>
#include <vector>

#include "base/result.h"

// The files last opened or saved, newest first, kept in a small INI file of their own beside
// the settings.
class RecentFiles {
public:
    static constexpr size_t kMax = 8;

    // Reads the list from the file (an empty list when it does not exist).
    explicit RecentFiles(std::string path);

    const std::vector<std::string>& Paths() const { return m_paths; }
    // Puts a file first (once, however it was named before), keeping at most kMax.
    void Add(const std::string& absolutePath);
    void Remove(const std::string& absolutePath);
    // The folder a file was last opened from, saved to or exported to; empty when none was.
    const std::string& LastFolder() const { return m_lastFolder; }
    void SetLastFolder(std::string folder) { m_lastFolder = std::move(folder); }
    // Writes the list and the folder; fails with a reason when they could not be kept.
    Status Save() const;

private:
    std::string m_path;
    std::vector<std::string> m_paths;
    std::string m_lastFolder;
};
