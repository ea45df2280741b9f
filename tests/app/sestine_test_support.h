#pragma once

#include <QPoint>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <string>

namespace fortunara::test {

// An option button takes clicks on its circle and its caption, at the left.
inline void ClickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

// The date of an archive record as the windows show it.
inline QString Date(const std::string& record) {
    return QString::fromStdString(record.substr(0, 9));
}

}  // namespace fortunara::test
