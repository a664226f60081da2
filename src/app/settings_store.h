#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "base/result.h"

class QLockFile;
class QSettings;

// What became of values pushed out to a store: stored, with a note of what else happened on
// the way (a damaged file written anew; empty when there is nothing to tell), or the reason
// they were not stored.
using StoreResult = Result<std::string>;

// A per-user store of named values: byte strings and texts.
class SettingsStore {
public:
    enum class ValueType { Binary, Text, Other };
    struct ReadResult {
        bool ok = false;  // false when missing or longer than the buffer
        ValueType type = ValueType::Other;
        size_t length = 0;  // bytes the value holds (a text counts its terminating zero)
    };

    virtual ~SettingsStore() = default;
    // Copies the value into buffer when it fits in size bytes.
    virtual ReadResult Read(const char* name, void* buffer, size_t size) = 0;
    virtual void WriteBinary(const char* name, const void* data, size_t size) = 0;
    virtual void WriteText(const char* name, const std::string& text) = 0;
    // Pushes the writes out and tells what became of them.
    virtual StoreResult Flush() = 0;

    // Keeps other writers, in this process and others, from the store until Unlock, so that
    // a change read, made and written in between loses none of theirs; the reason when the
    // store stays held by another writer.
    virtual Status Lock() { return {}; }
    virtual void Unlock() {}
    // Reads the values as they are stored now, which another writer may have changed.
    virtual void Reload() {}
};

// Values kept in an INI file through QSettings: byte strings as byte arrays, texts as text.
class QSettingsStore final : public SettingsStore {
public:
    // The user's own store ($XDG_CONFIG_HOME/Nivra/Nivra.conf on Linux).
    QSettingsStore();
    // A store in the given file (tests, nivra-tool).
    explicit QSettingsStore(const std::string& path);
    ~QSettingsStore() override;

    ReadResult Read(const char* name, void* buffer, size_t size) override;
    void WriteBinary(const char* name, const void* data, size_t size) override;
    void WriteText(const char* name, const std::string& text) override;
    // Takes the store's lock for the write when Lock has not.
    StoreResult Flush() override;
    Status Lock() override;
    void Unlock() override;
    void Reload() override;

    std::string FileName() const;
    static std::string DefaultPath();

    // How long a write waits for another writer's lock; a whole write takes milliseconds.
    int m_lockWaitMs = 10000;

private:
    // Which file the path held and how it stood: a rewrite puts a new file in its place.
    struct FileStamp {
        bool exists = false;
        unsigned long long device = 0, inode = 0, size = 0;
        long long seconds = 0, nanoseconds = 0;              // modified
        long long changeSeconds = 0, changeNanoseconds = 0;  // changed, which no one can set back
        bool operator==(const FileStamp&) const = default;
        static FileStamp Of(const std::string& path);
    };

    FileStamp m_read;  // the file as it stood before the values held now were read
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<QLockFile> m_lock;  // held between Lock and Unlock
};
