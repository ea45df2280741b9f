#include "ui/range_pair_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <cstdlib>

#include "ui/controls.h"
#include "ui/look.h"
#include "ui/range_selectors.h"

namespace fortunara {

RangePairBox::RangePairBox(const QString& caption, const Names& names, ProgramState& state, QWidget* parent)
    : QGroupBox(caption, parent) {
    fromLabel_ = MakeLabel(this, names.fromLabel);
    fromBar_ = MakeScrollBar(this, names.fromBar, Qt::Horizontal);
    toLabel_ = MakeLabel(this, names.toLabel);
    toBar_ = MakeScrollBar(this, names.toBar, Qt::Horizontal);
    auto* layout = new QGridLayout(this);
    layout->addWidget(fromLabel_, 0, 0);
    layout->addWidget(fromBar_, 0, 1);
    layout->addWidget(toLabel_, 1, 0);
    layout->addWidget(toBar_, 1, 1);
    layout->setColumnStretch(1, 1);
    layout->setColumnMinimumWidth(0, 110);
    if (!names.span.isEmpty()) {
        span_ = MakeLabel(this, names.span);
        span_->setFont(CaptionFont());
        layout->addWidget(span_, 2, 0, 1, 2);
    }
    ConnectRangeSelector({fromBar_, fromLabel_, SelectorEnd::From, fromBar_, toBar_, span_}, state);
    ConnectRangeSelector({toBar_, toLabel_, SelectorEnd::To, fromBar_, toBar_, span_}, state);
}

void RangePairBox::Load(int recordCount) {
    SetScrollPosition(*fromBar_, recordCount, InitialFromPosition(recordCount));
    SetScrollPosition(*toBar_, recordCount, InitialToPosition(recordCount));
}

void RangePairBox::MoveTo(int maximum, int value) {
    SetScrollPosition(*toBar_, maximum, value);
}

int RangePairBox::From() const {
    return fromBar_->value();
}

int RangePairBox::To() const {
    return toBar_->value();
}

int RangePairBox::Span() const {
    return std::abs(From() - To());
}

QString RangePairBox::FromCaption() const {
    return fromLabel_->text();
}

QString RangePairBox::ToCaption() const {
    return toLabel_->text();
}

}  // namespace fortunara
