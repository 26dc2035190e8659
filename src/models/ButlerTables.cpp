// The Butler-model fits, in the order of their publications' tables. Each coefficient row is
// { a, b, c, d } for a + b·T + c·T·ln T + d·T²; each pure-metal line is { p, q } for p + q·T.
// The same metal has different lines in different systems: each fit keeps its own.

#include "models/ButlerFits.h"
#include "models/SystemTable.h"

namespace {

const TemperatureTerm AgAuRows[] = {
    { -128.79L, 0.045836L, 0.00680219L, -1.833e-05L },
    { 243.86L, -0.06017L, -0.00965926L, 2.163e-05L },
    { -455.82L, 0.185348L, 0.02786783L, -0.00011934L },
    { 328.02L, -0.215276L, -0.03058366L, 0.00020777L },
    { -696.9L, 0.305482L, 0.05253429L, -0.00011031L },
    { 767.94L, -0.247998L, -0.05354872L, -8.074e-05L },
    { -783.3L, 0.034526L, 0.03251694L, -0.00010342L },
    { 622.05L, 0.151679L, -0.0118236L, 0.00010878L },
    { -265.2L, 0.568632L, 0.09529815L, -0.0004849L },
    { 146.14L, -0.777307L, -0.11440099L, 0.00066111L },
};
const RedlichKisterFit AgAu { { 1134L, -0.191L }, { 1503L, -0.25L }, ExcessSign::OneMinusTwoX,
    AgAuRows };

const TemperatureTerm AgCuRows[] = {
    { -982.68L, 0.262677L, 0.04028137L, -0.00013536L },
    { 1625.72L, -0.69376L, -0.09772514L, 0.0003908L },
    { -1142.64L, -0.084365L, 0.14883052L, -0.00030951L },
    { 884.43L, 0.11591L, -0.1350394L, 0.00031221L },
    { -1834.68L, -0.167029L, 0.32995081L, -0.00064483L },
    { 786.99L, 0.928588L, -0.22033146L, -4.961e-05L },
    { -503.91L, -2.227133L, 0.30070463L, -0.00010432L },
    { 427.52L, 2.150896L, -0.24607041L, 0.00010187L },
    { -304.05L, -1.644333L, 0.52676684L, -0.00098027L },
    { 195.1L, 1.12571L, -0.50464926L, 0.00113689L },
};
const RedlichKisterFit AgCu { { 1134L, -0.191L }, { 1475.6L, -0.1422L }, ExcessSign::OneMinusTwoX,
    AgCuRows };

const TemperatureTerm AgInRows[] = {
    { -1183.79L, 0.937811L, 0, -0.000236329L },
    { 542.148L, -0.845177L, 0, 0.00024421L },
    { 1175.12L, -0.604659L, 0, 0.000198968L },
    { -1263.68L, 0.279646L, 0, 0.000582528L },
    { -301.611L, 0.207517L, 0, -0.000760798L },
    { 1081.03L, 1.0858L, 0, -0.00141289L },
    { -976.049L, 0.00892292L, 0, 0.00105965L },
};
const RedlichKisterFit AgIn { { 1134L, -0.191L }, { 593.8L, -0.09421L }, ExcessSign::TwoXMinusOne,
    AgInRows };

const TemperatureTerm AgSnRows[] = {
    { -1350.69L, 0.931166L, 0, -0.000190183L },
    { 1300.76L, -1.39459L, 0, 0.000420192L },
    { -1063.49L, 1.91129L, 0, -0.000617902L },
    { 1020.03L, -1.6385L, 0, 0.000233688L },
    { 1286.77L, 0.417819L, 0, -0.00112704L },
    { -3289.67L, -1.96031L, 0, 0.00392327L },
    { 1252.75L, -1.1378L, 0, 7.22516e-05L },
    { -620.138L, 10.388L, 0, -0.00765225L },
    { 996.961L, -7.41334L, 0, 0.00494539L },
};
const RedlichKisterFit AgSn { { 1134L, -0.191L }, { 583L, -0.083L }, ExcessSign::TwoXMinusOne,
    AgSnRows };

const TemperatureTerm AuCuRows[] = {
    { 94.97L, 0.002865L, -0.00050101L, -2.177e-05L },
    { -43.72L, -0.009243L, -0.00094336L, 5.58e-06L },
    { -9.72L, -0.008609L, -0.00071243L, 2.569e-05L },
    { 0.08L, -0.000511L, -3.73e-05L, 2.19e-06L },
    { 27.03L, -0.021334L, -0.00300341L, 3.5e-07L },
    { 8.85L, -0.003558L, -0.00059567L, -4.11e-06L },
    { 88.17L, -0.006967L, -0.00129433L, 2.6e-07L },
    { 3.16L, 0.001416L, 0.00011203L, 6.1e-07L },
    { -46.64L, -0.024473L, -0.0024368L, 2.911e-05L },
    { -5.45L, -0.001065L, -0.00015061L, 2.15e-06L },
};
const RedlichKisterFit AuCu { { 1503L, -0.25L }, { 1475.6L, -0.1422L }, ExcessSign::OneMinusTwoX,
    AuCuRows };

const TemperatureTerm AuSnRows[] = {
    { -1308.74L, 0.337166L, 0.06473997L, -0.00017182L },
    { -167.61L, 0.249078L, 0.03450839L, -0.00021232L },
    { 539.07L, 0.376942L, -0.06569887L, -0.00013672L },
    { 813.94L, -0.840101L, -0.123565L, 0.00082397L },
    { 522.7L, -1.459313L, -0.1913675L, 0.00179447L },
    { -1579.78L, 0.716893L, 0.08940023L, -0.00054143L },
    { -1858.58L, 1.486399L, 0.18602332L, -0.00165612L },
    { -73.31L, 1.629518L, 0.36997327L, -0.00230965L },
    { -31.9L, 2.60004L, 0.42347484L, -0.00300577L },
    { -232.5L, -4.312586L, 0.13173129L, 0.0019285L },
    { -349.57L, -4.214777L, -0.07544004L, 0.00285428L },
};
const RedlichKisterFit AuSn { { 1503L, -0.25L }, { 582.8L, -0.0834L }, ExcessSign::OneMinusTwoX,
    AuSnRows };

const TemperatureTerm BiSnRows[] = {
    { -305.468L, 0.29948L, 0, -9.4736e-05L },
    { 247.886L, -0.299949L, 0, 0.000102698L },
    { -412.439L, 0.658512L, 0, -0.000268636L },
    { 425.522L, -0.736134L, 0, 0.000314682L },
};
const RedlichKisterFit BiSn { { 405L, -0.0492L }, { 583L, -0.083L }, ExcessSign::OneMinusTwoX,
    BiSnRows };

const TemperatureTerm InSnRows[] = {
    { 1.90681L, 0.00460633L, 0, 0 },
    { 3.77716L, 0, 0, 0 },
};
const RedlichKisterFit InSn { { 593.8L, -0.09421L }, { 583L, -0.083L }, ExcessSign::TwoXMinusOne,
    InSnRows };

const TemperatureTerm PbSnRows[] = {
    { -190.005L, 0.139122L, 0, -4.71105e-05L },
    { -249.947L, 0.264891L, 0, -7.06023e-05L },
    { -303.309L, 0.594119L, 0, -0.000289183L },
    { -183.532L, 0.496143L, 0, -0.000289061L },
};
const RedlichKisterFit PbSn { { 497.5L, -0.1096L }, { 583L, -0.083L }, ExcessSign::TwoXMinusOne,
    PbSnRows };

const TemperatureTerm SbSnRows[] = {
    { -118.699L, 0.1112L, 0, -2.7076e-05L },
    { -2.99993L, 0.0290997L, 0, -1.75259e-05L },
    { -254.475L, 0.364843L, 0, -0.000143034L },
    { -169.695L, 0.179507L, 0, -4.39113e-05L },
};
const RedlichKisterFit SbSn { { 419.0055L, -0.0560572L }, { 583L, -0.083L },
    ExcessSign::TwoXMinusOne, SbSnRows };

const TemperatureTerm InZnRows[] = {
    { -746.06L, -0.391066L, 0.16179879L, -0.00031034L },
    { 153.56L, 10.487036L, -1.63402043L, 0.00094829L },
    { 1805.95L, -10.87876L, 1.0269474L, 0.0016493L },
    { 3020.64L, 5.064608L, -2.00025118L, 0.00588519L },
    { -23912.52L, 24.775854L, 3.89660696L, -0.02736033L },
    { 1935.45L, -27.880448L, 5.62818385L, -0.01268307L },
    { 48946.89L, 141.832275L, -40.9315708L, 0.09020524L },
    { -7524.56L, -163.739836L, 27.82890413L, -0.02045047L },
    { -52789.77L, -15.194208L, 20.30734426L, -0.0710811L },
    { 30268.77L, 4.42938L, -9.31929265L, 0.02910028L },
};
const RedlichKisterFit InZn { { 591.68L, -0.0917L }, { 892.5L, -0.12463L },
    ExcessSign::OneMinusTwoX, InZnRows };

const TemperatureTerm AgSbRows[] = {
    { -1848.69L, 1.19478L, 0, -0.000230032L },
    { 1924.38L, -1.66853L, 0, 0.000402689L },
    { -1784.5L, 1.981L, 0, -0.000409537L },
    { 2284.98L, -3.2914L, 0, 0.000813957L },
    { 1868.12L, 2.69826L, 0, -0.00255553L },
    { -5217.56L, 0.223883L, 0, 0.00263498L },
    { 1278.95L, -7.36562L, 0, 0.00413016L },
    { 53.0285L, 8.35367L, 0, -0.00576077L },
};
const RedlichKisterFit AgSb { { 1134L, -0.191L }, { 419.0055L, -0.056057L },
    ExcessSign::TwoXMinusOne, AgSbRows };

const TemperatureTerm CuSnRows[] = {
    { -2381.98L, 1.04937L, 0, -0.000126049L },
    { 2036.05L, -0.862612L, 0, -1.86603e-05L },
    { -1223.93L, 1.04175L, 0, -0.000155827L },
    { 2417.11L, -4.21994L, 0, 0.00162659L },
    { -2293.9L, 3.58032L, 0, -0.00148493L },
    { 103.584L, -2.12607L, 0, 0.00112093L },
    { -69.6978L, 3.10262L, 0, -0.00104502L },
    { 43.4818L, 1.69575L, 0, -0.000583009L },
    { -148.976L, -1.94523L, 0, -0.000122857L },
};
const RedlichKisterFit CuSn { { 1475.648L, -0.14224L }, { 583L, -0.083L }, ExcessSign::TwoXMinusOne,
    CuSnRows };

// y = 1 − X, the fraction of the first element; lines and x_s held.
const SurfaceFractionFit AgBi { { 1134L, -0.191L }, { 405L, -0.0492L }, true,
    { {
        { 67.0862656L, -0.1488778L, 0.0107510006L, 1.89290422e-05L },
        { -249.199036L, -0.15308146L, 0.0764882639L, -0.000163342367L },
        { 452.118286L, -1.08130002L, 0.0764126405L, 0.00015319472L },
    } },
    true, true };

// y = 1 − X, the fraction of the first element; lines and x_s held.
const SurfaceFractionFit CuSb { { 1656.1L, -0.26L }, { 419.0055L, -0.056057L }, true,
    { {
        { 48.6504364L, -0.0210777503L, -0.000910369388L, -6.21403231e-08L },
        { -82.2938995L, 0.0188963413L, 0.00032112503L, 1.97057088e-05L },
        { 91.4227829L, -0.0511813425L, 0.000611491676L, -5.51922813e-06L },
    } },
    true, true };

// y = X, the fraction of Zn; only P and σ held.
const SurfaceFractionFit SnZn { { 582.8L, -0.0833615L }, { 892.5L, -0.124632L }, false,
    { {
        { 8.57751942L, -0.00702796085L, 0.00141219317L, -7.47606782e-06L },
        { -28.7789993L, 0.0277582332L, -0.00442097662L, 2.61775749e-05L },
        { 117.320076L, -0.14574009L, -0.00304485275L, 5.74244696e-05L },
    } },
    false, false };

// The section's own Ag-Cu rows; the last is a constant.
const TemperatureTerm SectionAgCuRows[] = {
    { -1161.62L, 0.785948L, 0, -0.000208259L },
    { 397.585L, -1.72431L, 0, 0.000403203L },
    { -1844.04L, 1.78776L, 0, -0.000507076L },
    { -2380.53L, 1.7489L, 0, -0.000716216L },
    { 1520.73L, -2.91972L, 0, 0.00118071L },
    { 8996.57L, -11.3049L, 0, 0.00354187L },
    { -8691.42L, 12.297L, 0, -0.00429042L },
    { -7227.08L, 0, 0, 0 },
};

// The section's Cu-Sn rows, also the Cu-Sn fit against temperature.
const TemperatureTerm SectionCuSnRows[] = {
    { -2027.9L, 0.805878L, 0, -0.000118038L },
    { 1909.62L, -1.13676L, 0, 0.00023081L },
    { 235.471L, 0.0763511L, 0, -0.000190006L },
    { 107.062L, 0.231869L, 0, -0.000351505L },
    { -13295.8L, 10.6837L, 0, -0.00104401L },
    { 4166.36L, -11.0688L, 0, 0.0051838L },
    { 34495L, -19.2175L, 0, -0.00240112L },
    { -5852.78L, 13.0761L, 0, -0.00538519L },
    { -26551.9L, 10.5779L, 0, 0.00408228L },
};

// The pair fits of the section: u = 1 − 2·x_Ag of the pair is 2X − 1 in x_Cu, and
// u = 1 − 2·x_Cu of the Cu-Sn pair is 2X − 1 in x_Sn.
const RedlichKisterFit SectionAgCu { { 1134L, -0.191L }, { 1475.648L, -0.14224L },
    ExcessSign::TwoXMinusOne, SectionAgCuRows };
const RedlichKisterFit CuSnOwn { { 1475.648L, -0.14224L }, { 583L, -0.083L },
    ExcessSign::TwoXMinusOne, SectionCuSnRows };

// Ternary rows n = 1..4: Ag, Cu and Sn terms.
const std::array<TemperatureTerm, 3> SectionTernaryRows[] = {
    { { { -13226.2L, 5.87379L }, { -2998.44L, 0.553996L }, { -1914.37L, 2.84596L } } },
    { { { 86125.5L, -31.4636L }, { -1918.47L, -0.365941L }, { -1368.42L, 3.24094L } } },
    { { { 300570L, -258.321L }, { 1615.4L, -1.54048L }, { 146.35L, 1.14017L } } },
    { { { -1283010L, 862.605L }, { 7101.3L, -3.00282L }, { 3018.3L, -5.1781L } } },
};

const AgCuSnSectionFit AgCuSnSection { 0.038L, 0.962L, &SectionAgCu, &AgSn, &CuSnOwn,
    SectionTernaryRows };

// Own fits against temperature.
const TemperatureTerm AgBiOwnRows[] = {
    { -1492.87L, 0.761469L, 0, -0.00012162L },
    { 1738.43L, -1.37566L, 0, 0.000403969L },
    { -1904.2L, 2.33459L, 0, -0.000959588L },
    { 4419.25L, -0.37469L, 0, -0.00161773L },
    { -5139.47L, -4.24837L, 0, 0.00511611L },
    { -13848.8L, 4.43033L, 0, 0.00339766L },
    { 16423.3L, 4.62766L, 0, -0.010732L },
    { 25325.2L, -17.8596L, 0, 0.000943579L },
    { -27660.6L, 12.8574L, 0, 0.00356715L },
};
const RedlichKisterFit AgBiOwn { { 1134L, -0.191L }, { 405L, -0.0492L }, ExcessSign::TwoXMinusOne,
    AgBiOwnRows };

const TemperatureTerm SnZnOwnRows[] = {
    { -727.759L, 0.595108L, 0, -0.000151107L },
    { 1440.75L, -2.48597L, 0, 0.00130529L },
    { -2792.19L, 6.49153L, 0, -0.00406738L },
    { -997.136L, 8.52386L, 0, -0.00782555L },
    { 5103.03L, -24.0004L, 0, 0.0199273L },
    { 1900.41L, -19.7816L, 0, 0.0194024L },
    { -4746.52L, 37.4526L, 0, -0.0354238L },
    { 10193.7L, -6.03384L, 0, -0.0051557L },
    { -11698L, 3.61051L, 0, 0.00976749L },
};
const RedlichKisterFit SnZnOwn { { 583L, -0.083L }, { 892.5L, -0.1246L }, ExcessSign::OneMinusTwoX,
    SnZnOwnRows };

const TemperatureTerm CuSbOwnRows[] = {
    { -2178.88L, 0.608309L, 0, -3.52834e-05L },
    { 1764L, -0.461382L, 0, -2.8862e-05L },
    { -2712.41L, 4.14396L, 0, -0.00199241L },
    { 8245.46L, -8.31152L, 0, 0.00259788L },
    { 722.596L, -18.6579L, 0, 0.0122689L },
    { -24804.9L, 27.324L, 0, -0.00884379L },
    { 4412.55L, 34.5203L, 0, -0.0252669L },
    { 33066.3L, -33.7612L, 0, 0.0102734L },
    { -19160.3L, -8.44712L, 0, 0.0130687L },
};
const RedlichKisterFit CuSbOwn { { 1475.648L, -0.14224L }, { 419.0055L, -0.056057L },
    ExcessSign::TwoXMinusOne, CuSbOwnRows };

const ButlerIsotherm Isotherms[] = {
    { "Ag-Au", AgAu, 101 },
    { "Ag-Bi", AgBi, 101 },
    { "Ag-Cu", AgCu, 101 },
    { "Ag-In", AgIn, 101 },
    { "Ag-Sb", AgSb, 101 },
    { "Ag-Sn", AgSn, 101 },
    { "Au-Cu", AuCu, 101 },
    { "Au-Sn", AuSn, 101 },
    { "Bi-Sn", BiSn, 101 },
    { "In-Sn", InSn, 101 },
    { "Pb-Sn", PbSn, 101 },
    { "Sb-Sn", SbSn, 101 },
    { "In-Zn", InZn, 101 },
    { "Sn-Zn", SnZn, 101 },
    { "Cu-Sn", CuSn, 101 },
    { "Cu-Sb", CuSb, 101 },
    { "Ag-Cu-Sn", AgCuSnSection, 8 },
};

const ButlerTemperatureCurve TemperatureCurves[] = {
    { "Ag-Sn", nullptr, 500, 1500, AgSn },
    { "Ag-Au", nullptr, 500, 1500, AgAu },
    { "Ag-Cu", nullptr, 500, 1500, AgCu },
    { "Ag-Bi", nullptr, 500, 1500, AgBiOwn },
    { "Ag-In", nullptr, 500, 1500, AgIn },
    { "Au-Cu", nullptr, 500, 1500, AuCu },
    { "Au-Sn", nullptr, 500, 1500, AuSn },
    { "Bi-Sn", "[2006Ro1]", 500, 900, TemperatureTerm { 440.3755L, -0.0331L } },
    { "Bi-Sn", "[2001Kor3]", 500, 1200, BiSn },
    { "In-Sn", nullptr, 500, 1200, InSn },
    { "Pb-Sn", nullptr, 500, 1200, PbSn },
    { "Sb-Sn", nullptr, 500, 1300, SbSn },
    { "In-Zn", nullptr, 500, 1200, InZn },
    { "Sn-Zn", nullptr, 500, 1200, SnZnOwn },
    { "Ag-Sb", nullptr, 800, 1500, AgSb },
    { "Cu-Sn", nullptr, 500, 1500, CuSnOwn },
    { "Cu-Sb", nullptr, 900, 1500, CuSbOwn },
    { "Ag-Cu-Sn", nullptr, 500, 1500, AgCuSnSection },
};

} // namespace

const ButlerIsotherm *FindButlerIsotherm(QStringView system)
{
    return FindSystemRow(Isotherms, system);
}

const ButlerTemperatureCurve *FindButlerTemperatureCurve(
    QStringView system, QStringView publication)
{
    return FindSystemRow(TemperatureCurves, system, [&](const ButlerTemperatureCurve &curve) {
        return !curve.publication || publication == QLatin1String(curve.publication);
    });
}
