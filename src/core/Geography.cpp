#include "core/Geography.h"

namespace {

const Voivodeship VoivodeshipTable[] = {{u'D', u"dolnośląskie"},   {u'P', u"kujawsko-pomorskie"},
                                        {u'L', u"lubelskie"},      {u'B', u"lubuskie"},
                                        {u'C', u"łódzkie"},        {u'M', u"małopolskie"},
                                        {u'R', u"mazowieckie"},    {u'U', u"opolskie"},
                                        {u'K', u"podkarpackie"},   {u'O', u"podlaskie"},
                                        {u'F', u"pomorskie"},      {u'G', u"śląskie"},
                                        {u'S', u"świętokrzyskie"}, {u'J', u"warmińsko-mazurskie"},
                                        {u'W', u"wielkopolskie"},  {u'Z', u"zachodniopomorskie"}};

const District DistrictTable[] = {
#include "core/Districts.inc"
};

} // namespace

std::span<const Voivodeship> Voivodeships()
{
    return VoivodeshipTable;
}

std::span<const District> Districts()
{
    return DistrictTable;
}

QString VoivodeshipNameForCode(const QString &code)
{
    if (code.size() != 1)
        return QString();
    for (const Voivodeship &v : VoivodeshipTable)
        if (code[0] == QChar(v.Code))
            return QString::fromUtf16(v.Name);
    return QString();
}

QString VoivodeshipCodeForName(const QString &name)
{
    const QString s = name.toLower().trimmed();
    for (const Voivodeship &v : VoivodeshipTable)
        if (s == QStringView(v.Name))
            return QString(QChar(v.Code));
    return QString();
}

QString DistrictNameForCode(const QString &code)
{
    if (code.size() != 2)
        return QString();
    for (const District &d : DistrictTable)
        if (code == QStringView(d.Code))
            return QString::fromUtf16(d.Text);
    return QString();
}

int ContinentIndex(const QString &code)
{
    for (int i = 1; i < int(ContinentTable.size()); ++i)
        if (code == ContinentTable[i])
            return i;
    return 0;
}

int ContinentTableIndex(const QString &code)
{
    // The table's first entry is the empty text, so an absent code and an
    // empty one both give 0, exactly as the continent codes do.
    return ContinentIndex(code);
}
