#pragma once

#include "platform/Controls.h"
#include "platform/Forms.h"

#include <QLabel>

// The figure viewer: one scanned figure, its references, and printing it with a title line.
class TfmSkany : public TForm
{
    Q_OBJECT
public:
    explicit TfmSkany(QWidget *owner = nullptr);

    QLabel *Image1;
    QWidget *Panel1;
    TSpeedButton *sbExit;
    TSpeedButton *sbReferences;
    TSpeedButton *sbPrint;

    // Decodes the JPEG file into Image1; a file that cannot be read raises and changes nothing.
    void LoadPicture(const QString &path);

    void sbExitClick();
    void sbReferencesClick();
    void sbPrintClick();

    // The printed picture: from (50, 200), twice its own size in printer pixels, within the page.
    static QRect PrintRect(QSize picture, const QRect &page);

private:
    QString FFileName;
};
inline QPointer<TfmSkany> fmSkany;
