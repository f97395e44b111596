#include "app/dispatcher.h"

namespace kelmo::app {

namespace {

struct Range {
    int first;
    int last;
    Window window;
};

// Tested in this order; the selected entry is the number less the range's first.
constexpr Range kRanges[] = {
    {1, 3, Window::Tables},
    {10, 16, Window::Sales},
    {22, 23, Window::Debit},
    {30, 36, Window::Treasury},
    {40, 45, Window::Journals},
    {50, 51, Window::Invoice},
    {61, 62, Window::AccessParameters},
};

}  // namespace

Outcome dispatch_command(int command, gui::Session& session, WindowOpener& opener) {
    for (const Range& range : kRanges) {
        if (command >= range.first && command <= range.last) {
            session.selected_entry = command - range.first;
            opener.open(range.window, session);
            return Outcome::Continue;
        }
    }
    if (command == kInitialBalancesCommand) {
        opener.open(Window::InitialBalances, session);
        return Outcome::Continue;
    }
    if (command == kEndOfSessionCommand || command == kEndOfSessionButtonNumber)
        return Outcome::EndSession;
    return Outcome::Continue;
}

const std::vector<Menu>& main_menu() {
    static const std::vector<Menu> menus = {
        {"Tables",
         {{1, "Table des produits"}, {2, "Table des clients"}, {3, "Table des fournisseurs"}}},
        {"Ventes et réceptions",
         {{10, "Vente par facilité"},
          {11, "Vente ordinaire"},
          {},
          {12, "Journal de vente"},
          {},
          {13, "Achat"},
          {},
          {14, "Fiche de stock"},
          {15, "Mouvement produit"},
          {},
          {16, "Régularisation du stock"}}},
        {"Prélèvement sur compte CCP",
         {{22, "Relevé des opérations"}, {23, "Importer le fichier délivré par la Poste"}}},
        {"Trésorerie",
         {{30, "Caisse dépenses - recettes"},
          {31, "Versement client"},
          {32, "Versement fournisseur"},
          {33, "Fiche client"},
          {34, "Fiche Fournisseur"},
          {35, "Etat global des soldes clients"},
          {36, "Etat global des soldes fournisseurs"}}},
        {"Rapports et journaux",
         {{40, "Journal de stock"},
          {41, "Journal de caisse"},
          {42, "Journal des réceptions"},
          {43, "Journal des versements"},
          {44, "Marge bénéficiaire"},
          {45, "Journal des Brs"}}},
        {"Factures", {{50, "Facture vente"}}},
        {"Paramètres",
         {{61, "Paramètres d'accès (ADMINISTRATEUR)"},
          {62, "Paramètres d'accès (UTILISATEUR)"},
          {},
          {63, "Configurer les soldes initiaux"},
          {},
          {99, "Fin de session"}}},
    };
    return menus;
}

int filler_button_count(int numbered_icons_width, int blank_width, int inner_width) {
    if (blank_width <= 0) return 0;  // a missing blank picture would never fill the width
    int count = 0;
    for (int width = numbered_icons_width; width < inner_width - 50; width += blank_width) ++count;
    return count;
}

}  // namespace kelmo::app
