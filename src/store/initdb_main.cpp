// kelmo-initdb FOLDER: creates FOLDER and every missing database file with its tables and
// indexes. Existing files are left untouched.
#include <iostream>

#include "store/schema.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kelmo-initdb FOLDER\n";
        return 2;
    }
    try {
        for (const std::string& name : kelmo::store::create_data_folder(argv[1]))
            std::cout << "created " << argv[1] << "/" << name << "\n";
    } catch (const std::exception& e) {
        std::cerr << "kelmo-initdb: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
