#include "chart/ListaWybranych.h"

void TListaWybranych::Add(const QString &id)
{
    if (Contains(id))
        return;
    m_list << id;
    if (!m_onNewId)
        return;
    // An id counts as drawn only once its drawing went through, so a failed one can be retried.
    try {
        m_onNewId();
    } catch (...) {
        m_list.removeLast();
        throw;
    }
}
