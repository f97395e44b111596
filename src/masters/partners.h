// Clients and suppliers as the document tabs use them: lookups by code, numbering, and the
// creation of a partner on the spot when the name typed in a document is not known.
#pragma once

#include <string>

namespace kelmo::store {
class Store;
}

namespace kelmo::masters {

// A client row of fclient, all values as stored (si in hundredths, vf "1" or "0").
struct ClientRecord {
    std::string code, nom, ad, tel, fonc, dateN, ccp, si, vf;
};

// A supplier row of Ffour (si in hundredths).
struct SupplierRecord {
    std::string code, nom, ad, tel, si;
};

// What client_name_by_code gives besides the name.
struct ClientContact {
    std::string tel, fonc, ccp;
};

// What supplier_name_by_code gives besides the name.
struct SupplierContact {
    std::string ad, tel;
};

// The client's name, or "inconnu" when no client has `code`. When the client is found and
// `contact` is given, its telephone, occupation and CCP are written there; otherwise
// `contact` is left as it was.
std::string client_name_by_code(store::Store& store, const std::string& code,
                                ClientContact* contact = nullptr);

// The supplier's name, or "inconnu"; `contact` as for clients (address and telephone).
std::string supplier_name_by_code(store::Store& store, const std::string& code,
                                  SupplierContact* contact = nullptr);

// Next free codes: largest code plus one, 1 for an empty table.
std::string next_client_code(store::Store& store);
std::string next_supplier_code(store::Store& store);

// Insert the partner exactly as prepared by the caller (code from the numbering above);
// nothing is checked and no window is touched. False when the statement failed (reported).
bool insert_client(store::Store& store, const ClientRecord& client);
bool insert_supplier(store::Store& store, const SupplierRecord& supplier);

}  // namespace kelmo::masters
