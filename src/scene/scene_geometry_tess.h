#pragma once

// The tessellated imported model; it is declared beside its plain sibling and their base.
#include "scene/imported_model.h"
