// "OTTIMIZZA": the fewest tickets of six the optimizer finds for a guarantee over the entered
// numbers, on the worker thread of the development (its "ANNULLA" and progress bar); the result
// becomes the system of the grid, and "MATRICE" saves it as a matrix of the library.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <chrono>
#include <memory>

#include "platform/text/number_text.h"
#include "systems/core/guarantee_subject.h"
#include "systems/core/optimized_system.h"
#include "systems/core/system_certificate.h"
#include "systems/core/system_save.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/system_grid_model.h"
#include "ui/controls.h"

namespace fortunara {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr int kDefaultSeconds = 30;
constexpr int kMostSeconds = 3600;

}  // namespace

QGroupBox* Sistemi::BuildOptimizerFrame(QWidget* page) {
    FrameOttimizza = MakeFrame(page, "FrameOttimizza", "Ottimizza");
    EsconoOttimizza = new QComboBox(FrameOttimizza);
    EsconoOttimizza->setObjectName("EsconoOttimizza");
    AlmenoOttimizza = new QComboBox(FrameOttimizza);
    AlmenoOttimizza->setObjectName("AlmenoOttimizza");
    for (int m = 2; m <= 6; ++m) EsconoOttimizza->addItem(QString::number(m), m);
    for (int t = 2; t <= 6; ++t) AlmenoOttimizza->addItem(QString::number(t), t);
    EsconoOttimizza->setCurrentIndex(1);
    AlmenoOttimizza->setCurrentIndex(1);
    SecondiOttimizza = new QLineEdit(QString::number(kDefaultSeconds), FrameOttimizza);
    SecondiOttimizza->setObjectName("SecondiOttimizza");
    SecondiOttimizza->setAlignment(Qt::AlignRight);
    Ottimizza = MakeButton(FrameOttimizza, "Ottimizza", "OTTIMIZZA");
    Matrice = MakeButton(FrameOttimizza, "Matrice", "MATRICE");
    Matrice->setEnabled(false);

    auto* grid = new QGridLayout(FrameOttimizza);
    grid->addWidget(MakeCaption(FrameOttimizza, "ESCONO"), 0, 0);
    grid->addWidget(EsconoOttimizza, 0, 1);
    grid->addWidget(MakeCaption(FrameOttimizza, "ALMENO"), 0, 2);
    grid->addWidget(AlmenoOttimizza, 0, 3);
    grid->addWidget(MakeCaption(FrameOttimizza, "SECONDI"), 1, 0);
    grid->addWidget(SecondiOttimizza, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Ottimizza);
    buttons->addWidget(Matrice);
    grid->addLayout(buttons, 2, 0, 1, 4);
    connect(Ottimizza, &QPushButton::clicked, this, &Sistemi::Optimize);
    connect(Matrice, &QPushButton::clicked, this, &Sistemi::SaveOptimizedMatrix);
    return FrameOttimizza;
}

