#include "stats_page.h"

#include "ui_stats_page.h"

using editing::PageValues;

StatsPage::StatsPage(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::StatsPage>())
{
    ui->setupUi(this);

    // The order in which a save checks the fields, and so which failure it reports.
    exchange.addReal(ui->generationEdit, &PageValues::generation);
    exchange.addReal(ui->healthEdit, &PageValues::health);
    exchange.addReal(ui->manaEdit, &PageValues::mana);
    exchange.addReal(ui->bloodEdit, &PageValues::blood);
    exchange.addReal(ui->bloodRatingEdit, &PageValues::bloodRating);
    exchange.addReal(ui->faithEdit, &PageValues::faith);
    exchange.addReal(ui->humanityEdit, &PageValues::humanity);
    exchange.addInteger(ui->totalXpEdit, &PageValues::totalXp);
    exchange.addReal(ui->strengthEdit, &PageValues::strength);
    exchange.addReal(ui->dexterityEdit, &PageValues::dexterity);
    exchange.addReal(ui->staminaEdit, &PageValues::stamina);
    exchange.addReal(ui->perceptionEdit, &PageValues::perception);
    exchange.addReal(ui->intelligenceEdit, &PageValues::intelligence);
    exchange.addReal(ui->witsEdit, &PageValues::wits);
    exchange.addReal(ui->charismaEdit, &PageValues::charisma);
    exchange.addReal(ui->manipulationEdit, &PageValues::manipulation);
    exchange.addReal(ui->appearanceEdit, &PageValues::appearance);
    exchange.addReal(ui->soakFireEdit, &PageValues::soakFire);
    exchange.addReal(ui->soakSunEdit, &PageValues::soakSun);
    exchange.addReal(ui->soakFaithEdit, &PageValues::soakFaith);
    exchange.addReal(ui->soakColdEdit, &PageValues::soakCold);
    exchange.addReal(ui->soakElecEdit, &PageValues::soakElec);
    exchange.show(PageValues{});
}

StatsPage::~StatsPage() = default;

QList<QWidget*> StatsPage::editingControls() const
{
    return exchange.controls();
}

void StatsPage::showValues(const PageValues& values)
{
    exchange.show(values);
}

bool StatsPage::readValues(PageValues& values, UserPrompts& prompts, QStringList& notes)
{
    return exchange.read(values, prompts, notes);
}
