#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class Registry;

// Where saved placements live: sections of string values, read with defaults.
class PlacementStorage {
public:
    virtual ~PlacementStorage() = default;
    virtual QString ReadString(const QString &section, const QString &ident, const QString &def) = 0;
    virtual void WriteString(const QString &section, const QString &ident, const QString &value) = 0;
    int ReadInteger(const QString &section, const QString &ident, int def);
    void WriteInteger(const QString &section, const QString &ident, int value);
};

// An INI file read whole and written back, when changed, by Close or the destructor;
// a file that cannot be written is told (ReportSettingsNotStored).
// A value that begins and ends with the same quote character is stored inside
// one more pair of double quotes, since reading strips one pair.
class IniStorage : public PlacementStorage {
public:
    explicit IniStorage(const QString &fileName);
    ~IniStorage() override;
    QString ReadString(const QString &section, const QString &ident, const QString &def) override;
    void WriteString(const QString &section, const QString &ident, const QString &value) override;
    bool Close(); // false when the file could not be written

private:
    struct Section {
        QString name;
        QList<QPair<QString, QString>> values;
    };
    Section *Find(const QString &name);

    QString fileName_;
    QList<Section> sections_;
    bool dirty_ = false;
};

// The settings store: each section is a subkey of the root key.
class RegistryStorage : public PlacementStorage {
public:
    RegistryStorage(const QString &rootKey, bool readOnly);
    ~RegistryStorage() override;
    QString ReadString(const QString &section, const QString &ident, const QString &def) override;
    void WriteString(const QString &section, const QString &ident, const QString &value) override;

private:
    bool Open(const QString &section, bool create);

    std::unique_ptr<Registry> registry_;
    QString rootKey_;
    bool readOnly_;
};
