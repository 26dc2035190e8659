#pragma once

// Property ids of WLASNOSCI. The program compares Density (1) and Molar volume (3) by id and
// switches the first temperature tab to A + B*Log(T) for id 4, which is Viscosity here: its
// lines are stored with B = 0, so either form gives the same value.
enum class Property {
    Density = 1,
    SurfaceTension = 2,
    MolarVolume = 3,
    Viscosity = 4,
    ElectricalProperties = 5,
    MechanicalProperties = 6,
};

// Category ids of SELECT_SYSTEM; 3 and more are shown as sections.
enum Category { PureMetals = 1, BinarySystems, TernarySystems, QuaternarySystems, QuinarySystems };

// The id stored in the tables.
inline int Id(Property property)
{
    return static_cast<int>(property);
}
