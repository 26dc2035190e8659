#pragma once

#include <QTabWidget>

// Tab pages that can be hidden and shown without losing their place, with an active page that
// can be chosen before the page itself is shown.
class TPageControl : public QTabWidget
{
    Q_OBJECT
public:
    TPageControl(QWidget *parent, const QString &name);

    // Adds a page under its own object name, with a caption.
    QWidget *AddPage(const QString &name, const QString &caption);
    void SetPageVisible(QWidget *page, bool visible);
    bool PageVisible(QWidget *page) const;
    void SetPageCaption(QWidget *page, const QString &caption);
    QString PageCaption(QWidget *page) const;
    void SetActivePage(QWidget *page);
    QWidget *ActivePage() const { return currentWidget(); }

private:
    QWidget *m_wanted = nullptr;
};
