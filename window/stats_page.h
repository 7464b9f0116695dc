#pragma once

#include "page_exchange.h"

#include <QList>
#include <QWidget>

#include <memory>

class UserPrompts;

namespace Ui {
class StatsPage;
}

// The "Stats" page: generation to total experience, the nine attributes and the five soaks.
class StatsPage : public QWidget {
    Q_OBJECT

public:
    explicit StatsPage(QWidget* parent = nullptr);
    ~StatsPage() override;

    QList<QWidget*> editingControls() const;

    void showValues(const editing::PageValues& values);
    // Notes, as the exchange does, each whole number it brought into the file's range.
    bool readValues(editing::PageValues& values, UserPrompts& prompts, QStringList& notes);

private:
    std::unique_ptr<Ui::StatsPage> ui;
    PageExchange exchange;
};
