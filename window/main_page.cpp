#include "main_page.h"

#include "cp1252_validator.h"
#include "ui_main_page.h"

#include "editing/actor_flags.h"
#include "editing/model_table.h"

MainPage::MainPage(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::MainPage>())
{
    ui->setupUi(this);

    for (QLineEdit* edit : {ui->nameEdit, ui->clanEdit}) {
        edit->setMaxLength(PageExchange::textLimit);
        edit->setValidator(new Cp1252Validator(edit));
    }

    for (const std::string_view entry : editing::raceEntries)
        ui->raceCombo->addItem(textOfBytes(entry));
    for (const editing::ModelRow& row : editing::ModelTable::rows())
        ui->modelCombo->addItem(textOfBytes(row.displayName));
    ui->raceCombo->setCurrentIndex(editing::noChoice);
    ui->modelCombo->setCurrentIndex(editing::noChoice);

    for (const std::string_view label : editing::actorFlagLabels) {
        auto* item = new QListWidgetItem(textOfBytes(label), ui->flagList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    exchange.addText(ui->nameEdit, &editing::PageValues::characterName);
    exchange.addText(ui->clanEdit, &editing::PageValues::clanName);
    exchange.addInteger(ui->cashEdit, &editing::PageValues::cash);
    exchange.show(editing::PageValues{});
}

MainPage::~MainPage() = default;

QComboBox* MainPage::raceCombo() const
{
    return ui->raceCombo;
}

QComboBox* MainPage::modelCombo() const
{
    return ui->modelCombo;
}

QListWidget* MainPage::flagList() const
{
    return ui->flagList;
}

QList<QWidget*> MainPage::editingControls() const
{
    return exchange.controls() + QList<QWidget*>{ui->raceCombo, ui->modelCombo, ui->flagList};
}

void MainPage::showValues(const editing::PageValues& values)
{
    exchange.show(values);
}

bool MainPage::readValues(editing::PageValues& values, UserPrompts& prompts)
{
    return exchange.read(values, prompts);
}
