#include "support/temp_data.h"

#include <cstdlib>
#include <stdexcept>

#include "store/schema.h"

namespace kelmo::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelmo-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

TempData::TempData() {
    store::create_data_folder(folder());
    store_ = store::Store::open(op_, folder());
    if (!store_) throw std::runtime_error("cannot open " + folder());
}

}  // namespace kelmo::test
