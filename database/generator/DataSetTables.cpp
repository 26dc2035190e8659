// The demonstration data set: which publication gives which property of which system, and
// where its numbers come from. Pure-metal lines are added by rule (Equations.cpp).

#include "DataSet.h"

namespace {

constexpr auto Rho = Property::Density;
constexpr auto Sigma = Property::SurfaceTension;
constexpr auto Eta = Property::Viscosity;
constexpr auto Fit = Source::Formula;
constexpr auto Kaptay = Source::ViscosityModel;

const std::vector<SeriesRow> Series = {
    // Binaries with the fits of the publications that the program holds.
    { "[2003Vel1]", "Ag-Bi", Rho, Fit, Lines },
    { "[2003Vel1]", "Ag-Bi", Sigma, Fit, Lines },
    { "[2001Kor2]", "Ag-In", Rho, Fit },
    { "[2001Kor2]", "Ag-In", Sigma, Fit },
    { "[2004Ost]", "Ag-Sn", Sigma, Fit },
    { "[2001Kor1]", "Ag-Sn", Rho, Fit, Lines | Points },
    { "[2001Kor1]", "Ag-Sn", Sigma, Fit, Lines | Points },
    { "[1927Hul]", "Bi-Sn", Rho, Fit },
    { "[1927Hul]", "Bi-Sn", Sigma, Fit },
    { "[2001Kor3]", "Bi-Sn", Rho, Fit },
    { "[2001Kor3]", "Bi-Sn", Sigma, Fit },
    { "[2002Tam]", "In-Sn", Rho, Fit },
    { "[2002Tam]", "In-Sn", Sigma, Fit },
    { "[2006Dun]", "In-Sn", Rho, Fit },
    { "[2006Dun]", "In-Sn", Sigma, Fit },
    { "[2001Vel2]", "Pb-Sn", Rho, Fit, Lines },
    { "[2001Vel2]", "Pb-Sn", Sigma, Fit, Lines },
    { "[1968Wex]", "Pb-Sn", Rho, Fit },
    { "[1957Jup]", "Pb-Sn", Sigma, Fit },
    { "[1971Sar]", "Pb-Sn", Sigma, Fit },
    { "[1985Pek]", "Pb-Sn", Sigma, Fit },
    { "[2003Vel2]", "Sb-Sn", Rho, Fit },
    { "[2003Vel2]", "Sb-Sn", Sigma, Fit },
    { "[2004Dun]", "In-Zn", Rho, Fit },
    { "[2004Dun]", "In-Zn", Sigma, Fit },
    { "[2004Dun]", "Sn-Zn", Rho, Fit },
    { "[2004Dun]", "Sn-Zn", Sigma, Fit },
    { "[2007Dun1]", "Sn-Zn", Rho, Fit },
    { "[2007Dun1]", "Sn-Zn", Sigma, Fit },
    { "[2005Kor2]", "Ag-Sb", Rho, Fit },
    { "[2005Kor2]", "Ag-Sb", Sigma, Fit },
    { "[2004Ost]", "Cu-Sn", Rho, Fit },
    { "[2004Ost]", "Cu-Sn", Sigma, Fit },
    { "[2005Kor2]", "Cu-Sn", Rho, Fit, Lines },
    { "[2005Kor2]", "Cu-Sn", Sigma, Fit, Lines },
    { "[2005Kor2]", "Cu-Sb", Rho, Fit },
    { "[2005Kor2]", "Cu-Sb", Sigma, Fit },

    // Binary viscosity, through the viscosity models. Three systems keep points instead of
    // lines, one composition without points.
    { "[2025Dem2]", "Ag-Au", Eta, Kaptay, Lines },
    { "[2025Dem2]", "Ag-Cu", Eta, Kaptay, Lines },
    { "[2025Dem2]", "Ag-Sn", Eta, Kaptay, Lines },
    { "[2025Dem2]", "Al-Zn", Eta, Kaptay, Lines },
    { "[2025Dem2]", "Au-Cu", Eta, Kaptay, Lines },
    { "[2025Dem2]", "Au-Sn", Eta, Kaptay, Lines },
    { "[2025Dem2]", "Bi-Cu", Eta, Kaptay, Lines },
    { "[2025Dem2]", "Cd-Sn", Eta, Kaptay, Lines },
    { "[2025Dem2]", "Cu-Sn", Eta, Kaptay, Lines },
    { "[2025Dem2]", "In-Sn", Eta, Kaptay, Points | PointGap },
    { "[2025Dem2]", "Pb-Sn", Eta, Kaptay, Lines },
    { "[2025Dem2]", "In-Zn", Eta, Kaptay, Points | PointGap },
    { "[2025Dem2]", "Sn-Zn", Eta, Kaptay, Points | PointGap },

    // Binaries without fits of their own. The Sn-Zn density is a publication that the Sn-Zn
    // approximation does not admit.
    { "[2025Dem3]", "Ag-Au", Sigma, Source::Butler, Lines },
    { "[2025Dem3]", "Ag-Cu", Sigma, Source::Butler },
    { "[2025Dem3]", "Ag-Cu", Rho, Source::Ideal },
    { "[2025Dem3]", "Ag-Sn", Rho, Source::Ideal, Lines },
    { "[2025Dem3]", "Au-Cu", Sigma, Source::Butler },
    { "[2025Dem3]", "Au-Sn", Sigma, Source::Butler },
    { "[2025Dem3]", "Bi-Cu", Rho, Source::Ideal },
    { "[2025Dem3]", "Cu-In", Rho, Source::Ideal },
    { "[2025Dem3]", "Al-In", Eta, Source::Ideal },
    { "[2025Dem3]", "Au-In", Eta, Source::Ideal },
    { "[2025Dem3]", "Sn-Zn", Rho, Source::Ideal },

    // Sections with the fits of the publications.
    { "[2001Kor3]", "Ag-Bi-Sn", Rho, Fit },
    { "[2001Kor3]", "Ag-Bi-Sn", Sigma, Fit },
    { "[2002Kor]", "Ag-Cu-Sn", Rho, Fit, Lines | Points },
    { "[2002Kor]", "Ag-Cu-Sn", Sigma, Fit, Lines },
    { "[2004Vel1]", "Ag-Cu-Sn", Rho, Fit, NoExtras, 0.02 },
    { "[2004Vel1]", "Ag-Cu-Sn", Sigma, Fit, NoExtras, 0.02 },
    { "[2002Tam]", "Ag-In-Sn", Rho, Fit },
    { "[2002Tam]", "Ag-In-Sn", Sigma, Fit },
    { "[2004Vel2]", "Ag-Sb-Sn", Rho, Fit },
    { "[2004Vel2]", "Ag-Sb-Sn", Sigma, Fit },
    { "[Kor1]", "Ag-Sn-Zn", Rho, Fit },
    { "[Kor1]", "Ag-Sn-Zn", Sigma, Fit },
    { "[Kor1]", "Ag-Cu-Sb-Sn", Rho, Fit },
    { "[Kor1]", "Ag-Cu-Sb-Sn", Sigma, Fit },

    // Sections by ideal mixing: the systems the program draws from the database alone.
    { "[2025Dem4]", "Ag-Cu-Sn", Eta, Source::Ideal, Lines },
    { "[2025Dem4]", "Ag-Bi-Cu-Sn", Rho, Source::Ideal, Lines },
    { "[2025Dem4]", "Ag-Bi-Cu-Sn", Sigma, Source::Ideal },
    { "[2025Dem4]", "Ag-Bi-Cu-Sn", Eta, Source::Ideal, Points | PointGap },
    { "[2025Dem4]", "Ag-Bi-Cu-Sb-Sn", Rho, Source::Ideal },
    { "[2025Dem4]", "Ag-Bi-Cu-Sb-Sn", Sigma, Source::Ideal },
};

const std::vector<std::pair<const char *, double>> AgSnEutectic
    = { { "Ag", 0.038 }, { "Sn", 0.962 } };
const std::vector<std::pair<const char *, double>> AgCuSnEutectic
    = { { "Ag", 0.033 }, { "Cu", 0.0076 }, { "Sn", 0.9594 } };

const std::vector<SectionRow> Sections = {
    { "Ag-Bi-Sn", 1, 1, "(Ag-Sn)eut/Bi", "(Ag-Sn)eut + Bi", AgSnEutectic, "Bi", 0, 0.12, 0.02 },
    { "Ag-Cu-Sn", 1, 1, "(Ag-Sn)eut/Cu", "(Ag-Sn)eut + Cu", AgSnEutectic, "Cu", 0, 0.06, 0.01 },
    { "Ag-In-Sn", 1, 1, "(Ag-Sn)eut/In", "(Ag-Sn)eut + In", AgSnEutectic, "In", 0, 0.1, 0.02 },
    { "Ag-Sb-Sn", 1, 1, "(Ag-Sn)eut/Sb", "(Ag-Sn)eut + Sb", AgSnEutectic, "Sb", 0, 0.08, 0.02 },
    { "Ag-Sn-Zn", 1, 1, "(Ag-Sn)eut/Zn", "(Ag-Sn)eut + Zn", AgSnEutectic, "Zn", 0, 0.2, 0.04 },
    { "Ag-Cu-Sb-Sn", 1, 1, "(Ag-Cu-Sn)eut/Sb", "(Ag-Cu-Sn)eut + Sb", AgCuSnEutectic, "Sb", 0, 0.1,
        0.02 },
    // Two sections from two Sn-Ag-Cu base alloys, and the Bi-Sn line shown with both.
    { "Ag-Bi-Cu-Sn", 1, 1, "(Ag-Cu-Sn)eut/Bi", "(Ag-Cu-Sn)eut + Bi", AgCuSnEutectic, "Bi", 0, 0.06,
        0.01 },
    { "Ag-Bi-Cu-Sn", 2, 1, "Sn-3Ag-0.5Cu/Bi", "Sn-3Ag-0.5Cu (mass %) + Bi",
        { { "Ag", 0.0328 }, { "Cu", 0.0093 }, { "Sn", 0.9579 } }, "Bi", 0, 0.06, 0.01 },
    { "Ag-Bi-Cu-Sn", 10, 2, "Sn/Bi", "", { { "Ag", 0 }, { "Cu", 0 }, { "Sn", 1 } }, "Bi", 0, 0.06,
        0.01 },
    // One section with two lines: the Sn-Ag-Cu eutectic with 2 % and 4 % Bi, adding Sb.
    { "Ag-Bi-Cu-Sb-Sn", 1, 1, "(Ag-Cu-Sn)eut-0.02Bi/Sb", "(Ag-Cu-Sn)eut with Bi + Sb",
        { { "Ag", 0.03234 }, { "Bi", 0.02 }, { "Cu", 0.007448 }, { "Sn", 0.940212 } }, "Sb", 0,
        0.06, 0.01 },
    { "Ag-Bi-Cu-Sb-Sn", 1, 2, "(Ag-Cu-Sn)eut-0.04Bi/Sb", "(Ag-Cu-Sn)eut with Bi + Sb",
        { { "Ag", 0.03168 }, { "Bi", 0.04 }, { "Cu", 0.007296 }, { "Sn", 0.921024 } }, "Sb", 0,
        0.06, 0.01 },
};

const std::vector<FigureOnlyLink> FigureOnly = {
    { "[2025Dem5]", "Ag-Sn", Property::ElectricalProperties },
    { "[2025Dem5]", "Ag-Sn", Property::MechanicalProperties },
    { "[2025Dem6]", "Ag-Sn", Rho },
    { "[2025Dem6]", "Ag-Sn", Eta },
};

const std::vector<std::pair<const char *, double>> ExtraCompositions = {
    { "Ag-Bi", 0.52 },
    { "Ag-Sn", 0.48 },
    { "Pb-Sn", 0.72 },
};

} // namespace

const std::vector<SeriesRow> &SeriesTable()
{
    return Series;
}

const std::vector<SectionRow> &SectionTable()
{
    return Sections;
}

const std::vector<FigureOnlyLink> &FigureOnlyTable()
{
    return FigureOnly;
}

std::vector<double> BinaryExtraCompositions(const QString &system)
{
    std::vector<double> extras;
    for (const auto &[name, x] : ExtraCompositions)
        if (system == QLatin1String(name))
            extras.push_back(x);
    return extras;
}
