#include "app/settings_store.h"

#include <cstring>

#include <QByteArray>
#include <QSettings>
#include <QStandardPaths>

QSettingsStore::QSettingsStore() : QSettingsStore(DefaultPath())
{
}

std::string QSettingsStore::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
           "/Nivra/Nivra.conf";
}

QSettingsStore::QSettingsStore(const std::string& path)
    : m_settings(std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat))
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

bool QSettingsStore::Flush(std::string* error)
{
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;
    if (error)
        *error = m_settings->status() == QSettings::AccessError
                     ? "cannot write " + FileName()
                     : "the settings file " + FileName() + " is malformed";
    return false;
}

std::string QSettingsStore::FileName() const
{
    return m_settings->fileName().toStdString();
}
