#include "platform/qt/qt_dialogs.h"

#include <cstdio>

#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStringList>

namespace fortunara {

namespace {

constexpr int kTwipsPerPixel = 15;

QMessageBox::Icon BoxIcon(DialogIcon icon) {
    switch (icon) {
        case DialogIcon::Information:
            return QMessageBox::Information;
        case DialogIcon::Warning:
            return QMessageBox::Warning;
        case DialogIcon::Question:
            return QMessageBox::Question;
        case DialogIcon::Critical:
            return QMessageBox::Critical;
        case DialogIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

DialogAnswer QtDialogs::Message(const std::string& text, const std::string& title, DialogButtons buttons,
                                DialogIcon icon) {
    if (unattended_) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return buttons == DialogButtons::YesNo ? DialogAnswer::No : DialogAnswer::Ok;
    }
    QMessageBox box(BoxIcon(icon), Text(title), Text(text), QMessageBox::NoButton, parent_);
    if (buttons != DialogButtons::Ok) {
        QPushButton* yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box.setDefaultButton(buttons == DialogButtons::YesNoDefaultNo ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == no || box.clickedButton() == nullptr ? DialogAnswer::No : DialogAnswer::Yes;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return DialogAnswer::Ok;
}

std::string QtDialogs::Input(const std::string& prompt, const std::string& title, const std::string& initial,
                             int leftTwips, int topTwips) {
    if (unattended_) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), prompt.c_str());
        return {};
    }
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(Text(title));
    dialog.setLabelText(Text(prompt));
    dialog.setTextValue(Text(initial));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    if (leftTwips >= 0 || topTwips >= 0) {
        // A given coordinate places the box on the screen; a missing one keeps it centred.
        dialog.adjustSize();
        const QScreen* screen = parent_ != nullptr ? parent_->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        QPoint place = area.center() - dialog.rect().center();
        if (leftTwips >= 0) place.setX(area.left() + leftTwips / kTwipsPerPixel);
        if (topTwips >= 0) place.setY(area.top() + topTwips / kTwipsPerPixel);
        dialog.move(place);
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

std::string QtDialogs::OpenFile(const std::string& title, const std::string& initialName, const std::string& pattern) {
    if (unattended_) return initialName;
    const QString chosen =
        QFileDialog::getOpenFileName(parent_, Text(title), Text(initialName), CaseFreeFilter(pattern));
    return chosen.isEmpty() ? initialName : chosen.toStdString();
}

std::string QtDialogs::SaveFile(const std::string& title, const std::string& initialName, const std::string& pattern) {
    if (unattended_) return initialName;
    const QString chosen =
        QFileDialog::getSaveFileName(parent_, Text(title), Text(initialName), CaseFreeFilter(pattern));
    return chosen.isEmpty() ? initialName : chosen.toStdString();
}

QString QtDialogs::CaseFreeFilter(const std::string& pattern) {
    QString filter = Text(pattern);
    static const QRegularExpression group(QStringLiteral("\\(([^()]*)\\)"));
    QString result;
    qsizetype done = 0;
    for (auto it = group.globalMatch(filter); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QStringList globs = match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QStringList given = globs;
        for (const QString& glob : given) {
            for (const QString& variant : {glob.toLower(), glob.toUpper()}) {
                if (!globs.contains(variant)) globs.append(variant);
            }
        }
        result += filter.mid(done, match.capturedStart(1) - done) + globs.join(QLatin1Char(' '));
        done = match.capturedEnd(1);
    }
    return result + filter.mid(done);
}

}  // namespace fortunara
