#include "ui/number_board.h"

#include <QGridLayout>
#include <QMouseEvent>

#include "ui/look.h"
#include "ui/strip_painter.h"

namespace fortunara {

NumberLabel::NumberLabel(int index, QWidget* parent) : QLabel(QString::number(index + 1), parent), index_(index) {
    setObjectName(QString("Numero(%1)").arg(index));
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFont(CaptionFont(10));
    setMinimumSize(26, 24);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 252, 242));
    colours.setColor(QPalette::Light, Qt::white);
    colours.setColor(QPalette::Dark, look::kGreen);
    setPalette(colours);
    SetTextColour(Qt::black);
    SetRaised(true);
}

QColor NumberLabel::TextColour() const {
    return palette().color(QPalette::WindowText);
}

void NumberLabel::SetTextColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

bool NumberLabel::IsRaised() const {
    return frameShadow() == QFrame::Raised;
}

void NumberLabel::SetRaised(bool raised) {
    setFrameShadow(raised ? QFrame::Raised : QFrame::Sunken);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, raised ? QColor(255, 252, 242) : look::kIvoryDark);
    setPalette(colours);
}

void NumberLabel::SetMarked(bool marked) {
    SetTextColour(marked ? look::kMarkedRed : QColor(Qt::black));
    SetRaised(!marked);
}

QSize NumberLabel::sizeHint() const {
    return {32, 30};
}

void NumberLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(index_);
}

NumberBoard::NumberBoard(QWidget* parent) : QWidget(parent) {
    setObjectName("NumberBoard");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int i = 0; i < 90; ++i) {
        auto* label = new NumberLabel(i, this);
        labels_[static_cast<std::size_t>(i)] = label;
        grid->addWidget(label, i / 10, i % 10);
        connect(label, &NumberLabel::pressed, this, &NumberBoard::numberPressed);
    }
}

void NumberBoard::ShowMarks(const std::array<bool, 91>& marked) {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(QString::number(i + 1));
        labels_[i]->SetMarked(marked[i + 1]);
    }
}

}  // namespace fortunara
