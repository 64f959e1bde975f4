#pragma once

#include <QString>
#include <optional>

// What the label-template editor holds: the lengths in centimetres as shown,
// the counts as whole numbers.
struct TLabelEditorValues {
    QString Nazwa;
    double Gorny = 0;
    double Boczny = 0;
    double Wysokosc = 0;
    double Szerokosc = 0;
    double OdstPoz = 0;
    double OdstPion = 0;
    int LiczbaPoz = 1;
    int LiczbaPion = 1;
};

// The editor's fields, for the one a failed check moves the focus to.
enum class TLabelEditorField { Nazwa, Gorny, Boczny, Wysokosc, Szerokosc, OdstPoz, OdstPion };

struct TLabelCheckFailure {
    QString Message;
    TLabelEditorField Focus;
};

// Longest name the table keeps.
inline constexpr int LabelNameMaxLength = 30;
// Largest length an edit takes, in centimetres: its stored value always fits the column.
inline constexpr double LabelLengthMaxCm = 9999.99;

// A length in centimetres as stored, in tenths of a millimetre: rounded to the
// nearest, halves away from zero.
int StoredLength(double cm);
// A stored length shown in centimetres.
double ShownLength(int stored);

// The first check the values fail, in the order the editor runs them; nothing
// when they may be saved. Lengths are judged as they would be stored.
std::optional<TLabelCheckFailure> CheckLabelTemplate(const TLabelEditorValues &values);
