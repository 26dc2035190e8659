#include "app/Startup.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "chart/uEut.h"
#include "chart/uWlasnedane.h"
#include "data/uDataModule.h"
#include "info/uAutorFig.h"
#include "info/uAutorTRefer.h"
#include "info/uBadania.h"
#include "info/uDTA.h"
#include "info/uDiagram.h"
#include "info/uFig.h"
#include "info/uFigers.h"
#include "info/uMenisk.h"
#include "info/uMeniskFig.h"
#include "info/uMeniskFig1.h"
#include "info/uReferences.h"
#include "info/uSkany.h"
#include "models/uSurfConc.h"
#include "platform/Application.h"

template <class T> static void CreateForm(QPointer<T> &global)
{
    global = Application().Create(new T);
}

void CreateStartupObjects()
{
    TApplication &app = Application();
    dmDataModule = app.Create(new TdmDataModule);
    CreateForm(fmStart);
    CreateForm(fmSelect);
    CreateForm(fmSkany);
    CreateForm(fmReferences);
    CreateForm(fmDiagram);
    CreateForm(fmAutorTRef);
    CreateForm(fmFig);
    CreateForm(fmEut);
    CreateForm(fmMenisk);
    CreateForm(fmBadania);
    CreateForm(fmBadania1);
    CreateForm(fmBadania2);
    CreateForm(fmBadania3);
    CreateForm(fmBadania4);
    CreateForm(fmMeniskFig);
    CreateForm(fmMeniskFig1);
    CreateForm(fmAutorFig);
    CreateForm(fmDTA);
    CreateForm(fmFigers);
    CreateForm(fmWlasnedane);
    CreateForm(fmSurfConc);
    CreateForm(fmIida);
    CreateForm(fmKaptay);
    CreateForm(fmKozlov);
    CreateForm(fmMoelwyn);
    CreateForm(fmSeetharaman);
}
