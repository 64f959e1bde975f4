#include "exchange/LabelTemplateStore.h"

#include "core/FDM.h"

namespace {

// Length columns and the editor value each comes from.
struct LengthColumn {
    const char *field;
    double TLabelEditorValues::*value;
};

const LengthColumn LengthColumns[] = {
    {"MARG_G", &TLabelEditorValues::Gorny},         {"MARG_L", &TLabelEditorValues::Boczny},
    {"ODSTEP_PION", &TLabelEditorValues::OdstPion}, {"ODSTEP_POZ", &TLabelEditorValues::OdstPoz},
    {"WYSOKOSC", &TLabelEditorValues::Wysokosc},    {"SZEROKOSC", &TLabelEditorValues::Szerokosc},
};

}

TLabelEditorValues ReadLabelTemplate(DataSet &etykiety)
{
    TLabelEditorValues v;
    v.Nazwa = etykiety.FieldByName(QStringLiteral("NAZWA"))->AsString();
    for (const LengthColumn &c : LengthColumns)
        v.*c.value = ShownLength(etykiety.FieldByName(QString::fromLatin1(c.field))->AsInteger());
    v.LiczbaPion = etykiety.FieldByName(QStringLiteral("LICZBA_PION"))->AsInteger();
    v.LiczbaPoz = etykiety.FieldByName(QStringLiteral("LICZBA_POZ"))->AsInteger();
    return v;
}

void SaveLabelTemplate(TDM &dm, const TLabelEditorValues &values, bool inserting,
                       const std::function<int()> &newId)
{
    FbTable &t = dm.Etykiety;
    if (!t.Active())
        dm.OpenEtykiety();
    try {
        if (inserting) {
            t.Insert();
            t.FieldByName(QStringLiteral("ETYKIETAID"))->SetAsInteger(newId());
        } else {
            t.Edit();
        }
        t.FieldByName(QStringLiteral("NAZWA"))->SetAsString(values.Nazwa);
        for (const LengthColumn &c : LengthColumns)
            t.FieldByName(QString::fromLatin1(c.field))->SetAsInteger(StoredLength(values.*c.value));
        t.FieldByName(QStringLiteral("LICZBA_PION"))->SetAsInteger(values.LiczbaPion);
        t.FieldByName(QStringLiteral("LICZBA_POZ"))->SetAsInteger(values.LiczbaPoz);
        t.Post();
    } catch (...) {
        // A row left half-edited would be posted by the next move of the table.
        t.Cancel();
        throw;
    }
    dm.trEtykiety.CommitRetaining();
}

void DeleteLabelTemplate(TDM &dm)
{
    dm.Etykiety.Delete();
    dm.trEtykiety.CommitRetaining();
}

int RunNewTemplateId(FbTransaction &trNewId, FbStoredProc &getNewId)
{
    FbTransactionScope scope(trNewId);
    getNewId.ExecProc();
    return getNewId.ColumnByName(QStringLiteral("NUM"))->AsInteger();
}
