#pragma once

// Surface concentration of liquid Ag-Au: the surface is richer in Ag than the bulk.
// The model does not depend on temperature.

struct SurfaceConcentration
{
    double secondElement; // X_S1: surface fraction of Au
    double firstElement; // X_S2 = 1 − X_S1
};

// x: bulk mole fraction of Au, 0 to 1.
SurfaceConcentration SurfaceConcentrationAgAu(double x);
