#include "chart/ListaWybranych.h"

void TListaWybranych::Add(const QString &id)
{
    if (Contains(id))
        return;
    m_list << id;
    if (m_onNewId)
        m_onNewId();
}
