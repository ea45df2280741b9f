#include "ui/model_grid.h"

#include <QHeaderView>

#include "ui/grid_columns.h"
#include "ui/look.h"

namespace fortunara {

ModelGrid::ModelGrid(const QString& objectName, QWidget* parent) : QTableView(parent) {
    setObjectName(objectName);
    StyleGrid(*this);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ModelGrid::SetColumnWidthTwips(int column, int twips) {
    if (column < 0) return;
    if (static_cast<std::size_t>(column) >= widthsTwips_.size())
        widthsTwips_.resize(static_cast<std::size_t>(column) + 1, 800);
    widthsTwips_[static_cast<std::size_t>(column)] = twips;
    FitColumnsTwips(*this, widthsTwips_);
}

void ModelGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitColumnsTwips(*this, widthsTwips_);
}

}  // namespace fortunara
