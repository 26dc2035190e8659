#include "app/Main.h"

#include "app/uSelect.h"
#include "data/uDataModule.h"
#include "info/uDTA.h"
#include "info/FigureNames.h"
#include "info/uMenisk.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/Shell.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

QLabel *BannerLabel(QWidget *parent, const char *name, const QString &text, int pixelSize,
                    bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    return label;
}

} // namespace

TfmStart::TfmStart(QWidget *owner)
    : TForm(owner, QStringLiteral("fmStart"), QStringLiteral("Virelt 2"))
{
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    resize(692, 446);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *banner = new QWidget(this);
    banner->setObjectName(QStringLiteral("pnlBanner"));
    banner->setAutoFillBackground(true);
    banner->setStyleSheet(QStringLiteral(
        "#pnlBanner { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #0b2a5b, "
        "stop:1 #1d4f91); } #pnlBanner QLabel { color: white; }"));
    auto *bannerLayout = new QVBoxLayout(banner);
    bannerLayout->setContentsMargins(20, 18, 20, 18);
    Label5 = BannerLabel(banner, "Label5", QStringLiteral("VIRELT 2"), 46, true);
    Label2 = BannerLabel(banner, "Label2",
                         QStringLiteral("Database of physicochemical properties of selected "
                                        "solders"),
                         19, false);
    Label6 = BannerLabel(banner, "Label6",
                         QStringLiteral("Data: VIRELT 2 for Linux demonstration data set"), 14,
                         false);
    bannerLayout->addWidget(Label5);
    bannerLayout->addWidget(Label2);
    bannerLayout->addSpacing(6);
    bannerLayout->addWidget(Label6);
    layout->addWidget(banner);

    auto *body = new QWidget(this);
    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(60, 24, 60, 12);
    auto *selection = new QGroupBox(QStringLiteral("SYSTEM SELECTION"), body);
    selection->setObjectName(QStringLiteral("Panel1"));
    auto *selectionLayout = new QHBoxLayout(selection);
    selectionLayout->setContentsMargins(24, 18, 24, 18);
    dblSelectSystem = new TDBLookupComboBox(selection, QStringLiteral("dblSelectSystem"));
    dblSelectSystem->SetKeyField(QStringLiteral("ID_SELECT"));
    dblSelectSystem->SetListField(QStringLiteral("NAZWA"));
    dblSelectSystem->SetListSource(dmDataModule->dsSelect);
    dblSelectSystem->setMinimumWidth(260);
    selectionLayout->addWidget(dblSelectSystem, 1);
    sbOK = new TSpeedButton(selection, QStringLiteral("sbOK"), QStringLiteral("OK"));
    sbExit = new TSpeedButton(selection, QStringLiteral("sbExit"), QStringLiteral("Exit"));
    selectionLayout->addSpacing(12);
    selectionLayout->addWidget(sbOK);
    selectionLayout->addWidget(sbExit);
    bodyLayout->addWidget(selection);
    bodyLayout->addStretch(1);

    Label1 = BannerLabel(body, "Label1", QStringLiteral("VIRELT 2 for Linux"), 15, true);
    Label3 = BannerLabel(body, "Label3",
                         QStringLiteral("Free software edition on Qt and SQLite"), 13, false);
    Label4 = BannerLabel(body, "Label4",
                         QStringLiteral("The shipped database is a demonstration data set"), 13,
                         false);
    bodyLayout->addWidget(Label1);
    bodyLayout->addWidget(Label3);
    bodyLayout->addWidget(Label4);
    layout->addWidget(body, 1);

    MainMenu1 = BuildMainMenu(this, AccessPathItem::OwnHandler);
    Timer1 = new TTimer(this, QStringLiteral("Timer1"), 10, true);

    OnEvent(Timer1, &QTimer::timeout, this, &TfmStart::Timer1Timer);
    OnEvent(sbOK, &QToolButton::clicked, this, &TfmStart::sbOKClick);
    OnEvent(sbExit, &QToolButton::clicked, this, &TfmStart::sbExitClick);
    OnEvent(MainMenu1.AcessDatabase1, &QAction::triggered, this, &TfmStart::AcessDatabase1Click);
}

