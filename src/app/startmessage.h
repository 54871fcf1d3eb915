#pragma once

#include <QString>

#include <cstdio>

// Writes a message of the start, before any window is open, to the standard stream it
// belongs to. A Windows program started without a console and without redirected output
// has nowhere to write: it shows the message in a message box instead, the way Qt's
// command line parser answers --help there.
void showStartMessage(std::FILE *stream, const QString &text);
