#include "systems/windows/sistemi.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/text/number_text.h"
#include "state/click_sound.h"
#include "state/range_selector.h"
#include "systems/core/guarantee_subject.h"
#include "systems/core/sistemi_run.h"
#include "systems/core/system_texts.h"
#include "systems/windows/garanzie.h"
#include "systems/windows/system_grid_model.h"
#include "ui/look.h"

namespace fortunara {

namespace {

// Fits a 1366 x 768 screen with room for the task bar and the title.
constexpr int kWidth = 1120;
constexpr int kHeight = 660;

}  // namespace

Sistemi::Sistemi(ProgramState& state, Platform& platform, SistemiMemory& memory, SistemiOpeners openers,
                 QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), memory_(memory), openers_(std::move(openers)) {
    setObjectName("Sistemi");
    setWindowTitle("Fortunara");
    model_ = new SystemGridModel(this);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    SSTab1->addTab(BuildSystemTab(), "Sistema");
    SSTab1->addTab(BuildConditionTab(), "Condizioni");
    SSTab1->addTab(BuildLinkTab(), "Link AND");
    TabGaranzie =
        new Garanzie(state_, platform_,
                     GuaranteeHooks{[this] {
                                        return GridSubject(state_, NumericValue(Textbox1->text().toStdString()),
                                                           model_->Combinations());
                                    },
                                    [this](const std::vector<int>& added) { AdoptTickets(added); }},
                     this);
    SSTab1->addTab(TabGaranzie, "Garanzie");
    StyleTabs(*SSTab1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(SSTab1);
    resize(kWidth, kHeight);

    ConnectSystemTab();
    connect(model_, &QAbstractItemModel::modelReset, this, &Sistemi::FitGrid1);
    Load();
}

Sistemi::~Sistemi() {
    StopWorker();
}

void Sistemi::Load() {
    Combo1->clear();
    for (const std::string_view name : kGuaranteeNames)
        Combo1->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    state_.GuaranteeMode = 1;
    state_.TicketSize = 6;
    const SelectorLimits limits = SelectorLimitsFor(state_.RecordCount);
    HScroll1->blockSignals(true);
    HScroll1->setRange(limits.minimum, limits.maximum);
    HScroll1->setValue(state_.RecordCount);
    HScroll1->blockSignals(false);
    DrawChosen(HScroll1->value());
    Label2->setText(QString::fromStdString(state_.CurrentDrawDate));
    SetUpGrid2();
    SetUpGrid1();
    TabGaranzie->Load(state_.RecordCount);
}

void Sistemi::HandOverForecast(int quantity) {
    Label1->setText(QString());
    const HandedNumbers handed = TakeForecastNumbers(state_, quantity);
    Textbox1->setText(QString::fromStdString(handed.quantityText));
    Label1->setText(QString::fromStdString(handed.label));
}

void Sistemi::Click() {
    PlayClickSound(state_, platform_.sounds);
}

void Sistemi::StopWorker() {
    TabGaranzie->Stop();
    if (!worker_.joinable()) return;
    cancel_ = true;
    worker_.join();
}

void Sistemi::closeEvent(QCloseEvent* event) {
    StopWorker();
    QDialog::closeEvent(event);
}

void Sistemi::reject() {
    StopWorker();
    QDialog::reject();
}

}  // namespace fortunara
