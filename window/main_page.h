#pragma once

#include "page_exchange.h"

#include <QList>
#include <QWidget>

#include <memory>

class UserPrompts;

namespace Ui {
class MainPage;
}

// The "Main" page: name, clan, race, model, actor flags and cash. It shows and
// reads every one of them, the extra entries of the two lists included.
class MainPage : public QWidget {
    Q_OBJECT

public:
    explicit MainPage(QWidget* parent = nullptr);
    ~MainPage() override;

    // Every control that edits a value, in the order they are enabled.
    QList<QWidget*> editingControls() const;

    void showValues(const editing::PageValues& values);
    // Notes, as the exchange does, each whole number it brought into the file's range.
    bool readValues(editing::PageValues& values, UserPrompts& prompts, QStringList& notes);

private:
    void showActorFlags(editing::ActorFlags flags);
    editing::ActorFlags collectActorFlags() const;

    std::unique_ptr<Ui::MainPage> ui;
    PageExchange exchange;
};
