// A build without the desktop back end has no window: only --dump works.
#include <cstdio>

#include "tools/viewer/viewer_window.h"

int RunViewerWindow(SViewerSession&) {
    std::fputs("brimvale-viewer: this build has no window; use --dump FOLDER --walk STEPS\n", stderr);
    return 2;
}
