#pragma once

#include "platform/Fixed.h"

#include <vector>

class TDBChart;
class TfmWykres;

// One straight temperature line: its two end points (temperature in K, value).
struct TTempLineRec
{
    int T1 = 0;
    Fixed V1;
    int T2 = 0;
    Fixed V2;
};

// End points of the chosen lines of one temperature tab (1 or 2), waiting to be drawn.
class TListaWybranychPunktTemp
{
public:
    TListaWybranychPunktTemp(TfmWykres *window, int tab)
        : m_window(window)
        , m_tab(tab)
    {
    }

    void Add(const TTempLineRec &rec) { m_records.push_back(rec); }
    void Clear() { m_records.clear(); }
    int Count() const { return int(m_records.size()); }

    // Draws each record as a line in the tab's next palette colour, titled with the tab's
    // publication and the X of its grid's current row, then empties the list. The line is
    // straight (A + B·T) but for viscosity, which follows its Arrhenius curve.
    void Draw(TDBChart *chart);

private:
    TfmWykres *m_window;
    int m_tab;
    std::vector<TTempLineRec> m_records;
};
