#include "app/frame_loop.h"
#include "app/startup.h"

int main() {
    rtr::startDemo(LUMAVEX_WINDOWED);
    rtr::runFrameLoop();
    rtr::shutDown();
    return 0;
}
