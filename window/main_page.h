#pragma once

#include "page_exchange.h"

#include <QList>
#include <QWidget>

#include <memory>

class QComboBox;
class QListWidget;
class UserPrompts;

namespace Ui {
class MainPage;
}

// The "Main" page: name, clan, race, model, actor flags and cash. The combos
// and the flag list are set and read by the window; the exchange carries the
// two texts and the cash.
class MainPage : public QWidget {
    Q_OBJECT

public:
    explicit MainPage(QWidget* parent = nullptr);
    ~MainPage() override;

    QComboBox* raceCombo() const;
    QComboBox* modelCombo() const;
    QListWidget* flagList() const;

    // Every control that edits a value, in the order they are enabled.
    QList<QWidget*> editingControls() const;

    void showValues(const editing::PageValues& values);
    bool readValues(editing::PageValues& values, UserPrompts& prompts);

private:
    std::unique_ptr<Ui::MainPage> ui;
    PageExchange exchange;
};
