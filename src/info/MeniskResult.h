#pragma once

#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"

#include <QVBoxLayout>

// What both meniscographic result windows share: the grid of the system's authors with the
// buttons Exit and Help below, and between them the window's own content.
class TMeniskResult : public TForm
{
    Q_OBJECT
public:
    TMeniskResult(QWidget *owner, const QString &name);

    TDBGrid *DBGrid1;
    TSpeedButton *SpeedButton1;
    TSpeedButton *sbHelp;

    void SpeedButton1Click();
    void sbHelpClick();

protected:
    // Adds the window's content below the author grid.
    void AddContent(QWidget *content);

private:
    QVBoxLayout *m_layout;
};
