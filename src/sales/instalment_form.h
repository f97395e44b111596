// The instalment tab as plain values: the texts of its fields and the rows of its lists.
// The widget copies these to and from its controls around every operation.
#pragma once

#include <string>
#include <vector>

#include "util/list_rows.h"

namespace kelmo::sales {

// Lookup kinds of the chooser list: what it offers and what a click in it does.
enum class LookupKind { None, Name, Tel, Ccp, Prod, Ref };

// A plain list row of the given cells.
inline ListRow make_row(std::vector<std::string> cells) {
    ListRow row;
    row.cells = std::move(cells);
    return row;
}

struct InstalmentForm {
    // Header band.
    std::string number;                  // "BON N°:"
    std::string date;                    // "DATE:" picker text, "dd/mm/yyyy"
    std::string file_number;             // "N° DOSSIER:"
    std::string client_id;               // "ID:" (read-only)
    std::string balance = "999.999.99";  // "S O L D E"

    // Client band.
    std::string client;                    // "CLIENT :"
    std::string address;                   // "ADRESSE :"
    std::string occupation;                // "FONCTION :" (editable box text)
    std::vector<std::string> occupations;  // its entries
    std::string tel;                       // "N° TEL. :"
    std::string ccp;                       // "N° CCP :"
    std::string debit_day;                 // "Jour de prélèvement:"

    // Line band.
    std::string code;         // "Code P.:"
    std::string designation;  // "Désignation :"
    std::string quantity;     // "Qté:"
    std::string unit_price;   // "Pu:"

    // Product panel.
    std::string purchase_price;    // "Prix d'achat :"
    std::string instalment_price;  // "Prix de vente VF :"
    std::string cash_price;        // "Prix de vente VC :"
    std::string stock;             // "S T O C K :"

    // Schedule frame.
    std::string total;               // "Total BLF:"
    std::string discount;            // "Remise:"
    std::string first_payment;       // "1er Versement:"
    std::string first_date;          // "Date 1er Vers.:"
    std::string mode;                // "Mode Vers. (1er V.):" (editable box text)
    std::vector<std::string> modes;  // its entries
    std::string net;                 // "Net à payer:"
    std::string months;              // "Nbre de mois:"
    std::string monthly;             // "Mensualité:"
    std::string per_month;           // "Nbre de tranches/mois:"
    std::string count_text;          // beside "Montant à prélever/mois:", "2 X"
    std::string instalment;          // "Montant à prélever/mois:"

    // Payment entry row.
    std::string tr;         // "TR"
    std::string paid_date;  // "Date réelle:" picker text
    std::string paid;       // "Montant versé:"
    std::string obs;        // "Obs.:"

    // Bottom line.
    int progress = 0;         // progress bar, 0 to 100
    std::string months_left;  // "Nombre de mois restant:"
    std::string remaining;    // "Reste à payer:"

    // Lists.
    std::vector<std::string> chooser;  // " Sélectionnez ..."
    std::vector<ListRow> lines;        // code, designation, qty, unit price, amount
    std::vector<ListRow> calendar;     // planned date, planned amount
    std::vector<ListRow> payments;     // date, TR, amount, observation (+ totals row)
};

}  // namespace kelmo::sales
