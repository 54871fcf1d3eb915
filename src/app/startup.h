#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#if QT_CONFIG(thread)
#include <QThreadPool>
#endif

#include <functional>
#include <memory>
#include <optional>

class QApplication;

// What the command line and the environment decide before any application object exists,
// so that --help and --version answer without a display.
struct StartPlan
{
    // Set when the program ends at once: it has answered, or refused, its command line.
    std::optional<int> exitCode;
    // The one line that replaces the toolkit's abort when it cannot start.
    QString failure;
    // The user chose the platform; the toolkit's own messages then say what went wrong with it.
    bool platformNamed = false;
    // The platforms to try, in order, when the user named none; empty: the toolkit's choice.
    QByteArray platform;
    // --scale: every window, font and picture that many times larger.
    std::optional<double> scale;
};

// Reads --help, --version and --scale, and lets the toolkit's own options through.
StartPlan planStart(int argc, char *argv[]);

// The work start-up hands to other threads, so that the first window need not wait for it.
// Where the toolkit has no threads (in a web page), each task runs at once instead.
class StartTasks
{
public:
    void start(std::function<void()> task);
    void waitForDone();

private:
#if QT_CONFIG(thread)
    QThreadPool m_pool;
#endif
};

// The application object built as the plan says, with the work start-up hands to other
// threads. The platform and the scale factor reach the toolkit through its environment only
// while it starts, so that no program started from here (a browser, a mail program) inherits
// them. When the toolkit cannot start, the program ends with the plan's one line and exit
// code 1 instead of an abort whose text advises a reinstall. The font database and the
// session bus connect in the background; that work ends before the application object goes,
// however the program ends, as it needs the toolkit to the last.
class Toolkit
{
public:
    Toolkit(const StartPlan &plan, int &argc, char *argv[]);
    ~Toolkit();

    Toolkit(const Toolkit &) = delete;
    Toolkit &operator=(const Toolkit &) = delete;

private:
    StartTasks m_startTasks;
    std::unique_ptr<QApplication> m_application;
};
