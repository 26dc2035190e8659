#pragma once

#include <QStringList>

#include <functional>

// A set of decimal ids in the order of first insertion, whose comma text becomes the list of an
// SQL "IN (...)" condition. The line lists also run their tab's line query and drawing when an
// id is new.
class TListaWybranych
{
public:
    explicit TListaWybranych(std::function<void()> onNewId = {})
        : m_onNewId(std::move(onNewId))
    {
    }

    bool Contains(const QString &id) const { return m_list.contains(id, Qt::CaseInsensitive); }
    void Add(const QString &id);
    void Clear() { m_list.clear(); }
    QString GetCommaText() const { return m_list.join(u','); }
    int Count() const { return int(m_list.size()); }

private:
    QStringList m_list;
    std::function<void()> m_onNewId;
};

// Publications shown in the chart window since it opened or was last cleared; it lives as long
// as one chart window.
inline TListaWybranych *ListaWybranychPublikacji = nullptr;
// Temperature lines drawn on the first and the second temperature tab; they live until the end.
inline TListaWybranych *ListaWybranychLini = nullptr;
inline TListaWybranych *ListaWybranychLini2 = nullptr;
