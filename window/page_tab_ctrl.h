#pragma once

#include <QTabWidget>

class MainPage;
class StatsPage;

// The two pages under their tabs. Whatever changes the tab (a click, the arrow
// keys) shows the page that belongs to it, and the pages live as long as the
// control, so typed text survives a switch.
class PageTabCtrl : public QTabWidget {
    Q_OBJECT

public:
    explicit PageTabCtrl(QWidget* parent = nullptr);

    MainPage* mainPage() const { return main; }
    StatsPage* statsPage() const { return stats; }

private:
    void onTabClicked(int index);

    MainPage* main;
    StatsPage* stats;
};
