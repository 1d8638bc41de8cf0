// Times "&Get Last", the history step of Calculate, "Re&m Last" and opening
// the chart on a history log of 1,000,000 entry lines (about 100 MB), beside
// `wc -l` and `cp` of the same file, with the peak memory of each. Every run
// is a child process of its own, so its peak memory is its alone.

#include "app/aquabill_main.h"
#include "app/graph_window.h"
#include "calc/dates.h"
#include "platform/qt_platform.h"
#include "records/history_layout.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QChartView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr qint64 Entries = 1000000;
constexpr int Runs = 5;
const QString historyLog = QStringLiteral("Log/Aquabill_H.log");

// The desktop with every question answered Yes (or OK) and nothing shown.
class AnsweringPlatform : public platform::QtPlatform {
public:
    platform::Answer message(const QString &, const QString &, platform::Buttons buttons, platform::Icon) override
    {
        ++messages;
        return buttons == platform::Buttons::Ok || buttons == platform::Buttons::OkCancel ? platform::Answer::Ok
                                                                                          : platform::Answer::Yes;
    }
    int messages = 0;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The log as the program would have written it: title and headings, the
// opening entry, then one saved reading a day, the headings repeated at the
// head of every page.
bool buildHistoryLog(const QString &path, qint64 entries, QDate *lastDate)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray crlf = "\r\n";
    QByteArray headings = crlf;
    for (const QString &line : records::history::headingLines(QStringLiteral("VAT")))
        headings += line.toLatin1() + crlf;
    QByteArray block = "Aquabill History Log\r\nVersion 3.5\r\nFile Created\r\n05-Dec-26 10:15:42\r\n\r\n\r\n" + headings;
    qint64 lines = records::history::HeaderLines;
    QDate date(2000, 1, 1);
    for (qint64 entry = 0; entry < entries; ++entry) {
        if (entry > 0 && records::history::headingDueAt(lines)) {
            block += headings;
            lines += 5;
        }
        records::history::Entry e;
        e.date = dates::shortDate(date, QLocale());
        e.reading = QString::number(1000 + entry % 90000) + QStringLiteral(".0");
        if (entry > 0) {
            e.waterVolume = QStringLiteral("£1.5432");
            e.waterFixed = QStringLiteral("£38.50");
            e.sewageVolume = QStringLiteral("£2.1034");
            e.sewageFixed = QStringLiteral("£42.75");
            e.allowance = QStringLiteral("95.0");
            e.allowanceMark = QStringLiteral("%");
            e.period = QStringLiteral("6 mth");
        }
        block += records::history::entryLine(e).toLatin1() + crlf;
        ++lines;
        *lastDate = date;
        date = date.addDays(1);
        if (block.size() > (1 << 20)) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return file.write(block) == block.size();
}

struct Run {
    double seconds = 0;
    long peakKb = 0;
    bool ok = false;
};

// Runs `work` in a child process. The child reports through a pipe how long
// the part worth timing took (or -1 when it went wrong); a child that reports
// nothing is timed whole from the parent's side.
Run inChild(const std::function<double()> &work)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const double seconds = work();
        if (write(fds[1], &seconds, sizeof seconds) != sizeof seconds)
            _exit(3);
        _exit(seconds < 0 ? 1 : 0);
    }
    close(fds[1]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double whole = clock.nsecsElapsed() / 1e9;
    double reported = -2;
    const bool got = read(fds[0], &reported, sizeof reported) == sizeof reported;
    close(fds[0]);
    Run run;
    run.peakKb = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && (!got || reported >= 0);
    run.seconds = got ? reported : whole;
    return run;
}