void TfmStart::FormShow()
{
    if (!dblSelectSystem->Text().isEmpty()) {
        sbOK->SetFontColor(clGreen);
        sbOK->setEnabled(true);
    } else {
        sbOK->setEnabled(false);
        sbOK->SetFontColor(clRed);
    }
    Release(fmMenisk);
}

void TfmStart::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program.
    QDialog::closeEvent(event);
    Application().Terminate();
}

void TfmStart::Timer1Timer()
{
    const bool chosen = !Numbers::Trim(dblSelectSystem->Text()).isEmpty();
    Timer1->SetEnabled(!chosen);
    sbOK->SetFontColor(clGreen);
    sbOK->setEnabled(chosen);
}

void TfmStart::sbOKClick()
{
    RunTaskWindow(fmSelect, this, [this] {
        InitSaveDir();
        dmDataModule->OpenTabUkl();
        fmSelect->ShowModal();
    });
}

void TfmStart::sbExitClick()
{
    Application().Terminate();
}

void TfmStart::LitFormClick()
{
    if (MessageDlg(QStringLiteral("Exit to Windows?"), mtInformation, mbYesNoCancel) == mrYes)
        Application().Terminate();
}

void TfmStart::AcessDatabase1Click()
{
    // The answer changes nothing: the database folder is always the one beside the program.
    InputBox(QStringLiteral("Catalogue of the database"),
             QStringLiteral("Access path of the VIRELT 2 database"), Paths::DatabaseFolder());
    InitSaveDir();
}

void TfmStart::ShowDTA(QWidget *owner)
{
    RunTaskWindow(fmDTA, owner, [] {
        dmDataModule->OpenDTA();
        fmDTA->ShowModal();
    });
}

void TfmStart::NISTdatabase2Click()
{
    OpenDocument(
        Paths::Join(Paths::DatabaseFolder(), QStringLiteral("NIST/Release5/props01.html")));
}

void TfmStart::InitSaveDir()
{
    FSaveDir = Paths::Join(Paths::ExeFolder(), QStringLiteral("Save"));
    // Saved files and printed PDFs would otherwise fail for want of the folder.
    QDir().mkpath(FSaveDir);
}

void TfmStart::OpenHelpPdf()
{
    OpenDocument(Paths::Join(Paths::DatabaseFolder(), QStringLiteral("VIRELT 2 PL.pdf")));
}

QString TfmStart::ChosenSystem() const
{
    return fmSelect ? fmSelect->dblSelect->Text() : QString();
}

bool TfmStart::OpenFirstPicture(const QString &folder)
{
    // Name order and any case of ".jpg", so the first one found is the same on every run.
    const QStringList pictures =
        QDir(folder).entryList({ QStringLiteral("*.jpg") }, QDir::Files, QDir::Name);
    if (pictures.isEmpty())
        return false;
    OpenDocument(folder + pictures.first());
    return true;
}

void TfmStart::OpenDocument(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile()) {
        MessageDlg(
            QStringLiteral("The document \"%1\" is missing. It belongs at %2").arg(name, path),
            mtError, mbOKOnly);
        return;
    }
    Shell().OpenDocument(path, [name, path] {
        MessageDlg(QStringLiteral("No program on this computer opens the document \"%1\". You can "
                                  "open it by hand: %2")
                       .arg(name, path),
            mtError, mbOKOnly);
    });
}

void TfmStart::OpenFigFolder()
{
    FFigDir = FigureNames::FigureFolder(Paths::DatabaseFolder(), dblSelectSystem->Text(),
                                        ChosenSystem());
    OpenFirstPicture(FFigDir);
}

void TfmStart::OpenMeniskFolder()
{
    FMeniskDir = FigureNames::MeniskFolder(Paths::DatabaseFolder(), dblSelectSystem->Text(),
                                           ChosenSystem());
    if (!OpenFirstPicture(FMeniskDir))
        MessageDlg(QStringLiteral("Sorry. No data!"), mtInformation, mbOKOnly);
}

void TfmStart::RestartApplication()
{
    const QString program = Paths::Join(Paths::ExeFolder(), QStringLiteral("VIRELT2"));
    // Where the new process cannot start, the running one stays rather than vanish.
    if (!Shell().StartProcess(program)) {
        MessageDlg(QStringLiteral("VIRELT 2 could not be started again from %1.").arg(program),
                   mtError, mbOKOnly);
        return;
    }
    Application().Terminate();
}
