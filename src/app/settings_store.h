#pragma once

#include <QString>
#include <QVariant>

#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include "base/result.h"

class QLockFile;

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
    // Why the store's values could not be read (they are defaults then, and the store will not
    // write over what it could not read); empty when they were.
    virtual std::string ReadProblem() const { return {}; }
};

// Values kept in an INI file in QSettings' format: byte strings as byte arrays, texts as text.
// The store reads and writes the file's text itself, under its lock, through the safe writer;
// QSettings only turns values into text and back, on files of its own. So no file's time is
// ever touched, and a file another writer put in place is read whatever its size and time.
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
    // Under the store's lock (taken for the write when Lock has not): the file as it stands
    // now, with the values written since the last flush over it.
    StoreResult Flush() override;
    Status Lock() override;
    void Unlock() override;
    void Reload() override;
    std::string ReadProblem() const override { return m_readProblem; }

    std::string FileName() const { return m_path; }
    static std::string DefaultPath();

    // How long a write waits for another writer's lock; a whole write takes milliseconds.
    int m_lockWaitMs = 10000;

private:
    // The values the file holds now, and whether it was damaged (what could be read of it).
    struct FileValues {
        std::map<QString, QVariant> values;
        bool damaged = false;
        std::string unreadable;  // why a file that is there cannot be read; it is then not written over
    };
    FileValues ReadFile() const;

    std::string m_path;
    std::map<QString, QVariant> m_values;   // as read, with this store's writes
    std::map<QString, QVariant> m_pending;  // written since the last flush
    std::string m_readProblem;              // why the last read of the file failed, if it did
    std::unique_ptr<QLockFile> m_lock;      // held between Lock and Unlock
};
