# Sourced: foreign_imports EXE... prints each DLL the programs import that Windows itself does
# not ship (as "program: DLL"); the package carries no DLLs, so any such line means a program
# that cannot start there.
foreign_imports() {
    local exe dll
    for exe in "$@"; do
        for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print toupper($3)}'); do
            case "$dll" in
                KERNEL32.DLL | USER32.DLL | GDI32.DLL | OPENGL32.DLL | MSVCRT.DLL | SHELL32.DLL | \
                ADVAPI32.DLL | OLE32.DLL | OLEAUT32.DLL | WINMM.DLL | IMM32.DLL | VERSION.DLL | \
                SETUPAPI.DLL | CFGMGR32.DLL | WS2_32.DLL | API-MS-WIN-*) ;;
                *) echo "$(basename "$exe"): $dll" ;;
            esac
        done
    done
}
