#include "app/aquabill_main.h"

void AquabillMain::CheckSettings(bool, bool) {}
void AquabillMain::RefreshResultCurrency() {}
