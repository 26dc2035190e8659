#pragma once

#include "platform/Forms.h"

// Runs a window opened for one task: created, owned by `owner`, when its global is empty, then
// `run` shows it; whatever happens, the window is released and its global cleared.
template <class T, class Run> void RunTaskWindow(QPointer<T> &global, QWidget *owner, Run &&run)
{
    if (!global)
        global = new T(owner);
    try {
        run();
    } catch (...) {
        Release(global);
        throw;
    }
    Release(global);
}
