#pragma once

#include <QString>

#include <optional>

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
};

// Reads --help, --version and --scale (which sets the toolkit's scale factor) and lets
// the toolkit's own options through.
StartPlan planStart(int argc, char *argv[]);

// Holds the toolkit's messages while the application object is built. A fatal one (no
// display to reach) ends the program with the plan's one line and exit code 1, instead of
// an abort whose text advises a reinstall; otherwise the held messages go out when the
// guard ends.
class StartFailureGuard
{
public:
    explicit StartFailureGuard(const StartPlan &plan);
    ~StartFailureGuard();

    StartFailureGuard(const StartFailureGuard &) = delete;
    StartFailureGuard &operator=(const StartFailureGuard &) = delete;
};
