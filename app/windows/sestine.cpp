#include "app/windows/sestine.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/core/archive_table.h"
#include "app/state/click_sound.h"
#include "app/core/main_window_sounds.h"
#include "app/widgets/range_selector.h"
#include "app/widgets/animated_picture.h"
#include "app/windows/archive_views.h"
#include "app/widgets/controls.h"
#include "app/widgets/data_grid.h"
#include "app/windows/grid_layouts.h"
#include "app/widgets/look.h"
#include "app/widgets/number_board.h"
#include "app/widgets/range_selectors.h"
#include "app/windows/setup_window.h"
#include "app/widgets/strip_painter.h"
#include "app/windows/tab_archive.h"
#include "app/windows/tab_combinations.h"
#include "app/windows/tab_forecast.h"
#include "app/windows/tab_launchers.h"
#include "app/windows/tab_maintenance.h"
#include "app/windows/tab_search.h"
#include "app/windows/tab_statistics.h"
#include "app/widgets/window_display.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"

namespace fortunara {

namespace {

constexpr int kAnimationInterval = 30;  // ms
constexpr int kSideColumnWidth = 112;
const QSize kPreferredSize(1220, 700);

const char* const kTabTitles[7] = {"ARCHIVIO",         "RICERCA NUMERI", "STATISTICHE",  "COMBINAZIONI",
                                   "SISTEMI E METODI", "PREVISIONE",     "AGGIORNAMENTO"};

// The window's background: ivory, with the program's name over the column of the three
// pictures on the right.
class MainBackdrop : public Backdrop {
public:
    explicit MainBackdrop(QWidget* parent) : Backdrop("Sfondo", parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), look::kIvory);
        const QRectF column(width() - kSideColumnWidth, 8, kSideColumnWidth - 8, height() - 16);
        p.setPen(QPen(look::kGreen, 2));
        p.setBrush(look::kIvory);
        p.drawRoundedRect(column, 8, 8);
        const QRectF plate = column.adjusted(6, 6, -6, -column.height() + 70);
        p.setPen(QPen(look::kGold, 1.5));
        p.setBrush(look::kGreen);
        p.drawRoundedRect(plate, 6, 6);
        p.setPen(look::kGoldLight);
        p.setFont(CaptionFont(11));
        p.drawText(plate.adjusted(0, 6, 0, -24), Qt::AlignHCenter | Qt::AlignVCenter, "Fortunara");
        p.setPen(look::kIvory);
        p.setFont(QFont(look::kFontFamily, 7));
        p.drawText(plate.adjusted(0, 30, 0, -4), Qt::AlignHCenter | Qt::AlignVCenter, "vers. 5.00");
    }
};

QSize StartSize(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return kPreferredSize;
    const QSize room = screen->availableGeometry().size() - QSize(16, 40);
    return kPreferredSize.boundedTo(room).expandedTo(QSize(800, 560));
}

}  // namespace

