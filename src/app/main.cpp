// Kelmov2: opens the data files; the windows come on top of this.
#include <QApplication>

#include "gui/qt_operator.h"
#include "store/store.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kelmo::gui::QtOperator op;
    auto store = kelmo::store::Store::open(op);
    if (!store) return 1;
    return 0;
}
