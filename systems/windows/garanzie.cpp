// The page "Garanzie": what a system is sure of, what it means per draw, its holes, their mending
// and its record over the archive, in a grid and as a chart.
#include "systems/windows/garanzie.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>
#include <optional>

#include "checks/core/play_returns.h"
#include "checks/core/record_chart.h"
#include "checks/core/system_record.h"
#include "platform/text/number_text.h"
#include "systems/core/guarantee_texts.h"
#include "systems/core/play_odds.h"
#include "systems/core/system_certificate.h"
#include "systems/core/system_completion.h"
#include "ui/chart_window.h"
#include "ui/controls.h"
#include "ui/data_grid.h"
#include "ui/look.h"
#include "ui/range_pair_box.h"
#include "ui/window_display.h"

namespace fortunara {

namespace {

constexpr std::uint64_t kSeed = 1;
constexpr const char* kCategoryHeads[] = {"NULLA", "AMBO", "TERNO", "QUATERNA", "CINQUINA", "SESTINA"};
constexpr const char* kPrizeHeads[] = {"TERNO", "QUATERNA", "CINQUINA", "5 + 1", "SESTINA"};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A grid whose columns are wide enough for their heading and for `widest` (the longest text a cell
// of that column can show), and which shows all its rows without scrolling.
DataGrid* MakeGrid(QWidget* parent, const QString& name, const std::vector<const char*>& heads,
                   const std::vector<const char*>& widest, int rows) {
    auto* grid = new DataGrid(name, parent);
    grid->SetShape(static_cast<int>(heads.size()), rows + 1);
    const QFontMetrics header(CaptionFont(9));
    const QFontMetrics cells(grid->font());
    for (int c = 0; c < static_cast<int>(heads.size()); ++c) {
        const auto i = static_cast<std::size_t>(c);
        grid->SetText(0, c, QString(heads[i]));
        const int pixels = std::max(header.horizontalAdvance(heads[i]), cells.horizontalAdvance(widest[i])) + 18;
        grid->SetColumnWidthTwips(c, pixels * 15);
        grid->setColumnWidth(c, pixels);
        grid->SetColumnRight(c, c > 0);
    }
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setMinimumWidth(grid->horizontalHeader()->length() + grid->verticalHeader()->sizeHint().width() +
                          2 * grid->frameWidth() + 2);
    if (rows > 0) {
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setFixedHeight(grid->horizontalHeader()->sizeHint().height() +
                             rows * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth());
    }
    return grid;
}

}  // namespace

Garanzie::Garanzie(ProgramState& state, Platform& platform, GuaranteeHooks hooks, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform), hooks_(std::move(hooks)) {
    setObjectName("TabGaranzie");
    // Three pages, each with the whole room: what it is sure of, its holes, its record.
    Schede = new QTabWidget(this);
    Schede->setObjectName("SchedeGaranzie");
    Schede->addTab(BuildCertificateBox(), "Che cosa garantisce");
    Schede->addTab(BuildHolesBox(), "Buchi");
    Schede->addTab(BuildRecordBox(), "Resoconto");
    StyleTabs(*Schede);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Schede);
    SetRunning(false);
}

Garanzie::~Garanzie() {
    Stop();
}

QWidget* Garanzie::BuildCertificateBox() {
    QGroupBox* box = MakeFrame(this, "FrameCertificato", "CHE COSA GARANTISCE IL SISTEMA");
    Calcola = MakeButton(box, "Calcola", "CALCOLA");
    Annulla = MakeButton(box, "AnnullaGaranzie", "ANNULLA");
    Avanzamento = new QProgressBar(box);
    Avanzamento->setObjectName("AvanzamentoGaranzie");
    Avanzamento->setRange(0, 1000);
    Avanzamento->setTextVisible(false);
    Promesse = MakeLabel(box, "Promesse");
    Promesse->setFont(GridFont());
    Certificato =
        MakeGrid(box, "Certificato", {"ESTRATTI", "NULLA", "AMBO", "TERNO", "QUATERNA", "CINQUINA", "SESTINA"},
                 {"6", "100,00", "100,00", "100,00", "100,00", "100,00", "100,00"}, 5);
    Certificato->setToolTip(
        "Per ogni quantita' di estratti fra i tuoi numeri: la vincita sicura e, in percentuale "
        "dei casi, fin dove arriva la bolletta migliore");
    Vincenti = MakeGrid(box, "Vincenti", {"ESTRATTI", "AMBI", "TERNI", "QUATERNE", "CINQUINE", "SESTINE"},
                        {"6", "1.000,000", "100,000", "10,000", "1,000", "1,000"}, 5);
    Vincenti->setToolTip("Quante bollette vincono in media in ogni categoria");
    Probabilita = MakeGrid(box, "Probabilita", {"ALMENO", "IL SISTEMA", "A CASO"},
                           {"QUATERNA", "1 su 622.614.630", "1 su 622.614.630"}, 5);
    Probabilita->setToolTip("In una estrazione: il sistema, e altrettante bollette scelte a caso");
    for (int category = 1; category < kPrizeCategories; ++category) {
        Probabilita->SetText(category, 0, QString(kCategoryHeads[category]));
    }
    Prezzo = new QLineEdit(Text(MoneyFigure(kDefaultTicketPriceCents)), box);
    Prezzo->setObjectName("Prezzo");
    Prezzo->setMaximumWidth(90);
    Costo = MakeLabel(box, "Costo");
    Avviso = MakeLabel(box, "Avviso", Text(std::string(kOddsSentence)));
    Avviso->setWordWrap(true);

    auto* commands = new QHBoxLayout;
    commands->addWidget(Calcola);
    commands->addWidget(Annulla);
    commands->addWidget(Avanzamento, 1);
    auto* price = new QHBoxLayout;
    price->addWidget(MakeCaption(box, QString("PREZZO DI UNA BOLLETTA (%1)").arg(Text(std::string(kCurrency)))));
    price->addWidget(Prezzo);
    price->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(MakeCaption(box, "LA VINCITA SICURA"));
    left->addWidget(Promesse);
    left->addWidget(MakeCaption(box, "CASI IN CUI LA BOLLETTA MIGLIORE ARRIVA A... (%)"));
    left->addWidget(Certificato);
    left->addWidget(MakeCaption(box, "BOLLETTE VINCENTI IN MEDIA"));
    left->addWidget(Vincenti);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(MakeCaption(box, "IN UNA ESTRAZIONE VINCE ALMENO"));
    right->addWidget(Probabilita);
    right->addLayout(price);
    right->addWidget(Costo);
    right->addWidget(Avviso);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(commands);
    layout->addLayout(columns, 1);

    connect(Calcola, &QPushButton::clicked, this, &Garanzie::ComputeCertificate);
    connect(Annulla, &QPushButton::clicked, this, [this] { cancel_ = true; });
    connect(Prezzo, &QLineEdit::editingFinished, this, &Garanzie::ShowCost);
    return box;
}

QWidget* Garanzie::BuildHolesBox() {
    QGroupBox* box = MakeFrame(this, "FrameBuchi", "BUCHI DI UNA GARANZIA");
    Escono = new QComboBox(box);
    Escono->setObjectName("Escono");
    Almeno = new QComboBox(box);
    Almeno->setObjectName("Almeno");
    for (int drawn = 2; drawn <= 6; ++drawn) Escono->addItem(QString::number(drawn), drawn);
    Buchi = MakeButton(box, "Buchi", "BUCHI");
    Completa = MakeButton(box, "Completa", "COMPLETA");
    Completa->setToolTip("Aggiunge le bollette che chiudono i buchi: il sistema completo diventa quello corrente");
    ContoBuchi = MakeLabel(box, "ContoBuchi");
    ContoBuchi->setWordWrap(true);
    ListaBuchi = MakeList(box, "ListaBuchi");
    ListaBuchi->setFont(GridFont());

    auto* choice = new QHBoxLayout;
    choice->addWidget(MakeCaption(box, "SE ESCONO"));
    choice->addWidget(Escono);
    choice->addWidget(MakeCaption(box, "ALMENO"));
    choice->addWidget(Almeno);
    choice->addStretch(1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(Buchi);
    commands->addWidget(Completa);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(choice);
    layout->addLayout(commands);
    layout->addWidget(ContoBuchi);
    layout->addWidget(ListaBuchi, 1);

    connect(Escono, &QComboBox::currentIndexChanged, this, &Garanzie::DrawnChosen);
    connect(Buchi, &QPushButton::clicked, this, &Garanzie::FindHolesOfGuarantee);
    connect(Completa, &QPushButton::clicked, this, &Garanzie::CompleteGuarantee);
    Escono->setCurrentIndex(1);
    DrawnChosen();
    return box;
}

QWidget* Garanzie::BuildRecordBox() {
    QGroupBox* box = MakeFrame(this, "FrameResoconto", "RESOCONTO SULL'ARCHIVIO");
    Intervallo = new RangePairBox(
        "ESTRAZIONI", {"HScrollGaranzie1", "LabelGaranzie1", "HScrollGaranzie2", "LabelGaranzie2", {}}, state_, box);
    auto* prizes = new QGridLayout;
    for (std::size_t c = 0; c < Premio.size(); ++c) {
        Premio[c] = new QLineEdit(box);
        Premio[c]->setObjectName(QString("Premio(%1)").arg(c));
        Premio[c]->setPlaceholderText(Text(std::string(kCurrency)));
        prizes->addWidget(MakeCaption(box, kPrizeHeads[c], 8), 0, static_cast<int>(c));
        prizes->addWidget(Premio[c], 1, static_cast<int>(c));
    }
    Resoconto = MakeButton(box, "Resoconto", "RESOCONTO");
    GraficoResoconto = MakeButton(box, "GraficoResoconto", "GRAFICO");
    GraficoResoconto->setToolTip("Costo e vincite estrazione per estrazione, accanto a quello che restituisce il caso");
    Storico = MakeGrid(box, "Storico", {"ESTRAZIONE", "DATA", "TERNI", "QUATERNE", "CINQUINE", "5 + 1", "SESTINE"},
                       {"1000000", "30SET2026", "1000", "100", "10", "10", "10"}, 0);
    Bilancio = MakeLabel(box, "Bilancio");
    Bilancio->setWordWrap(true);

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(Intervallo);
    layout->addWidget(MakeCaption(box, "PREMI PER BOLLETTA VINCENTE (FACOLTATIVI)"));
    layout->addLayout(prizes);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Resoconto, 1);
    buttons->addWidget(GraficoResoconto);
    layout->addLayout(buttons);
    layout->addWidget(Storico, 1);
    layout->addWidget(Bilancio);
    connect(Resoconto, &QPushButton::clicked, this, &Garanzie::ShowRecord);
    connect(GraficoResoconto, &QPushButton::clicked, this, &Garanzie::ShowRecordChart);
    return box;
}

void Garanzie::Load(int recordCount) {
    Intervallo->Load(recordCount);
}

void Garanzie::DrawnChosen() {
    const int drawn = Escono->currentData().toInt();
    const int before = Almeno->currentData().toInt();
    Almeno->clear();
    for (int atLeast = 2; atLeast <= drawn; ++atLeast) Almeno->addItem(QString::number(atLeast), atLeast);
    Almeno->setCurrentIndex(std::clamp(before, 2, drawn) - 2);
}

void Garanzie::ComputeCertificate() {
    if (running_) return;
    const GuaranteeSubject subject = hooks_.subject();
    const PositionSystem system = SystemOverNumbers(subject.chosen, subject.ticketNumbers, subject.ticketSize);
    if (system.tickets.empty()) {
        Warn("NON C'E' UN SISTEMA DA ESAMINARE: SVILUPPALO O CARICALO PRIMA");
        return;
    }
    bool estimate = false;
    if (CertificateSteps(system) > kExactCertificateSteps) {
        estimate = Confirm(
            "IL CALCOLO ESATTO DI QUESTO SISTEMA RICHIEDEREBBE PIU' DI UN MINUTO.\n"
            "VUOI UNA STIMA SU CASI SCELTI A CASO?  (NO: CALCOLO ESATTO)");
    }
    const int size = subject.ticketSize;
    RunWork([this, system, estimate, size](const std::function<bool(double)>& progress) {
        auto certificate = std::make_shared<Certificate>(
            estimate ? EstimatedCertificate(system, EstimateSamples(system), kSeed, progress)
                     : ExactCertificate(system, progress));
        return std::function<void()>([this, certificate, size] {
            if (!certificate->cancelled) ShowCertificate(*certificate, size);
        });
    });
}

void Garanzie::ShowCertificate(const Certificate& certificate, int ticketSize) {
    ticketSize_ = ticketSize;
    tickets_ = certificate.tickets;
    QStringList promises;
    double widestMargin = 0;
    for (int row = 1; row < Certificato->Rows(); ++row) {
        for (int c = 0; c < Certificato->Columns(); ++c) Certificato->SetText(row, c, QString());
        for (int c = 0; c < Vincenti->Columns(); ++c) Vincenti->SetText(row, c, QString());
    }
    int row = 1;
    for (const DrawnCases& cases : certificate.drawn) {
        promises << Text(PromiseLine(cases, certificate.estimate));
        Certificato->SetText(row, 0, QString::number(cases.drawn));
        Vincenti->SetText(row, 0, QString::number(cases.drawn));
        for (int category = 0; category < kPrizeCategories; ++category) {
            if (HitsOfCategory(category) > cases.drawn) break;
            const double share = cases.ShareOfBest(category);
            Certificato->SetText(row, 1 + category, SharePercent(share, 0));
            widestMargin = std::max(widestMargin, certificate.Margin(cases.drawn, share));
            if (category > 0) Vincenti->SetText(row, category, AverageTickets(cases.AverageWinning(category)));
        }
        ++row;
    }
    if (certificate.estimate) {
        promises << QString("STIMA SU CASI A CASO: PERCENTUALI ESATTE A +- %1 PUNTI (95 %)")
                        .arg(Text(PlainDecimal2(widestMargin * 100)));
    }
    Promesse->setText(promises.join('\n'));
    const DrawChances chances = ChancesPerDraw(certificate);
    for (int category = 1; category < kPrizeCategories; ++category) {
        Probabilita->SetText(category, 1, OneIn(chances.system[static_cast<std::size_t>(category)]));
        Probabilita->SetText(category, 2, OneIn(chances.random[static_cast<std::size_t>(category)]));
    }
    ShowCost();
}

void Garanzie::ShowCost() {
    const long long price = ParsePriceCents(Prezzo->text().toStdString());
    if (price < 0) {
        Costo->setText("PREZZO NON VALIDO");
        return;
    }
    Costo->setText(tickets_ == 0 ? QString() : Text(CostLine(tickets_, ticketSize_, price)));
}

std::optional<Garanzie::Choice> Garanzie::ChosenGuarantee() {
    Choice choice{hooks_.subject(), {}, Escono->currentData().toInt(), Almeno->currentData().toInt()};
    choice.system = SystemOverNumbers(choice.subject.chosen, choice.subject.ticketNumbers, choice.subject.ticketSize);
    if (choice.drawn > choice.system.positions) {
        Warn("IL SISTEMA HA SOLO " + Plain(choice.system.positions) + " NUMERI");
        return std::nullopt;
    }
    if (HoleSteps(choice.system, choice.drawn, choice.atLeast) > kExactCertificateSteps &&
        !Confirm("CONTARE I BUCHI DI QUESTO SISTEMA RICHIEDEREBBE PIU' DI UN MINUTO. VUOI PROCEDERE?")) {
        return std::nullopt;
    }
    return choice;
}

void Garanzie::FindHolesOfGuarantee() {
    if (running_) return;
    const std::optional<Choice> choice = ChosenGuarantee();
    if (!choice) return;
    RunWork([this, choice](const std::function<bool(double)>& progress) {
        auto holes =
            std::make_shared<Holes>(FindHoles(choice->system, choice->drawn, choice->atLeast, kHolesListed, progress));
        return std::function<void()>([this, holes, chosen = choice->subject.chosen] {
            if (!holes->cancelled) ShowHoles(*holes, chosen);
        });
    });
}

void Garanzie::ShowHoles(const Holes& holes, const std::vector<int>& chosen) {
    ListaBuchi->clear();
    const auto figure = [](long long n) { return n == 0 ? QString("0") : Text(Grouped(static_cast<double>(n))); };
    QString count =
        QString(holes.count == 1 ? "%1 CASO SU %2 SENZA %3 SE ESCONO %4" : "%1 CASI SU %2 SENZA %3 SE ESCONO %4")
            .arg(figure(holes.count), figure(holes.cases), QString(kCategoryHeads[CategoryOfHits(holes.atLeast)]),
                 QString::number(holes.drawn));
    const long long rest = holes.count - static_cast<long long>(holes.first.size());
    if (rest > 0) count += QString(" (ELENCATI I PRIMI %1, ALTRI %2)").arg(holes.first.size()).arg(rest);
    ContoBuchi->setText(count);
    for (const std::vector<int>& hole : holes.first) {
        QStringList numbers;
        for (const int p : hole) numbers << Text(TwoDigits(chosen[static_cast<std::size_t>(p)]));
        ListaBuchi->addItem(numbers.join("  "));
    }
}

void Garanzie::CompleteGuarantee() {
    if (running_) return;
    const GuaranteeSubject subject = hooks_.subject();
    if (subject.ticketSize != 6) {
        Warn("COMPLETA VALE PER SISTEMI DI BOLLETTE DA SEI NUMERI");
        return;
    }
    if (subject.HasStandIns()) {
        Warn("LE BOLLETTE DEL SISTEMA NON HANNO TUTTI I SUOI NUMERI: NON SI SA QUALI AGGIUNGERE");
        return;
    }
    const std::optional<Choice> choice = ChosenGuarantee();
    if (!choice) return;
    RunWork([this, choice](const std::function<bool(double)>& progress) {
        auto completion = std::make_shared<Completion>(
            CompleteSystem(choice->system, choice->drawn, choice->atLeast, kSeed, progress));
        return std::function<void()>([this, completion, chosen = choice->subject.chosen] {
            if (!completion->cancelled) FinishCompletion(*completion, chosen);
        });
    });
}

void Garanzie::FinishCompletion(const Completion& completion, const std::vector<int>& chosen) {
    if (completion.added.empty()) {
        ContoBuchi->setText("IL SISTEMA NON HA BUCHI PER QUESTA GARANZIA: NESSUNA BOLLETTA DA AGGIUNGERE");
        return;
    }
    std::vector<int> added;
    for (const std::vector<int>& ticket : completion.added) {
        for (const int p : ticket) added.push_back(chosen[static_cast<std::size_t>(p)]);
    }
    hooks_.adopt(added);
    ListaBuchi->clear();
    ContoBuchi->setText(QString("AGGIUNTE %1 BOLLETTE: I %2 BUCHI SONO CHIUSI. IL SISTEMA COMPLETO E' QUELLO CORRENTE")
                            .arg(completion.added.size())
                            .arg(completion.holesBefore));
    ComputeCertificate();
}

void Garanzie::ShowRecord() {
    RecordOfRange();
}

std::optional<RecordHistory> Garanzie::RecordOfRange() {
    const GuaranteeSubject subject = hooks_.subject();
    const Tickets tickets = TicketsOf(subject.ticketNumbers, subject.ticketSize);
    if (tickets.count == 0) {
        Warn("NON C'E' UN SISTEMA DA ESAMINARE: SVILUPPALO O CARICALO PRIMA");
        return std::nullopt;
    }
    Prizes prizes;
    for (std::size_t c = 0; c < Premio.size(); ++c) {
        if (Premio[c]->text().trimmed().isEmpty()) continue;
        prizes.cents[c] = ParsePriceCents(Premio[c]->text().toStdString());
        if (prizes.cents[c] < 0) {
            Warn("PREMIO NON VALIDO PER " + std::string(kPrizeHeads[c]) + ": " + Premio[c]->text().toStdString());
            return std::nullopt;
        }
    }
    const long long price = ParsePriceCents(Prezzo->text().toStdString());
    if (price < 0) {
        Warn("PREZZO NON VALIDO: " + Prezzo->text().toStdString());
        return std::nullopt;
    }
    RecordHistory history =
        ComputeRecordHistory(state_.programFolder, tickets, ScanRange{Intervallo->From(), Intervallo->To()},
                             SystemCostCents(tickets.count, tickets.size, price), prizes);
    const SystemRecord& record = history.record;
    if (!record.error.empty()) {
        Warn(record.error);
        return std::nullopt;
    }
    Storico->SetShape(Storico->Columns(), static_cast<int>(record.draws.size()) + 1);
    int row = 1;
    for (const DrawWins& won : record.draws) {
        const std::array<int, 5> counts = {won.counts.terni, won.counts.quaterne, won.counts.cinquine,
                                           won.counts.cinquePiuUno, won.counts.sestine};
        Storico->SetText(row, 0, QString::number(won.record));
        Storico->SetText(row, 1, Text(won.date));
        for (std::size_t c = 0; c < counts.size(); ++c)
            Storico->SetText(row, static_cast<int>(c) + 2, QString::number(counts[c]));
        ++row;
    }
    Bilancio->setText(Text(LedgerLine(record, history.costPerDrawCents, prizes)));
    return history;
}

// The record of the range as the grid now shows it, drawn.
void Garanzie::ShowRecordChart() {
    const std::optional<RecordHistory> history = RecordOfRange();
    if (!history) return;
    const ChartData chart = RecordChart(*history);
    RunModalWindow(
        platform_.modal,
        [this, chart](QWidget* parent) -> QWidget* {
            auto* window = new ChartWindow(state_, platform_, "GraficoSistema", parent);
            window->Show(chart);
            return window;
        },
        this);
}

void Garanzie::RunWork(std::function<std::function<void()>(const std::function<bool(double)>& progress)> work) {
    cancel_ = false;
    SetRunning(true);
    QProgressBar* bar = Avanzamento;
    worker_ = std::thread([this, bar, work = std::move(work)] {
        const std::function<bool(double)> progress = [this, bar](double done) {
            QMetaObject::invokeMethod(
                bar, [bar, done] { bar->setValue(static_cast<int>(done * 1000)); }, Qt::QueuedConnection);
            return !cancel_;
        };
        std::function<void()> done = work(progress);
        QMetaObject::invokeMethod(
            this,
            [this, done = std::move(done)] {
                if (worker_.joinable()) worker_.join();
                SetRunning(false);
                done();
            },
            Qt::QueuedConnection);
    });
}

void Garanzie::Stop() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

void Garanzie::SetRunning(bool running) {
    running_ = running;
    Annulla->setEnabled(running);
    Avanzamento->setValue(0);
    setCursor(running ? Qt::BusyCursor : Qt::ArrowCursor);
    for (QWidget* control :
         std::initializer_list<QWidget*>{Calcola, Buchi, Completa, Resoconto, GraficoResoconto, Escono, Almeno}) {
        control->setEnabled(!running);
    }
}

bool Garanzie::Confirm(const std::string& question) {
    return platform_.dialogs.Message(question, "Fortunara", DialogButtons::YesNo, DialogIcon::Question) ==
           DialogAnswer::Yes;
}

void Garanzie::Warn(const std::string& message) {
    platform_.dialogs.Message(message, "ATTENZIONE !!!", DialogButtons::Ok, DialogIcon::Warning);
}

}  // namespace fortunara
