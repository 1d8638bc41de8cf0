#include "app/aquabill_main.h"

void AquabillMain::CheckReadings() {}
void AquabillMain::CheckConsistency() {}
