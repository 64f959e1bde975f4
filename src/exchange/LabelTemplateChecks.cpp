#include "exchange/LabelTemplateChecks.h"

#include <algorithm>
#include <cmath>

namespace {

// Smallest pitch and size a sheet may have, in millimetres.
const int MinAcrossMm = 64;
const int MinDownMm = 24;

const QChar CR = u'\r';

QString NotLessThan(const char *start, int mm)
{
    return QString::fromUtf8(start) + QString::number(mm) + QStringLiteral(" mm.");
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
    using F = TLabelEditorField;
    // Tenths of a millimetre, as the save will write them.
    const int odstPoz = StoredLength(v.OdstPoz);
    const int odstPion = StoredLength(v.OdstPion);
    const int wysokosc = StoredLength(v.Wysokosc);
    const int szerokosc = StoredLength(v.Szerokosc);

    if (v.Nazwa.trimmed().isEmpty())
        return TLabelCheckFailure{QStringLiteral("Nazwa etykiety musi być podana."), F::Nazwa};
    // The column holds 30 characters; a longer name would be cut short without a word.
    if (v.Nazwa.size() > LabelNameMaxLength)
        return TLabelCheckFailure{
            QStringLiteral("Nazwa etykiety nie może być dłuższa niż %1 znaków.").arg(LabelNameMaxLength), F::Nazwa};
    if (odstPoz <= 0)
        return TLabelCheckFailure{QStringLiteral("Odstęp między etykietami w poziomie musi być podany."), F::OdstPoz};
    if (odstPoz < MinAcrossMm * 10)
        return TLabelCheckFailure{NotLessThan("Odstęp między etykietami w poziomie nie może być mniejszy niż ",
                                              MinAcrossMm),
                                  F::OdstPoz};
    if (odstPoz < szerokosc)
        return TLabelCheckFailure{QStringLiteral("Odstęp między etykietami w poziomie musi być równy lub większy") +
                                      CR + QStringLiteral("od szerokości etykiety."),
                                  F::OdstPoz};
    if (odstPion <= 0)
        return TLabelCheckFailure{QStringLiteral("Odstęp między etykietami w pionie musi być podany."), F::OdstPion};
    if (odstPion < MinDownMm * 10)
        return TLabelCheckFailure{
            NotLessThan("Odstęp między etykietami w pionie nie może być mniejszy niż ", MinDownMm), F::OdstPion};
    if (odstPion < wysokosc)
        return TLabelCheckFailure{QStringLiteral("Odstęp między etykietami w pionie musi być równy lub większy") +
                                      CR + QStringLiteral("od wysokości etykiety."),
                                  F::OdstPion};
    if (wysokosc <= 0)
        return TLabelCheckFailure{QStringLiteral("Wysokość etykiety musi być podana."), F::Wysokosc};
    if (wysokosc < MinDownMm * 10)
        return TLabelCheckFailure{NotLessThan("Wysokość etykiety nie może być mniejsza niż ", MinDownMm),
                                  F::Wysokosc};
    if (szerokosc <= 0)
        return TLabelCheckFailure{QStringLiteral("Szerokość etykiety musi być podana."), F::Szerokosc};
    if (szerokosc < MinAcrossMm * 10)
        return TLabelCheckFailure{NotLessThan("Szerokość etykiety nie może być mniejsza niż ", MinAcrossMm),
                                  F::Szerokosc};
    return std::nullopt;
}