Sestine::Sestine(ProgramState& state, Platform& platform, SestineHooks hooks, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform), hooks_(std::move(hooks)) {
    setObjectName("Sestine");
    setWindowTitle("Fortunara 2020 vers.5.00 ");

    background_ = new MainBackdrop(this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(background_);

    tabella_ = new QTabWidget(background_);
    tabella_->setObjectName("Tabella");
    tabella_->tabBar()->setMouseTracking(true);
    tabella_->tabBar()->installEventFilter(this);
    tabella_->setDocumentMode(false);
    BuildTabs();

    exit_ = MakePicture(background_, PictureKind::Uscita, "Animazione_Uscita", "ESCI");
    exit_->setToolTip("Esci dal programma");
    info_ = MakePicture(background_, PictureKind::Info, "Animazione_Info", "MANUALE");
    info_->setToolTip("Apri il manuale (manuale.txt)");
    settings_ = MakePicture(background_, PictureKind::Setup, "Animazione_Setup", "OPZIONI");
    settings_->setToolTip("Parlato, effetti sonori, musica");

    auto* side = new QVBoxLayout;
    side->setContentsMargins(0, 88, 0, 16);
    side->setSpacing(18);
    side->addWidget(info_, 0, Qt::AlignHCenter);
    side->addWidget(settings_, 0, Qt::AlignHCenter);
    side->addStretch();
    side->addWidget(exit_, 0, Qt::AlignHCenter);
    auto* sideColumn = new QWidget(background_);
    sideColumn->setFixedWidth(kSideColumnWidth);
    sideColumn->setLayout(side);
    // The column is part of the background: moves over it reach `Sfondo`.
    sideColumn->setAttribute(Qt::WA_TranslucentBackground);

    auto* layout = new QHBoxLayout(background_);
    layout->setContentsMargins(8, 8, 0, 8);
    layout->setSpacing(8);
    layout->addWidget(tabella_, 1);
    layout->addWidget(sideColumn);

    pictures_ = {exit_,           info_,          settings_,      archive_->Stampante, search_->Stampante,
                 archive_->Copia, search_->Copia, search_->Cerca, maintenance_->Nuova, maintenance_->Salva};

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer_Animazioni");
    timer_->setInterval(kAnimationInterval);
    connect(timer_, &QTimer::timeout, this, &Sestine::TickAnimations);

    for (Backdrop* backdrop : findChildren<Backdrop*>()) {
        connect(backdrop, &Backdrop::pointerMoved, this, [this] { StopAnimations(false); });
    }
    ConnectRangeSelectors();
    ConnectArchiveViews(*archive_, *maintenance_, state_, platform_);
    ConnectCopyPictures(*archive_, *search_, state_, platform_);
    ConnectPictures();
    ConnectLaunchers();
    connect(tabella_, &QTabWidget::currentChanged, this, &Sestine::TabChanged);
    platform_.sounds.OnCompleted(
        [this](const std::string& device) { OnSoundCompleted(state_, platform_.sounds, device); });

    resize(StartSize(*this));
    for (const auto& connectTab : hooks_.tabHandlers) connectTab(*this);
}

Sestine::~Sestine() {
    platform_.sounds.OnCompleted(nullptr);
}

void Sestine::BuildTabs() {
    archive_ = new ArchiveTab;
    search_ = new SearchTab;
    statistics_ = new StatisticsTab;
    combinations_ = new CombinationTab;
    launchers_ = new LauncherTab;
    forecast_ = new ForecastTab;
    maintenance_ = new MaintenanceTab;
    const std::array<QWidget*, 7> pages = {archive_,   search_,   statistics_, combinations_,
                                           launchers_, forecast_, maintenance_};
    for (int tab = 0; tab < 7; ++tab) {
        tabella_->addTab(pages[static_cast<std::size_t>(tab)], QString());
        tabella_->setTabToolTip(tab, kTabTitles[tab]);
    }
    DrawTabTitles();
}

void Sestine::DrawTabTitles() {
    // Each title is a drawn plate sitting on its tab; the tab itself has no text.
    for (int tab = 0; tab < tabella_->count(); ++tab) {
        auto* title = qobject_cast<QLabel*>(tabella_->tabBar()->tabButton(tab, QTabBar::LeftSide));
        if (title == nullptr) {
            title = new QLabel(tabella_->tabBar());
            title->setAttribute(Qt::WA_TransparentForMouseEvents);
            tabella_->tabBar()->setTabButton(tab, QTabBar::LeftSide, title);
        }
        title->setPixmap(DrawTabTitle(kTabTitles[tab], tab == tabella_->currentIndex()));
        title->adjustSize();
    }
}

void Sestine::ConnectRangeSelectors() {
    SearchTab& s = *search_;
    StatisticsTab& t = *statistics_;
    const std::array<RangeSelectorWiring, 7> selectors = {{
        {archive_->HScroll7, archive_->Label4, SelectorEnd::From, &ProgramState::RangeFrom},
        {archive_->HScroll6, archive_->Label9, SelectorEnd::To, &ProgramState::RangeTo},
        {s.HScroll2, s.Label32, SelectorEnd::From, &ProgramState::RangeFrom, s.HScroll2, s.HScroll1, s.Label38},
        {s.HScroll1, s.Label33, SelectorEnd::To, &ProgramState::RangeTo, s.HScroll2, s.HScroll1, s.Label38},
        {t.HScroll3, t.Label23, SelectorEnd::From, &ProgramState::RangeFrom, t.HScroll3, t.HScroll4, t.Label31},
        {t.HScroll4, t.Label30, SelectorEnd::To, &ProgramState::RangeTo, t.HScroll3, t.HScroll4, t.Label31},
        {forecast_->HScroll5, forecast_->Label55, SelectorEnd::From, &ProgramState::ForecastBase},
    }};
    for (const RangeSelectorWiring& selector : selectors) ConnectRangeSelector(selector, state_);
}

void Sestine::ConnectPictures() {
    connect(exit_, &AnimatedPicture::clicked, this, &Sestine::LeaveProgram);
    connect(info_, &AnimatedPicture::released, this, &Sestine::OpenManual);
    connect(settings_, &AnimatedPicture::released, this, &Sestine::OpenSettings);
    // The save picture clicks at every move over it.
    connect(maintenance_->Salva, &AnimatedPicture::hovered, this,
            [this] { PlayClickSound(state_, platform_.sounds, ClickCommands::OpenPrevPlay); });
}

void Sestine::ConnectLaunchers() {
    struct Launcher {
        QPushButton* button;
        LaunchedWindow window;
    };
    const std::array<Launcher, 5> launchers = {{
        {launchers_->CommandButton1, LaunchedWindow::Sistemi},
        {launchers_->CommandButton6, LaunchedWindow::Archivio},
        {launchers_->CommandButton14, LaunchedWindow::METODOVERTIBILI},
        {maintenance_->CommandButton5, LaunchedWindow::Browser},
        {maintenance_->CommandButton13, LaunchedWindow::Form45},
    }};
    for (const Launcher& launcher : launchers) {
        if (!FactoryOf(launcher.window)) {
            launcher.button->setEnabled(false);
            launcher.button->setToolTip("In preparazione");
            continue;
        }
        const LaunchedWindow window = launcher.window;
        connect(launcher.button, &QPushButton::clicked, this, [this, window] { OpenWindow(window); });
    }
}

const WindowFactory& Sestine::FactoryOf(LaunchedWindow which) const {
    const WindowOpeners& o = hooks_.openers;
    switch (which) {
        case LaunchedWindow::Sistemi:
            return o.Sistemi;
        case LaunchedWindow::Archivio:
            return o.Archivio;
        case LaunchedWindow::METODOVERTIBILI:
            return o.METODOVERTIBILI;
        case LaunchedWindow::Browser:
            return o.Browser;
        case LaunchedWindow::Form45:
            return o.Form45;
        case LaunchedWindow::Presenti:
            break;
    }
    return o.Presenti;
}

void Sestine::OpenWindow(LaunchedWindow which) {
    const WindowFactory& factory = FactoryOf(which);
    if (!factory) return;
    // The system window and the matrix editor click; the others open silently.
    if (which == LaunchedWindow::Sistemi || which == LaunchedWindow::Archivio) {
        PlayClickSound(state_, platform_.sounds);
    }
    const bool modeless = which == LaunchedWindow::METODOVERTIBILI || which == LaunchedWindow::Browser;
    if (modeless) {
        QPointer<QWidget>& open = modeless_[static_cast<std::size_t>(which)];
        if (!open) {
            open = factory(this);
            if (!open) return;
            open->setWindowFlag(Qt::Window);
            open->setAttribute(Qt::WA_DeleteOnClose);
            CentreOnScreen(*open);
        }
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    if (RunModalWindow(factory, this)) Activate();
}

void Sestine::RefreshArchiveViews() {
    SetScrollPosition(*maintenance_->VScroll1, state_.RecordCount, state_.RecordCount);
    SetScrollPosition(*archive_->VScroll3, state_.RecordCount, state_.RecordCount);
}

void Sestine::Load() {
    if (loaded_) return;
    loaded_ = true;
    CentreOnScreen(*this);
    for (AnimatedPicture* picture : pictures_) picture->Reset();
    timer_->setInterval(kAnimationInterval);
    state_.FillWheelNames();

    LayOutWheelGrid(*maintenance_->Grid4, state_);
    LayOutSingleDrawGrid(*maintenance_->Grid5);
    combinations_->Fill();
    LayOutStatisticsGrid(*statistics_->grid2);
    LayOutArchiveGrid(*archive_->grid3);

    DrawArchive archive(state_.programFolder);
    archive.OpenDrawArchive();
    const int records = archive.RecordCount();
    const std::string newestDate = ParseDrawRecord(archive.ReadDrawRecord(records)).date;
    archive.CloseDrawArchive();
    state_.RecordCount = records;
    const RecordSpan shown = ArchiveTableSpan(records, records);
    state_.RangeFrom = shown.from;
    state_.RangeTo = shown.to;

    SetRangeSelectors();
    RefreshArchiveViews();

    state_.CurrentDrawDate = newestDate;
    state_.CheckDrawRecord = state_.ForecastBase;
    state_.ClickSoundOn = 1;
    state_.VoiceOn = 1;
    state_.MusicOn = 1;
    show();

    LoadGreeting(state_, platform_.sounds);
    // The settings window stays loaded and hidden; unticking its music box turns the music off.
    setup_ = new Setup(state_, platform_, this);
    setup_->hide();
    if (auto* music = setup_->findChild<QCheckBox*>("CheckBox4(1)")) music->setChecked(false);
    PlayGreeting(platform_.sounds);
    show();
}

void Sestine::SetRangeSelectors() {
    const int records = state_.RecordCount;
    const int from = InitialFromPosition(records);
    const int to = InitialToPosition(records);
    SetScrollPosition(*archive_->HScroll7, records, from);
    SetScrollPosition(*archive_->HScroll6, records, to);
    SetScrollPosition(*search_->HScroll2, records, from);
    SetScrollPosition(*search_->HScroll1, records, to);
    SetScrollPosition(*forecast_->HScroll5, records, from);
    SetScrollPosition(*statistics_->HScroll3, records, from);
    SetScrollPosition(*statistics_->HScroll4, records, to);
}

void Sestine::Activate() {
    search_->board->ShowNumbersInBlack();
    timer_->start();
}

void Sestine::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && loaded_) Activate();
}

