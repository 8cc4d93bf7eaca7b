#pragma once

// The plain imported model; it is declared beside its tessellated sibling and their base.
#include "scene/imported_model.h"
