// The seventeen database files, their numbers and their tables.
// Column order is part of the format: rows are read by position.
#pragma once

#include <string>
#include <vector>

namespace kelmo::store {

// Database numbers: every statement names the file that holds its table.
enum Db : int {
    kProd = 10,     // FProd
    kClient = 11,   // fclient
    kFonc = 12,     // fFonc
    kBlf = 13,      // fBLf
    kBlfVer = 14,   // fBlfVer
    kBlfProd = 15,  // FblfProd
    kBlc = 16,      // Fblc
    kBr = 17,       // FBr
    kFac = 18,      // facv
    kBrs = 19,      // FBrs
    kVer = 20,      // fVerR, fVerE
    kCaisse = 21,   // fcaisse
    kCal = 22,      // Fcal
    kFour = 23,     // Ffour
    kCpte = 24,     // FCpte
    kVo = 25,       // fvo
    kParam = 30,    // Fparam
};

struct DataFile {
    int db;
    std::string name;                     // file name inside the data folder, "dbProd.db"
    std::vector<std::string> statements;  // CREATE TABLE and CREATE INDEX statements
};

// The files in the order they are opened.
const std::vector<DataFile>& data_files();

// Creates `folder` if needed and every missing file with its tables and indexes.
// An existing file is never opened for writing nor changed. Returns the names of the files
// created; throws std::runtime_error when a file cannot be created.
std::vector<std::string> create_data_folder(const std::string& folder);

}  // namespace kelmo::store
