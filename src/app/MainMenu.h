#pragma once

#include <QAction>
#include <QMenuBar>

class QDialog;

// The menu tree that the main and the selection window share. Each item is a named action,
// so code and tests reach it by the name of its handler's item.
struct TMainMenu
{
    QMenuBar *bar = nullptr;
    QMenu *file = nullptr;
    QAction *Maximumbubblepressuremethod1 = nullptr;
    QAction *Dilatometricmetod1 = nullptr;
    QAction *Meniscographicmethod1 = nullptr;
    QAction *Sessiledropmethod1 = nullptr;
    QAction *AcessDatabase1 = nullptr;
    QAction *LitForm = nullptr;
    QAction *DTA1 = nullptr;
    QAction *NISTdatabase2 = nullptr;
    QAction *Iida2 = nullptr;
    QAction *Kaptay1 = nullptr;
    QAction *Kozlov3 = nullptr;
    QAction *MoelwinHughes2 = nullptr;
    QAction *Seetharaman31 = nullptr;
    QAction *Help1 = nullptr;
};

// What "Access path of the database" does: the main window asks and keeps the folder, the
// other windows restart the program.
enum class AccessPathItem { OwnHandler, Restart };

// Builds the tree into the window's layout and connects every item; with `OwnHandler` the
// window connects the access-path item itself.
TMainMenu BuildMainMenu(QDialog *window, AccessPathItem accessPath = AccessPathItem::Restart);
