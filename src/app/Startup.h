#pragma once

// Creates the data module and the windows of the program in their fixed order, each into its
// global, owned by the application object. The chart window is created later, on demand.
void CreateStartupObjects();
