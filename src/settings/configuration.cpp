#include "app/aquabill_main.h"

void AquabillMain::LoadConfiguration() {}
void AquabillMain::Save_Defaults_Click() {}
void AquabillMain::Reset_Defaults_Click() {}
