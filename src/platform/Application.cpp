#include "platform/Application.h"

#include "platform/Dialogs.h"

#include <QCoreApplication>

TApplication &TApplication::Instance()
{
    static TApplication application;
    return application;
}

void TApplication::DestroyAll()
{
    while (!m_owned.empty()) {
        delete m_owned.back().data();
        m_owned.pop_back();
    }
}

void TApplication::Terminate()
{
    m_terminated = true;
    QCoreApplication::exit(0);
}

void TApplication::HandleException(const std::exception &e)
{
    Dialogs().ShowException(QString::fromUtf8(e.what()));
}
