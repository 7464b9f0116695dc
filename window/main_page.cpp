#include "main_page.h"

#include "cp1252_validator.h"
#include "shared_texts.h"
#include "ui_main_page.h"

#include "editing/actor_flags.h"
#include "editing/model_table.h"

using editing::PageValues;

namespace {

// Selects the entry of a choice, or shows a value outside the list as one extra
// entry after the list's own, dropping whatever an earlier load appended.
void selectEntry(QComboBox* combo, int ownEntries, int choice, const QString& extraEntry)
{
    while (combo->count() > ownEntries)
        combo->removeItem(combo->count() - 1);
    if (choice == editing::noChoice) {
        // A value the list does not know is shown as such and saved back untouched.
        combo->addItem(extraEntry);
        choice = ownEntries;
    }
    combo->setCurrentIndex(choice);
}

} // namespace

MainPage::MainPage(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::MainPage>())
{
    ui->setupUi(this);

    for (const std::string_view entry : editing::raceEntries)
        ui->raceCombo->addItem(translatedText(entry.data()));
    for (const editing::ModelRow& row : editing::ModelTable::rows())
        ui->modelCombo->addItem(textOfBytes(row.displayName));
    ui->raceCombo->setCurrentIndex(editing::noChoice);
    ui->modelCombo->setCurrentIndex(editing::noChoice);

    for (const std::string_view label : editing::actorFlagLabels) {
        auto* item = new QListWidgetItem(textOfBytes(label), ui->flagList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    exchange.addText(ui->nameEdit, &PageValues::characterName);
    exchange.addText(ui->clanEdit, &PageValues::clanName);
    exchange.addInteger(ui->cashEdit, &PageValues::cash);
    exchange.show(PageValues{});
}

MainPage::~MainPage() = default;

QList<QWidget*> MainPage::editingControls() const
{
    return exchange.controls() + QList<QWidget*>{ui->raceCombo, ui->modelCombo, ui->flagList};
}

void MainPage::showValues(const PageValues& values)
{
    selectEntry(ui->raceCombo, static_cast<int>(editing::raceEntries.size()), values.raceChoice,
        translatedText(editing::unknownRaceEntry.data()));
    selectEntry(
        ui->modelCombo, editing::ModelTable::rowCount, values.modelChoice, textOfBytes(values.modelId));
    showActorFlags(values.actorFlags);
    exchange.show(values);
}

bool MainPage::readValues(PageValues& values, UserPrompts& prompts)
{
    if (!exchange.read(values, prompts))
        return false;
    values.raceChoice = ui->raceCombo->currentIndex();
    values.modelChoice = ui->modelCombo->currentIndex();
    values.actorFlags = collectActorFlags();
    return true;
}

void MainPage::showActorFlags(editing::ActorFlags flags)
{
    for (int row = 0; row < ui->flagList->count(); ++row) {
        const bool set = row < editing::actorFlagCount && (flags & editing::actorFlagBit(row));
        ui->flagList->item(row)->setCheckState(set ? Qt::Checked : Qt::Unchecked);
    }
}

editing::ActorFlags MainPage::collectActorFlags() const
{
    editing::ActorFlags flags = 0;
    for (int row = 0; row < editing::actorFlagCount && row < ui->flagList->count(); ++row) {
        if (ui->flagList->item(row)->checkState() == Qt::Checked)
            flags |= editing::actorFlagBit(row);
    }
    return flags;
}
