// The viscosity work tables and the check of typed numbers.
#include "data/uDataModule.h"

#include "platform/Numbers.h"

#include <array>

TTable *TdmDataModule::ViscosityTable(int slot) const
{
    return std::array{ tblViscosity1, tblViscosity2, tblViscosity3, tblViscosity4 }.at(slot - 1);
}

static TTable::Record ViscosityRecord(const TdmDataModule::ViscosityRow &row)
{
    return { { QStringLiteral("X"), row.x },
             { QStringLiteral("VISCO"), row.visco },
             { QStringLiteral("UKLAD"), row.system } };
}

void TdmDataModule::AppendViscosity(int slot, const QString &system, double x, double visco)
{
    ViscosityTable(slot)->AppendRecord(ViscosityRecord({ system, x, visco }));
}

void TdmDataModule::ReplaceViscosityRows(int slot, const std::vector<ViscosityRow> &rows)
{
    std::vector<TTable::Record> records;
    for (const ViscosityRow &row : rows)
        records.push_back(ViscosityRecord(row));
    ViscosityTable(slot)->ReplaceAll(records);
}

static Exception IncorrectFormat(const QString &s)
{
    return Exception(QStringLiteral("Incorrect data format : ") + s);
}

Fixed TdmDataModule::TypedNumber(const QString &s)
{
    return Numbers::StrToCurr(CheckNumber(s));
}

int TdmDataModule::TypedWholeNumber(const QString &s)
{
    const QString checked = CheckNumber(s);
    if (checked.isEmpty() || checked.contains(u','))
        throw IncorrectFormat(s);
    return Numbers::StrToInt(checked);
}

QString TdmDataModule::CheckNumber(const QString &s)
{
    const QString trimmed = Numbers::Trim(s);
    QString result;
    for (QChar c : trimmed) {
        if (c == u'.')
            result += u',';
        else if (c == u',' || (c >= u'0' && c <= u'9'))
            result += c;
        else
            throw IncorrectFormat(s);
    }
    return result;
}
