#pragma once

#include "platform/Forms.h"

// Static reference windows: the experimental methods and the viscosity-model pictures.
class TfmBadania : public TForm
{
    Q_OBJECT
public:
    explicit TfmBadania(QWidget *owner = nullptr, const QString &name = QStringLiteral("fmBadania"))
        : TForm(owner, name, QStringLiteral("Virelt 2"))
    {
    }
};

#define VIRELT_BADANIA_WINDOW(Class, global)                                                       \
    class Class : public TfmBadania                                                                \
    {                                                                                              \
    public:                                                                                        \
        explicit Class(QWidget *owner = nullptr)                                                   \
            : TfmBadania(owner, QStringLiteral(#global))                                           \
        {                                                                                          \
        }                                                                                          \
    };                                                                                             \
    inline QPointer<Class> global;

VIRELT_BADANIA_WINDOW(TfmBadania1, fmBadania1)
VIRELT_BADANIA_WINDOW(TfmBadania2, fmBadania2)
VIRELT_BADANIA_WINDOW(TfmBadania3, fmBadania3)
VIRELT_BADANIA_WINDOW(TfmBadania4, fmBadania4)
VIRELT_BADANIA_WINDOW(TfmIida, fmIida)
VIRELT_BADANIA_WINDOW(TfmKaptay, fmKaptay)
VIRELT_BADANIA_WINDOW(TfmKozlov, fmKozlov)
VIRELT_BADANIA_WINDOW(TfmMoelwyn, fmMoelwyn)
VIRELT_BADANIA_WINDOW(TfmSeetharaman, fmSeetharaman)

inline QPointer<TfmBadania> fmBadania;
