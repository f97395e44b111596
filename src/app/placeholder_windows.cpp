#include "app/placeholder_windows.h"

namespace kelmo::app {

namespace {
const QColor kMagenta(255, 0, 255);
}

gui::FrameLayout working_frame(Window window) {
    switch (window) {
        case Window::Tables:
            return {
                "Logiciel de vente par facilité - Tables",
                QColor(33, 33, 255),
                {"TABLE DES PRODUITS", " TABLE DES CLIENTS", " TABLE DES FOURNISSEURS", " FERMER"},
                100,
                50};
        case Window::Sales:
            return {"Logiciel de vente par facilité - Ventes et réceptions",
                    kMagenta,
                    {"VENTE PAR FACILITE", " VENTE ORDINAIRE", " JOURNAL DE VENTE", " ACHAT ",
                     " FICHE DE STOCK ", " MOUVEMENT PRODUIT ", " BRS ", " FERMER"},
                    30,
                    50};
        case Window::Debit:
            return {"Logiciel de vente par facilité - Opérations sur les prélèvements CCP",
                    kMagenta,
                    {"RELEVE DES OPERATIONS ECHEANCES", "IMPORTER LE FICHIER VO", " FERMER"},
                    30,
                    50};
        case Window::Treasury:
            return {"Logiciel de vente par facilité - Trésorerie",
                    kMagenta,
                    {" Opérations de caisse ", " Versement client", " Versement fournisseur",
                     "Fiche client", "Fiche fournisseur", "Etat global (CLIENTS)",
                     "Etat global (Fournisseurs)", " FERMER"},
                    100,
                    50};
        case Window::Journals:
            return {
                "Logiciel de vente par facilité - Journaux",
                kMagenta,
                {" JOURNAL DE STOCK", " JOURNAL DE CAISSE", " JOURNAL DES RECEPTIONS",
                 "JOURNAL DES VERSEMENTS", " MARGE BENEFICIAIRE", " JOURNAL DES BRS", " FERMER"},
                100,
                50};
        case Window::Invoice:
            return {"Logiciel de vente par facilité - facture",
                    QColor(250, 213, 152),
                    {" FACTURE VENTE", " FERMER"},
                    300,
                    100};
        case Window::AccessParameters:
        case Window::InitialBalances:
            break;
    }
    return {};
}

void open_placeholder_window(Window window, gui::Session& session, QWidget* parent) {
    gui::WorkingWindow frame(working_frame(window), parent);
    frame.run(session.selected_entry);
}

}  // namespace kelmo::app
