#include "app/aquabill_main.h"

void AquabillMain::Calc_Click() {}
