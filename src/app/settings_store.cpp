#include "app/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

QSettingsStore::QSettingsStore() : QSettingsStore(DefaultPath()) {}

std::string QSettingsStore::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() + "/Nivra/Nivra.conf";
}

QSettingsStore::QSettingsStore(const std::string& path)
    : m_read(FileStamp::Of(path)),
      m_settings(std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat))
{
}

QSettingsStore::~QSettingsStore() = default;

SettingsStore::ReadResult QSettingsStore::Read(const char* name, void* buffer, size_t size)
{
    ReadResult result;
    const QVariant value = m_settings->value(QString::fromLatin1(name));
    if (!value.isValid())
        return result;
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
    m_settings->setValue(QString::fromLatin1(name),
                         QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size)));
}

void QSettingsStore::WriteText(const char* name, const std::string& text)
{
    m_settings->setValue(QString::fromLatin1(name), QString::fromStdString(text));
}

QSettingsStore::FileStamp QSettingsStore::FileStamp::Of(const std::string& path)
{
    FileStamp stamp;
    struct stat st {};
    if (stat(path.c_str(), &st) == 0)
        stamp = {true,
                 static_cast<unsigned long long>(st.st_dev),
                 static_cast<unsigned long long>(st.st_ino),
                 static_cast<unsigned long long>(st.st_size),
                 static_cast<long long>(st.st_mtim.tv_sec),
                 static_cast<long long>(st.st_mtim.tv_nsec),
                 static_cast<long long>(st.st_ctim.tv_sec),
                 static_cast<long long>(st.st_ctim.tv_nsec)};
    return stamp;
}

Status QSettingsStore::Lock()
{
    if (m_lock)
        return {};
    // The lock lies beside the file, whose folder a first run has still to make.
    QDir().mkpath(QFileInfo(m_settings->fileName()).path());
    // Not the file Qt locks inside a write of its own, which waits for it.
    auto lock = std::make_unique<QLockFile>(m_settings->fileName() + QStringLiteral(".writer-lock"));
    lock->setStaleLockTime(30000);
    if (!lock->tryLock(m_lockWaitMs))
        return Fail(lock->error() == QLockFile::LockFailedError
                        ? "the settings file " + FileName() + " stays locked by another writer"
                        : "cannot lock the settings file " + FileName() + " for writing");
    m_lock = std::move(lock);
    return {};
}

void QSettingsStore::Unlock()
{
    m_lock.reset();
}

void QSettingsStore::Reload()
{
    // With nothing of its own to write, a sync reads what the file holds now, but only when its
    // size or its time of change to the millisecond differs from what QSettings noted at its last
    // read. It notes that time after it has opened the file, so a file another writer put in
    // place between the two looks read already, and the next write would bring back the old
    // values. When the file is not the one this store read, its time is moved on by a
    // millisecond, which no time noted before can equal.
    const std::string path = FileName();
    const FileStamp before = m_read;
    m_read = FileStamp::Of(path);
    if (m_read.exists && !(m_read == before)) {
        const long long ns = m_read.nanoseconds + 1'000'000;
        const timespec times[2] = {{0, UTIME_OMIT},
                                   {static_cast<time_t>(m_read.seconds + ns / 1'000'000'000), ns % 1'000'000'000}};
        (void)utimensat(AT_FDCWD, path.c_str(), times, 0);  // a file that cannot take it cannot be written either
        m_read = FileStamp::Of(path);
    }
    m_settings->sync();
}

StoreResult QSettingsStore::Flush()
{
    const bool ownLock = !m_lock;
    if (ownLock) {
        if (Status locked = Lock(); !locked)
            return Fail(locked.Error());
    }
    const std::string path = FileName();
    const bool damaged = m_settings->status() == QSettings::FormatError;
    const FileStamp before = FileStamp::Of(path);
    m_settings->sync();
    const QSettings::Status status = m_settings->status();
    m_read = FileStamp::Of(path);
    const bool rewritten = !(m_read == before);
    if (ownLock)
        Unlock();
    if (status == QSettings::AccessError)
        return Fail("cannot write " + path);
    if (status == QSettings::NoError && !damaged)
        return std::string();
    // Qt writes what it has even over a file it could not read whole: say what happened.
    if (rewritten)
        return "the settings file " + path +
               " was damaged; it was written anew with the values that could be read from it";
    return Fail("the settings file " + path + " is malformed and was not written");
}

std::string QSettingsStore::FileName() const
{
    return m_settings->fileName().toStdString();
}
