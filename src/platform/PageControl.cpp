#include "platform/PageControl.h"

TPageControl::TPageControl(QWidget *parent, const QString &name)
    : QTabWidget(parent)
{
    setObjectName(name);
}

QWidget *TPageControl::AddPage(const QString &name, const QString &caption)
{
    auto *page = new QWidget(this);
    page->setObjectName(name);
    addTab(page, caption);
    return page;
}

void TPageControl::SetPageVisible(QWidget *page, bool visible)
{
    setTabVisible(indexOf(page), visible);
    if (visible && page == m_wanted)
        setCurrentWidget(page);
}

bool TPageControl::PageVisible(QWidget *page) const
{
    return isTabVisible(indexOf(page));
}

void TPageControl::SetPageCaption(QWidget *page, const QString &caption)
{
    setTabText(indexOf(page), caption);
}

QString TPageControl::PageCaption(QWidget *page) const
{
    return tabText(indexOf(page));
}

void TPageControl::SetActivePage(QWidget *page)
{
    m_wanted = page;
    if (PageVisible(page))
        setCurrentWidget(page);
}
