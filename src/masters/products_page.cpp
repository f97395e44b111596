#include "masters/products_page.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>

#include "gui/catalogue.h"
#include "gui/list_view.h"
#include "gui/session.h"
#include "masters/page_widgets.h"

namespace kelmo::masters {

namespace {

// Opens the file with the desktop's spreadsheet program, without waiting for it; a missing
// program is not reported.
void open_with_desktop(const std::string& path) {
    QProcess process;
    process.setProgram("xdg-open");
    process.setArguments({qs(path)});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

}  // namespace

ProductsPage::ProductsPage(QWidget* page, gui::Session& session) : MasterPage(page, session) {
    heading(page, "TABLE DES PRODUITS");
    frame(page, 10, 50, 970, 80);

    label(page, "Code interne:", 20, 70, 90);
    code_ = read_only(page, "productCode", 110, 70, 50, {176, 217, 214});
    label(page, "DESIGNATION:", 180, 70, 90);
    prod_ = field(page, "designation", 275, 70, 300);
    gui::make_upper_case(prod_);
    label(page, "Quantité initiale:", 600, 70, 110);
    qi_ = field(page, "qi", 715, 70, 80);

    label(page, "Prix d'achat:", 20, 95, 90);
    pa_ = field(page, "pa", 110, 95, 80);
    label(page, "Prix de vente facilité:", 205, 95, 145);
    pvf_ = field(page, "pvf", 350, 95, 80);
    label(page, "Prix de vente CASH:", 445, 95, 130);
    pvc_ = field(page, "pvc", 575, 95, 80);
    QLabel* stock_label = label(page, "STOCK:", 690, 95, 80);
    stock_label->setFont(gui::screen_font(23));
    stock_ = read_only(page, "productStock", 775, 95, 60, {238, 232, 170});
    stock_->setFont(gui::screen_font(23));

    button(page, "Imprimer", 10, 215, 110);  // no action attached
    QPushButton* remove = button(page, "Supprimer", 130, 215, 110);
    QPushButton* exporter = button(page, "Exporter vers fichier excel", 250, 215, 200);
    QPushButton* create = button(page, "Nouveau produit", 460, 215, 150);
    QPushButton* save = button(page, "(#F5) Valider", 620, 215, 150);

    list_ =
        gui::make_list(page, QRect(10, 255, 970, 270), ProductsTab::columns(), Rgb{250, 231, 148});
    list_->setObjectName("productList");

    connect(remove, &QPushButton::clicked, this, [this] { delete_product(); });
    connect(exporter, &QPushButton::clicked, this, [this] { export_products(); });
    connect(create, &QPushButton::clicked, this, [this] { new_product(); });
    connect(save, &QPushButton::clicked, this, [this] { save_product(); });
    choose_on_click([] {});

    // Enter: designation -> initial quantity -> purchase price -> instalment price -> cash
    // price, which saves.
    const std::vector<QLineEdit*> chain = {prod_, qi_, pa_, pvf_};
    for (size_t i = 0; i < chain.size(); ++i) {
        QLineEdit* next = i + 1 < chain.size() ? chain[i + 1] : pvc_;
        connect(chain[i], &QLineEdit::returnPressed, this, [next] { next->setFocus(); });
    }
    connect(pvc_, &QLineEdit::returnPressed, this, [this] { save_product(); });
}

void ProductsPage::read_form() {
    tab_.form = {text_of(code_), text_of(prod_), text_of(qi_),   text_of(pa_),
                 text_of(pvf_),  text_of(pvc_),  text_of(stock_)};
}

void ProductsPage::show_form() {
    const ProductForm& f = tab_.form;
    code_->setText(qs(f.code));
    show_from_start(prod_, f.prod);
    qi_->setText(qs(f.qi));
    pa_->setText(qs(f.pa));
    pvf_->setText(qs(f.pvf));
    pvc_->setText(qs(f.pvc));
    stock_->setText(qs(f.stock));
}

void ProductsPage::focus_form() {
    prod_->setFocus();
}

void ProductsPage::fill_on_choice() {
    fill_once(&ProductsTab::fill_product_list);
}

void ProductsPage::new_product() {
    change_form(&ProductsTab::new_product);
    prod_->setFocus();
}

void ProductsPage::save_product() {
    if (change_list(&ProductsTab::save_product).kind != RowChange::None) prod_->setFocus();
}

void ProductsPage::delete_product() {
    change_list(&ProductsTab::delete_product);
}

void ProductsPage::export_products() {
    tab_.export_products(QDir::currentPath().toStdString(), open_with_desktop);
}

}  // namespace kelmo::masters
