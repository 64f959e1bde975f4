#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class Registry;

// Position and size of one window at a time, kept under
// "\Software\Dovren\<AppKey>\<Section>" as "Left", "Top", "Width", "Height".
class TWindow {
public:
    QString Section;
    QString AppKey;
    int32_t Left = 0; // never negative
    int32_t Top = 0;  // never negative
    int32_t Width = 0;
    int32_t Height = 0;

    void SetWindowSection(const QString &name) { Section = name; }
    void SetWindowLeft(int32_t v) { Left = v < 0 ? 0 : v; }
    void SetWindowTop(int32_t v) { Top = v < 0 ? 0 : v; }
    void SetWindowWidth(int32_t v) { Width = v; }
    void SetWindowHeight(int32_t v) { Height = v; }

    // False when the key does not exist (the fields stay as they were). A
    // missing or non-integer value throws RegistryError.
    bool LoadWindowPlacement();
    void SaveWindowPlacement() const;

private:
    QString keyPath() const;
};

// The four placement values of a key, each read on its own: one that is
// missing or not a number stays unset.
struct StoredBounds {
    std::optional<int> Left, Top, Width, Height;
};

// Nothing when the key does not exist.
std::optional<StoredBounds> ReadStoredBounds(const QString &key);
// Opens the key, creating it when missing, and writes the four values.
void WriteStoredBounds(const QString &key, int left, int top, int width, int height);

// An integer value of the open key, or nothing when it is missing or not a number.
std::optional<int> ReadOptionalInteger(const Registry &reg, const QString &name);
