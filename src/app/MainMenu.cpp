#include "app/MainMenu.h"

#include "app/Main.h"
#include "info/uBadania.h"
#include "platform/Application.h"

#include <QDialog>
#include <QLayout>

namespace {

QAction *Item(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

// Shows one of the windows created at start; they are shown, never created or released here.
template <class T> void ShowOnClick(QAction *item, QPointer<T> &window)
{
    QObject::connect(item, &QAction::triggered, item, [&window] {
        Application().Guard([&] {
            if (window)
                window->ShowModal();
        });
    });
}

} // namespace

TMainMenu BuildMainMenu(QDialog *window, AccessPathItem accessPath)
{
    TMainMenu m;
    m.bar = new QMenuBar(window);
    m.bar->setObjectName(QStringLiteral("MainMenu1"));
    window->layout()->setMenuBar(m.bar);

    QMenu *file = m.file = m.bar->addMenu(QStringLiteral("&File"));
    QMenu *methods = file->addMenu(QStringLiteral("Experimental methods"));
    m.Maximumbubblepressuremethod1 = Item(methods, "Maximumbubblepressuremethod1",
                                          QStringLiteral("Maximum bubble pressure method"));
    m.Dilatometricmetod1 =
        Item(methods, "Dilatometricmetod1", QStringLiteral("Dilatometric method"));
    m.Meniscographicmethod1 =
        Item(methods, "Meniscographicmethod1", QStringLiteral("Meniscographic method"));
    m.Sessiledropmethod1 =
        Item(methods, "Sessiledropmethod1", QStringLiteral("Sessile drop method"));
    m.AcessDatabase1 =
        Item(file, "AcessDatabase1", QStringLiteral("Access path of the database"));
    m.LitForm = Item(file, "LitForm", QStringLiteral("&Exit to Windows"));

    m.DTA1 = m.bar->addAction(QStringLiteral("&DTA"));
    m.DTA1->setObjectName(QStringLiteral("DTA1"));

    QMenu *database = m.bar->addMenu(QStringLiteral("&Database"));
    m.NISTdatabase2 = Item(database, "NISTdatabase2", QStringLiteral("NIST database"));

    QMenu *viscosity = m.bar->addMenu(QStringLiteral("&Viscosity"));
    QMenu *models = viscosity->addMenu(QStringLiteral("&Models"));
    m.Iida2 = Item(models, "Iida2", QStringLiteral("Iida-Ueda-Morita"));
    m.Kaptay1 = Item(models, "Kaptay1", QStringLiteral("Kaptay"));
    m.Kozlov3 = Item(models, "Kozlov3", QStringLiteral("Kozlov-Romanov-Petrov"));
    m.MoelwinHughes2 = Item(models, "MoelwinHughes2", QStringLiteral("Moelwyn-Hughes"));
    m.Seetharaman31 = Item(models, "Seetharaman31", QStringLiteral("Seetharaman-Du Sichen"));

    m.Help1 = m.bar->addAction(QStringLiteral("&Help"));
    m.Help1->setObjectName(QStringLiteral("Help1"));

    ShowOnClick(m.Maximumbubblepressuremethod1, fmBadania3);
    ShowOnClick(m.Dilatometricmetod1, fmBadania4);
    ShowOnClick(m.Meniscographicmethod1, fmBadania1);
    ShowOnClick(m.Sessiledropmethod1, fmBadania2);
    ShowOnClick(m.Iida2, fmIida);
    ShowOnClick(m.Kaptay1, fmKaptay);
    ShowOnClick(m.Kozlov3, fmKozlov);
    ShowOnClick(m.MoelwinHughes2, fmMoelwyn);
    ShowOnClick(m.Seetharaman31, fmSeetharaman);
    QObject::connect(m.NISTdatabase2, &QAction::triggered, window,
                     [] { Application().Guard([] { fmStart->NISTdatabase2Click(); }); });
    QObject::connect(m.Help1, &QAction::triggered, window,
                     [] { Application().Guard([] { fmStart->OpenHelpPdf(); }); });
    QObject::connect(m.LitForm, &QAction::triggered, window,
                     [] { Application().Guard([] { fmStart->LitFormClick(); }); });
    // The DTA window of one run is owned by the window whose menu opened it.
    QObject::connect(m.DTA1, &QAction::triggered, window,
                     [window] { Application().Guard([window] { fmStart->ShowDTA(window); }); });
    if (accessPath == AccessPathItem::Restart)
        QObject::connect(m.AcessDatabase1, &QAction::triggered, window,
                         [] { Application().Guard([] { fmStart->RestartApplication(); }); });
    return m;
}
