// Prepares a run of the script client: writes the test characters into the folder given,
// empties the installed-file list and registers the server (regsvr32 /s).
#include <cstdio>
#include <string>

#include "ServerRegistration.h"
#include "TestCharacters.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: component_script_setup FOLDER\n");
        return 2;
    }
    CreateDirectoryA(argv[1], nullptr);
    test_characters::WriteAll(argv[1]);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvane\\RUX");
    const DWORD registered = component_tests::RunRegsvr32(false);
    std::printf("test characters in %s, regsvr32 exit code %lu\n", argv[1], static_cast<unsigned long>(registered));
    return registered == 0 ? 0 : 1;
}
