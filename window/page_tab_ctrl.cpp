#include "page_tab_ctrl.h"

#include "main_page.h"
#include "stats_page.h"

#include <QTabBar>

PageTabCtrl::PageTabCtrl(QWidget* parent)
    : QTabWidget(parent)
    , main(new MainPage)
    , stats(new StatsPage)
{
    addTab(main, tr("Main"));
    addTab(stats, tr("Stats"));
    setCurrentIndex(0);
    connect(tabBar(), &QTabBar::tabBarClicked, this, &PageTabCtrl::onTabClicked);
}

void PageTabCtrl::onTabClicked(int index)
{
    // A click outside every tab, or on the tab already shown, changes nothing.
    if (index < 0 || index == currentIndex())
        return;
    setCurrentIndex(index);
    // A click means the user wants to work on the page, so the focus goes into
    // it; the arrow keys leave it on the tabs so that they can go on switching.
    QWidget* page = widget(index);
    for (QWidget* next = page->nextInFocusChain(); next != page && page->isAncestorOf(next);
         next = next->nextInFocusChain()) {
        if (next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::MouseFocusReason);
            break;
        }
    }
}
