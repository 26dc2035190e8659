#pragma once

#include "platform/Forms.h"

#include <QLabel>
#include <QListWidget>

// The phase diagram of the chosen system with its references below it.
class TfmDiagram : public TForm
{
    Q_OBJECT
public:
    explicit TfmDiagram(QWidget *owner = nullptr);

    // The picture, stretched over the space above the references.
    QLabel *Image1;
    QListWidget *ListBox1;
};
inline QPointer<TfmDiagram> fmDiagram;
