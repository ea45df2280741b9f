#include "ui/chart_window.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "state/chart_output.h"
#include "state/click_sound.h"
#include "ui/chart_view.h"
#include "ui/controls.h"

namespace fortunara {

namespace {

std::string PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

}  // namespace

ChartWindow::ChartWindow(ProgramState& state, Platform& platform, const QString& name, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setObjectName(name);
    setWindowTitle("Fortunara");
    controls_ = new QHBoxLayout;
    Grafico = new ChartView("Grafico", this);
    Note = MakeLabel(this, "Note");
    Note->setWordWrap(true);
    Note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StampaGrafico = MakeWideButton(this, "StampaGrafico", "STAMPA");
    SalvaGrafico = MakeWideButton(this, "SalvaGrafico", "SALVA PNG");
    EsciGrafico = MakeWideButton(this, "EsciGrafico", "ESCI");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {StampaGrafico, SalvaGrafico, EsciGrafico}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls_);
    layout->addWidget(Grafico, 1);
    layout->addWidget(Note);
    layout->addLayout(buttons);
    connect(StampaGrafico, &QPushButton::clicked, this, &ChartWindow::Print);
    connect(SalvaGrafico, &QPushButton::clicked, this, &ChartWindow::Save);
    connect(EsciGrafico, &QPushButton::clicked, this, &QDialog::close);
    // As large as the charts are meant to be seen, within the screen.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() : QSize(1100, 680);
    resize(std::min(1100, room.width()), std::min(680, room.height()));
}

void ChartWindow::Show(const ChartData& data) {
    Grafico->Show(data);
    QStringList lines;
    for (const std::string& note : data.notes) lines << QString::fromStdString(note);
    Note->setText(lines.join('\n'));
}

void ChartWindow::Print() {
    PlayClickSound(state_, platform_.sounds);
    const QImage picture = Grafico->Picture(QSize(kChartPictureWidth, kChartPictureHeight));
    PrintChart(platform_.printer, Grafico->Data(), PngBytes(picture), picture.width(), picture.height());
}

void ChartWindow::Save() {
    PlayClickSound(state_, platform_.sounds);
    const std::string initial = ChartDialogName(state_.programFolder);
    const auto file =
        ChosenChartFile(platform_.dialogs.SaveFile("SALVA IL GRAFICO", initial, kChartFileFilter), initial);
    if (!file) return;
    const std::string error = SaveChartFile(file->is_absolute() ? *file : state_.programFolder / *file,
                                            PngBytes(Grafico->Picture(QSize(kChartPictureWidth, kChartPictureHeight))));
    if (!error.empty()) platform_.dialogs.Message(error, "ATTENZIONE !!!", DialogButtons::Ok, DialogIcon::Warning);
}

}  // namespace fortunara
