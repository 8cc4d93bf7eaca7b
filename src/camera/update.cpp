#include "camera/update.h"

namespace rtr {

void update(double deltaT) {
    (void)deltaT;
}

}  // namespace rtr
