#include "platform/Controls.h"

TSpeedButton::TSpeedButton(
    QWidget *parent, const QString &name, const QString &caption, bool enabled, const QString &hint)
    : QToolButton(parent)
{
    setObjectName(name);
    setText(caption);
    setEnabled(enabled);
    setToolTip(hint);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setMinimumSize(75, 25);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void TSpeedButton::SetFontColor(TColor color)
{
    m_fontColor = color;
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::ButtonText, ToQColor(color));
    p.setColor(QPalette::Inactive, QPalette::ButtonText, ToQColor(color));
    setPalette(p);
}

TTimer::TTimer(QObject *parent, const QString &name, int intervalMs, bool enabled)
    : QTimer(parent)
{
    setObjectName(name);
    setInterval(intervalMs);
    if (enabled)
        start();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled && !isActive())
        start();
    else if (!enabled)
        stop();
}

void SetBackground(QWidget *widget, TColor color)
{
    widget->setAutoFillBackground(true);
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, ToQColor(color));
    widget->setPalette(p);
}
