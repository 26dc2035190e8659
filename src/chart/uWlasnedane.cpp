#include "chart/uWlasnedane.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "chart/ChartBuilders.h"
#include "chart/uWykresy.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString TextFiles = QStringLiteral("Text files (*.txt *.TXT)");

QLabel *Label(QWidget *parent, const QString &text, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

} // namespace

TfmWlasnedane::TfmWlasnedane(QWidget *owner)
    : TForm(owner, QStringLiteral("fmWlasnedane"), QStringLiteral("Virelt 2"))
{
    resize(520, 420);
    SetBackground(this, clMoneyGreen);
    auto *layout = new QHBoxLayout(this);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    layout->addWidget(Memo1, 1);

    auto *side = new QVBoxLayout;
    side->addWidget(Label(this, QStringLiteral("AUTHOR"), true));
    edAuthor = new QLineEdit(this);
    edAuthor->setObjectName(QStringLiteral("edAuthor"));
    side->addWidget(edAuthor);
    auto *temperature = new QHBoxLayout;
    temperature->addWidget(Label(this, QStringLiteral("T =")));
    edWlasneT = new QLineEdit(this);
    edWlasneT->setObjectName(QStringLiteral("edWlasneT"));
    edWlasneT->setMaxLength(4);
    edWlasneT->setFixedWidth(60);
    temperature->addWidget(edWlasneT);
    temperature->addWidget(Label(this, QStringLiteral("[K]")));
    temperature->addStretch(1);
    side->addLayout(temperature);
    side->addSpacing(12);
    side->addWidget(Label(this, QStringLiteral("Data format:"), true));
    side->addWidget(Label(this, QStringLiteral("Insert: X;  Value;")));
    side->addWidget(Label(this, QStringLiteral("X.X; Y.Y;")));
    side->addStretch(1);
    auto *buttons = new QGridLayout;
    sbOK = new TSpeedButton(this, QStringLiteral("sbOK"), QStringLiteral("OK"));
    sbOK->setEnabled(false);
    sbLoad = new TSpeedButton(this, QStringLiteral("sbLoad"), QStringLiteral("Load"));
    sbSave = new TSpeedButton(this, QStringLiteral("sbSave"), QStringLiteral("Save"));
    sbHelp = new TSpeedButton(this, QStringLiteral("sbHelp"), QStringLiteral("Help"));
    sbBack = new TSpeedButton(this, QStringLiteral("sbBack"), QStringLiteral("Back"));
    sbExit = new TSpeedButton(this, QStringLiteral("sbExit"), QStringLiteral("Exit"));
    const TSpeedButton *order[] = { sbOK, sbLoad, sbSave, sbHelp, sbBack, sbExit };
    for (int i = 0; i < 6; ++i)
        buttons->addWidget(const_cast<TSpeedButton *>(order[i]), i / 2, i % 2);
    side->addLayout(buttons);
    layout->addLayout(side);

    OnEvent(Memo1, &QPlainTextEdit::textChanged, this, &TfmWlasnedane::Memo1Change);
    OnEvent(edWlasneT, &QLineEdit::textChanged, this, &TfmWlasnedane::edWlasneTChange);
    OnEvent(edAuthor, &QLineEdit::textChanged, this, &TfmWlasnedane::edWlasneTChange);
    OnEvent(sbOK, &QToolButton::clicked, this, &TfmWlasnedane::sbOKClick);
    OnEvent(sbLoad, &QToolButton::clicked, this, &TfmWlasnedane::sbLoadClick);
    OnEvent(sbSave, &QToolButton::clicked, this, &TfmWlasnedane::sbSaveClick);
    OnEvent(sbHelp, &QToolButton::clicked, this, &TfmWlasnedane::sbHelpClick);
    OnEvent(sbBack, &QToolButton::clicked, this, &TfmWlasnedane::sbBackClick);
    OnEvent(sbExit, &QToolButton::clicked, this, &TfmWlasnedane::sbExitClick);
}

void TfmWlasnedane::FormShow()
{
    Memo1->clear();
    edWlasneT->clear();
}

void TfmWlasnedane::Memo1Change()
{
    sbOK->setEnabled(!Memo1->toPlainText().isEmpty() && !edWlasneT->text().isEmpty()
                     && !edAuthor->text().isEmpty());
}

void TfmWlasnedane::edWlasneTChange()
{
    Memo1Change();
}

void TfmWlasnedane::sbLoadClick()
{
    // The typed rows stay until a chosen file has been read in full.
    const QString path =
        Dialogs().OpenFileName(QStringLiteral("Open"), fmStart->GetSaveDir(), TextFiles);
    if (!path.isEmpty())
        Memo1->setPlainText(TextFile::Read(path).join(u'\n'));
}

void TfmWlasnedane::sbSaveClick()
{
    const QString path =
        Dialogs().SaveFileName(QStringLiteral("Save As"), fmStart->GetSaveDir(), TextFiles);
    if (!path.isEmpty())
        TextFile::Write(path, Memo1->toPlainText().split(u'\n'));
}

void TfmWlasnedane::sbOKClick()
{
    TModelChart2 builder(Memo1, fmWykres->DBChart1, u';', u'.');
    if (fmSelect->chbX->isChecked())
        builder.DrawIsotherm(edAuthor->text(), edWlasneT->text());
    else
        builder.DrawTemperatureLines(fmWykres->dbgTemp1);
    SetModalResult(mrOk);
}

void TfmWlasnedane::sbBackClick()
{
    Close();
}

void TfmWlasnedane::sbExitClick()
{
    fmStart->LitFormClick();
}

void TfmWlasnedane::sbHelpClick()
{
    fmStart->OpenHelpPdf();
}
