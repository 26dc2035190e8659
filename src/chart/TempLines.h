#pragma once

#include "platform/Fixed.h"

#include <vector>

// One straight temperature line: its two end points (temperature in K, value).
struct TTempLineRec
{
    int T1 = 0;
    Fixed V1;
    int T2 = 0;
    Fixed V2;
};

// End points of the chosen lines of one temperature tab, waiting to be drawn.
class TListaWybranychPunktTemp
{
public:
    void Add(const TTempLineRec &rec) { m_records.push_back(rec); }
    void Clear() { m_records.clear(); }
    int Count() const { return int(m_records.size()); }
    const std::vector<TTempLineRec> &Records() const { return m_records; }

private:
    std::vector<TTempLineRec> m_records;
};
