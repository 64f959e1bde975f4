#pragma once

#include <QString>
#include <memory>
#include <stdexcept>

class QSettings;

// The key of an application's settings, "\Software\Dovren\<app>".
QString ApplicationKey(const QString &app);
// The program's own key, "\Software\Dovren\Quarn", or a key below it
// ("\Software\Dovren\Quarn\MainGrid").
QString ProgramKey(const QString &subKey = QString());

// Tells the user, once per run and file, that the settings file could not be
// written and that changed settings will not outlive the run.
void ReportSettingsNotStored(const QString &fileName);

// A value that is missing or of the wrong kind.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The program's settings store for the current user. Keys keep
// the program's names ("\Software\Dovren\Quarn\MainGrid", value "Col1"); they
// live in an INI file, $XDG_CONFIG_HOME/Dovren/Quarn.ini. A key exists once it
// holds a value. Writes reach the file when the key is closed (also by opening
// another key or by the destructor); a file that cannot be written is told
// through ReportSettingsNotStored and the program carries on.
class Registry {
public:
    Registry();
    ~Registry();
    Registry(const Registry &) = delete;
    Registry &operator=(const Registry &) = delete;

    // The INI file in use; QUARN_SETTINGS replaces it when set (tests).
    static QString FileName();

    // Opens a key; without create, a key that does not exist is not opened.
    bool OpenKey(const QString &key, bool create);
    // False when what was written could not be stored.
    bool CloseKey();
    bool KeyExists(const QString &key) const;
    QString CurrentPath() const { return path_; }

    bool ValueExists(const QString &name) const;
    int ReadInteger(const QString &name) const;    // throws RegistryError
    QString ReadString(const QString &name) const; // empty when missing
    bool ReadBool(const QString &name) const;      // throws RegistryError
    void WriteInteger(const QString &name, int value);
    void WriteString(const QString &name, const QString &value);
    void WriteBool(const QString &name, bool value);
    void DeleteValue(const QString &name);

private:
    QString fullName(const QString &name) const;
    void requireOpen() const;

    std::unique_ptr<QSettings> settings_;
    QString path_; // open key as a settings group, empty when none
    bool open_ = false;
    bool written_ = false; // since the last close
};
