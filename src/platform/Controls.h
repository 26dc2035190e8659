#pragma once

#include "platform/TColor.h"

#include <QTimer>
#include <QToolButton>

// A flat button that never acts as a window's default button; its caption can be coloured.
class TSpeedButton : public QToolButton
{
    Q_OBJECT
public:
    TSpeedButton(QWidget *parent, const QString &name, const QString &caption, bool enabled = true,
        const QString &hint = {});
    // The caption colour; a disabled button still shows grey.
    void SetFontColor(TColor color);
    TColor FontColor() const { return m_fontColor; }

private:
    TColor m_fontColor = clWindowText;
};

// Fills the widget's background with the colour.
void SetBackground(QWidget *widget, TColor color);

// A timer whose Enabled := True starts it only when it is not already running.
class TTimer : public QTimer
{
    Q_OBJECT
public:
    TTimer(QObject *parent, const QString &name, int intervalMs, bool enabled);
    bool Enabled() const { return isActive(); }
    void SetEnabled(bool enabled);
};
