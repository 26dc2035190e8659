#pragma once

#include "platform/Dataset.h"
#include "platform/Fixed.h"

struct TTempLineRec;

#include <QString>

#include <array>
#include <vector>

// Names of the module's components; the SQL texts are in QueryCatalogue.
#define VIRELT_QUERIES(X)                                                                          \
    X(qrSelect)                                                                                    \
    X(qrTabUkl) X(qrWlasnosci) X(qrX) X(qrPierwiastki) X(qrAutor) X(qrAutor1) X(qrEut)             \
        X(qrPublikacje) X(qrRownania) X(qrRownania2) X(qrPunkty1) X(qrPunkty2) X(qrPunkty3) X(     \
            qrPunkty4) X(qrMinMax1) X(qrMinMax2) X(qrMinMax3) X(qrMinMax4) X(qrLinie) X(qrDane45)  \
            X(qrDane452) X(qrWyniki45) X(qrWyniki452) X(qrWyniki453) X(qrWyniki454) X(qrUkl11)     \
                X(qrUkl12) X(qrUkl13) X(qrUkl14) X(qrUkl21) X(qrUkl22) X(qrUkl23) X(qrUkl24)       \
                    X(qrUkl31) X(qrUkl32) X(qrUkl33) X(qrUkl34) X(qrUkl4542) X(qrUkl4541)          \
                        X(qrUkl4543) X(qrUkl4544) X(qrUkl52) X(qrUkl51) X(qrUkl53) X(qrUkl54)      \
                            X(qrMinMax1M) X(qrMinMax2M) X(qrMinMax3M) X(qrMinMax4M)                \
                                X(qrPunktyTemp) X(qrPunktyTemp2) X(qrPunktyTemp451)                \
                                    X(qrPunktyTemp452) X(qrPunktyDos) X(qrPunktyD) X(qrPunkty45)   \
                                        X(qrFig) X(qrMenisk) X(qrAutorMenisk) X(qrSelectMeniskFig) \
                                            X(qrMeniskFig) X(qrDTA) X(qrExp) X(qrExp2) X(qrExp3)   \
                                                X(qrExp4) X(qrUkl3) X(qrUkl4) X(qrDaneWlasnosci)   \
                                                    X(qrPunkty) X(qrAutorT) X(qrAproksymacja)      \
                                                        X(qrAproksymacja2) X(qrAproksymacja3)      \
                                                            X(qrAproksymacja4) X(qrUkl41)          \
                                                                X(qrUkl42) X(qrUkl43) X(qrUkl44)   \
                                                                    X(qrUkl2) X(qrUkl5) X(qrMasa)

#define VIRELT_TABLES(X) X(tblViscosity1) X(tblViscosity2) X(tblViscosity3) X(tblViscosity4)

#define VIRELT_DATA_SOURCES(X)                                                                     \
    X(dsSelect)                                                                                    \
    X(dsTabUkl) X(dsWlasnosci) X(dsX) X(dsPierwiastki) X(dsAutor) X(dsAutor1) X(dsEut)             \
        X(dsPublikacje) X(dsRownania) X(dsRownania2) X(dsPunkty1) X(dsPunkty2) X(dsPunkty3) X(     \
            dsPunkty4) X(dsMinMax1) X(dsMinMax2) X(dsMinMax3) X(dsMinMax4) X(dsLinie) X(dsDane45)  \
            X(dsDane452) X(dsWyniki45) X(dsWyniki452) X(dsWyniki453) X(dsWyniki454) X(dsUkl11) X(  \
                dsUkl12) X(dsUkl13) X(dsUkl14) X(dsUkl21) X(dsUkl22) X(dsUkl23) X(dsUkl24)         \
                X(dsUkl31) X(dsUkl32) X(dsUkl33) X(dsUkl34) X(dsUkl4542) X(dsUkl4541) X(dsUkl4543) \
                    X(dsUkl4544) X(dsUkl52) X(dsUkl51) X(dsUkl53) X(dsUkl54) X(dsMinMax1M)         \
                        X(dsMinMax2M) X(dsMinMax3M) X(dsMinMax4M) X(dsPunktyTemp) X(dsPunktyTemp2) \
                            X(dsPunktyTemp451) X(dsPunktyTemp452) X(dsPunktyDos) X(dsPunktyD)      \
                                X(dsPunkty45) X(dsFig) X(dsMenisk) X(dsAutorMenisk)                \
                                    X(dsSelecMeniskFig) X(dsMeniskFig) X(dsDTA) X(dsExp) X(dsExp2) \
                                        X(dsExp3) X(dsExp4) X(dsUkl3) X(dsUkl4) X(dsDaneWlasnosci) \
                                            X(dsPunkty) X(dsAutorT) X(dsAproksymacja)              \
                                                X(dsAproksymacja2) X(dsAproksymacja3) X(dsUkl41)   \
                                                    X(dsUkl42) X(dsUkl43) X(dsUkl44) X(dsUkl2)     \
                                                        X(dsUkl5) X(dsMasa) X(dsViscosity1)        \
                                                            X(dsViscosity2) X(dsViscosity3)        \
                                                                X(dsViscosity4)

