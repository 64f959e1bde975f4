#include "platform/Registry.h"

#include "platform/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

namespace {
// "\Software\Dovren\Quarn\MainGrid" -> "Software/Dovren/Quarn/MainGrid"
QString groupFor(const QString &key)
{
    QStringList parts = QString(key).replace('/', '\\').split('\\', Qt::SkipEmptyParts);
    return parts.join('/');
}
}

void ReportSettingsNotStored(const QString &fileName)
{
    static QSet<QString> told;
    const QString path = QFileInfo(fileName).absoluteFilePath();
    if (told.contains(path))
        return;
    told.insert(path);
    Messages::ShowWarning(QStringLiteral("Nie udało się zapisać ustawień programu w pliku:\n%1\n\n"
                                         "Zmienione ustawienia nie zostaną zapamiętane do następnego "
                                         "uruchomienia programu.")
                              .arg(QDir::toNativeSeparators(path)));
}

QString ApplicationKey(const QString &app)
{
    return QStringLiteral("\\Software\\Dovren\\") + app;
}

QString ProgramKey(const QString &subKey)
{
    const QString key = ApplicationKey(QStringLiteral("Quarn"));
    return subKey.isEmpty() ? key : key + u'\\' + subKey;
}

QString Registry::FileName()
{
    const QString over = qEnvironmentVariable("QUARN_SETTINGS");
    if (!over.isEmpty())
        return over;
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + "/.config";
    return base + "/Dovren/Quarn.ini";
}

Registry::Registry() : settings_(std::make_unique<QSettings>(FileName(), QSettings::IniFormat)) {}

Registry::~Registry()
{
    try {
        CloseKey();
    } catch (...) {
        // The user has been told, or cannot be; nothing leaves a destructor.
    }
}

bool Registry::KeyExists(const QString &key) const
{
    settings_->sync();
    const QString group = groupFor(key);
    if (group.isEmpty())
        return true;
    const QStringList all = settings_->allKeys();
    const QString prefix = group + '/';
    for (const QString &k : all)
        if (k.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    return false;
}

bool Registry::OpenKey(const QString &key, bool create)
{
    CloseKey();
    if (!create && !KeyExists(key))
        return false;
    path_ = groupFor(key);
    open_ = true;
    return true;
}

bool Registry::CloseKey()
{
    if (open_)
        settings_->sync();
    path_.clear();
    open_ = false;
    // Only a failed write counts: a format error met while reading the file
    // does not stop it from being written.
    const bool stored = !written_ || settings_->status() != QSettings::AccessError;
    written_ = false;
    if (!stored)
        ReportSettingsNotStored(settings_->fileName());
    return stored;
}

QString Registry::fullName(const QString &name) const
{
    return path_.isEmpty() ? name : path_ + '/' + name;
}

void Registry::requireOpen() const
{
    if (!open_)
        throw RegistryError("Nie otwarto klucza rejestru");
}

bool Registry::ValueExists(const QString &name) const
{
    return open_ && settings_->contains(fullName(name));
}

int Registry::ReadInteger(const QString &name) const
{
    requireOpen();
    const QVariant v = settings_->value(fullName(name));
    bool ok = false;
    const int result = v.toString().toInt(&ok);
    if (!v.isValid() || !ok)
        throw RegistryError(QStringLiteral("Nieprawidłowy typ danych wartości „%1”").arg(name).toStdString());
    return result;
}

QString Registry::ReadString(const QString &name) const
{
    requireOpen();
    return settings_->value(fullName(name)).toString();
}

bool Registry::ReadBool(const QString &name) const
{
    return ReadInteger(name) != 0;
}

void Registry::WriteInteger(const QString &name, int value)
{
    requireOpen();
    settings_->setValue(fullName(name), value);
    written_ = true;
}

void Registry::WriteString(const QString &name, const QString &value)
{
    requireOpen();
    settings_->setValue(fullName(name), value);
    written_ = true;
}

void Registry::WriteBool(const QString &name, bool value)
{
    WriteInteger(name, value ? 1 : 0);
}

void Registry::DeleteValue(const QString &name)
{
    requireOpen();
    settings_->remove(fullName(name));
    written_ = true;
}
