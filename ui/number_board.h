#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>
#include <array>

namespace fortunara {

// One square of the number board, `Numero(i)` for number i + 1: raised when free, sunken with a
// red number when marked. Its text colour is its state, as the search reads it.
class NumberLabel : public QLabel {
    Q_OBJECT

public:
    NumberLabel(int index, QWidget* parent);

    int Index() const { return index_; }
    QColor TextColour() const;
    void SetTextColour(const QColor& colour);
    bool IsRaised() const;
    void SetRaised(bool raised);
    // Marked: a red number on a sunken square; free: a black number on a raised one.
    void SetMarked(bool marked);

    QSize sizeHint() const override;

signals:
    void pressed(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int index_;
};

// The board of the 90 numbers: 9 rows of 10 squares, number i + 1 in row i / 10, column i % 10.
class NumberBoard : public QWidget {
    Q_OBJECT

public:
    explicit NumberBoard(QWidget* parent = nullptr);

    NumberLabel* Numero(int index) const { return labels_.at(static_cast<std::size_t>(index)); }

    // The one place that decides how the board shows marks: every square shows its number, marked
    // (element n for number n) or free.
    void ShowMarks(const std::array<bool, 91>& marked);

signals:
    void numberPressed(int index);

private:
    std::array<NumberLabel*, 90> labels_{};
};

}  // namespace fortunara