// The one container of every dataset of the program. Windows bind their grids and combos to
// its data sources; its workers read the selection from the current rows of its own datasets
// and from the controls of the chart window.
class TdmDataModule : public TDataModule
{
    Q_OBJECT
public:
    TdmDataModule();
    ~TdmDataModule() override;

#define VIRELT_DECLARE_QUERY(name) TQuery *name = nullptr;
#define VIRELT_DECLARE_TABLE(name) TTable *name = nullptr;
#define VIRELT_DECLARE_SOURCE(name) TDataSource *name = nullptr;
    VIRELT_QUERIES(VIRELT_DECLARE_QUERY)
    VIRELT_TABLES(VIRELT_DECLARE_TABLE)
    VIRELT_DATA_SOURCES(VIRELT_DECLARE_SOURCE)
#undef VIRELT_DECLARE_QUERY
#undef VIRELT_DECLARE_TABLE
#undef VIRELT_DECLARE_SOURCE

    void DataModuleCreate();
    void InitDatabasePath();
    void SetDatabaseNames();
    void OpenStartQueries();
    void OpenSelect();
    void OpenWlasnosci();
    // Openers of the lookup and selection queries.
    void OpenTabUkl();
    void OpenX();
    void OpenPierwiastki();
    void OpenAutor();
    void OpenAutor1();
    void OpenEut();
    void OpenDane45();
    void OpenDane452();
    void OpenFig();
    void OpenMenisk();
    void OpenAutorMenisk();
    void OpenMeniskFig();
    void OpenSelectMeniskFig();
    void OpenDTA();

    // Families of queries with one member per temperature slot.
    enum class SlotFamily {
        Punkty,
        MinMax,
        MinMaxM,
        Exp,
        Wyniki45,
        UklPure,
        UklBinary,
        UklTernary,
        UklQuaternarySection,
        UklQuaternary,
        UklQuinary,
    };
    TQuery *SlotQuery(SlotFamily family, int slot) const;
    TDataSource *SourceOf(TDataSet *dataSet) const;

    // Isotherm workers of one temperature slot 1..4.
    void OpenPunkty(int slot);
    void OpenMinMax(int slot);
    void OpenMinMaxM(int slot);
    void OpenExp(int slot);
    void OpenWyniki45(int slot);
    // Molar volume: one of the Ukl families.
    void OpenMolarVolume(SlotFamily family, int slot);

    // Run-time SQL: the reference list, the lines of a temperature tab (1 or 2), the equations
    // of a tab's publication.
    void OpenPublikacje();
    void OpenLinie(int tab);
    void OpenRownania(int tab);
    // Reads the line of a tab's publication at the composition of the tab's current grid row
    // (`section`: a ternary or higher system). Fills `rec` only when the line has its two end
    // points, and says whether it did.
    bool GetTempLine(int tab, bool section, TTempLineRec &rec);

    // Measured points.
    void OpenPunktyDos();
    void OpenPunktyD();
    void OpenPunkty45();

    // The viscosity rows of a slot's work table.
    struct ViscosityRow
    {
        QString system;
        double x;
        double visco;
    };
    TTable *ViscosityTable(int slot) const;
    void AppendViscosity(int slot, const QString &system, double x, double visco);
    // Empties the slot's work table and fills it with the rows in one transaction, so a
    // failure leaves the rows it had.
    void ReplaceViscosityRows(int slot, const std::vector<ViscosityRow> &rows);

    // Trims a typed number and turns "." into ","; any character other than digits, "," and
    // "." raises "Incorrect data format : " followed by the text as typed.
    static QString CheckNumber(const QString &s);
    // A typed number: checked, normalised and converted.
    static Fixed TypedNumber(const QString &s);
    // A typed whole number, such as a temperature of the isotherms: the same check, and a
    // decimal separator or no digit at all raises the same message.
    static int TypedWholeNumber(const QString &s);

    void DataModuleDestroy();
    void Finish();
    void CloseAllQueries();

    const QString &DatabasePath() const
    {
        return FDatabasePath;
    }

    // Value texts at the smallest and the largest composition of a slot's latest
    // minimum/maximum query; slot 1..4.
    void SetMin(int slot, const QString &value)
    {
        FMin.at(slot - 1) = value;
    }
    void SetMax(int slot, const QString &value)
    {
        FMax.at(slot - 1) = value;
    }
    const QString &Min(int slot) const
    {
        return FMin.at(slot - 1);
    }
    const QString &Max(int slot) const
    {
        return FMax.at(slot - 1);
    }

private:
    // Which keys a slot worker sends beside system, publication and property.
    struct SlotKeys
    {
        bool densityRows = false; // molar volume reads the density rows
        bool section = false; // the eutectic section
    };
    // Gathers the keys, closes the slot's query (giving it `newText` when there is one) and sets
    // the keys and the slot's temperature.
    TQuery *PrepareSlot(
        SlotFamily family, int slot, SlotKeys keys, const QStringList &newText = {});

    QString FDatabasePath;
    std::array<QString, 4> FMin;
    std::array<QString, 4> FMax;
};

extern TdmDataModule *dmDataModule;
