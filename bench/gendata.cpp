// kelmo-gendata FOLDER [--years N]: a Data folder holding years of a busy shop, for the
// benchmarks. The data are the same at every run.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "shop_data.h"

int main(int argc, char** argv) {
    kelmo::bench::ShopSize size;
    const char* folder = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--years") == 0 && i + 1 < argc) {
            size.years = std::atoi(argv[++i]);
        } else if (!folder && argv[i][0] != '-') {
            folder = argv[i];
        } else {
            folder = nullptr;
            break;
        }
    }
    if (!folder || size.years < 1) {
        std::fprintf(stderr, "usage: kelmo-gendata FOLDER [--years N]\n");
        return 2;
    }
    auto start = std::chrono::steady_clock::now();
    try {
        kelmo::bench::generate_shop(folder, size);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kelmo-gendata: %s\n", e.what());
        return 1;
    }
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %d years generated in %.1f s\n", folder, size.years, seconds);
    return 0;
}
