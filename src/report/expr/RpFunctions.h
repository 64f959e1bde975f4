#pragma once

#include "report/expr/RpEvElements.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

using TRpFunctionFactory = std::unique_ptr<TRpEvElementFunction> (*)();

// One built-in function: its name, "syntax|explanation" for the expression
// builder, its argument code (a category digit, then one letter an argument:
// N numeric, S text, B boolean, V any value) and the element that computes it.
struct TRpLibraryEntry {
    QString Name;
    QString Description;
    QString ArgCode;
    QString Vendor;
    TRpFunctionFactory Create = nullptr;
};

// Entries by name (letter case ignored) and by index.
class TRpLibrary {
public:
    void Add(TRpLibraryEntry entry);
    int Count() const { return int(entries_.size()); }
    const TRpLibraryEntry &Entry(int index) const { return entries_.at(size_t(index)); }
    const TRpLibraryEntry *Find(const QString &name) const;

private:
    std::vector<TRpLibraryEntry> entries_;
};

// The library of the expression language, with its 21 functions.
class TRpFunctionLibrary : public TRpLibrary {
public:
    TRpFunctionLibrary();
};

TRpFunctionLibrary &FunctionLibrary();
void RegisterRpFunction(TRpFunctionFactory create, const QString &name, const QString &description,
                        const QString &argCode, const QString &vendor);
// A new element of the named function, or an error element with "Unknown function : %s".
std::unique_ptr<TRpEvElement> CreateRpFunction(const QString &name);

// The categories of the argument codes, indexed by their first digit.
QStringList RpFunctionCategories();