// Runs a system command as the child itself, timed whole.
Run command(const std::vector<const char *> &argv)
{
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        std::vector<char *> args;
        for (const char *arg : argv)
            args.push_back(const_cast<char *>(arg));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {clock.nsecsElapsed() / 1e9, usage.ru_maxrss, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

// The program's window in the child, as after start-up, then `operation`
// timed on its own; `check` says whether it did its work.
// The window started in `programFolder` (in the child process a run is made
// in, so the folder is the child's alone), then prepared and timed.
double windowOperation(const QString &programFolder, const std::function<void(AquabillMain &)> &prepare,
                       const std::function<void(AquabillMain &)> &operation,
                       const std::function<bool(AquabillMain &, AnsweringPlatform &)> &check)
{
    int argc = 1;
    char name[] = "bench_history";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    AnsweringPlatform desktop;
    if (!QDir::setCurrent(programFolder))
        return -1;
    AquabillMain window(desktop, QString());
    if (!window.start())
        return -1;
    desktop.messages = 0;
    prepare(window);
    QElapsedTimer clock;
    clock.start();
    operation(window);
    const double seconds = clock.nsecsElapsed() / 1e9;
    return check(window, desktop) ? seconds : -1;
}

struct Figures {
    double seconds;  // median
    long peakKb;     // largest
    bool ok;
};

Figures measure(const std::function<Run()> &once)
{
    std::vector<double> times;
    long peak = 0;
    bool ok = true;
    for (int i = 0; i < Runs; ++i) {
        const Run run = once();
        times.push_back(run.seconds);
        peak = std::max(peak, run.peakKb);
        ok = ok && run.ok;
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], peak, ok};
}

void print(const char *what, const Figures &f)
{
    std::printf("  %-34s %9.1f ms  %7.1f MB peak%s\n", what, f.seconds * 1000, f.peakKb / 1024.0,
                f.ok ? "" : "  (FAILED)");
}

bool verdict(const char *what, double ratio, double limit, long peakKb)
{
    const bool met = ratio <= limit && peakKb < 64 * 1024;
    std::printf("  %-34s %5.2fx (target %.0fx), peak %s 64 MB: %s\n", what, ratio, limit,
                peakKb < 64 * 1024 ? "under" : "over", met ? "met" : "MISSED");
    return met;
}

}  // namespace

