// The descriptions of the experimental methods by which the data were measured.
#include "info/Schematics.h"
#include "info/Sheets.h"

namespace Sheets {

namespace {

// A numbered equation, centred, with its number at the right.
QString Equation(const QString &formula, int number)
{
    return QStringLiteral("<table width='100%' cellpadding='1'><tr><td width='12%'></td>"
                          "<td align='center'><i>%1</i></td><td width='12%' align='right'>(%2)"
                          "</td></tr></table>")
        .arg(formula)
        .arg(number);
}

} // namespace

const MethodSheet &Meniscographic()
{
    static const MethodSheet sheet {
        QStringLiteral("Meniscographic method"),
        QStringLiteral(
            "<p align='justify'>The meniscographic method, also called the wetting balance "
            "method, follows the wetting of a solid by a liquid solder while it happens. A "
            "specimen hangs from a sensitive balance above a bath of the molten alloy. The bath "
            "rises at a constant speed until the specimen is immersed to a set depth, stays there "
            "for a set time and is lowered again, while the balance records the vertical force on "
            "the specimen against time.</p>"
            "<p align='justify'>On samples that the solder does not wet, the force as the "
            "specimen enters the liquid gives the interfacial tension between the solder and the "
            "flux. On Cu coupons the recorded curve gives the wetting time, from the first "
            "contact until the force crosses the buoyancy line; the wetting force, the largest "
            "force reached; and, from the balance of forces at the meniscus, the contact "
            "angle.</p>"
            "<p style='font-size:15px'><b>References</b><br>"
            "1. R. J. Klein Wassink, <i>Soldering in Electronics</i>, 2nd ed., "
            "Electrochemical Publications, Ayr, 1989.<br>"
            "2. IEC 60068-2-54, <i>Environmental testing &ndash; Tests &ndash; Test Ta: "
            "Solderability testing of electronic components by the wetting balance method</i>."
            "<br>3. IPC J-STD-002, <i>Solderability Tests for Component Leads, Terminations, "
            "Lugs, Terminals and Wires</i>.</p>"),
        17,
        nullptr,
        {},
    };
    return sheet;
}

const MethodSheet &SessileDrop()
{
    static const MethodSheet sheet {
        QStringLiteral("Sessile drop method"),
        QStringLiteral(
            "<p align='justify'>The contact angles are measured in a sessile drop apparatus. Its "
            "vertical tube furnace holds, in the hot zone, a Cu substrate with a piece of solder "
            "on it. The tube is flushed with a protective atmosphere of Ar-H<sub>2</sub>, argon "
            "with a little hydrogen, which keeps the surfaces of the solder and the substrate "
            "free of oxide.</p>"
            "<p align='justify'>When the solder melts it forms a drop on the substrate. A camera "
            "outside the furnace photographs the drop through a window at set times and "
            "temperatures.</p>"
            "<p align='justify'>The contact angles are evaluated from the pictures: from the "
            "profile of the drop where it meets the substrate, on both sides of the drop.</p>"),
        19,
        nullptr,
        {},
    };
    return sheet;
}

const MethodSheet &MaximumBubblePressure()
{
    static const MethodSheet sheet {
        QStringLiteral("Maximum bubble pressure method"),
        QStringLiteral(
            "<p align='justify'>An inert gas is blown through a capillary dipped into the liquid "
            "alloy. The pressure in the bubble is largest when the bubble is a hemisphere of the "
            "capillary's radius; then it breaks away. The surface tension follows from that "
            "pressure:</p>")
            + Equation(QStringLiteral("&sigma; = &frac12; &middot; r &middot; &Delta;p&nbsp;&nbsp;"
                                      "<span style='font-style:normal'>[N/m]</span>"),
                1)
            + Equation(QStringLiteral("&Delta;p = p<sub>g</sub> &minus; p<sub>a</sub>"), 2)
            + Equation(QStringLiteral("&Delta;p = g (&rho;<sub>m</sub> h<sub>m</sub> &minus; "
                                      "&rho;<sub>a</sub> h<sub>a</sub>)"),
                3)
            + QStringLiteral("where:")
            + Legend(
                {
                    { "σ", "surface tension" },
                    { "r", "radius of the capillary" },
                    { "Δp", "largest excess pressure" },
                    { "p<sub>g</sub>", "pressure of the gas in the bubble" },
                    { "p<sub>a</sub>", "pressure of the alloy at the tip" },
                    { "g", "acceleration due to gravity" },
                    { "ρ<sub>m</sub>, h<sub>m</sub>", "manometer: density, level difference" },
                    { "ρ<sub>a</sub>, h<sub>a</sub>", "alloy: density, depth of the tip" },
                },
                58, QStringLiteral("&ndash;&nbsp;"))
            + QStringLiteral(
                "<p align='justify'>Eq. 3 gives an approximate value: a real bubble is not exactly "
                "a hemisphere. Exact values follow the procedure of Sugden [S. Sugden, <i>J. Chem. "
                "Soc., Trans.</i> 121 (1922) 858].</p>"),
        13,
        Schematics::BubblePressureApparatus,
        Schematics::BubblePressureSize,
    };
    return sheet;
}

const MethodSheet &Dilatometric()
{
    static const MethodSheet sheet {
        QStringLiteral("Dilatometric metod"),
        QStringLiteral(
            "<p align='justify'>The density of the liquid alloy follows from its volume in a "
            "cylindrical crucible. A piston resting on the liquid moves with its level as the "
            "temperature changes; a displacement transducer above the furnace records the "
            "piston's position, which gives the height of the liquid column.</p>")
            + Equation(QStringLiteral("&rho; = m / V"), 1)
            + Equation(QStringLiteral("V = (&pi; &middot; D<sup>2</sup> &middot; H) / 4"), 2)
            + QStringLiteral("where:")
            + Legend(
                {
                    { "ρ", "density of the liquid alloy" },
                    { "m", "mass of the sample" },
                    { "V", "volume of the liquid sample" },
                    { "D", "inner diameter of the crucible" },
                    { "H", "height of the liquid column" },
                },
                58, QStringLiteral("&ndash;&nbsp;"))
            + QStringLiteral(
                "<p align='justify'>The thermal expansion of the crucible was corrected at each "
                "temperature of the measurement.</p>"),
        15,
        Schematics::Dilatometer,
        Schematics::DilatometerSize,
    };
    return sheet;
}

} // namespace Sheets
