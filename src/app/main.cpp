#include "app/frame_loop.h"
#include "app/startup.h"
#include "platform/console.h"

int main() {
    // Only the demo waits for a key after a fatal error: the tools must end on their own.
    rtr::platform::enableConsolePause();
    rtr::startDemo(LUMAVEX_WINDOWED);
    rtr::runFrameLoop();
    rtr::shutDown();
    return 0;
}
