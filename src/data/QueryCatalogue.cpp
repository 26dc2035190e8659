#include "data/QueryCatalogue.h"

#include <stdexcept>

QStringList SlotChanged(const QStringList &sql, int from, int to)
{
    QStringList result;
    const QString a = QString::number(from), b = QString::number(to);
    for (QString line : sql) {
        line.replace(QStringLiteral("DensityT") + a, QStringLiteral("DensityT") + b);
        line.replace(QStringLiteral("VT") + a, QStringLiteral("VT") + b);
        line.replace(QStringLiteral("ST") + a, QStringLiteral("ST") + b);
        line.replace(QStringLiteral(":t") + a, QStringLiteral(":t") + b);
        result << line;
    }
    return result;
}

static const QStringList &Find(const std::vector<QueryDef> &catalogue, const char *name)
{
    for (const QueryDef &q : catalogue)
        if (qstrcmp(q.name, name) == 0)
            return q.sql;
    throw std::logic_error(name);
}

static std::vector<QueryDef> Build()
{
    std::vector<QueryDef> catalogue;
    catalogue.push_back({"qrSelect", "dsSelect", {
            "SELECT*",
            "FROM SELECT_SYSTEM",
        }, {}});
    catalogue.push_back({"qrTabUkl", "dsTabUkl", {
            "SELECT  *",
            "FROM TAB_UKL",
            "WHERE TAB_UKL . ID_SELECT =:lIdUkladu ",
            "ORDER BY OZNACZENIE",
        }, {}});
    catalogue.push_back({"qrWlasnosci", "dsWlasnosci", {
            "SELECT*",
            "FROM WLASNOSCI",
        }, {}});
    catalogue.push_back({"qrX", "dsX", {
            "SELECT  XP",
            "FROM TAB_UKL",
            "WHERE (TAB_UKL . ID_TAB_UKL =:lUklad)",
        }, {}});
    catalogue.push_back({"qrPierwiastki", "dsPierwiastki", {
            "SELECT TAB_UKL.OZNACZENIE, PIERWIASTKI.MASA_ATOMOWA, PIERWIASTKI.TEMP_TOPNIENIA, PIERWIASTKI.TEMP_WRZENIA, PIERWIASTKI.CRYSTAL_STRUCTURE, PIERWIASTKI.COVALENT_RADIUS, PIERWIASTKI.ATOMIC_RADIUS ",
            "FROM TAB_UKL, PIERWIASTKI ",
            "WHERE",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = PIERWIASTKI.ID_TAB_UKL)",
        }, {}});
    catalogue.push_back({"qrAutor", "dsAutor", {
            "SELECT PUBLIKACJE.*",
            "FROM  PUBLIKACJE, WLASNOSCI, WLA_TAB_PUB, TAB_UKL",
            "WHERE ",
            "(WLASNOSCI . ID_WLASCIWOSCI  =:lWlasciwosc) AND (TAB_UKL . ID_TAB_UKL =:lUklad) ",
            "AND (PUBLIKACJE . ID_PUBLIKACJI = WLA_TAB_PUB . ID_PUBLIKACJI) AND",
            "(WLA_TAB_PUB. ID_WLASCIWOSCI = WLASNOSCI . ID_WLASCIWOSCI ) AND",
            "(WLA_TAB_PUB . ID_TAB_UKL = TAB_UKL . ID_TAB_UKL) ",
            "ORDER BY  PUBLIKACJE . ROK",
        }, {}});
    catalogue.push_back({"qrAutor1", "dsAutor1", {
            "SELECT PUBLIKACJE.*",
            "FROM  PUBLIKACJE, WLASNOSCI, WLA_TAB_PUB, TAB_UKL",
            "WHERE ",
            "(WLASNOSCI . ID_WLASCIWOSCI  =:lWlasciwosc) AND (TAB_UKL . ID_TAB_UKL =:lUklad) ",
            "AND (PUBLIKACJE . ID_PUBLIKACJI = WLA_TAB_PUB . ID_PUBLIKACJI) AND",
            "(WLA_TAB_PUB. ID_WLASCIWOSCI = WLASNOSCI . ID_WLASCIWOSCI ) AND",
            "(WLA_TAB_PUB . ID_TAB_UKL = TAB_UKL . ID_TAB_UKL)",
            "ORDER BY  PUBLIKACJE . ROK",
        }, {}});
    catalogue.push_back({"qrEut", "dsEut", {
            "SELECT *",
            "FROM   EUT,  TAB_UKL",
            "WHERE ",
            "(TAB_UKL . ID_TAB_UKL =:lUklad) AND",
            "(EUT . ID_TAB_UKL = TAB_UKL . ID_TAB_UKL) ",
            "ORDER BY EUT.ID_EUT",
        }, {}});
    catalogue.push_back({"qrPublikacje", "dsPublikacje", {
            "SELECT OZNACZENIE, NAZWISKA,  TYTUL,  WOLUMIN,  STRONY,  ROK, CZASOPISMO",
            "FROM  PUBLIKACJE",
            "WHERE ",
            " ID_PUBLIKACJI IN (2)",
        }, {}});
    catalogue.push_back({"qrRownania", "dsRownania", {
            "select  DANE_WLASNOSCI.X X,  DANE_WLASNOSCI.A A,  DANE_WLASNOSCI.B B",
            "from DANE_WLASNOSCI, PUBLIKACJE",
            "WHERE",
            "(DANE_WLASNOSCI.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI.ID_TAB_UKL =:lUklad) AND",
            "(PUBLIKACJE.OZNACZENIE =:lPublikacja) AND",
            "(PUBLIKACJE.ID_PUBLIKACJI = DANE_WLASNOSCI.ID_PUBLIKACJI)",
            "ORDER BY DANE_WLASNOSCI.X",
        }, {}});
    catalogue.push_back({"qrRownania2", "dsRownania2", {
            "select  DANE_WLASNOSCI.X X,  DANE_WLASNOSCI.A A,  DANE_WLASNOSCI.B B",
            "from DANE_WLASNOSCI, PUBLIKACJE",
            "WHERE",
            "(DANE_WLASNOSCI.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI.ID_TAB_UKL =:lUklad) AND",
            "(PUBLIKACJE.OZNACZENIE =:lPublikacja) AND",
            "(PUBLIKACJE.ID_PUBLIKACJI = DANE_WLASNOSCI.ID_PUBLIKACJI)",
            "ORDER BY DANE_WLASNOSCI.X",
        }, {}});
    catalogue.push_back({"qrPunkty1", "dsPunkty1", {
            "select X  X,  A+ B *:t1 DensityT1",
            "from DANE_WLASNOSCI",
            "WHERE ",
            "(DANE_WLASNOSCI . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI . ID_TAB_UKL =:lUklad) AND",
            "(DANE_WLASNOSCI . ID_PUBLIKACJI =:lPublikacja)",
            "ORDER BY  DANE_WLASNOSCI.X",
        }, {{"X", TFieldType::ftFloat, 0}, {"DensityT1", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrPunkty2", "dsPunkty2", SlotChanged(Find(catalogue, "qrPunkty1"), 1, 2), {{"X", TFieldType::ftFloat, 0}, {"DensityT2", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrPunkty3", "dsPunkty3", SlotChanged(Find(catalogue, "qrPunkty1"), 1, 3), {{"X", TFieldType::ftFloat, 0}, {"DensityT3", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrPunkty4", "dsPunkty4", SlotChanged(Find(catalogue, "qrPunkty1"), 1, 4), {{"X", TFieldType::ftFloat, 0}, {"DensityT4", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrMinMax1", "dsMinMax1", {
            "SELECT X  X,  A+ B *:t1 DensityT1",
            "FROM DANE_WLASNOSCI",
            "WHERE",
            "(DANE_WLASNOSCI.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI.ID_TAB_UKL =:lUklad) AND",
            "(DANE_WLASNOSCI.ID_PUBLIKACJI =:lPublikacja) AND",
            "(X = ",
            "( SELECT MIN(X)",
            "  FROM DANE_WLASNOSCI",
            "  WHERE (DANE_WLASNOSCI.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "                 (DANE_WLASNOSCI.ID_TAB_UKL =:lUklad) AND",
            "                 (DANE_WLASNOSCI.ID_PUBLIKACJI =:lPublikacja)  ) ",
            "                OR",
            "                 X = ",
            "                 ( SELECT MAX(X)",
            "                   FROM DANE_WLASNOSCI",
            "                   WHERE (DANE_WLASNOSCI.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "                                  (DANE_WLASNOSCI.ID_TAB_UKL =:lUklad) AND",
            "                                   (DANE_WLASNOSCI.ID_PUBLIKACJI =:lPublikacja)  ) )",
        }, {}});
    catalogue.push_back({"qrMinMax2", "dsMinMax2", SlotChanged(Find(catalogue, "qrMinMax1"), 1, 2), {}});
    catalogue.push_back({"qrMinMax3", "dsMinMax3", SlotChanged(Find(catalogue, "qrMinMax1"), 1, 3), {}});
    catalogue.push_back({"qrMinMax4", "dsMinMax4", SlotChanged(Find(catalogue, "qrMinMax1"), 1, 4), {}});
    catalogue.push_back({"qrLinie", "dsLinie", {
            "select X  X, T,  A+ B *:t1 DensityT1, A+ B *:t2 DensityT2, A+ B *:t3 DensityT3,  A+ B *:t4 DensityT4",
            "from DANE_WLASNOSCI_T",
            "WHERE ",
            "(DANE_WLASNOSCI_T . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI_T . ID_TAB_UKL =:lUklad) AND",
            "(DANE_WLASNOSCI_T . ID_PUBLIKACJI =:lPublikacja) AND",
            "X = 1",
        }, {}});
    catalogue.push_back({"qrDane45", "dsDane45", {
            "select   UKLAD, A,  B, X, Nr",
            "from DANE45",
            "WHERE",
            "(DANE45.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE45.ID_TAB_UKL =:lUklad) AND",
            "(DANE45.ID_PUBLIKACJI =:lPublikacja) AND",
            "((DANE45.ID_EUTEKTYKI =:lEut) OR (DANE45.ID_EUTEKTYKI = 10))",
        }, {}});
    catalogue.push_back({"qrDane452", "dsDane452", {
            "select   UKLAD, A,  B, X, Nr",
            "from DANE45",
            "WHERE",
            "(DANE45.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE45.ID_TAB_UKL =:lUklad) AND",
            "(DANE45.ID_PUBLIKACJI =:lPublikacja) AND",
            "((DANE45.ID_EUTEKTYKI =:lEut) OR (DANE45.ID_EUTEKTYKI = 10))",
        }, {}});
    catalogue.push_back({"qrWyniki45", "dsWyniki45", {
            "select X, UKLAD SYSTEM, A+ B *:t1 DensityT1",
            "from DANE45",
            "WHERE ",
            "(DANE45.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE45.ID_TAB_UKL =:lUklad) AND",
            "(DANE45.ID_PUBLIKACJI =:lPublikacja) AND",
            "((DANE45.ID_EUTEKTYKI =:lEut) OR (DANE45.ID_EUTEKTYKI = 10))",
        }, {{"X", TFieldType::ftFloat, 0}, {"SYSTEM", TFieldType::ftString, 40}, {"DensityT1", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrWyniki452", "dsWyniki452", SlotChanged(Find(catalogue, "qrWyniki45"), 1, 2), {{"X", TFieldType::ftFloat, 0}, {"SYSTEM", TFieldType::ftString, 40}, {"DensityT2", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrWyniki453", "dsWyniki453", SlotChanged(Find(catalogue, "qrWyniki45"), 1, 3), {{"X", TFieldType::ftFloat, 0}, {"SYSTEM", TFieldType::ftString, 40}, {"DensityT3", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrWyniki454", "dsWyniki454", SlotChanged(Find(catalogue, "qrWyniki45"), 1, 4), {{"X", TFieldType::ftFloat, 0}, {"SYSTEM", TFieldType::ftString, 40}, {"DensityT4", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrUkl11", "dsUkl11", {
            "SELECT X, (PIERWIASTKI.MASA_ATOMOWA)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t1) VT1",
            "FROM TAB_UKL, PIERWIASTKI, DANE_WLASNOSCI",
            "WHERE",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = PIERWIASTKI.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_PUBLIKACJI =:lPublikacja)",
        }, {{"X", TFieldType::ftFloat, 0}, {"VT1", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrUkl12", "dsUkl12", SlotChanged(Find(catalogue, "qrUkl11"), 1, 2), {{"X", TFieldType::ftFloat, 0}, {"VT2", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrUkl13", "dsUkl13", SlotChanged(Find(catalogue, "qrUkl11"), 1, 3), {{"X", TFieldType::ftFloat, 0}, {"VT3", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrUkl14", "dsUkl14", SlotChanged(Find(catalogue, "qrUkl11"), 1, 4), {{"X", TFieldType::ftFloat, 0}, {"VT4", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrUkl21", "dsUkl21", {
            "SELECT X, (MASA_A* (1-X_B)+MASA_B*X_B)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t1) VT1 ",
            "FROM TAB_UKL, UKL_2, DANE_WLASNOSCI",
            "WHERE",
            "(DANE_WLASNOSCI.X = UKL_2.X_B) AND",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = UKL_2.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_PUBLIKACJI =:lPublikacja)",
            "ORDER BY   DANE_WLASNOSCI.X ",
        }, {{"X", TFieldType::ftFloat, 0}, {"VT1", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrUkl22", "dsUkl22", SlotChanged(Find(catalogue, "qrUkl21"), 1, 2), {{"X", TFieldType::ftFloat, 0}, {"VT2", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrUkl23", "dsUkl23", SlotChanged(Find(catalogue, "qrUkl21"), 1, 3), {{"X", TFieldType::ftFloat, 0}, {"VT3", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrUkl24", "dsUkl24", SlotChanged(Find(catalogue, "qrUkl21"), 1, 4), {{"X", TFieldType::ftFloat, 0}, {"VT4", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrUkl31", "dsUkl31", {
            "SELECT X,  (MASA_A* X_A +MASA_B*(1-(X_A+X_C))+MASA_C*X_C)/( DANE45.A+ DANE45.B *:t1) VT1,  DANE45.UKLAD",
            "FROM TAB_UKL, UKL_3,  DANE45",
            "WHERE",
            "( DANE45.X = UKL_3.X_C) AND",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = UKL_3.ID_TAB_UKL) AND",
            "( DANE45 . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "( DANE45 . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "( DANE45. ID_PUBLIKACJI =:lPublikacja)  AND",
            "(UKL_3.Nr =:lEut) AND",
            "((DANE45.ID_EUTEKTYKI =:lEut) OR (DANE45.ID_EUTEKTYKI = 10))",
            "ORDER BY   DANE45.X ",
        }, {{"X", TFieldType::ftFloat, 0}, {"VT1", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl32", "dsUkl32", SlotChanged(Find(catalogue, "qrUkl31"), 1, 2), {{"X", TFieldType::ftFloat, 0}, {"VT2", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl33", "dsUkl33", SlotChanged(Find(catalogue, "qrUkl31"), 1, 3), {{"X", TFieldType::ftFloat, 0}, {"VT3", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl34", "dsUkl34", SlotChanged(Find(catalogue, "qrUkl31"), 1, 4), {{"X", TFieldType::ftFloat, 0}, {"VT4", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl4542", "dsUkl4542", {
            "SELECT  X,  (MASA_A* X_A+MASA_B*X_B+MASA_C*(1-(X_A+X_B+X_D))+MASA_D*X_D)/( DANE45.A+ DANE45.B *:t2) VT2, DANE45.UKLAD",
            "FROM TAB_UKL, UKL_4, DANE45",
            "WHERE",
            "(DANE45.X = UKL_4.X_D) AND",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = UKL_4.ID_TAB_UKL) AND",
            "(DANE45 . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE45 . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "(DANE45. ID_PUBLIKACJI =:lPublikacja) AND",
            "((DANE45.ID_EUTEKTYKI =:lEut) OR (DANE45.ID_EUTEKTYKI = 10)) AND",
            "(UKL_4.Nr2 = DANE45.Nr) AND ",
            "(UKL_4.Nr = DANE45.ID_EUTEKTYKI) ",
            "ORDER BY   DANE45.X ",
        }, {{"X", TFieldType::ftFloat, 0}, {"VT2", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl4541", "dsUkl4541", {
            "SELECT  X,  (MASA_A* X_A+MASA_B*X_B+MASA_C*(1-(X_A+X_B+X_D))+MASA_D*X_D)/( DANE45.A+ DANE45.B *:t1) VT1, (DANE45.UKLAD)",
            "FROM TAB_UKL, UKL_4, DANE45",
            "WHERE",
            "(DANE45.X = UKL_4.X_D) AND",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = UKL_4.ID_TAB_UKL) AND",
            "(DANE45 . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE45 . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "(DANE45. ID_PUBLIKACJI =:lPublikacja) AND",
            "((DANE45.ID_EUTEKTYKI =:lEut) OR (DANE45.ID_EUTEKTYKI = 10)) AND",
            "(UKL_4.Nr2 = DANE45.Nr) AND ",
            "(UKL_4.Nr = DANE45.ID_EUTEKTYKI) ",
            "ORDER BY   DANE45.X ",
        }, {{"X", TFieldType::ftFloat, 0}, {"VT1", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl4543", "dsUkl4543", SlotChanged(Find(catalogue, "qrUkl4542"), 2, 3), {{"X", TFieldType::ftFloat, 0}, {"VT3", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl4544", "dsUkl4544", SlotChanged(Find(catalogue, "qrUkl4542"), 2, 4), {{"X", TFieldType::ftFloat, 0}, {"VT4", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl52", "dsUkl52", {
            "SELECT X, (MASA_A* X_A+MASA_B*X_B+MASA_C*X_C + MASA_D*(1-(X_A+X_B+X_C+X_E))+MASA_E*X_E)/( DANE45.A+ DANE45.B *:t2) VT2,DANE45. UKLAD",
            "FROM TAB_UKL, UKL_5, DANE45",
            "WHERE",
            "(DANE45.X = UKL_5.X_E) AND",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = UKL_5.ID_TAB_UKL) AND",
            "(DANE45 . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE45 . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "(DANE45 . ID_PUBLIKACJI =:lPublikacja) AND",
            "((DANE45.ID_EUTEKTYKI =:lEut) OR (DANE45.ID_EUTEKTYKI = 10)) AND",
            "(UKL_5.Nr2 = DANE45.Nr) AND ",
            "(UKL_5.Nr = DANE45.ID_EUTEKTYKI) ",
            "ORDER BY   DANE45 .UKLAD",
        }, {{"X", TFieldType::ftFloat, 0}, {"VT2", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl51", "dsUkl51", {
            "SELECT X, (MASA_A* X_A+MASA_B*X_B+MASA_C*X_C + MASA_D*(1-(X_A+X_B+X_C+X_E))+MASA_E*X_E)/( DANE45.A+ DANE45.B *:t1) VT1,DANE45. UKLAD",
            "FROM TAB_UKL, UKL_5, DANE45",
            "WHERE",
            "(DANE45.X = UKL_5.X_E) AND",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = UKL_5.ID_TAB_UKL) AND",
            "(DANE45 . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE45 . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "(DANE45 . ID_PUBLIKACJI =:lPublikacja) AND",
            "((DANE45.ID_EUTEKTYKI = 10 ) OR (DANE45.ID_EUTEKTYKI =:lEut)) AND",
            "(UKL_5.Nr2 = DANE45.Nr) AND",
            "(UKL_5.Nr = DANE45.ID_EUTEKTYKI)  ",
            "ORDER BY   DANE45 .UKLAD",
        }, {{"X", TFieldType::ftFloat, 0}, {"VT1", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl53", "dsUkl53", SlotChanged(Find(catalogue, "qrUkl52"), 2, 3), {{"X", TFieldType::ftFloat, 0}, {"VT3", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl54", "dsUkl54", SlotChanged(Find(catalogue, "qrUkl52"), 2, 4), {{"X", TFieldType::ftFloat, 0}, {"VT4", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrMinMax1M", "dsMinMax1M", {
            "SELECT X, (MASA_A* (1-X_B)+MASA_B*X_B)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t1) VT1 ",
            "FROM TAB_UKL, UKL_2, DANE_WLASNOSCI",
            "WHERE",
            "(DANE_WLASNOSCI.X = UKL_2.X_B) AND",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = UKL_2.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_PUBLIKACJI =:lPublikacja) AND",
            "(X = ",
            "( SELECT MIN(X)",
            "  FROM DANE_WLASNOSCI",
            "  WHERE (DANE_WLASNOSCI.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "                 (DANE_WLASNOSCI.ID_TAB_UKL =:lUklad) AND",
            "                 (DANE_WLASNOSCI.ID_PUBLIKACJI =:lPublikacja)  ) ",
            "                OR",
            "                 X = ",
            "                 ( SELECT MAX(X)",
            "                   FROM DANE_WLASNOSCI",
            "                   WHERE (DANE_WLASNOSCI.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "                                  (DANE_WLASNOSCI.ID_TAB_UKL =:lUklad) AND",
            "                                   (DANE_WLASNOSCI.ID_PUBLIKACJI =:lPublikacja)  ) )",
        }, {}});
    catalogue.push_back({"qrMinMax2M", "dsMinMax2M", SlotChanged(Find(catalogue, "qrMinMax1M"), 1, 2), {}});
    catalogue.push_back({"qrMinMax3M", "dsMinMax3M", SlotChanged(Find(catalogue, "qrMinMax1M"), 1, 3), {}});
    catalogue.push_back({"qrMinMax4M", "dsMinMax4M", SlotChanged(Find(catalogue, "qrMinMax1M"), 1, 4), {}});
    catalogue.push_back({"qrPunktyTemp", "dsPunktyTemp", {
            "SELECT DANE_WLASNOSCI_T.ID_DANE_WLA_T,  X  X, T,  A+ B *T DensityT1",
            "FROM DANE_WLASNOSCI_T, PUBLIKACJE",
            "WHERE",
            "(DANE_WLASNOSCI_T.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI_T.ID_TAB_UKL =:lUklad) AND",
            "(PUBLIKACJE.OZNACZENIE =:lPublikacja) AND",
            "(PUBLIKACJE.ID_PUBLIKACJI = DANE_WLASNOSCI_T.ID_PUBLIKACJI) ",
            " AND (X =:lx1)",
        }, {{"ID_DANE_WLA_T", TFieldType::ftInteger, 0}, {"X", TFieldType::ftFloat, 0}, {"T", TFieldType::ftInteger, 0}, {"DensityT1", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrPunktyTemp2", "dsPunktyTemp2", {
            "SELECT DANE_WLASNOSCI_T.ID_DANE_WLA_T, X  X, T,  A+ B *T DensityT1",
            "FROM DANE_WLASNOSCI_T, PUBLIKACJE",
            "WHERE",
            "(DANE_WLASNOSCI_T.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI_T.ID_TAB_UKL =:lUklad) AND",
            "(PUBLIKACJE.OZNACZENIE =:lPublikacja) AND",
            "(PUBLIKACJE.ID_PUBLIKACJI = DANE_WLASNOSCI_T.ID_PUBLIKACJI) ",
            " AND (X =:lx2)",
        }, {{"ID_DANE_WLA_T", TFieldType::ftInteger, 0}, {"X", TFieldType::ftFloat, 0}, {"T", TFieldType::ftInteger, 0}, {"DensityT1", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrPunktyTemp451", "dsPunktyTemp451", {
            "SELECT DANE_WLASNOSCI_T.ID_DANE_WLA_T,  X  X, T,  A+ B *T DensityT1",
            "FROM DANE_WLASNOSCI_T, PUBLIKACJE",
            "WHERE",
            "(DANE_WLASNOSCI_T.ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI_T.ID_TAB_UKL =:lUklad) AND",
            "(PUBLIKACJE.OZNACZENIE =:lPublikacja) AND",
            "(PUBLIKACJE.ID_PUBLIKACJI = DANE_WLASNOSCI_T.ID_PUBLIKACJI) ",
            " AND (X =:lx1) AND ",
            "((DANE_WLASNOSCI_T.Nr =:lEut) OR (DANE_WLASNOSCI_T. Nr = 10)) AND",
            "(DANE_WLASNOSCI_T. Nr2 =:Nr)",
        }, {}});
    catalogue.push_back({"qrPunktyTemp452", "dsPunktyTemp452", {
        }, {}});
    catalogue.push_back({"qrPunktyDos", "dsPunktyDos", {
            "select PUBLIKACJE.ID_PUBLIKACJI, PUNKTY_D.ID_PUBLIKACJI",
            "from PUBLIKACJE, PUNKTY_D",
            "where ",
            "(PUBLIKACJE.OZNACZENIE=:lPublikacja) AND",
            "( PUBLIKACJE.ID_PUBLIKACJI = PUNKTY_D.ID_PUBLIKACJI)",
        }, {}});
    catalogue.push_back({"qrPunktyD", "dsPunktyD", {
            "select PUNKTY_D.T, PUNKTY_D.Y, PUNKTY_D.ID_PUBLIKACJI",
            "from PUNKTY_D, PUBLIKACJE",
            "where (PUNKTY_D.ID_TAB_UKL =:lUklad) AND",
            "(PUNKTY_D.ID_PUBLIKACJI =:lPublikacja) AND",
            "(PUBLIKACJE.ID_PUBLIKACJI = PUNKTY_D.ID_PUBLIKACJI) AND",
            "(PUNKTY_D.ID_WLASCIWOSCI =:lWlasciwosc) AND",
            "(PUNKTY_D.X =:X)  ",
        }, {}});
    catalogue.push_back({"qrPunkty45", "dsPunkty45", {
            "select T, Y, Nr",
            "from PUNKTY_D",
            "where ",
            "(PUNKTY_D.ID_TAB_UKL =:lUklad) AND",
            "(PUNKTY_D.ID_PUBLIKACJI =:lPublikacja)  AND",
            "(PUNKTY_D.ID_WLASCIWOSCI  =:lWlasciwosc)  AND",
            "((PUNKTY_D.Nr =:lEut) OR (PUNKTY_D.Nr = 10)) AND",
            "(PUNKTY_D.X =:X) AND (PUNKTY_D.Nr2 =:Nr)",
        }, {{"T", TFieldType::ftFloat, 0}, {"Y", TFieldType::ftFloat, 0}, {"Nr", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrFig", "dsFig", {
            "SELECT *",
            "FROM   FIG,  WLASNOSCI,  TAB_UKL, PUBLIKACJE",
            "WHERE ",
            "(TAB_UKL . ID_TAB_UKL =:lUklad) AND",
            "(WLASNOSCI . ID_WLASCIWOSCI  =:lWlasciwosc) AND ",
            "(FIG . ID_TAB_UKL = TAB_UKL . ID_TAB_UKL) AND",
            "(FIG. ID_WLASCIWOSCI = WLASNOSCI . ID_WLASCIWOSCI ) AND",
            "(PUBLIKACJE.OZNACZENIE=:lPublikacja) AND",
            "(PUBLIKACJE.ID_PUBLIKACJI = FIG. ID_PUBLIKACJI)",
            "ORDER BY FIG.ID_FIG",
        }, {}});
    catalogue.push_back({"qrMenisk", "dsMenisk", {
            "SELECT *",
            "FROM MENISK,  AUTHOR_MENISK_PUB, TAB_UKL, AUTHOR_MENISK",
            "WHERE",
            "(TAB_UKL . ID_TAB_UKL =:lUklad)  AND",
            "(MENISK . ID_TAB_UKL = TAB_UKL . ID_TAB_UKL)  AND",
            "(MENISK . ID_PUB_MENISK = AUTHOR_MENISK.ID_AUTOR_MENISK) AND",
            "(AUTHOR_MENISK_PUB. ID_TAB_UKL = TAB_UKL . ID_TAB_UKL) AND",
            "(AUTHOR_MENISK.ID_AUTOR_MENISK = AUTHOR_MENISK_PUB. ID_PUB_MENISK)",
            "ORDER BY",
            "AUTHOR_MENISK.ROK",
        }, {}});
    catalogue.push_back({"qrAutorMenisk", "dsAutorMenisk", {
            "SELECT AUTHOR_MENISK. *",
            "FROM  AUTHOR_MENISK, AUTHOR_MENISK_PUB, TAB_UKL",
            "WHERE",
            "(TAB_UKL . ID_TAB_UKL =:lUklad)  AND",
            "(AUTHOR_MENISK.ID_AUTOR_MENISK = AUTHOR_MENISK_PUB. ID_PUB_MENISK) AND",
            "(AUTHOR_MENISK_PUB. ID_TAB_UKL = TAB_UKL . ID_TAB_UKL)",
            "ORDER BY ",
            "AUTHOR_MENISK.ROK",
        }, {}});
    catalogue.push_back({"qrSelectMeniskFig", "dsSelecMeniskFig", {
            "SELECT*",
            "FROM SELECT_MENISK_FIG",
        }, {}});
    catalogue.push_back({"qrMeniskFig", "dsMeniskFig", {
            "SELECT *",
            "FROM MENISK_FIG",
            "WHERE ",
            "(MENISK_FIG. ID_TAB_UKL =:lUklad) AND (MENISK_FIG. ID_PUB_MENISK =:lPublikacja)",
        }, {}});
    catalogue.push_back({"qrDTA", "dsDTA", {
            "SELECT *",
            "FROM DTA",
        }, {}});
    catalogue.push_back({"qrExp", "dsExp", {
            "SELECT X X,  VISCO Visco, UKLAD SYSTEM",
            "FROM VISCOSITY",
        }, {{"X", TFieldType::ftFloat, 0}, {"Visco", TFieldType::ftFloat, 0}, {"SYSTEM", TFieldType::ftString, 0}}});
    catalogue.push_back({"qrExp2", "dsExp2", {
            "SELECT X X,  VISCO Visco, UKLAD SYSTEM",
            "FROM VISCOSITY2",
        }, {{"X", TFieldType::ftFloat, 0}, {"Visco", TFieldType::ftFloat, 0}, {"SYSTEM", TFieldType::ftString, 0}}});
    catalogue.push_back({"qrExp3", "dsExp3", {
            "SELECT X X,  VISCO Visco, UKLAD SYSTEM",
            "FROM VISCOSITY3",
        }, {{"X", TFieldType::ftFloat, 0}, {"Visco", TFieldType::ftFloat, 0}, {"SYSTEM", TFieldType::ftString, 0}}});
    catalogue.push_back({"qrExp4", "dsExp4", {
            "SELECT X X,  VISCO Visco, UKLAD SYSTEM",
            "FROM VISCOSITY4",
        }, {{"X", TFieldType::ftFloat, 0}, {"Visco", TFieldType::ftFloat, 0}, {"SYSTEM", TFieldType::ftString, 0}}});
    catalogue.push_back({"qrUkl3", "dsUkl3", {
            "SELECT X,  (MASA_A* X_A +MASA_B*(1-(X_A+X_C))+MASA_C*X_C)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t1) VT1,",
            "(MASA_A* X_A +MASA_B*(1-(X_A+X_C))+MASA_C*X_C)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t2) VT2,",
            "(MASA_A* X_A +MASA_B*(1-(X_A+X_C))+MASA_C*X_C)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t3) VT3,",
            "(MASA_A* X_A +MASA_B*(1-(X_A+X_C))+MASA_C*X_C)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t4) VT4",
            "FROM TAB_UKL, UKL_3, DANE_WLASNOSCI",
            "WHERE",
            "(DANE_WLASNOSCI.X = UKL_3.X_C) AND",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = UKL_3.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_PUBLIKACJI =:lPublikacja)",
            "ORDER BY   DANE_WLASNOSCI.X ",
        }, {{"X", TFieldType::ftFloat, 0}, {"VT1", TFieldType::ftFloat, 0}, {"VT2", TFieldType::ftFloat, 0}, {"VT3", TFieldType::ftFloat, 0}, {"VT4", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrUkl4", "dsUkl4", {
            "SELECT X,  (MASA_A* X_A+MASA_B*X_B+MASA_C*(1-(X_A+X_B+X_D))+MASA_D*X_D)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t1) VT1,",
            "(MASA_A* X_A+MASA_B*X_B+MASA_C*(1-(X_A+X_B+X_D))+MASA_D*X_D)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t2) VT2,",
            "(MASA_A* X_A+MASA_B*X_B+MASA_C*(1-(X_A+X_B+X_D))+MASA_D*X_D)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t3) VT3,",
            "(MASA_A* X_A+MASA_B*X_B+MASA_C*(1-(X_A+X_B+X_D))+MASA_D*X_D)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t4) VT4",
            "FROM TAB_UKL, UKL_4, DANE_WLASNOSCI",
            "WHERE",
            "(DANE_WLASNOSCI.X = UKL_4.X_D) AND",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = UKL_4.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_PUBLIKACJI =:lPublikacja)",
            "ORDER BY   DANE_WLASNOSCI.X ",
        }, {{"X", TFieldType::ftFloat, 0}, {"VT1", TFieldType::ftFloat, 0}, {"VT2", TFieldType::ftFloat, 0}, {"VT3", TFieldType::ftFloat, 0}, {"VT4", TFieldType::ftFloat, 0}}});
    catalogue.push_back({"qrDaneWlasnosci", "dsDaneWlasnosci", {
            "select X  X, T_MIN, T_MAX",
            "from DANE_WLA_T",
            "WHERE",
            "(DANE_WLA_T. ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLA_T . ID_TAB_UKL =:lUklad) AND",
            "(DANE_WLA_T . ID_PUBLIKACJI =:lPublikacja) ",
        }, {{"X", TFieldType::ftFloat, 0}, {"T_MIN", TFieldType::ftInteger, 0}, {"T_MAX", TFieldType::ftInteger, 0}}});
    catalogue.push_back({"qrPunkty", "dsPunkty", {
            "select X  X, A+ B *:t1 DensityT1, A+ B *:t2 DensityT2, A+ B *:t3 DensityT3,  A+ B *:t4 DensityT4 ",
            "from DANE_WLASNOSCI",
            "WHERE ",
            "(DANE_WLASNOSCI . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI . ID_TAB_UKL =:lUklad) AND",
            "(DANE_WLASNOSCI . ID_PUBLIKACJI =:lPublikacja)",
        }, {}});
    catalogue.push_back({"qrAutorT", "dsAutorT", {
            "SELECT AUTOR_T. *",
            "FROM  AUTOR_T, TAB_UKL",
            "WHERE ",
            "(TAB_UKL . ID_TAB_UKL =:lUklad)  AND",
            "(TAB_UKL . ID_TAB_UKL = AUTOR_T. ID_TAB_UKL)",
            "ORDER BY AUTOR_T.ROK",
        }, {}});
    catalogue.push_back({"qrAproksymacja", "dsAproksymacja", {
            "select  (A0 +  B0 *:t1) *:X0 + (A1 + B1 *:t1) *:X1 + (A2 + B2 *:t1) *:X2 + (A3 +  B3 *:t1) *:X3 + (A4 + B4 *:t1) *:X4 + (A5 + B5 *:t1) *:X5 +(A6 +  B6 *:t1) *:X6 + (A7 + B7 *:t1) *:X7 + (A8+ B8 *:t1) *:X8 + (A9+  B9 *:t1) *:X9 + (A10 + B10 *:t1) *:X10  ST1",
            "FROM DANE_WLASNOSCI_LINIE, PUBLIKACJE, DANE_WLASNOSCI",
            "WHERE ",
            "(DANE_WLASNOSCI_LINIE . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI_LINIE . ID_TAB_UKL =:lUklad) AND",
            "(PUBLIKACJE.OZNACZENIE =:lPublikacja) AND",
            "(PUBLIKACJE.ID_PUBLIKACJI = DANE_WLASNOSCI_LINIE . ID_PUBLIKACJI) ",
        }, {}});
    catalogue.push_back({"qrAproksymacja2", "dsAproksymacja2", SlotChanged(Find(catalogue, "qrAproksymacja"), 1, 2), {}});
    catalogue.push_back({"qrAproksymacja3", "dsAproksymacja3", SlotChanged(Find(catalogue, "qrAproksymacja"), 1, 3), {}});
    catalogue.push_back({"qrAproksymacja4", nullptr, SlotChanged(Find(catalogue, "qrAproksymacja"), 1, 4), {}});
    catalogue.push_back({"qrUkl41", "dsUkl41", {
            "SELECT X,  (MASA_A* X_A+MASA_B*X_B+MASA_C*(1-(X_A+X_B+X_D))+MASA_D*X_D)/( DANE_WLASNOSCI.A+ DANE_WLASNOSCI.B *:t1) VT1",
            "FROM TAB_UKL, UKL_4, DANE_WLASNOSCI",
            "WHERE",
            "(DANE_WLASNOSCI.X = UKL_4.X_D) AND",
            "(TAB_UKL.ID_TAB_UKL=:lUklad) AND",
            "(TAB_UKL.ID_TAB_UKL = UKL_4.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_WLASCIWOSCI =:lWlasciwosc) AND ",
            "(DANE_WLASNOSCI . ID_TAB_UKL = TAB_UKL.ID_TAB_UKL) AND",
            "(DANE_WLASNOSCI . ID_PUBLIKACJI =:lPublikacja) ",
            "AND (UKL_4.Nr =:lEut) AND",
            "((DANE45.ID_EUTEKTYKI =:lEut) OR (DANE45.ID_EUTEKTYKI = 10))",
            "ORDER BY   DANE_WLASNOSCI.X ",
        }, {{"X", TFieldType::ftFloat, 0}, {"VT1", TFieldType::ftFloat, 0}}});
    // Quaternary molar volume at slots 2..4 follows the section texts, the section's system
    // included: the design texts named DANE45 without listing it and could never run.
    catalogue.push_back({"qrUkl42", "dsUkl42", SlotChanged(Find(catalogue, "qrUkl4542"), 2, 2), {{"X", TFieldType::ftFloat, 0}, {"VT2", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl43", "dsUkl43", SlotChanged(Find(catalogue, "qrUkl4542"), 2, 3), {{"X", TFieldType::ftFloat, 0}, {"VT3", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl44", "dsUkl44", SlotChanged(Find(catalogue, "qrUkl4542"), 2, 4), {{"X", TFieldType::ftFloat, 0}, {"VT4", TFieldType::ftFloat, 0}, {"UKLAD", TFieldType::ftString, 40}}});
    catalogue.push_back({"qrUkl2", "dsUkl2", {}, {}});
    catalogue.push_back({"qrUkl5", "dsUkl5", {}, {}});
    catalogue.push_back({"qrMasa", "dsMasa", {}, {}});
    return catalogue;
}

const std::vector<QueryDef> &QueryCatalogue()
{
    static const std::vector<QueryDef> catalogue = Build();
    return catalogue;
}
