// The formula sheets of the viscosity models whose curves the chart window draws.
#include "info/InfoStyle.h"
#include "info/Sheets.h"

#include <QPainter>
#include <QTextDocument>

namespace Sheets {

QString Legend(std::initializer_list<std::pair<const char *, const char *>> symbols,
    int symbolWidth, const QString &separator)
{
    QString html = QStringLiteral("<table cellpadding='0' cellspacing='1'>");
    for (const auto &[symbol, meaning] : symbols)
        html += QStringLiteral("<tr><td width='%1'><i>%2</i></td><td>%3%4</td></tr>")
                    .arg(symbolWidth)
                    .arg(QString::fromUtf8(symbol), separator, QString::fromUtf8(meaning));
    return html + QStringLiteral("</table>");
}

const ModelSheet &IidaUedaMorita()
{
    static const ModelSheet sheet {
        QStringLiteral("Iida – Ueda – Morita model"),
        QStringLiteral(
            "η = (η<sub>1</sub>X<sub>1</sub> + η<sub>2</sub>X<sub>2</sub>) · { 2 [1 + "
            "X<sub>1</sub>X<sub>2</sub>(√m<sub>1</sub> − √m<sub>2</sub>)<sup>2</sup> / "
            "(X<sub>1</sub>√m<sub>1</sub> + X<sub>2</sub>√m<sub>2</sub>)<sup>2</sup>]"
            "<sup>½</sup><br>"
            "− 1 − 5X<sub>1</sub>X<sub>2</sub>(d<sub>1</sub> − d<sub>2</sub>)<sup>2</sup> / "
            "(X<sub>1</sub>d<sub>1</sub><sup>2</sup> + X<sub>2</sub>d<sub>2</sub><sup>2</sup>) − Δ "
            "}"
            "<br><br>Δ = 0.12 · ΔH<sub>m</sub> / (RT) &nbsp;&nbsp; or &nbsp;&nbsp; "
            "Δ = 0.12 · ΔG<sup>E</sup> / (RT)"),
        Legend(
            {
                { "η, η<sub>1</sub>, η<sub>2</sub>",
                    "viscosity of the alloy and of metals 1 and 2" },
                { "X<sub>1</sub>, X<sub>2</sub>", "mole fractions of the metals" },
                { "d<sub>1</sub>, d<sub>2</sub>", "atomic radii of the metals" },
                { "m<sub>1</sub>, m<sub>2</sub>", "atomic masses of the metals" },
                { "R", "gas constant" },
                { "T", "temperature [K]" },
                { "ΔH<sub>m</sub>", "enthalpy of mixing" },
                { "ΔG<sup>E</sup>", "excess Gibbs energy" },
            },
            130, {}),
    };
    return sheet;
}

const ModelSheet &Kaptay()
{
    static const ModelSheet sheet {
        QStringLiteral("Kaptay model"),
        QStringLiteral("η = hN / (Σ X<sub>i</sub>·V<sub>i</sub> + ΔV<sup>E</sup>) · "
                       "exp[(Σ X<sub>i</sub>·ΔG*<sub>i</sub> − α·H<sub>m</sub>) / (RT)]"),
        Legend(
            {
                { "η", "viscosity of the alloy" },
                { "h", "Planck constant" },
                { "N", "Avogadro number" },
                { "X<sub>i</sub>", "mole fraction of metal i" },
                { "V<sub>i</sub>", "molar volume of metal i" },
                { "ΔV<sup>E</sup>", "excess molar volume" },
                { "ΔG*<sub>i</sub>", "Gibbs energy of activation of viscous flow of metal i" },
                { "H<sub>m</sub>", "enthalpy of mixing" },
                { "α", "α = 0.155 ± 0.015" },
                { "R, T", "gas constant, temperature [K]" },
            },
            130, {}),
    };
    return sheet;
}

const ModelSheet &KozlovRomanovPetrov()
{
    static const ModelSheet sheet {
        QStringLiteral("Kozlov – Romanov – Petrov model"),
        QStringLiteral("ln η = Σ X<sub>i</sub>·ln η<sub>i</sub> − ΔH<sub>m</sub> / (3RT)"),
        Legend(
            {
                { "η, η<sub>i</sub>", "viscosity of the alloy and of metal i" },
                { "X<sub>i</sub>", "mole fraction of metal i" },
                { "ΔH<sub>m</sub>", "enthalpy of mixing" },
                { "R, T", "gas constant, temperature [K]" },
            },
            130, {}),
    };
    return sheet;
}

const ModelSheet &MoelwynHughes()
{
    static const ModelSheet sheet {
        QStringLiteral("Moelwyn – Hughes model"),
        QStringLiteral("η = (η<sub>1</sub>X<sub>1</sub> + η<sub>2</sub>X<sub>2</sub>) · "
                       "(1 − 2·H<sub>m</sub> / (RT))"),
        Legend(
            {
                { "η, η<sub>1</sub>, η<sub>2</sub>",
                    "viscosity of the alloy and of metals 1 and 2" },
                { "X<sub>1</sub>, X<sub>2</sub>", "mole fractions of the metals" },
                { "H<sub>m</sub>", "enthalpy of mixing" },
                { "R, T", "gas constant, temperature [K]" },
            },
            130, {}),
    };
    return sheet;
}

const ModelSheet &SeetharamanDuSichen()
{
    static const ModelSheet sheet {
        QStringLiteral("Seetharaman – Du Sichen model"),
        QStringLiteral("η = A · exp(G* / (RT)),&nbsp;&nbsp;&nbsp; A = hNρ / M<br><br>"
                       "G* = X<sub>1</sub>G*<sub>1</sub> + X<sub>2</sub>G*<sub>2</sub> + "
                       "3RT·X<sub>1</sub>X<sub>2</sub> + ΔG′"),
        Legend(
            {
                { "η", "viscosity of the alloy" },
                { "h, N", "Planck constant, Avogadro number" },
                { "ρ, M", "density and mean molar mass of the alloy" },
                { "G*, G*<sub>1</sub>, G*<sub>2</sub>",
                    "Gibbs energy of activation of the alloy and of metals 1 and 2" },
                { "X<sub>1</sub>, X<sub>2</sub>", "mole fractions of the metals" },
                { "ΔG′", "Gibbs energy of mixing" },
                { "R, T", "gas constant, temperature [K]" },
            },
            130, {}),
    };
    return sheet;
}

QImage Render(const ModelSheet &sheet, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1d, 0x4f, 0x91), 2));
    painter.drawRect(QRectF(picture.rect()).adjusted(8, 8, -8, -8));

    QTextDocument document;
    document.setDefaultFont(InfoStyle::TimesFont(17));
    document.setTextWidth(size.width() - 60);
    document.setHtml(QStringLiteral("<p align='center' style='font-size:26px'><b>%1</b></p>"
                                    "<p align='center' style='font-size:20px'>%2</p><hr>%3")
                         .arg(sheet.title, sheet.equations, sheet.legend));
    painter.translate(30, 24);
    document.drawContents(&painter);
    return picture;
}

} // namespace Sheets
