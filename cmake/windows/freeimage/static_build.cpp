// What a static FreeImage needs from us.
#include "FreeImage.h"
#include "Plugin.h"

// Placeholders for the formats whose codec libraries this build leaves out. Each one only
// names its format, so it takes its place in the plugin list (the format ids are positions)
// while reading or writing it is reported as unsupported.
#define LUMAVEX_FORMAT_STUB(name, text)                                \
    static const char* DLL_CALLCONV Format##name() { return text; }   \
    void DLL_CALLCONV Init##name(Plugin* plugin, int) {              \
        plugin->format_proc = Format##name;                            \
    }

LUMAVEX_FORMAT_STUB(JPEG, "JPEG")
LUMAVEX_FORMAT_STUB(JNG, "JNG")
LUMAVEX_FORMAT_STUB(MNG, "MNG")
LUMAVEX_FORMAT_STUB(TIFF, "TIFF")
LUMAVEX_FORMAT_STUB(G3, "G3")
LUMAVEX_FORMAT_STUB(EXR, "EXR")
LUMAVEX_FORMAT_STUB(J2K, "J2K")
LUMAVEX_FORMAT_STUB(JP2, "JP2")
LUMAVEX_FORMAT_STUB(RAW, "RAW")
LUMAVEX_FORMAT_STUB(WEBP, "WEBP")
LUMAVEX_FORMAT_STUB(JXR, "JXR")

// The DLL and the Linux shared library register their plugins when they are loaded; a static
// library has no such hook, and without the plugins every load and save fails (a save leaves
// an empty file). This object is linked whenever the plugin list is, since Plugin.cpp needs
// the stubs above. TRUE: no plugin DLLs are looked for beside the program.
namespace {
struct RegisterPlugins {
    RegisterPlugins() { FreeImage_Initialise(TRUE); }
    ~RegisterPlugins() { FreeImage_DeInitialise(); }
} registerPlugins;
}  // namespace
