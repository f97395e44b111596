// A fresh Data folder in a temporary directory, created by the schema code the product
// ships, with the store opened on it and a scripted operator.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "store/store.h"
#include "support/scripted_operator.h"

namespace kelmo::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

class TempData {
public:
    TempData();
    std::string folder() const { return (dir_.path() / "Data").string(); }
    store::Store& store() { return *store_; }
    ScriptedOperator& op() { return op_; }

private:
    TempDir dir_;
    ScriptedOperator op_;
    std::unique_ptr<store::Store> store_;
};

}  // namespace kelmo::test
