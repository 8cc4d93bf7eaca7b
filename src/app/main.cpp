#include "app/frame_loop.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    const int badArguments = rtr::readDemoArguments(argc, argv);
    if (badArguments >= 0)
        return badArguments;
    rtr::startDemo(LUMAVEX_WINDOWED);
    rtr::runFrameLoop();
    rtr::shutDown();
    return 0;
}
