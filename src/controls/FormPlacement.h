#pragma once

#include "controls/WindowHook.h"
#include "core/PlacementStorage.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

enum TPlacementOption { fpState = 1, fpPosition = 2, fpActiveControl = 4 };
using TPlacementOptions = int;

// Limits of a window's size; 0 means not set.
struct TWinMinMaxInfo {
    int MaxPosLeft = 0;
    int MaxPosTop = 0;
    int MaxSizeHeight = 0;
    int MaxSizeWidth = 0;
    int MaxTrackHeight = 0;
    int MaxTrackWidth = 0;
    int MinTrackHeight = 0;
    int MinTrackWidth = 0;
    bool IsEmpty() const;
    bool operator==(const TWinMinMaxInfo &) const = default;
};

// Position, size and state of a window in a section of the storage.
void WriteFormPlacement(QWidget *form, PlacementStorage &storage, const QString &section);
void ReadFormPlacement(QWidget *form, PlacementStorage &storage, const QString &section, bool loadState,
                       bool loadPosition);
// A form's class name; a widget's form class and its own name; another
// object "<owner class>.<name>".
QString GetDefaultSection(const QObject *component);
// "<program>.INI" next to the settings file.
QString GetDefaultIniName();
// "Software\<program>".
QString GetDefaultIniRegKey();

class TPlacementStore;

// Lets another object keep its own values in a placement's storage.
class TPlacementLink : public QObject {
    Q_OBJECT
public:
    explicit TPlacementLink(TPlacementStore *store);
    ~TPlacementLink() override;
    TPlacementStore *Store() const { return store_; }
    PlacementStorage *Storage() const;
    QString RootSection() const;

signals:
    void OnSave();
    void OnLoad();

private:
    QPointer<TPlacementStore> store_;
};

// Saves its form's placement when the form closes and restores it when the
// form is first shown; can limit or fix the form's size.
class TPlacementStore : public QObject {
    Q_OBJECT
public:
    explicit TPlacementStore(QWidget *form);
    ~TPlacementStore() override;

    QWidget *Form() const { return form_; }
    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }
    QString IniFileName() const { return iniFileName_; }
    void SetIniFileName(const QString &name) { iniFileName_ = name; }
    QString IniSection() const;
    void SetIniSection(const QString &section) { iniSection_ = section; }
    TWinMinMaxInfo MinMaxInfo() const { return minMaxInfo_; }
    void SetMinMaxInfo(const TWinMinMaxInfo &info);
    TPlacementOptions Options() const { return options_; }
    void SetOptions(TPlacementOptions options) { options_ = options; }
    bool PreventResize() const { return preventResize_; }
    void SetPreventResize(bool prevent);
    // Only the current user's store exists here; other roots read and write it too.
    int RegistryRoot() const { return registryRoot_; }
    void SetRegistryRoot(int root) { registryRoot_ = root; }
    bool UseRegistry() const { return useRegistry_; }
    void SetUseRegistry(bool use) { useRegistry_ = use; }
    int Version() const { return version_; }
    void SetVersion(int version) { version_ = version; }
    bool Restored() const { return restored_; }
    bool Saved() const { return saved_; }

    void SaveFormPlacement();
    void RestoreFormPlacement();
    QString ReadString(const QString &ident, const QString &def);
    void WriteString(const QString &ident, const QString &value);
    int ReadInteger(const QString &ident, int def);
    void WriteInteger(const QString &ident, int value);

    // The storage while a save or restore runs, else none.
    PlacementStorage *Storage() const { return storage_.get(); }

signals:
    void OnSavePlacement();
    void OnRestorePlacement();

private:
    friend class TPlacementLink;
    std::unique_ptr<PlacementStorage> OpenStorage(bool readOnly) const;
    void Save(bool destroying);
    void ApplyMinMax();
    void FormEvent(QEvent *event);

    QPointer<QWidget> form_;
    TExWindowHook hook_;
    std::unique_ptr<PlacementStorage> storage_;
    QList<TPlacementLink *> links_;
    bool active_ = true;
    QString iniFileName_;
    QString iniSection_;
    TWinMinMaxInfo minMaxInfo_;
    TPlacementOptions options_ = fpState | fpPosition;
    bool preventResize_ = false;
    bool hadMaximizeButton_ = false;
    int registryRoot_ = 0;
    bool useRegistry_ = false;
    int version_ = 0;
    bool restored_ = false;
    bool saved_ = false;
    bool shown_ = false;
};
