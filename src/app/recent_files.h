#pragma once

#include <string>
#include <vector>

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
    // Writes the list; false with a reason when it could not be kept.
    bool Save(std::string* error) const;

private:
    std::string m_path;
    std::vector<std::string> m_paths;
};
