#include "app/aquabill_main.h"

void AquabillMain::CreateLogFiles() {}
bool AquabillMain::CheckLogFile(const QString &, const QString &) { return true; }
void AquabillMain::WriteResultsLog() {}
void AquabillMain::WriteHistoryLog() {}
void AquabillMain::ViewH_Click() {}
void AquabillMain::ViewL_Click() {}
void AquabillMain::FormatResultsReport() {}
void AquabillMain::FormatHistoryEntry() {}
void AquabillMain::AppendHistoryHeading() {}
void AquabillMain::Get_Last_Click() {}
void AquabillMain::Del_Last_Click() {}
void AquabillMain::Save_Click() {}
void AquabillMain::SaveCalculation() {}
void AquabillMain::Archive_Click() {}