int main()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) {
        std::fprintf(stderr, "cannot make the program folder\n");
        return 2;
    }
    QDir here;
    here.mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(QStringLiteral("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", (folder.path() + QStringLiteral("/runtime")).toLocal8Bit());
    // A second program folder, its history log just long enough to fill the chart.
    for (const QString &programFolder : {QStringLiteral("."), QStringLiteral("small")}) {
        for (const char *part : {"Data", "Help", "Log"})
            here.mkpath(programFolder + u'/' + QLatin1String(part));
    }
    const QString resources = QStringLiteral(AQUABILL_RESOURCES);
    QDate lastDate, smallLastDate;
    if (!writeFile(QStringLiteral("Data/Aquabill.ini"), readFile(resources + QStringLiteral("/Data/Aquabill.ini")))
        || !writeFile(QStringLiteral("Help/index.htm"), readFile(resources + QStringLiteral("/Help/index.htm")))
        || !writeFile(QStringLiteral("Log/Aquabill.log"), "Aquabill Results Log\r\n")
        || !QFile::copy(QStringLiteral("Data/Aquabill.ini"), QStringLiteral("small/Data/Aquabill.ini"))
        || !QFile::copy(QStringLiteral("Help/index.htm"), QStringLiteral("small/Help/index.htm"))
        || !QFile::copy(QStringLiteral("Log/Aquabill.log"), QStringLiteral("small/Log/Aquabill.log"))
        || !buildHistoryLog(historyLog, Entries, &lastDate)
        || !buildHistoryLog(QStringLiteral("small/") + historyLog, frmGraph::Shown + 1, &smallLastDate)) {
        std::fprintf(stderr, "cannot build the logs in %s\n", qPrintable(folder.path()));
        return 2;
    }
    const QByteArray path = historyLog.toLocal8Bit();
    std::printf("History log of %lld entry lines, %.1f MB, in %s\n", static_cast<long long>(Entries),
                QFile(historyLog).size() / 1e6, qPrintable(folder.path()));
    command({"cat", path.constData()});  // the file now lies in the page cache, as a log in use would

    auto nothing = [](AquabillMain &) {};
    const Figures baseline = measure([&] {
        return inChild([&] {
            return windowOperation(folder.path(), nothing, nothing, [](AquabillMain &, AnsweringPlatform &) { return true; });
        });
    });
    const Figures wc = measure([&] { return command({"wc", "-l", path.constData()}); });
    const Figures getLast = measure([&] {
        return inChild([&] {
            return windowOperation(folder.path(), nothing, [](AquabillMain &w) { w.Get_Last_Click(); },
                                   [](AquabillMain &w, AnsweringPlatform &d) {
                                       return d.messages == 0 && !w.controls().NRead1->text().isEmpty();
                                   });
        });
    });
    const QString date2 = dates::shortDate(lastDate.addDays(1), QLocale());
    const Figures historyStep = measure([&] {
        return inChild([&] {
            return windowOperation(
                folder.path(),
                [&](AquabillMain &w) {
                    w.controls().Date2->setText(date2);
                    w.controls().NRead2->setText(QStringLiteral("2000.0"));
                },
                [](AquabillMain &w) { w.FormatHistoryEntry(); },
                [](AquabillMain &w, AnsweringPlatform &d) {
                    return d.messages == 0 && w.state().PendingMessage.isEmpty()
                           && w.state().HistoryText.contains(QStringLiteral("2000.0"));
                });
        });
    });
    // The chart window opened, drawn once and closed as soon as its event
    // loop runs; on a log of just enough readings to fill it, it shows what the
    // window itself costs beside what the log adds.
    auto graphOn = [&](const QString &programFolder) {
        return measure([&] {
            return inChild([&] {
                static bool drawn = false;
                return windowOperation(
                    programFolder, nothing,
                    [](AquabillMain &w) {
                        QTimer::singleShot(0, [] {
                            if (auto *shown = qobject_cast<frmGraph *>(QApplication::activeModalWidget())) {
                                drawn = !shown->Chart->grab().isNull()
                                        && shown->Readings->rowCount() == frmGraph::Shown;
                                shown->close();
                            }
                        });
                        w.Graph_Click();
                    },
                    [](AquabillMain &, AnsweringPlatform &d) { return d.messages == 0 && drawn; });
            });
        });
    };
    const Figures graph = graphOn(folder.path());
    const Figures graphSmall = graphOn(folder.path() + QStringLiteral("/small"));
    const QByteArray copy = QByteArrayLiteral("Log/copy.log");
    const Figures cp = measure([&] {
        QFile::remove(QString::fromLatin1(copy));
        const Run run = command({"cp", path.constData(), copy.constData()});
        QFile::remove(QString::fromLatin1(copy));
        return run;
    });
    const qint64 sizeBefore = QFile(historyLog).size();
    const Figures remLast = measure([&] {
        const qint64 before = QFile(historyLog).size();
        Run run = inChild([&] {
            return windowOperation(folder.path(), nothing, [](AquabillMain &w) { w.Del_Last_Click(); },
                                   [](AquabillMain &, AnsweringPlatform &d) { return d.messages == 1; });
        });
        run.ok = run.ok && QFile(historyLog).size() < before;
        return run;
    });

    std::printf("\nMedian of %d runs; peak is the largest resident size of a run's process.\n", Runs);
    print("wc -l", wc);
    print("cp into the same folder", cp);
    print("window alone (no operation)", baseline);
    print("Get Last", getLast);
    print("history step of Calculate", historyStep);
    print("Rem Last", remLast);
    print("Graph, 61 readings", graphSmall);
    print("Graph", graph);
    std::printf("  (Rem Last removed %lld bytes over %d runs)\n\n",
                static_cast<long long>(sizeBefore - QFile(historyLog).size()), Runs);

    bool met = wc.ok && cp.ok && baseline.ok && getLast.ok && historyStep.ok && remLast.ok;
    met = verdict("Get Last / wc -l", getLast.seconds / wc.seconds, 3, getLast.peakKb) && met;
    met = verdict("history step / wc -l", historyStep.seconds / wc.seconds, 3, historyStep.peakKb) && met;
    met = verdict("Rem Last / cp", remLast.seconds / cp.seconds, 3, remLast.peakKb) && met;
    // The chart window costs memory of its own whatever the log; what the
    // log adds to it must be no more than what it adds to Get Last.
    const long graphLogKb = graph.peakKb - graphSmall.peakKb, getLastLogKb = getLast.peakKb - baseline.peakKb;
    const bool graphMet = graph.ok && graphSmall.ok && graph.seconds < 1 && graphLogKb <= getLastLogKb;
    std::printf("  %-34s %5.0f ms (target 1000 ms); the log adds %.1f MB, to Get Last %.1f MB: %s\n", "Graph",
                graph.seconds * 1000, graphLogKb / 1024.0, getLastLogKb / 1024.0, graphMet ? "met" : "MISSED");
    met = graphMet && met;
    return met ? 0 : 1;
}
