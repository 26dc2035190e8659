// Workers of the isotherms at the temperature slots 1..4: values, end points, molar volumes,
// the viscosity work tables and the sections of ternary and higher systems.
#include "data/ChartInputs.h"
#include "data/Worker.h"
#include "data/uDataModule.h"

using Worker::Key;

namespace {

QString SlotName(const char *pattern, int slot)
{
    return QString::fromLatin1(pattern).arg(slot);
}

// The name of a family member: the first member of some families has no slot digit.
QString MemberName(const char *first, const char *pattern, int slot)
{
    return slot == 1 ? QString::fromLatin1(first) : SlotName(pattern, slot);
}

void SetSlotTemperature(TQuery *query, int slot)
{
    query->ParamByName(QStringLiteral("t%1").arg(slot))
        .SetValue(ChartInputs::Open().Temperature(slot));
}

void SetDisplayFormat(TQuery *query, const QString &field)
{
    query->FieldByName(field).SetDisplayFormat(QStringLiteral("#.##"));
}

} // namespace

TQuery *TdmDataModule::SlotQuery(SlotFamily family, int slot) const
{
    QString name;
    switch (family) {
    case SlotFamily::Punkty:
        name = SlotName("qrPunkty%1", slot);
        break;
    case SlotFamily::MinMax:
        name = SlotName("qrMinMax%1", slot);
        break;
    case SlotFamily::MinMaxM:
        name = SlotName("qrMinMax%1M", slot);
        break;
    case SlotFamily::Exp:
        name = MemberName("qrExp", "qrExp%1", slot);
        break;
    case SlotFamily::Wyniki45:
        name = MemberName("qrWyniki45", "qrWyniki45%1", slot);
        break;
    case SlotFamily::UklPure:
        name = SlotName("qrUkl1%1", slot);
        break;
    case SlotFamily::UklBinary:
        name = SlotName("qrUkl2%1", slot);
        break;
    case SlotFamily::UklTernary:
        name = SlotName("qrUkl3%1", slot);
        break;
    case SlotFamily::UklQuaternarySection:
        name = SlotName("qrUkl454%1", slot);
        break;
    case SlotFamily::UklQuaternary:
        name = SlotName("qrUkl4%1", slot);
        break;
    case SlotFamily::UklQuinary:
        name = SlotName("qrUkl5%1", slot);
        break;
    }
    TQuery *query = findChild<TQuery *>(name);
    if (!query)
        throw Exception(QStringLiteral("No query %1").arg(name));
    return query;
}

TDataSource *TdmDataModule::SourceOf(TDataSet *dataSet) const
{
    for (TDataSource *source : findChildren<TDataSource *>())
        if (source->DataSet() == dataSet)
            return source;
    return nullptr;
}

// Molar volume is computed from the density rows of the publication.
static int DensityForMolarVolume(int property)
{
    return property == 3 ? 1 : property;
}

TQuery *TdmDataModule::PrepareSlot(
    SlotFamily family, int slot, SlotKeys keys, const QStringList &newText)
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    const int publication = Key(qrAutor, "ID_PUBLIKACJI");
    const int id = Key(qrWlasnosci, "ID_WLASCIWOSCI");
    const int property = keys.densityRows ? DensityForMolarVolume(id) : id;
    const QVariant eutectic
        = keys.section ? QVariant(ChartInputs::Open().GetEutecticId(1)) : QVariant();
    TQuery *query = SlotQuery(family, slot);
    query->Close();
    if (!newText.isEmpty())
        query->SetSQL(newText);
    Worker::Prepare(query,
        { { "lUklad", system }, { "lPublikacja", publication }, { "lWlasciwosc", property } });
    if (keys.section)
        query->ParamByName(QStringLiteral("lEut")).SetValue(eutectic);
    SetSlotTemperature(query, slot);
    return query;
}

void TdmDataModule::OpenPunkty(int slot)
{
    // The first slot's text also selects the row key in front of its persistent fields.
    static const QStringList keyedText {
        QStringLiteral("SELECT DANE_WLASNOSCI.ID_DANE_WLA, X  X, A+B*:t1 DensityT1"),
        QStringLiteral("from DANE_WLASNOSCI"),
        QStringLiteral("WHERE"),
        QStringLiteral("(DANE_WLASNOSCI . ID_WLASCIWOSCI =:lWlasciwosc) AND"),
        QStringLiteral("(DANE_WLASNOSCI . ID_TAB_UKL =:lUklad) AND"),
        QStringLiteral("(DANE_WLASNOSCI . ID_PUBLIKACJI =:lPublikacja) "),
        QStringLiteral("ORDER BY  DANE_WLASNOSCI.X"),
    };
    TQuery *query
        = PrepareSlot(SlotFamily::Punkty, slot, {}, slot == 1 ? keyedText : QStringList());
    SetDisplayFormat(query, QStringLiteral("DensityT%1").arg(slot));
    Worker::OpenProtected(query);
}

void TdmDataModule::OpenMinMax(int slot)
{
    TQuery *query = PrepareSlot(SlotFamily::MinMax, slot, {});
    if (!Worker::OpenProtected(query) || query->IsEmpty())
        return; // the slot's end-point texts keep their old values
    const QString field = QStringLiteral("DensityT%1").arg(slot);
    query->First();
    SetMin(slot, query->FieldByName(field).AsString());
    query->Last();
    SetMax(slot, query->FieldByName(field).AsString());
}

void TdmDataModule::OpenMinMaxM(int slot)
{
    Worker::OpenProtected(PrepareSlot(SlotFamily::MinMaxM, slot, { true, false }));
}

void TdmDataModule::OpenExp(int slot)
{
    TQuery *query = SlotQuery(SlotFamily::Exp, slot);
    query->Close();
    SetDisplayFormat(query, QStringLiteral("Visco"));
    Worker::OpenProtected(query);
}

void TdmDataModule::OpenWyniki45(int slot)
{
    TQuery *query = PrepareSlot(SlotFamily::Wyniki45, slot, { false, true });
    SetDisplayFormat(query, QStringLiteral("DensityT%1").arg(slot));
    Worker::OpenProtected(query);
}

void TdmDataModule::OpenMolarVolume(SlotFamily family, int slot)
{
    const bool section = family != SlotFamily::UklPure && family != SlotFamily::UklBinary;
    TQuery *query = PrepareSlot(family, slot, { true, section });
    SetDisplayFormat(query, QStringLiteral("VT%1").arg(slot));
    Worker::OpenProtected(query);
}
