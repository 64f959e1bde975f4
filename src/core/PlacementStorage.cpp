#include "core/PlacementStorage.h"

#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

int PlacementStorage::ReadInteger(const QString &section, const QString &ident, int def)
{
    bool ok = false;
    const int v = ReadString(section, ident, QString()).trimmed().toInt(&ok);
    return ok ? v : def;
}

void PlacementStorage::WriteInteger(const QString &section, const QString &ident, int value)
{
    WriteString(section, ident, QString::number(value));
}

// ---------------------------------------------------------------- INI file

IniStorage::IniStorage(const QString &fileName) : fileName_(fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    Section *current = nullptr;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            sections_.append({line.mid(1, line.size() - 2), {}});
            current = &sections_.last();
        } else if (current && line.contains(u'=')) {
            const qsizetype eq = line.indexOf(u'=');
            current->values.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
        }
    }
}

IniStorage::~IniStorage()
{
    try {
        Close();
    } catch (...) {
        // Told already, or cannot be; nothing leaves a destructor.
    }
}

IniStorage::Section *IniStorage::Find(const QString &name)
{
    for (Section &s : sections_)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

QString IniStorage::ReadString(const QString &section, const QString &ident, const QString &def)
{
    if (Section *s = Find(section))
        for (const auto &[key, value] : s->values)
            if (key.compare(ident, Qt::CaseInsensitive) == 0) {
                if (value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') && value.back() == value[0])
                    return value.mid(1, value.size() - 2);
                return value;
            }
    return def;
}

void IniStorage::WriteString(const QString &section, const QString &ident, const QString &value)
{
    QString stored = value;
    if (value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') && value.back() == value[0])
        stored = u'"' + value + u'"';
    Section *s = Find(section);
    if (!s) {
        sections_.append({section, {}});
        s = &sections_.last();
    }
    dirty_ = true;
    for (auto &entry : s->values)
        if (entry.first.compare(ident, Qt::CaseInsensitive) == 0) {
            entry.second = stored;
            return;
        }
    s->values.append({ident, stored});
}

bool IniStorage::Close()
{
    if (!dirty_)
        return true;
    dirty_ = false;
    QDir().mkpath(QFileInfo(fileName_).absolutePath());
    QSaveFile file(fileName_);
    bool stored = file.open(QIODevice::WriteOnly | QIODevice::Text);
    if (stored) {
        QTextStream out(&file);
        for (const Section &s : sections_) {
            out << '[' << s.name << "]\n";
            for (const auto &[key, value] : s.values)
                out << key << '=' << value << '\n';
            out << '\n';
        }
        out.flush();
        stored = file.commit();
    }
    if (!stored)
        ReportSettingsNotStored(fileName_);
    return stored;
}

// ---------------------------------------------------------------- settings store

RegistryStorage::RegistryStorage(const QString &rootKey, bool readOnly)
    : registry_(std::make_unique<Registry>()), rootKey_(rootKey), readOnly_(readOnly)
{
}

RegistryStorage::~RegistryStorage() = default;

bool RegistryStorage::Open(const QString &section, bool create)
{
    const QString key = section.isEmpty() ? rootKey_ : rootKey_ + u'\\' + section;
    return registry_->OpenKey(key, create);
}

QString RegistryStorage::ReadString(const QString &section, const QString &ident, const QString &def)
{
    if (!Open(section, false) || !registry_->ValueExists(ident))
        return def;
    return registry_->ReadString(ident);
}

void RegistryStorage::WriteString(const QString &section, const QString &ident, const QString &value)
{
    if (readOnly_ || !Open(section, true))
        return;
    registry_->WriteString(ident, value);
}
