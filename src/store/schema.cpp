#include "store/schema.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

namespace kelmo::store {

namespace {

// Codes, document numbers, day numbers, counts, amounts and quantities are INTEGER so
// that comparisons, max() and sums are numeric and sums read back as whole digits.
// Date texts, names, designations, modes and observations are TEXT. Telephone, postal
// account and file numbers are TEXT: their leading zeros are part of what was typed.
// FProd.Pai, after the last column read by position, keeps the purchase price typed on the
// product: the initial quantity is valued at it while Pa holds the weighted average.
const std::vector<DataFile> kFiles = {
    {kProd, "dbProd.db",
     {"CREATE TABLE FProd (Codeprod INTEGER, Prod TEXT, Qi INTEGER, Pa INTEGER, Pvf INTEGER, "
      "Pvc INTEGER, stock INTEGER, Ref TEXT, Pai INTEGER)",
      "CREATE INDEX FProd_code ON FProd(Codeprod)", "CREATE INDEX FProd_prod ON FProd(Prod)",
      "CREATE INDEX FProd_ref ON FProd(Ref)"}},
    {kClient, "dbclient.db",
     {"CREATE TABLE fclient (CodeClient INTEGER, nom TEXT, ad TEXT, tel TEXT, fonc TEXT, "
      "dateN TEXT, ccp TEXT, si INTEGER, Vf INTEGER)",
      "CREATE INDEX fclient_code ON fclient(CodeClient)",
      "CREATE INDEX fclient_nom ON fclient(nom)", "CREATE INDEX fclient_tel ON fclient(tel)",
      "CREATE INDEX fclient_ccp ON fclient(ccp)"}},
    {kFonc, "dbFonc.db", {"CREATE TABLE fFonc (fonc TEXT)"}},
    {kBlf, "DBlf.db",
     {"CREATE TABLE fBLf (numdoc INTEGER, datedoc TEXT, datenum INTEGER, codeclient INTEGER, "
      "Jp INTEGER, TotBlf INTEGER, Remise INTEGER, FirstVer INTEGER, DateFirstV TEXT, "
      "ModeP TEXT, netApayer INTEGER, nbreMois INTEGER, mensualite INTEGER, "
      "NbreTranche INTEGER, MntParTranche INTEGER, ResteARemb INTEGER, NumDos TEXT)",
      "CREATE INDEX fBLf_numdoc ON fBLf(numdoc)", "CREATE INDEX fBLf_client ON fBLf(codeclient)",
      "CREATE INDEX fBLf_datenum ON fBLf(datenum)", "CREATE INDEX fBLf_numdos ON fBLf(NumDos)"}},
    {kBlfVer, "DBlfVer.db",
     {"CREATE TABLE fBlfVer (NumDoc INTEGER, NumDos TEXT, codeclient INTEGER, DateV TEXT, "
      "Datenum INTEGER, Tr INTEGER, MntV INTEGER, obs TEXT)",
      "CREATE INDEX fBlfVer_numdoc ON fBlfVer(NumDoc)",
      "CREATE INDEX fBlfVer_numdos ON fBlfVer(NumDos)",
      "CREATE INDEX fBlfVer_client ON fBlfVer(codeclient)",
      "CREATE INDEX fBlfVer_datenum ON fBlfVer(Datenum)"}},
    {kBlfProd, "DBlFProd.db",
     {"CREATE TABLE FblfProd (numdoc INTEGER, datedoc TEXT, datenum INTEGER, "
      "codeclient INTEGER, reserve TEXT, codeprod INTEGER, qte INTEGER, pu INTEGER, "
      "mnt INTEGER)",
      "CREATE INDEX FblfProd_numdoc ON FblfProd(numdoc)",
      "CREATE INDEX FblfProd_prod ON FblfProd(codeprod, qte)",
      "CREATE INDEX FblfProd_datenum ON FblfProd(datenum)"}},
    {kBlc, "DBlc.db",
     {"CREATE TABLE Fblc (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, Codeclient INTEGER, "
      "CodeProd INTEGER, Qte INTEGER, Pu INTEGER, Mnt INTEGER, frais INTEGER, ht INTEGER, "
      "remise INTEGER, ver INTEGER, ttc INTEGER, modep TEXT)",
      "CREATE INDEX Fblc_numdoc ON Fblc(Numdoc)", "CREATE INDEX Fblc_prod ON Fblc(CodeProd, Qte)",
      "CREATE INDEX Fblc_client ON Fblc(Codeclient)",
      "CREATE INDEX Fblc_datenum ON Fblc(DateNum)"}},
    {kBr, "DBr.db",
     {"CREATE TABLE FBr (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, CodeFour INTEGER, "
      "CodeProd INTEGER, Qte INTEGER, Pu INTEGER, Mnt INTEGER, Ht INTEGER, remise INTEGER, "
      "ver INTEGER, ttc INTEGER, modep TEXT)",
      "CREATE INDEX FBr_numdoc ON FBr(Numdoc)", "CREATE INDEX FBr_prod ON FBr(CodeProd, Qte)",
      "CREATE INDEX FBr_four ON FBr(CodeFour)", "CREATE INDEX FBr_datenum ON FBr(DateNum)"}},
    {kFac, "Dbfac.db",
     {"CREATE TABLE facv (numdoc INTEGER, datedoc TEXT, datenum INTEGER, client TEXT, "
      "codeprod INTEGER, um TEXT, qte INTEGER, pu INTEGER, mnt INTEGER, ht INTEGER, "
      "taux INTEGER, tva INTEGER, timbre INTEGER, ttc INTEGER, modep TEXT)",
      "CREATE INDEX facv_numdoc ON facv(numdoc)", "CREATE INDEX facv_prod ON facv(codeprod)",
      "CREATE INDEX facv_client ON facv(client)", "CREATE INDEX facv_datenum ON facv(datenum)"}},
    {kBrs, "Dbrs.db",
     {"CREATE TABLE FBrs (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, CodeProd INTEGER, "
      "Qe INTEGER, Qs INTEGER, Obs TEXT)",
      "CREATE INDEX FBrs_numdoc ON FBrs(Numdoc)", "CREATE INDEX FBrs_prod ON FBrs(CodeProd, Qe, Qs)",
      "CREATE INDEX FBrs_datenum ON FBrs(DateNum)"}},
    {kVer, "DbVer.db",
     {"CREATE TABLE fVerR (numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, CodeClient INTEGER, "
      "Mnt INTEGER, Modep TEXT, obs TEXT)",
      "CREATE TABLE fVerE (numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, CodeFour INTEGER, "
      "Mnt INTEGER, Modep TEXT, obs TEXT)",
      "CREATE INDEX fVerR_numdoc ON fVerR(numdoc)",
      "CREATE INDEX fVerR_client ON fVerR(CodeClient)",
      "CREATE INDEX fVerR_datenum ON fVerR(DateNum)",
      "CREATE INDEX fVerE_numdoc ON fVerE(numdoc)", "CREATE INDEX fVerE_four ON fVerE(CodeFour)",
      "CREATE INDEX fVerE_datenum ON fVerE(DateNum)"}},
    {kCaisse, "DbCaisse.db",
     {"CREATE TABLE fcaisse (numdoc INTEGER, Datedoc TEXT, DateNum INTEGER, rec INTEGER, "
      "dep INTEGER, motif TEXT)",
      "CREATE INDEX fcaisse_numdoc ON fcaisse(numdoc)",
      "CREATE INDEX fcaisse_datenum ON fcaisse(DateNum)"}},
    {kCal, "DBCal.db",
     {"CREATE TABLE Fcal (NumDoc INTEGER, NumDos TEXT, DateC TEXT, Datenum INTEGER, "
      "Tr INTEGER, Mnt INTEGER)",
      "CREATE INDEX Fcal_numdoc ON Fcal(NumDoc)"}},
    {kFour, "dbfour.db",
     {"CREATE TABLE Ffour (CodeFour INTEGER, nom TEXT, ad TEXT, tel TEXT, si INTEGER)",
      "CREATE INDEX Ffour_code ON Ffour(CodeFour)", "CREATE INDEX Ffour_nom ON Ffour(nom)"}},
    {kCpte, "DbCpte.db", {"CREATE TABLE FCpte (si INTEGER, cpteccp TEXT)"}},
    {kVo, "Dbvo.db",
     {"CREATE TABLE fvo (client TEXT, datevo TEXT, ccp INTEGER, mnt INTEGER, cpte TEXT, "
      "ccc TEXT, ref TEXT)",
      "CREATE INDEX fvo_ccp ON fvo(ccp)"}},
    {kParam, "DbParam.db", {"CREATE TABLE Fparam (UserName TEXT, Mp TEXT)"}},
};

}  // namespace

const std::vector<DataFile>& data_files() { return kFiles; }

std::vector<std::string> create_data_folder(const std::string& folder) {
    namespace fs = std::filesystem;
    fs::create_directories(folder);
    std::vector<std::string> created;
    for (const DataFile& file : kFiles) {
        fs::path path = fs::path(folder) / file.name;
        if (fs::exists(path)) continue;
        sqlite3* db = nullptr;
        int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                 nullptr);
        std::string error;
        if (rc == SQLITE_OK) {
            for (const std::string& sql : file.statements) {
                char* message = nullptr;
                if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
                    error = message ? message : "error";
                    sqlite3_free(message);
                    break;
                }
            }
        } else {
            error = db ? sqlite3_errmsg(db) : "out of memory";
        }
        sqlite3_close(db);
        if (!error.empty()) {
            fs::remove(path);
            throw std::runtime_error(path.string() + ": " + error);
        }
        created.push_back(file.name);
    }
    return created;
}

}  // namespace kelmo::store
