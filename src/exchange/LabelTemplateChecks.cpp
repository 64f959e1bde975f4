#include "exchange/LabelTemplateChecks.h"

#include <algorithm>
#include <cmath>

namespace {

using F = TLabelEditorField;
using Failure = std::optional<TLabelCheckFailure>;

// Smallest pitch and size a sheet may have, in millimetres.
const int MinAcrossMm = 64;
const int MinDownMm = 24;

// One direction of the sheet: its words in the messages, its smallest length and its fields.
struct Axis {
    const char *direction; // "w poziomie"
    const char *sizeName;  // "szerokości", as in "od szerokości etykiety"
    const char *size;      // "Szerokość"
    int minMm;
    F pitchField;
    F sizeField;
};

const Axis Across{"w poziomie", "szerokości", "Szerokość", MinAcrossMm, F::OdstPoz, F::Szerokosc};
const Axis Down{"w pionie", "wysokości", "Wysokość", MinDownMm, F::OdstPion, F::Wysokosc};

QString Utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// Lengths in tenths of a millimetre, as stored.
Failure CheckPitch(int pitch, int size, const Axis &a)
{
    const QString start = QStringLiteral("Odstęp między etykietami ") + Utf8(a.direction);
    if (pitch <= 0)
        return TLabelCheckFailure{start + QStringLiteral(" musi być podany."), a.pitchField};
    if (pitch < a.minMm * 10)
        return TLabelCheckFailure{start + QStringLiteral(" nie może być mniejszy niż %1 mm.").arg(a.minMm),
                                  a.pitchField};
    if (pitch < size)
        return TLabelCheckFailure{start + QStringLiteral(" musi być równy lub większy\rod ") +
                                      Utf8(a.sizeName) + QStringLiteral(" etykiety."),
                                  a.pitchField};
    return std::nullopt;
}

Failure CheckSize(int size, const Axis &a)
{
    const QString start = Utf8(a.size) + QStringLiteral(" etykiety");
    if (size <= 0)
        return TLabelCheckFailure{start + QStringLiteral(" musi być podana."), a.sizeField};
    if (size < a.minMm * 10)
        return TLabelCheckFailure{start + QStringLiteral(" nie może być mniejsza niż %1 mm.").arg(a.minMm),
                                  a.sizeField};
    return std::nullopt;
}

}

int StoredLength(double cm)
{
    const double limit = std::round(LabelLengthMaxCm * 100);
    return int(std::round(std::clamp(cm * 100, -limit, limit)));
}

double ShownLength(int stored)
{
    return stored / 100.0;
}

std::optional<TLabelCheckFailure> CheckLabelTemplate(const TLabelEditorValues &v)
{
    if (v.Nazwa.trimmed().isEmpty())
        return TLabelCheckFailure{QStringLiteral("Nazwa etykiety musi być podana."), F::Nazwa};
    // The column holds 30 characters; a longer name would be cut short without a word.
    if (v.Nazwa.size() > LabelNameMaxLength)
        return TLabelCheckFailure{
            QStringLiteral("Nazwa etykiety nie może być dłuższa niż %1 znaków.").arg(LabelNameMaxLength),
            F::Nazwa};
    // Judged as the save will write them.
    const int wysokosc = StoredLength(v.Wysokosc);
    const int szerokosc = StoredLength(v.Szerokosc);
    if (Failure f = CheckPitch(StoredLength(v.OdstPoz), szerokosc, Across))
        return f;
    if (Failure f = CheckPitch(StoredLength(v.OdstPion), wysokosc, Down))
        return f;
    if (Failure f = CheckSize(wysokosc, Down))
        return f;
    if (Failure f = CheckSize(szerokosc, Across))
        return f;
    // Labels are placed from the page's corner: a negative margin puts them off the sheet.
    if (StoredLength(v.Gorny) < 0)
        return TLabelCheckFailure{QStringLiteral("Margines górny nie może być ujemny."), F::Gorny};
    if (StoredLength(v.Boczny) < 0)
        return TLabelCheckFailure{QStringLiteral("Margines boczny nie może być ujemny."), F::Boczny};
    return std::nullopt;
}
