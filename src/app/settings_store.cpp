#include "app/settings_store.h"

#include <cstring>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "base/file_access.h"

namespace {

// A settings file is a few kilobytes; one larger than this is no settings file.
constexpr size_t kLargestFile = 1 << 20;

// QSettings is the codec of the INI text, on a file in a folder of its own: its cache goes by a
// file's name, size and time, and such a file is named by nobody else.
struct IniText {
    std::map<QString, QVariant> values;
    bool damaged = false;  // what could be read of it
};

// The values of an INI text, or why it could not be decoded at all (no temporary file could
// hold it: a full /tmp, say). The file is then unreadable, never empty: it is not written over.
Result<IniText> Decode(const std::string& text)
{
    IniText decoded;
    if (text.empty())
        return decoded;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QFile file(path);
    const bool copied = dir.isValid() && file.open(QIODevice::WriteOnly) &&
                        file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                        file.flush();
    file.close();
    if (!copied || file.error() != QFileDevice::NoError)
        return Fail("no temporary copy of it can be made to read it (" +
                    (dir.isValid() ? file.errorString() : dir.errorString()).toStdString() + ")");
    const QSettings settings(path, QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
        decoded.values[key] = settings.value(key);
    decoded.damaged = settings.status() == QSettings::FormatError;
    return decoded;
}

Result<std::string> Encode(const std::map<QString, QVariant>& values)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return Fail("no temporary folder can be made: " + dir.errorString().toStdString());
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const auto& [key, value] : values)
            settings.setValue(key, value);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return Fail("the values could not be put into the settings format");
    }
    auto text = ReadSmallFile(path.toStdString(), kLargestFile);
    if (!text)
        return Fail(text.Error());
    if (text->size() > kLargestFile)
        return Fail("the values make a file larger than any settings file");
    return *text;
}

}  // namespace

QSettingsStore::QSettingsStore() : QSettingsStore(DefaultPath()) {}

std::string QSettingsStore::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() + "/Nivra/Nivra.conf";
}

QSettingsStore::QSettingsStore(const std::string& path) : m_path(path)
{
    Reload();
}

QSettingsStore::~QSettingsStore() = default;

QSettingsStore::FileValues QSettingsStore::ReadFile() const
{
    // A file that is not there (a first run) holds nothing.
    if (!QFileInfo::exists(QString::fromStdString(m_path)))
        return {};
    auto text = ReadSmallFile(m_path, kLargestFile);
    if (!text)
        return {{}, false, text.Error()};
    if (text->size() > kLargestFile)
        return {{}, false, "it is larger than any settings file"};
    auto decoded = Decode(*text);
    if (!decoded)
        return {{}, false, decoded.Error()};
    return {std::move(decoded->values), decoded->damaged, {}};
}

SettingsStore::ReadResult QSettingsStore::Read(const char* name, void* buffer, size_t size)
{
    ReadResult result;
    const auto found = m_values.find(QString::fromLatin1(name));
    if (found == m_values.end() || !found->second.isValid())
        return result;
    const QVariant& value = found->second;
    QByteArray bytes;
    switch (value.typeId()) {
    case QMetaType::QByteArray:
        result.type = ValueType::Binary;
        bytes = value.toByteArray();
        break;
    case QMetaType::QString:
        // A text is kept with its terminating zero, as a text value of the store holds it.
        result.type = ValueType::Text;
        bytes = value.toString().toUtf8();
        bytes.append('\0');
        break;
    default:
        result.type = ValueType::Other;
        bytes = value.toString().toUtf8();
        break;
    }
    result.length = static_cast<size_t>(bytes.size());
    if (result.length > size)
        return result;
    if (result.length > 0)
        std::memcpy(buffer, bytes.constData(), result.length);
    result.ok = true;
    return result;
}

void QSettingsStore::WriteBinary(const char* name, const void* data, size_t size)
{
    const QVariant value(QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size)));
    m_values[QString::fromLatin1(name)] = value;
    m_pending[QString::fromLatin1(name)] = value;
}

void QSettingsStore::WriteText(const char* name, const std::string& text)
{
    const QVariant value(QString::fromStdString(text));
    m_values[QString::fromLatin1(name)] = value;
    m_pending[QString::fromLatin1(name)] = value;
}

Status QSettingsStore::Lock()
{
    if (m_lock)
        return {};
    // The lock lies beside the file, whose folder a first run has still to make.
    QDir().mkpath(QFileInfo(QString::fromStdString(m_path)).path());
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(m_path) + QStringLiteral(".writer-lock"));
    lock->setStaleLockTime(30000);
    if (!lock->tryLock(m_lockWaitMs))
        return Fail(lock->error() == QLockFile::LockFailedError
                        ? "the settings file " + m_path + " stays locked by another writer"
                        : "cannot lock the settings file " + m_path + " for writing");
    m_lock = std::move(lock);
    return {};
}

void QSettingsStore::Unlock()
{
    m_lock.reset();
}

void QSettingsStore::Reload()
{
    // What the file holds now, with the writes not flushed yet over it.
    FileValues now = ReadFile();
    m_values = std::move(now.values);
    m_readProblem = std::move(now.unreadable);
    for (const auto& [key, value] : m_pending)
        m_values[key] = value;
}

StoreResult QSettingsStore::Flush()
{
    const bool ownLock = !m_lock;
    if (ownLock) {
        if (Status locked = Lock(); !locked)
            return Fail(locked.Error());
    }
    FileValues now = ReadFile();
    for (const auto& [key, value] : m_pending)
        now.values[key] = value;
    Status written;
    if (!m_readProblem.empty())
        // The values held were not read from the file (they are defaults): written over it, they
        // would replace what the pilot set, even if the file can be read by now.
        written = Fail("it could not be read (" + m_readProblem + "), and what it holds is not written over");
    else if (!now.unreadable.empty())
        written = Fail("it cannot be read (" + now.unreadable + "), and what it holds is not written over");
    else if (!m_pending.empty()) {
        auto text = Encode(now.values);
        written = text ? WriteFileSafely(m_path, *text) : Status(Fail(text.Error()));
    }
    if (ownLock)
        Unlock();
    if (!written)
        return Fail("cannot write " + m_path + ": " + written.Error());
    m_values = std::move(now.values);
    const bool rewritten = !m_pending.empty();
    m_pending.clear();
    if (!now.damaged)
        return std::string();
    // What could be read of a damaged file is kept: say what happened.
    if (rewritten)
        return "the settings file " + m_path +
               " was damaged; it was written anew with the values that could be read from it";
    return Fail("the settings file " + m_path + " is malformed and was not written");
}
