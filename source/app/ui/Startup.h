#pragma once
// The program's start and end: settings, the main window, the message loop.

namespace ballforge {

/// Loads the settings, runs the main window until it closes, writes the settings back.
int RunBallforge(int argc, char** argv);

} // namespace ballforge
