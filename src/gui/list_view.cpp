#include "gui/list_view.h"

#include <QHeaderView>

namespace kelmo::gui {

namespace {
Qt::Alignment to_qt(Align a) {
    switch (a) {
        case Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Align::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
constexpr int kAlignRole = Qt::UserRole + 7;
}  // namespace

QColor to_qcolor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

QTreeWidget* make_list(QWidget* parent, const QRect& geometry,
                       const std::vector<ListColumn>& columns, std::optional<Rgb> background) {
    auto* list = new QTreeWidget(parent);
    list->setGeometry(geometry);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const ListColumn& c : columns) titles << QString::fromStdString(c.title);
    list->setHeaderLabels(titles);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        list->setColumnWidth(i, columns[i].width);
        list->headerItem()->setTextAlignment(i, to_qt(columns[i].align));
        list->headerItem()->setData(i, kAlignRole, static_cast<int>(columns[i].align));
    }
    list->header()->setStretchLastSection(false);
    if (background) {
        QPalette pal = list->palette();
        pal.setColor(QPalette::Base, to_qcolor(*background));
        list->setPalette(pal);
    }
    return list;
}

void set_row(QTreeWidget* list, QTreeWidgetItem* item, const ListRow& row) {
    const int n = list->columnCount();
    for (int c = 0; c < n; ++c) {
        item->setText(c, QString::fromStdString(row.cell(c)));
        item->setTextAlignment(
            c, to_qt(static_cast<Align>(list->headerItem()->data(c, kAlignRole).toInt())));
        std::optional<Rgb> bg = row.background;
        if (c < static_cast<int>(row.cell_backgrounds.size()) && row.cell_backgrounds[c])
            bg = row.cell_backgrounds[c];
        item->setData(c, Qt::BackgroundRole, bg ? QVariant(QBrush(to_qcolor(*bg))) : QVariant());
        std::optional<Rgb> fg = row.foreground;
        if (c < static_cast<int>(row.cell_foregrounds.size()) && row.cell_foregrounds[c])
            fg = row.cell_foregrounds[c];
        item->setData(c, Qt::ForegroundRole, fg ? QVariant(QBrush(to_qcolor(*fg))) : QVariant());
    }
}

void show_rows(QTreeWidget* list, const std::vector<ListRow>& rows) {
    list->setUpdatesEnabled(false);
    list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<int>(rows.size()));
    for (const ListRow& row : rows) {
        auto* item = new QTreeWidgetItem;
        set_row(list, item, row);
        items.push_back(item);
    }
    list->addTopLevelItems(items);
    list->setUpdatesEnabled(true);
}

void align_column(QTreeWidget* list, int column, int kind) {
    Align a = align_kind(kind);
    list->headerItem()->setData(column, kAlignRole, static_cast<int>(a));
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        list->topLevelItem(i)->setTextAlignment(column, to_qt(a));
}

}  // namespace kelmo::gui
