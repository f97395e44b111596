#include "sales/quick_product_dialog.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/upper_case.h"
#include "sales/quick_product.h"

namespace kelmo::sales {

void run_quick_product_dialog(store::Store& store, Operator& op, const std::string& designation,
                              QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle("Nouveau produit");
    dialog.setGeometry(0, 0, 400, 400);
    dialog.setSizeGripEnabled(true);
    const QStringList captions = {
        "DESIGNATION:", "Quantité initiale:", "P. A.:", "P.V. GROS:", "P.V. CASH:", "P.V. F."};
    std::vector<QLineEdit*> fields;
    int y = 20;
    for (const QString& caption : captions) {
        auto* l = new QLabel(caption, &dialog);
        l->setGeometry(20, y, 140, 22);
        auto* f = new QLineEdit(&dialog);
        f->setObjectName(caption);
        f->setGeometry(170, y, 200, 22);
        fields.push_back(f);
        y += 24;
    }
    gui::make_upper_case(fields[0]);
    fields[0]->setText(QString::fromStdString(designation));
    auto* save_button = new QPushButton("(#F5) Valider", &dialog);
    save_button->setGeometry(170, y + 10, 200, 28);
    save_button->setAutoDefault(false);

    auto save = [&] {
        QuickProduct p{fields[0]->text().toStdString(), fields[1]->text().toStdString(),
                       fields[2]->text().toStdString(), fields[3]->text().toStdString(),
                       fields[4]->text().toStdString(), fields[5]->text().toStdString()};
        save_quick_product(store, op, p);
    };
    QObject::connect(save_button, &QPushButton::clicked, &dialog, save);
    for (size_t i = 0; i < fields.size(); ++i) {
        QObject::connect(fields[i], &QLineEdit::returnPressed, &dialog, [&, i] {
            if (i + 1 < fields.size())
                fields[i + 1]->setFocus();
            else
                save();
        });
    }
    dialog.exec();
}

}  // namespace kelmo::sales