bool Sestine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabella_->tabBar() && event->type() == QEvent::MouseMove) StopAnimations(true);
    return QWidget::eventFilter(watched, event);
}

void Sestine::TabChanged(int tab) {
    DrawTabTitles();
    switch (tab) {
        case 0:
            archive_->Stampante->ShowRest();
            archive_->Copia->ShowRest();
            break;
        case 1:
            search_->Cerca->ShowRest();
            search_->Stampante->ShowRest();
            search_->Copia->ShowRest();
            break;
        case 2:
            statistics_->grid2->SetText(0, 2, QString("RIT."));
            break;
        case 3:
            combinations_->RecomputeLastJolly();
            break;
        case 6:
            maintenance_->Nuova->ShowRest();
            maintenance_->Salva->ShowRest();
            break;
        default:
            break;
    }
    SpeakTabName(state_, platform_.sounds, tab);
}

void Sestine::TickAnimations() {
    for (AnimatedPicture* picture : pictures_) picture->Tick();
}

void Sestine::StopAnimations(bool keepSearchRunning) {
    for (AnimatedPicture* picture : pictures_) {
        if (keepSearchRunning && picture == search_->Cerca) continue;
        if (picture->Animation().Hovering()) picture->Reset();
    }
}

void Sestine::LeaveProgram() {
    PlayClickSound(state_, platform_.sounds, ClickCommands::OpenPlay);
    CloseSoundDevices(platform_.sounds);
    if (hooks_.quit) {
        hooks_.quit();
    } else {
        QCoreApplication::exit(0);
    }
}

void Sestine::OpenManual() {
    PlayClickSound(state_, platform_.sounds, ClickCommands::OpenPlaySound);
    platform_.launcher.OpenTextFile(state_.programFolder / "manuale.txt");
}

void Sestine::OpenSettings() {
    if (setup_ == nullptr) return;
    CentreOnScreen(*setup_);
    setup_->exec();
    Activate();
}

}  // namespace fortunara
