#include "app/frame_loop.h"
#include "app/globals.h"
#include "app/startup.h"

int main() {
    rtr::windowWidth = 1024;
    rtr::windowHeight = 768;
    rtr::windowed = LUMAVEX_WINDOWED;
    rtr::startUp();
    rtr::runFrameLoop();
    rtr::shutDown();
    return 0;
}
