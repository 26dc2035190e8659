#pragma once

#include "info/Sheets.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

#include <QLabel>
#include <QTextBrowser>

// The static reference windows: a money-green dialog with an OK button that closes it.
class TfmBadania : public TForm
{
    Q_OBJECT
public:
    explicit TfmBadania(
        QWidget *owner = nullptr, const QString &name = QStringLiteral("fmBadania"));

    QWidget *Panel1;
    TSpeedButton *SpeedButton1;

    void SpeedButton1Click();

protected:
    // The client area above the panel, which the descendants fill.
    QWidget *Body;
};
inline QPointer<TfmBadania> fmBadania;

// The description of an experimental method, with its schematic where it has one.
class TMethodWindow : public TfmBadania
{
    Q_OBJECT
public:
    TMethodWindow(QWidget *owner, const QString &name, const Sheets::MethodSheet &sheet);

    QLabel *lblTytul;
    QTextBrowser *Memo1;
    QLabel *Image1 = nullptr;
};

// The formula sheet of a viscosity model, stretched over the window.
class TModelWindow : public TfmBadania
{
    Q_OBJECT
public:
    TModelWindow(QWidget *owner, const QString &name, const Sheets::ModelSheet &sheet);

    QLabel *Image1;
};

#define VIRELT_SHEET_WINDOW(Class, Base, global, sheet)                                            \
    class Class : public Base                                                                      \
    {                                                                                              \
    public:                                                                                        \
        explicit Class(QWidget *owner = nullptr)                                                   \
            : Base(owner, QStringLiteral(#global), sheet)                                          \
        {                                                                                          \
        }                                                                                          \
    };                                                                                             \
    inline QPointer<Class> global;

VIRELT_SHEET_WINDOW(TfmBadania1, TMethodWindow, fmBadania1, Sheets::Meniscographic())
VIRELT_SHEET_WINDOW(TfmBadania2, TMethodWindow, fmBadania2, Sheets::SessileDrop())
VIRELT_SHEET_WINDOW(TfmBadania3, TMethodWindow, fmBadania3, Sheets::MaximumBubblePressure())
VIRELT_SHEET_WINDOW(TfmBadania4, TMethodWindow, fmBadania4, Sheets::Dilatometric())
VIRELT_SHEET_WINDOW(TfmIida, TModelWindow, fmIida, Sheets::IidaUedaMorita())
VIRELT_SHEET_WINDOW(TfmKaptay, TModelWindow, fmKaptay, Sheets::Kaptay())
VIRELT_SHEET_WINDOW(TfmKozlov, TModelWindow, fmKozlov, Sheets::KozlovRomanovPetrov())
VIRELT_SHEET_WINDOW(TfmMoelwyn, TModelWindow, fmMoelwyn, Sheets::MoelwynHughes())
VIRELT_SHEET_WINDOW(TfmSeetharaman, TModelWindow, fmSeetharaman, Sheets::SeetharamanDuSichen())
#undef VIRELT_SHEET_WINDOW
