#pragma once

#include "platform/DBControls.h"

#include <limits>
#include <vector>

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

// Goes to each row selected in a grid, in the order of its selection list and at most `most` of
// them, marks it selected again and passes the grid's dataset standing on it. The selection is
// read before the first visit, so no visit can change which rows are walked.
template <class Visit>
void ForEachSelectedRow(TDBGrid *grid, Visit visit, int most = std::numeric_limits<int>::max())
{
    TDataSet *rows = grid->DataSet();
    if (!rows)
        return;
    std::vector<TBookmark> selected;
    for (int i = 0; i < grid->SelectedRowsCount() && i < most; ++i)
        selected.push_back(grid->SelectedRowsItem(i));
    for (const TBookmark row : selected) {
        rows->GotoBookmark(row);
        grid->SelectRow(row, true);
        visit(rows);
    }
}
