// Linked into every program of the sanitizer build only. The GL driver is loaded with each
// context and unloaded again when the context goes; a leak inside it would then be reported
// from an "unknown module" that no suppression can name. Keeping libraries loaded lets the leak
// checker name the library, so tests/sanitizer/lsan.supp can match it.
extern "C" int dlclose(void*) {
    return 0;
}
