// Each run computes one 101-point curve for every system (and, for viscosity, every model),
// the way the chart fills a series; time per curve is the run time over the count.

#include "Bench.h"

#include "models/Approximation.h"
#include "models/ButlerFits.h"
#include "models/ViscosityModels.h"

#include <QString>

namespace {

const char *const ApproxPublications[][2] = {
    { "Ag-Bi", "[2003Vel1]" },
    { "Ag-In", "[2001Kor2]" },
    { "Ag-Sn", "[2004Ost]" },
    { "Ag-Sn", "[2001Kor1]" },
    { "Bi-Sn", "[1927Hul]" },
    { "Bi-Sn", "[2001Kor3]" },
    { "In-Sn", "[2002Tam]" },
    { "In-Sn", "[2006Dun]" },
    { "Pb-Sn", "[2001Vel2]" },
    { "Pb-Sn", "[1968Wex]" },
    { "Pb-Sn", "[1957Jup]" },
    { "Pb-Sn", "[1971Sar]" },
    { "Pb-Sn", "[1985Pek]" },
    { "Sb-Sn", "[2003Vel2]" },
    { "In-Zn", "[2004Dun]" },
    { "Sn-Zn", "[2004Dun]" },
    { "Ag-Sb", "[2005Kor2]" },
    { "Cu-Sn", "[2004Ost]" },
    { "Cu-Sn", "[2005Kor2]" },
    { "Cu-Sb", "[2005Kor2]" },
    { "Ag-Bi-Sn", "[2001Kor3]" },
    { "Ag-Cu-Sn", "[2002Kor]" },
    { "Ag-In-Sn", "[2002Tam]" },
    { "Ag-Sb-Sn", "[2004Vel2]" },
    { "Ag-Sn-Zn", "[Kor1]" },
    { "Ag-Cu-Sb-Sn", "[Kor1]" },
};

const char *const ButlerSystems[] = { "Ag-Au", "Ag-Bi", "Ag-Cu", "Ag-In", "Ag-Sb", "Ag-Sn", "Au-Cu",
    "Au-Sn", "Bi-Sn", "In-Sn", "Pb-Sn", "Sb-Sn", "In-Zn", "Sn-Zn", "Cu-Sn", "Cu-Sb", "Ag-Cu-Sn" };

const char *const ViscositySystems[] = { "Ag-Au", "Ag-Cu", "Al-Zn", "Ag-Sn", "Au-Cu", "Au-Sn",
    "Bi-Cu", "Cd-Sn", "In-Sn", "Pb-Sn", "In-Zn", "Sn-Zn", "Cu-Sn" };

constexpr int Points = 101;

void ApproxCurves()
{
    for (const auto &[system, tag] : ApproxPublications) {
        const auto approx
            = FindApproximation(QString::fromLatin1(system), QString::fromLatin1(tag));
        const Fixed t = 873;
        for (int i = 0; i < Points; ++i) {
            const ApproxValues v = approx->At(Fixed(i / 100.0L), t);
            Bench::Consume(v.molarVolume.value_or(v.surfaceTension.value_or(0)).ToDouble());
        }
    }
}

void ButlerIsotherms()
{
    for (const char *system : ButlerSystems) {
        const ButlerIsotherm *isotherm = FindButlerIsotherm(QString::fromLatin1(system));
        for (int i = 0; i < Points; ++i)
            Bench::Consume(ButlerSurfaceTension(isotherm->fit, isotherm->X(i), 1100).ToDouble());
    }
}

void ViscosityCurves()
{
    for (const char *name : ViscositySystems) {
        const ViscositySystem *system = FindViscositySystem(QString::fromLatin1(name));
        for (int model = 0; model < 6; ++model)
            Bench::Consume(ViscosityCurve(*system, static_cast<ViscosityModel>(model), system->maxT)
                               .back()
                               .eta);
    }
}

} // namespace

VIRELT_BENCH(approx, "approximations: 26 publications x 101 points", ApproxCurves)
VIRELT_BENCH(butler, "Butler isotherms: 17 systems x 101 points", ButlerIsotherms)
VIRELT_BENCH(viscosity, "viscosity models: 13 systems x 6 models x 101 points", ViscosityCurves)
