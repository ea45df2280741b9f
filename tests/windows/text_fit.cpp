#include "tests/windows/text_fit.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>
#include <QTableView>

namespace fortunara::test {

namespace {

// Qt keeps its own measures protected. A pointer to member formed in a subclass reaches them on
// any object of the base class, so the checker asks the widget itself instead of guessing.
struct ViewAccess : QAbstractItemView {
    static QStyleOptionViewItem Option(const QAbstractItemView& view) {
        QStyleOptionViewItem option;
        (view.*(&ViewAccess::initViewItemOption))(&option);
        return option;
    }
};
struct DelegateAccess : QStyledItemDelegate {
    static void Init(const QStyledItemDelegate& delegate, QStyleOptionViewItem& option, const QModelIndex& index) {
        (delegate.*(&DelegateAccess::initStyleOption))(&option, index);
    }
};
struct HeaderAccess : QHeaderView {
    static QSize Needed(const QHeaderView& header, int section) {
        return (header.*(&HeaderAccess::sectionSizeFromContents))(section);
    }
};
struct PushAccess : QPushButton {
    static void Init(const QPushButton& button, QStyleOptionButton& option) {
        (button.*(&PushAccess::initStyleOption))(&option);
    }
};
struct CheckAccess : QCheckBox {
    static void Init(const QCheckBox& box, QStyleOptionButton& option) {
        (box.*(&CheckAccess::initStyleOption))(&option);
    }
};
struct RadioAccess : QRadioButton {
    static void Init(const QRadioButton& button, QStyleOptionButton& option) {
        (button.*(&RadioAccess::initStyleOption))(&option);
    }
};

QString NameOf(const QWidget& widget) {
    if (!widget.objectName().isEmpty()) return widget.objectName();
    const QWidget* parent = widget.parentWidget();
    return QString("%1 in %2").arg(widget.metaObject()->className(), parent != nullptr ? NameOf(*parent) : "?");
}

QString Finding(const QString& where, const QString& text, QSize needed, QSize has) {
    return QString("%1 \"%2\" needs %3 x %4 px, has %5 x %6")
        .arg(where, text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(has.width())
        .arg(has.height());
}

bool Fits(QSize needed, QSize has) {
    return needed.width() <= has.width() && needed.height() <= has.height();
}

// Widths are measured against the room the text is laid out in (Qt cuts or elides beyond it),
// heights against the whole cell, section or button: a line may reach into the padding above and
// below it, since its box is taller than its letters.

// A cell's text is cut with "…" when the cell is narrower than the delegate's size hint: the
// text's width rounded up and the margins on both sides.
void CheckCells(const QTableView& view, std::vector<QString>& found) {
    const QAbstractItemModel* model = view.model();
    const auto* delegate = qobject_cast<const QStyledItemDelegate*>(view.itemDelegate());
    if (model == nullptr || delegate == nullptr) return;
    const QStyleOptionViewItem base = ViewAccess::Option(view);
    // Cells of one column with the same text and font measure the same.
    QHash<QString, bool> seen;
    for (int c = 0; c < model->columnCount(); ++c) {
        if (view.isColumnHidden(c) || view.columnWidth(c) <= 0) continue;
        for (int r = 0; r < model->rowCount(); ++r) {
            if (view.isRowHidden(r)) continue;
            const QModelIndex index = model->index(r, c);
            QStyleOptionViewItem option = base;
            option.rect = view.visualRect(index);
            DelegateAccess::Init(*delegate, option, index);
            if (option.text.isEmpty()) continue;
            const QString key = QString("%1\x1f%2\x1f%3").arg(c).arg(option.text, option.font.key());
            if (seen.contains(key)) continue;
            const QSize needed(delegate->sizeHint(option, index).width(), QFontMetrics(option.font).height());
            const bool fits = Fits(needed, option.rect.size());
            seen.insert(key, fits);
            if (!fits) {
                found.push_back(Finding(QString("%1 row %2 column %3").arg(NameOf(view)).arg(r + 1).arg(c), option.text,
                                        needed, option.rect.size()));
            }
        }
    }
}

void CheckHeader(const QTableView& view, std::vector<QString>& found) {
    const QHeaderView& header = *view.horizontalHeader();
    if (!header.isVisible() || view.model() == nullptr) return;
    for (int c = 0; c < header.count(); ++c) {
        if (header.isSectionHidden(c) || header.sectionSize(c) <= 0) continue;
        const QString text = view.model()->headerData(c, Qt::Horizontal).toString();
        if (text.isEmpty()) continue;
        // Headers are drawn bold, as the header measures them.
        QFont bold = header.font();
        bold.setBold(true);
        const QSize needed(HeaderAccess::Needed(header, c).width(), QFontMetrics(bold).height());
        const QSize has(header.sectionSize(c), header.height());
        if (!Fits(needed, has))
            found.push_back(Finding(QString("%1 header %2").arg(NameOf(view)).arg(c), text, needed, has));
    }
}

// A label draws its text clipped to its contents: its own size hint is what the text needs.
void CheckLabel(const QLabel& label, std::vector<QString>& found) {
    if (label.text().isEmpty()) return;
    QSize needed = label.sizeHint();
    if (label.wordWrap()) {
        needed = QSize(label.minimumSizeHint().width(), label.heightForWidth(label.width()));
    }
    if (!Fits(needed, label.size())) found.push_back(Finding(NameOf(label), label.text(), needed, label.size()));
}

// A button's caption is drawn clipped into the contents rectangle the style gives it.
void CheckButton(const QAbstractButton& button, std::vector<QString>& found) {
    if (button.text().isEmpty()) return;
    QStyleOptionButton option;
    QStyle::SubElement contents;
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
        PushAccess::Init(*push, option);
        contents = QStyle::SE_PushButtonContents;
    } else if (const auto* check = qobject_cast<const QCheckBox*>(&button)) {
        CheckAccess::Init(*check, option);
        contents = QStyle::SE_CheckBoxContents;
    } else if (const auto* radio = qobject_cast<const QRadioButton*>(&button)) {
        RadioAccess::Init(*radio, option);
        contents = QStyle::SE_RadioButtonContents;
    } else {
        return;
    }
    const QSize has(button.style()->subElementRect(contents, &option, &button).width(), button.height());
    const QSize needed = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    if (!Fits(needed, has)) found.push_back(Finding(NameOf(button), button.text(), needed, has));
}

}  // namespace

std::vector<QString> UnfitTexts(const QWidget& window) {
    std::vector<QString> found;
    for (const QTableView* view : window.findChildren<QTableView*>()) {
        if (!view->isVisible()) continue;
        CheckHeader(*view, found);
        CheckCells(*view, found);
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisible()) CheckLabel(*label, found);
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisible()) CheckButton(*button, found);
    }
    return found;
}

}  // namespace fortunara::test
