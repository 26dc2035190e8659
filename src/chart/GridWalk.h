#pragma once

#include "platform/DBControls.h"

// Walks every row of a grid's dataset, showing each as selected, with the dataset's controls
// disabled; the controls are enabled again and the selection cleared however the walk ends.
template <class Visit> void WalkGridRows(TDBGrid *grid, Visit visit)
{
    TDataSet *rows = grid->DataSet();
    if (!rows)
        return;
    rows->DisableControls();
    try {
        grid->ClearSelectedRows();
        rows->First();
        while (!rows->Eof()) {
            grid->SelectRow(rows->RecNo(), true);
            visit(rows);
            rows->Next();
        }
    } catch (...) {
        rows->EnableControls();
        grid->ClearSelectedRows();
        throw;
    }
    rows->EnableControls();
    grid->ClearSelectedRows();
}
