#pragma once

#include <cstddef>
#include <memory>
#include <string>

class QSettings;

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
    // Pushes the writes out; false with a reason when they could not be stored.
    virtual bool Flush(std::string* error) = 0;
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
    bool Flush(std::string* error) override;

    std::string FileName() const;
    static std::string DefaultPath();

private:
    std::unique_ptr<QSettings> m_settings;
};
