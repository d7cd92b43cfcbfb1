#pragma once
// The viewer's window: the session's frames shown on the framework's display, keys passed on,
// Escape to leave and P to write the frame to viewer-NNN.png in the current folder.
class SViewerSession;

// Runs until the window closes; the program's exit status.
int RunViewerWindow(SViewerSession& session);
