#include "model_table.h"

namespace editing {

namespace {

// Several cells look inconsistent (the Samuel rows cross over, "Wilhelm" is
// spelt "wilhem" in files, capitals differ between body and head files), but
// they are what the game's files hold and must be written exactly so.
constexpr std::array<ModelRow, ModelTable::rowCount> modelRows{{
    {"Christof DA", "mp_christof_da", "christof.nod", "christofH.nod", "CHRISTOF", "mpChristof.nag"},
    {"Christof MD", "mp_christof_md", "ChristofMod.nod", "ChristofModH.nod", "CHRIS", "mpChristof.nag"},
    {"Erik DA", "mp_erik", "erik.nod", "erikH.nod", "ERIK", "mpErik.nag"},
    {"Erik MD", "mp_erik_md", "erikMOD.nod", "erikModH.nod", "ERIK", "mpErik.nag"},
    {"GothGirl", "mp_gothgirl", "gothGirl1.nod", "GothGirl1H.nod", "LILY", "mpLily.nag"},
    {"GothGuy", "mp_gothguy", "Ventrue.nod", "VentrueH.nod", "CHRIS", "mpChristof.nag"},
    {"HeavyG DA", "mp_heavyg_da", "HeavyG_DA.nod", "heavyG_daH.nod", "HEAVYG", "mpErik.nag"},
    {"HeavyG MD", "mp_heavyg_md", "heavyG.nod", "HeavyGH.nod", "HEAVYG", "mpErik.nag"},
    {"Kazi DA", "mp_kazi", "darkAgeFemale.nod", "darkAgeFemaleH.nod", "KAZI", "mpSerena.nag"},
    {"Kazi MD", "mp_kazi_md", "normalGirl.nod", "normalGirlH.nod", "KAZI", "mpSerena.nag"},
    {"Lily", "mp_lily", "Lily.nod", "lilyH.nod", "LILY", "mpLily.nag"},
    {"Pink", "mp_pink", "pink.nod", "pinkH.nod", "PINK", "mpPink.nag"},
    {"Samuel DA", "mp_samuel", "samuel.nod", "samuelH.nod", "SAMUEL", "mpSamuel.nag"},
    {"Samuel MD", "mp_samuel_da", "SamuelDA.nod", "samuelDAH.nod", "SAMUEL", "mpSamuel.nag"},
    {"Serena", "mp_serena", "Serena.nod", "SerenaH.nod", "SERENA", "mpSerena.nag"},
    {"Tremere", "mp_tremere", "tremereMP.nod", "tremereMPH.nod", "TREMERE", "mpChristof.nag"},
    {"Wilhelm DA", "mp_wilhem_da", "Wilhem.nod", "wilhemH.nod", "WILHEM", "mpWilhem.nag"},
    {"Wilhelm MD", "mp_wilhem_md", "wilhemMod.nod", "wilhemMODH.nod", "WILHEM", "mpWilhem.nag"},
    {"Zil MD", "mp_zil_md", "Zil_MP.nod", "Zil_MPH.nod", "KAZI", "mpSerena.nag"},
}};

} // namespace

const ModelRow* ModelTable::rowAt(int index)
{
    if (index < 0 || index >= rowCount)
        return nullptr;
    return &modelRows[static_cast<std::size_t>(index)];
}

std::optional<int> ModelTable::findById(std::string_view modelId)
{
    for (int i = 0; i < rowCount; ++i) {
        if (modelRows[static_cast<std::size_t>(i)].modelId == modelId)
            return i;
    }
    return std::nullopt;
}

const std::array<ModelRow, ModelTable::rowCount>& ModelTable::rows()
{
    return modelRows;
}

} // namespace editing
