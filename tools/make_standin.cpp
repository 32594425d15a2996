// Build-time tool: writes the stand-in game folder.
//   make_standin FOLDER
#include <exception>
#include <iostream>

#include "standin/standin_layout.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_standin FOLDER\n";
        return 2;
    }
    try {
        kvarnel::standin::writeGameFolder(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "make_standin: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
