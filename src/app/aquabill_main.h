#pragma once

#include "app/controls.h"
#include "app/window_platform.h"
#include "app/window_state.h"
#include "calc/context.h"
#include "records/saved_entry.h"

#include <QDate>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;

// The main window. Its controls are its data: each procedure below copies
// their texts into the core's values, has the core check, calculate or record
// them, and shows the texts it gives back.
class AquabillMain : public QWidget, private WindowState {
    Q_OBJECT

public:
    AquabillMain(WindowPlatform &platform, const QString &arguments, QWidget *parent = nullptr);

    // Runs the load handler, shows the window and activates it. False when the
    // program ended during start-up.
    bool start();
    bool hasEnded() const { return m_ended; }
    int exitCode() const { return m_exitCode; }

    const Controls &controls() const { return c; }

    // The window-level variables, for the secondary windows and the tests to
    // read; only the window's own procedures change them.
    const WindowState &state() const { return *this; }

    // --- Application shell ---
    void Form_Load();
    void Form_Activate();
    void PlaceOnTopWhenTicked();
    void CheckFolder(const QString &folderName);
    [[noreturn]] void FatalError(const QString &title, int stepCode);
    // Runs a procedure; a run-time failure inside it ends the program as the
    // fatal error `title`, numbered by the step the procedure had reached.
    void guarded(const QString &title, const std::function<void()> &procedure);
    [[noreturn]] void EndProgram(int exitCode = 0);

    void ClearReadings();
    void ClearActualResults();
    void ClearPredictedResults();
    void ApplyTaxName();
    void ApplyModeCaptions();
    void ApplyTaxCaption();
    void TidyResults();
    void Period_Click();
    void Disc1P_Click();
    void Disc2F_Click();
    void VAT_Change();
    void VolUnits1_Click();

    void Clear_Click();
    void Exit_Click();
    void Help1_Click();
    void Update_Click();
    void Logo_Click();
    void OnTop_Click();
    void AutoSave_Click();
    void About_Click();
    void Timer1_Timer();
    void ShowStatus(const QString &text);
    void OpenWebPage(const QString &path);

    // --- Settings ---
    void LoadConfiguration();
    void Save_Defaults_Click();
    void Reset_Defaults_Click();
    void CheckSettings(bool stripSymbol, bool addSymbol);
    // The option boxes from the stored options, in the order they are stored.
    void applyStoredOptions();
    void RefreshResultCurrency();

    // --- Cost calculation ---
    void CheckReadings();
    void CheckConsistency();
    void Calc_Click();

    // --- Records ---
    void CreateLogFiles();
    bool CheckLogFile(const QString &kind, const QString &fileName);
    void ReportMissingLog(const QString &kind, const QString &fileName);
    // True when the pending entry was appended; a failure has been reported.
    bool WriteResultsLog();
    bool WriteHistoryLog();
    void ViewH_Click();
    void ViewL_Click();
    void FormatResultsReport();
    void FormatHistoryEntry();
    void Get_Last_Click();
    // The history log's last saved entry; nothing when the log cannot be
    // read, no entry when there is no log. A missing log is reported when
    // `reportMissing` is set.
    std::optional<records::history::SavedEntry> lastSavedEntry(bool reportMissing);
    void Del_Last_Click();
    void Graph_Click();
    void Save_Click();
    void SaveCalculation();
    void Archive_Click();

    // Tick boxes hold 0 (unticked), 1 (ticked) or 2 (greyed).
    static int value(const QCheckBox *box);
    static void setValue(QCheckBox *box, int state);
    // The symbol put in front of money amounts: CurrencySymbol, unless the
    // locale's currency form does not begin with a symbol (then nothing).
    QString symbolPrefix() const;

    WindowPlatform &desktop() { return m_platform; }
    QLocale locale() const { return m_platform.locale(); }
    // The year of the platform's clock: the last year a reading may be dated.
    int currentYear() const { return m_platform.now().date().year(); }
    // The user's locale and the clock's year, as the arithmetic needs them.
    calc::Context calcContext() const { return {locale(), currentYear()}; }
    // A date as the user or a log wrote it, in the user's locale.
    std::optional<QDate> readDate(const QString &text) const;

protected:
    // The frame's close button ends the program as Exit does.
    void closeEvent(QCloseEvent *event) override;

private:
    void wireEvents();
    // Every event enters the program through here: it ignores events once the
    // program has ended and turns the end of the program into leaving the loop.
    void handle(const std::function<void()> &handler);

    WindowPlatform &m_platform;
    QString m_arguments;
    Controls c;
    bool m_ended = false;
    int m_exitCode = 0;
};