void Sistemi::Optimize() {
    if (running_) return;
    Click();
    const auto warn = [this](const std::string& message) {
        platform_.dialogs.Message(message, "ATTENZIONE !!!", DialogButtons::Ok, DialogIcon::Warning);
    };
    const int quantity = NumericValue(Textbox1->text().toStdString());
    std::vector<int> chosen;
    for (int p = 1; p <= std::min(quantity, 90); ++p)
        chosen.push_back(state_.EnteredNumbers[static_cast<std::size_t>(p)]);
    if (quantity < 7 || quantity > 90 || std::any_of(chosen.begin(), chosen.end(), [](int n) { return n < 1; })) {
        warn("PER OTTIMIZZARE SERVONO DA 7 A 90 NUMERI: INSERISCILI CON \"NUMERI\"");
        return;
    }
    OptimizerRequest request;
    request.positions = quantity;
    request.drawn = EsconoOttimizza->currentData().toInt();
    request.atLeast = AlmenoOttimizza->currentData().toInt();
    request.seed = 1;
    const int seconds = NumericValue(SecondiOttimizza->text().toStdString());
    if (request.atLeast > request.drawn) {
        warn("LA SORTE GARANTITA VUOLE AL PIU' " + Plain(request.drawn) + " NUMERI IN UNA BOLLETTA");
        return;
    }
    if (seconds < 1 || seconds > kMostSeconds) {
        warn("I SECONDI VANNO DA 1 A " + Plain(kMostSeconds));
        return;
    }
    request.seconds = seconds;
    if (!OptimizerAccepts(request)) {
        warn("TROPPI CASI DA TENERE IN MEMORIA: SCEGLI MENO NUMERI O MENO ESTRATTI");
        return;
    }

    cancel_ = false;
    SetRunning(true);
    QProgressBar* bar = Avanzamento;
    worker_ = std::thread([this, request, bar, chosen] {
        const auto begin = std::chrono::steady_clock::now();
        auto result = std::make_shared<OptimizerResult>(OptimizeSystem(request, [&](int, long long) {
            const double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
            QMetaObject::invokeMethod(
                bar, [bar, share = spent / request.seconds] { bar->setValue(static_cast<int>(share * 1000)); },
                Qt::QueuedConnection);
            return !cancel_;
        }));
        QMetaObject::invokeMethod(
            this, [this, request, result, chosen] { FinishOptimization(request, *result, chosen); },
            Qt::QueuedConnection);
    });
}

void Sistemi::FinishOptimization(const OptimizerRequest& request, const OptimizerResult& result,
                                 const std::vector<int>& chosen) {
    if (worker_.joinable()) worker_.join();
    SetRunning(false);
    if (result.tickets.empty()) {
        platform_.dialogs.Message("NESSUN SISTEMA TROVATO PRIMA DELL'ANNULLA", "ATTENZIONE !!!", DialogButtons::Ok,
                                  DialogIcon::Warning);
        return;
    }
    std::vector<int> numbers;
    std::vector<std::vector<int>> rows;
    for (const std::vector<int>& ticket : result.tickets) {
        std::vector<int>& row = rows.emplace_back();
        for (const int p : ticket) row.push_back(chosen[static_cast<std::size_t>(p)]);
        numbers.insert(numbers.end(), row.begin(), row.end());
    }
    // The system becomes the last development over the entered numbers: "SALVA", "CONTROLLO",
    // "SCHEDINE" and "Garanzie" take it as they take one.
    const int count = AppendDevelopedTickets(state_, request.positions, 0, numbers);
    if (count < 0) return;
    memory_.developedCount = count;
    state_.SystemNumberCount = request.positions;
    state_.SystemComboSize = 6;
    model_->SetCombinations(rows, SystemGridModel::CellForm::Plain);
    optimized_ = Optimized{request.positions, request.drawn, request.atLeast, result.tickets};

    const std::optional<BestCovering> best =
        BestFor(ReadCoveringTable(state_.programFolder), request.positions, request.drawn, request.atLeast);
    // The list says its size beside the best known one, the lower bound and their source.
    List1->clear();
    const MatrixData matrix =
        OptimizedMatrix(request.positions, request.drawn, request.atLeast, result.tickets, chosen, best);
    for (const std::string& line : matrix.comments) {
        if (!line.empty()) List1->addItem(Text(line));
    }
    Matrice->setEnabled(true);
}

void Sistemi::SaveOptimizedMatrix() {
    if (running_ || optimized_.tickets.empty()) return;
    Click();
    const std::optional<BestCovering> best =
        BestFor(ReadCoveringTable(state_.programFolder), optimized_.positions, optimized_.drawn, optimized_.atLeast);
    // A matrix of the library is over the positions 1 to N.
    const MatrixData data =
        OptimizedMatrix(optimized_.positions, optimized_.drawn, optimized_.atLeast, optimized_.tickets, {}, best);
    const MatrixSave save = SaveSystemAsMatrix(state_, data);
    if (save.ok()) {
        platform_.dialogs.Message("MATRICE " + save.name + " SALVATA NELLA LIBRERIA", "Fortunara");
    } else {
        platform_.dialogs.Message(save.error, "ATTENZIONE !!!", DialogButtons::Ok, DialogIcon::Warning);
    }
}

}  // namespace fortunara
