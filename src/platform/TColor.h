#pragma once

#include <QColor>

// Colours keep the program's integer values, 0x00BBGGRR.
using TColor = qint32;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
// System colours as the desktop shows them by default.
inline constexpr TColor clActiveCaption = 0xD1B499;
inline constexpr TColor clWindow = 0xFFFFFF;
inline constexpr TColor clBtnFace = 0xF0F0F0;
inline constexpr TColor clHighlightText = 0xFFFFFF;
inline constexpr TColor clWindowText = 0x000000;
inline constexpr TColor clHighlight = 0xD77800;
inline constexpr TColor clBackground = 0x000000;
inline constexpr TColor clInactiveCaption = 0xDBCDBF;
inline constexpr TColor clInfoBk = 0xE1FFFF;

inline QColor ToQColor(TColor c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
