#pragma once

#include <QGroupBox>
#include <QString>

class QLabel;
class QScrollBar;

namespace fortunara {

struct ProgramState;

// A "DAL" and an "AL" range selector in one group box: each bar shows the date of its draw; with a
// span label the pair also shows the distance between its ends.
class RangePairBox : public QGroupBox {
    Q_OBJECT

public:
    // Object names of the box's controls; an empty span name leaves the span out.
    struct Names {
        QString fromBar;
        QString fromLabel;
        QString toBar;
        QString toLabel;
        QString span;
    };

    RangePairBox(const QString& caption, const Names& names, ProgramState& state, QWidget* parent = nullptr);

    // The load step: "DAL" on the newest draw, "AL" 100 draws before it (or on record 1).
    void Load(int recordCount);

    // Moves the "AL" bar: its maximum, then its value (its change step runs once).
    void MoveTo(int maximum, int value);

    int From() const;
    int To() const;
    int Span() const;  // the distance between the ends, in draws
    QString FromCaption() const;
    QString ToCaption() const;

private:
    QScrollBar* fromBar_;
    QLabel* fromLabel_;
    QScrollBar* toBar_;
    QLabel* toLabel_;
    QLabel* span_ = nullptr;
};

}  // namespace fortunara
