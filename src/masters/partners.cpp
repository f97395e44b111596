#include "masters/partners.h"

#include "store/store.h"

namespace kelmo::masters {

using store::Store;

namespace {
const char* const kUnknown = "inconnu";
}

std::string client_name_by_code(Store& store, const std::string& code, ClientContact* contact) {
    const store::Rows rows =
        store.query(store::kClient, "SELECT * from fclient where codeClient=?", {code});
    if (rows.empty()) return kUnknown;
    const store::Row& r = rows[0];
    if (contact) *contact = {r.text(3), r.text(4), r.text(6)};
    return r.text(1);
}

std::string supplier_name_by_code(Store& store, const std::string& code, SupplierContact* contact) {
    const store::Rows rows =
        store.query(store::kFour, "SELECT * from Ffour where codeFour=?", {code});
    if (rows.empty()) return kUnknown;
    const store::Row& r = rows[0];
    if (contact) *contact = {r.text(2), r.text(3)};
    return r.text(1);
}

std::string next_client_code(Store& store) {
    return store.next_number("SELECT max(codeClient) FROM fclient", store::kClient);
}

std::string next_supplier_code(Store& store) {
    return store.next_number("SELECT max(codeFour) FROM Ffour", store::kFour);
}

bool insert_client(Store& store, const ClientRecord& c) {
    return store.update(store::kClient,
                        "insert into fclient (CodeClient,nom,Ad,Tel,Fonc,DateN,Ccp,si,vf) "
                        "values (?,?,?,?,?,?,?,?,?)",
                        {c.code, c.nom, c.ad, c.tel, c.fonc, c.dateN, c.ccp, c.si, c.vf});
}

bool insert_supplier(Store& store, const SupplierRecord& s) {
    return store.update(store::kFour,
                        "insert into Ffour (CodeFour,nom,Ad,Tel,Si) values (?,?,?,?,?)",
                        {s.code, s.nom, s.ad, s.tel, s.si});
}

}  // namespace kelmo::masters
