#include "app/frame_loop.h"
#include "app/startup.h"
#include "platform/console.h"

int main(int argc, char** argv) {
    const int badArguments = rtr::readDemoArguments(argc, argv);
    if (badArguments >= 0)
        return badArguments;
    // Only the demo waits for a key after a fatal error: the tools must end on their own.
    rtr::platform::enableConsolePause();
    rtr::startDemo(LUMAVEX_WINDOWED);
    rtr::runFrameLoop();
    rtr::shutDown();
    return 0;
}
