// The published approximation fits, in the order of the publications' tables.
// Each coefficient is written { a, b } for a + b·T.

#include "models/Approximation.h"
#include "models/SystemTable.h"

namespace {

namespace Mass {
constexpr long double Ag = 107.868L;
constexpr long double Bi = 208.9804L;
constexpr long double Cu = 63.546L;
constexpr long double In = 114.82L;
constexpr long double Pb = 207.2L;
constexpr long double Sb = 121.75L;
constexpr long double Sn = 118.69L;
constexpr long double Zn = 65.38L;
// The Ag-In-Sn section was published with this value.
constexpr long double InAgInSn = 114.825L;
} // namespace Mass

AlloyMass Binary(long double first, long double second)
{
    return { { { 1, first } }, second };
}

// Sections add X of one element to the Ag-Sn eutectic.
AlloyMass AgSnEutecticPlus(long double added)
{
    return { { { 0.038L, Mass::Ag }, { 0.962L, Mass::Sn } }, added };
}

const std::vector<ApproxCurve> Curves = {
    { "Ag-Bi", { "[2003Vel1]" }, 26, 25, Binary(Mass::Ag, Mass::Bi) },
    { "Ag-In", { "[2001Kor2]" }, 101, 100, Binary(Mass::Ag, Mass::In) },
    { "Ag-Sn", { "[2004Ost]", "[2001Kor1]" }, 26, 25, Binary(Mass::Ag, Mass::Sn) },
    { "Bi-Sn", { "[1927Hul]", "[2001Kor3]" }, 26, 25, Binary(Mass::Bi, Mass::Sn) },
    { "In-Sn", { "[2002Tam]", "[2006Dun]" }, 101, 100, Binary(Mass::In, Mass::Sn) },
    { "Pb-Sn", { "[2001Vel2]", "[1968Wex]", "[1957Jup]", "[1971Sar]", "[1985Pek]" }, 26, 25,
        Binary(Mass::Pb, Mass::Sn) },
    { "Sb-Sn", { "[2003Vel2]" }, 101, 100, Binary(Mass::Sb, Mass::Sn) },
    { "In-Zn", { "[2004Dun]" }, 26, 25, Binary(Mass::In, Mass::Zn) },
    { "Sn-Zn", { "[2004Dun]", "[2007Dun1]" }, 26, 25, Binary(Mass::Sn, Mass::Zn) },
    { "Ag-Sb", { "[2005Kor2]" }, 26, 25, Binary(Mass::Ag, Mass::Sb) },
    { "Cu-Sn", { "[2004Ost]", "[2005Kor2]" }, 26, 25, Binary(Mass::Cu, Mass::Sn) },
    { "Cu-Sb", { "[2005Kor2]" }, 26, 25, Binary(Mass::Cu, Mass::Sb) },
    { "Ag-Bi-Sn", { "[2001Kor3]" }, 25, 200, AgSnEutecticPlus(Mass::Bi) },
    { "Ag-Cu-Sn", { "[2002Kor]", "[2004Vel1]" }, 66, 1000, AgSnEutecticPlus(Mass::Cu) },
    { "Ag-In-Sn", { "[2002Tam]" }, 11, 100, AgSnEutecticPlus(Mass::InAgInSn) },
    { "Ag-Sb-Sn", { "[2004Vel2]" }, 10, 100, AgSnEutecticPlus(Mass::Sb) },
    { "Ag-Sn-Zn", { "[Kor1]" }, 21, 100, AgSnEutecticPlus(Mass::Zn) },
    { "Ag-Cu-Sb-Sn", { "[Kor1]" }, 101, 100,
        { { { 0.033L, Mass::Ag }, { 0.0076L, Mass::Cu }, { 0.9594L, Mass::Sn } }, Mass::Sb } },
};

// A fit of one quantity, given by the listed publications of a system.
struct FormulaRow
{
    const char *system;
    std::vector<const char *> tags;
    ApproxProperty quantity;
    ApproxFormula formula;
};

constexpr auto Rho = ApproxProperty::Density;
constexpr auto Sigma = ApproxProperty::SurfaceTension;

// first·(1 − X) + second·X + X·(1 − X)·Σ excess[k]·w^k
CompositionFit Excess(TemperatureTerm first, TemperatureTerm second,
    std::vector<TemperatureTerm> excess, bool holdsW2 = false)
{
    return { first, second, {}, std::move(excess), holdsW2 };
}

// first·(1 − X) + second·X + Σ powers[k]·X^k
CompositionFit LinesAndPowers(
    TemperatureTerm first, TemperatureTerm second, std::vector<TemperatureTerm> powers)
{
    return { first, second, std::move(powers), {}, false };
}

// Σ powers[k]·X^k
CompositionFit Powers(std::vector<TemperatureTerm> powers)
{
    return { {}, {}, std::move(powers), {}, false };
}

const std::vector<TemperatureTerm> InSnExcess = {
    { -0.239659L, 0.000161532L },
    { 0.183898L, -0.0000220118L },
    { 0.115839L, 0 },
};

const std::vector<FormulaRow> Formulas = {
    { "Ag-Bi", { "[2003Vel1]" }, Rho,
        Excess({ 10.47L, -0.000911L }, { 10.692L, -0.00119L },
            { { 0.9327771673L, -0.0007357473073L } }) },
    { "Ag-Bi", { "[2003Vel1]" }, Sigma,
        SzyszkowskiFit { { 404.5L, -0.0492L }, { -0.3918L, 0.0000377L }, 0.00933L } },

    { "Ag-In", { "[2001Kor2]" }, Rho,
        Excess({ 10.4715L, -0.000912L }, { 7.314L, -0.0006842L },
            { { -0.133895L, -0.00162815L }, { 9.94012L, -0.00518792L }, { 3.14616L, 0 } }, true) },
    { "Ag-In", { "[2001Kor2]" }, Sigma,
        Excess({ 1134, -0.190472L }, { 593.8L, -0.09421L },
            { { -688.1L, 0.2824L }, { 382.6L, -0.1744L }, { 705.4L, -0.1417L } }, true) },

    // P and the surface fraction of Sn are held; y = X.
    { "Ag-Sn", { "[2004Ost]" }, Sigma,
        SurfaceFractionFit { { 1207, -0.228L }, { 580, -0.065L }, false,
            { { { 0.74255389L, -0.00438753329L, 0.0005928459L }, { -1.32440317L, 0.000140765595L },
                { 0, 0.0126320329L, -0.00165933825L } } },
            false, true } },
    { "Ag-Sn", { "[2001Kor1]" }, Rho,
        LinesAndPowers({ 10.47L, -0.00091L }, { 7.31L, -0.00062L },
            { {}, { 1.463146581L, -0.002358408048L }, { -1.155514861L, 0.002358408048L },
                { -0.3076317196L, 0 } }) },
    { "Ag-Sn", { "[2001Kor1]" }, Sigma,
        Excess({ 1134, -0.191L }, { 583, -0.083L },
            { { -1006.2L, 0.4061L }, { -850.7L, 0.5596L }, { 110.7L, 0 } }) },

    { "Bi-Sn", { "[1927Hul]", "[2001Kor3]" }, Rho,
        LinesAndPowers({ 10.692L, -0.00119L }, { 7.312L, -0.00062L },
            { {}, { 3.504715398L, -0.001950896635L }, { -3.596384513L, 0.001950896635L },
                { 0.09166911417L, 0 } }) },
    { "Bi-Sn", { "[1927Hul]" }, Sigma,
        Powers({ { 421.5L, -0.073684L }, { 316.631501L, -0.1717507319L },
            { -97.32595147L, 0.08292462861L }, { -1181.934912L, 0.9327676237L },
            { 1186.359363L, -0.8872515207L } }) },
    { "Bi-Sn", { "[2001Kor3]" }, Sigma,
        Excess({ 405, -0.0492L }, { 583, -0.0834L }, { { -163.4L, 0.0311L }, { 85.3L, 0 } }) },

    { "In-Sn", { "[2002Tam]" }, Rho,
        Excess({ 7.365L, -0.00079L }, { 7.285L, -0.000545L }, InSnExcess, true) },
    { "In-Sn", { "[2006Dun]" }, Rho,
        Excess({ 7.3253L, -0.000708L }, { 7.3118L, -0.0006158L }, InSnExcess, true) },
    { "In-Sn", { "[2002Tam]", "[2006Dun]" }, Sigma,
        Powers({ { 593.8L, -0.0942L }, { -281.7064463L, 0.02862197285L },
            { 2830.147322L, -1.192881202L }, { -9477.02101L, 5.328704338L },
            { 12515.12589L, -7.818284142L }, { -5597.545753L, 3.664639032L } }) },

    { "Pb-Sn", { "[2001Vel2]" }, Rho,
        LinesAndPowers({ 11.4709L, -0.001318L }, { 7.312L, -0.000615L },
            { {}, { 2.467208457L, -0.0009162673896L }, { -3.907858312L, 0.0009162673896L },
                { 1.440649855L, 0 } }) },
    { "Pb-Sn", { "[2001Vel2]" }, Sigma,
        Excess({ 497.5L, -0.1096L }, { 582.8L, -0.0834L },
            { { -197.6L, 0.0639L }, { 222.5L, -0.1818L } }) },
    { "Pb-Sn", { "[1968Wex]" }, Rho,
        Powers({ { 11.39306L, -0.00122L }, { -3.716016668L, 0.0006754008575L },
            { -0.1521408299L, -0.0004143947193L }, { -0.1999642023L, 0.0002603912293L } }) },
    { "Pb-Sn", { "[1957Jup]" }, Sigma,
        Powers({ { 666.5L, -0.308L }, { -83.34964031L, 0.2060887773L },
            { -340.2224067L, 0.4398520556L }, { 795.5245158L, -1.154358089L },
            { -439.9807706L, 0.7528651718L } }) },
    { "Pb-Sn", { "[1971Sar]" }, Sigma,
        Powers({ { 496.5L, -0.085L }, { -20.59397638L, 0.1708528362L },
            { 183.7094662L, -0.5973080111L }, { -345.4484965L, 1.085121495L },
            { 284.458933L, -0.666L } }) },
    { "Pb-Sn", { "[1985Pek]" }, Sigma,
        Powers({ { 521.7L, -0.095L }, { -107.9912353L, 0.1780131797L },
            { 1761.049052L, -3.005644379L }, { -3931.935545L, 11.90470549L },
            { 2024.190793L, -22.11098989L }, { 1549.579622L, 20.15541733L },
            { -1207.324616L, -7.096135927L } }) },

    { "Sb-Sn", { "[2003Vel2]" }, Rho,
        Excess({ 6.9915L, -0.000563L }, { 7.3119L, -0.000615L },
            { { -0.288138L, 0.000148651L }, { 0.338045L, -0.00023971L },
                { -0.712759L, 0.000559993L } },
            true) },
    { "Sb-Sn", { "[2003Vel2]" }, Sigma,
        Excess({ 419, -0.0561L }, { 582.8L, -0.0834L }, { { -78.2L, -0.0223L }, { -145, 0.1304L } },
            true) },

    { "In-Zn", { "[2004Dun]" }, Rho,
        Powers({ { 7.3206L, -0.000684L }, { -0.181005319L, -0.0001413384827L },
            { -0.03997084802L, 0.000005095210515L } }) },
    { "In-Zn", { "[2004Dun]" }, Sigma,
        Powers({ { 593.8L, -0.0942L }, { 450.2487837L, -0.2228283769L },
            { -1140.253237L, 0.6322577306L }, { 988.5559496L, -0.439853637L } }) },

    { "Sn-Zn", { "[2004Dun]", "[2007Dun1]" }, Rho,
        Powers({ { 7.3119L, -0.000615L }, { -0.3342851879L, -0.0000419137661L },
            { 0.1402186795L, -0.0002791998453L }, { -0.01597181395L, 0.0001163318308L } }) },
    { "Sn-Zn", { "[2004Dun]", "[2007Dun1]" }, Sigma,
        Powers({ { 582.8L, -0.0834L }, { 390.0361638L, -0.1807329682L },
            { -913.6764592L, 0.4023508887L }, { 833.1103715L, -0.2627805769L } }) },

    { "Ag-Sb", { "[2005Kor2]" }, Rho,
        Powers({ { 10.4699L, -0.000911L }, { -3.24L, -0.00045L }, { -0.24L, 0.0008L } }) },
    { "Ag-Sb", { "[2005Kor2]" }, Sigma,
        Powers({ { 1133.9541L, -0.190472L }, { -2172.473657L, 0.5812232195L },
            { 2118.840972L, -0.7371196586L }, { -661.3073149L, 0.2903064392L } }) },

    { "Cu-Sn", { "[2004Ost]", "[2005Kor2]" }, Rho,
        Powers({ { 9.0231L, -0.0008L }, { -0.37L, 0.000095L }, { -4.98L, -0.00049L },
            { 4.08L, 0.00012L } }) },
    { "Cu-Sn", { "[2004Ost]" }, Sigma,
        Excess({ 1585, -0.211L }, { 580, -0.065L },
            { { -2101.85L, 0.600103L }, { -2121.24L, 0.862209L }, { -1424.03L, 0.500317L },
                { -408.919L, 0.0538747L } }) },
    { "Cu-Sn", { "[2005Kor2]" }, Sigma,
        Powers({ { 1475.648L, -0.14224L }, { -3608.713333L, 1.062905L }, { 4734.56L, -2.48199L },
            { -2018.666667L, 1.47796L } }) },

    { "Cu-Sb", { "[2005Kor2]" }, Rho,
        Powers({ { 9.0231L, -0.0008L }, { -2.981666667L, 0.00182875L }, { 4.335L, -0.00712625L },
            { -3.383333333L, 0.0055375L } }) },
    { "Cu-Sb", { "[2005Kor2]" }, Sigma,
        Powers({ { 1475.648L, -0.14224L }, { -5010.489167L, 0.6398483335L },
            { 8204.9075L, -1.311885L }, { -4251.058333L, 0.7582166665L } }) },

    { "Ag-Bi-Sn", { "[2001Kor3]" }, Rho,
        Powers({ { 7.354L, -0.000594L }, { 5.445833333L, -0.004856089744L },
            { 28.93518519L, 0.00240384615L } }) },
    { "Ag-Bi-Sn", { "[2001Kor3]" }, Sigma,
        Powers({ { 586, -0.09L }, { -30.03205128L, 0.00810897436L },
            { -5781.695157L, 1.472578347L } }) },
    { "Ag-Cu-Sn", { "[2002Kor]", "[2004Vel1]" }, Rho,
        Powers({ { 7.42L, -0.000695L }, { 7.85L, -0.0022L }, { -37.332L, 0.01138L } }) },
    { "Ag-Cu-Sn", { "[2002Kor]", "[2004Vel1]" }, Sigma,
        Powers({ { 585.32L, -0.08858L }, { 396.91L, 0.0958L } }) },
    { "Ag-In-Sn", { "[2002Tam]" }, Rho,
        Powers({ { 7.365L, -0.000599L }, { 5.93L, -0.0075L }, { -30, 0.0442L } }) },
    { "Ag-In-Sn", { "[2002Tam]" }, Sigma,
        Powers({ { 586.4L, -0.000907L }, { -223, -2.28485L }, { 740, 16.219L } }) },
    { "Ag-Sb-Sn", { "[2004Vel2]" }, Rho,
        Powers({ { 7.3645L, -0.000599L }, { 0.2230971129L, -0.003556430446L },
            { -28.75473899L, 0.04542140566L } }) },
    { "Ag-Sb-Sn", { "[2004Vel2]" }, Sigma,
        Powers({ { 586.4L, -0.0904L }, { -1009.527559L, 0.7757742782L },
            { 5287.25576L, -4.633129192L } }) },
    { "Ag-Sn-Zn", { "[Kor1]" }, Rho,
        Powers({ { 7.364L, -0.000599L }, { 7.98256372L, -0.006437906033L },
            { -75.5391627L, 0.0191598792L }, { 186.6227055L, 0.0166083193L } }) },
    { "Ag-Sn-Zn", { "[Kor1]" }, Sigma,
        Powers({ { 586.4L, -0.0904L }, { -2572.12583L, 1.089893936L },
            { 42725.21108L, -16.59629511L }, { -143955.3836L, 56.69613849L } }) },
    { "Ag-Cu-Sb-Sn", { "[Kor1]" }, Rho,
        Powers({ { 7.48L, -0.000734L }, { -0.3122576242L, -0.001218442058L },
            { -3.390637891L, 0.00762769955L }, { 7.282492433L, -0.01261699238L },
            { -4.070416253L, 0.006383428885L } }) },
    { "Ag-Cu-Sb-Sn", { "[Kor1]" }, Sigma,
        Powers({ { 582.05L, -0.08665L }, { -460.746751L, 0.02342980415L },
            { 554.6010363L, 0.07856773575L }, { -257.16792L, -0.0710954796L } }) },
};

bool Lists(const std::vector<const char *> &tags, QStringView tag)
{
    for (const char *listed : tags)
        if (tag == QLatin1String(listed))
            return true;
    return false;
}

const ApproxFormula *FindFormula(QStringView system, QStringView tag, ApproxProperty quantity)
{
    const FormulaRow *row = FindSystemRow(Formulas, system, [&](const FormulaRow &candidate) {
        return candidate.quantity == quantity && Lists(candidate.tags, tag);
    });
    return row ? &row->formula : nullptr;
}

} // namespace

std::optional<Approximation> FindApproximation(QStringView system, QStringView tag)
{
    const ApproxCurve *curve = FindSystemRow(
        Curves, system, [&](const ApproxCurve &candidate) { return Lists(candidate.tags, tag); });
    if (!curve)
        return std::nullopt;
    return Approximation { curve, FindFormula(system, tag, Rho), FindFormula(system, tag, Sigma) };
}
