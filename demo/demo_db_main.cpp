// Creates the demo database, or a large generated one for measurements.
//   veldrano_demo_db [PATH]
//   veldrano_demo_db --large [--variants N] [--options N] [--items N] [--rows N] PATH
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "demo/demo_database.h"

int main(int argc, char** argv) {
    bool large = false;
    demo::LargeSizes sizes;
    std::string path;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            auto number = [&]() -> long long {
                if (i + 1 >= argc)
                    throw std::invalid_argument(arg + " needs a number");
                return std::stoll(argv[++i]);
            };
            if (arg == "--large")
                large = true;
            else if (arg == "--variants")
                sizes.variants = static_cast<int>(number());
            else if (arg == "--options")
                sizes.options = static_cast<int>(number());
            else if (arg == "--items")
                sizes.items = static_cast<int>(number());
            else if (arg == "--rows")
                sizes.progressiveRows = number();
            else if (arg == "--help" || arg == "-h") {
                std::cout << "usage: veldrano_demo_db [PATH]\n"
                             "       veldrano_demo_db --large [--variants N] [--options N]"
                             " [--items N] [--rows N] PATH\n";
                return 0;
            } else
                path = arg;
        }
        if (large) {
            if (path.empty())
                throw std::invalid_argument("--large needs a PATH");
            demo::generateLargeDatabase(path, sizes);
        } else {
            if (path.empty())
                path = demo::defaultDatabasePath();
            demo::createDemoDatabase(path);
        }
        std::cout << path << "\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "veldrano_demo_db: " << e.what() << "\n";
        return 1;
    }
}
