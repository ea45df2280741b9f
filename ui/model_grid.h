#pragma once

#include <QTableView>
#include <vector>

namespace fortunara {

// A grid over a model that makes its cells when they are shown, laid out as DataGrid lays out its
// own: the program's grid look, and column widths given in twips that grow with the view and make
// room for their headers. For grids of many thousand rows, which one item per cell would slow.
class ModelGrid : public QTableView {
    Q_OBJECT

public:
    explicit ModelGrid(const QString& objectName, QWidget* parent = nullptr);

    // Columns without a width of their own are 800 twips wide.
    void SetColumnWidthTwips(int column, int twips);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<int> widthsTwips_;
};

}  // namespace fortunara
