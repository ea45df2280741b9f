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

#include "app/core/main_window_sounds.h"
#include "app/windows/archive_tab.h"
#include "app/windows/combination_tab.h"
#include "app/windows/launcher_tab.h"
#include "archive/core/draw_archive.h"
#include "archive/core/draw_record.h"
#include "state/click_sound.h"
#include "ui/animated_picture.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/main_window_tab.h"
#include "ui/read_error.h"
#include "ui/strip_painter.h"
#include "ui/text_editor.h"
#include "ui/window_display.h"

namespace fortunara {

namespace {

constexpr int kAnimationInterval = 30;  // ms
constexpr int kSideColumnWidth = 112;
const QSize kPreferredSize(1220, 700);

// The pages with a view of the archive, and the one whose "AL" selector follows a new archive.
constexpr int kTablePage = 0;
constexpr int kStatisticsPage = 2;
constexpr int kSingleDrawPage = 6;

const char* const kTabTitles[7] = {"ARCHIVIO",         "RICERCA NUMERI", "STATISTICHE",  "COMBINAZIONI",
                                   "SISTEMI E METODI", "PREVISIONE",     "AGGIORNAMENTO"};

// The version as the caption writes it: "5.00" for 5.0.
QString VersionText() {
    return QString("%1.%2").arg(FORTUNARA_VERSION_MAJOR).arg(FORTUNARA_VERSION_MINOR, 2, 10, QChar('0'));
}

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
        p.drawText(plate.adjusted(0, 30, 0, -4), Qt::AlignHCenter | Qt::AlignVCenter, "vers. " + VersionText());
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
    setWindowTitle("Fortunara 2020 vers." + VersionText() + " ");

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
    // The column is a background of its own: a move over it brings every picture to rest.
    auto* sideColumn = new Backdrop("SfondoColonna", background_);
    sideColumn->setFixedWidth(kSideColumnWidth);
    sideColumn->setLayout(side);
    sideColumn->setAutoFillBackground(false);

    auto* layout = new QHBoxLayout(background_);
    layout->setContentsMargins(8, 8, 0, 8);
    layout->setSpacing(8);
    layout->addWidget(tabella_, 1);
    layout->addWidget(sideColumn);

    pictures_ = {exit_, info_, settings_};
    for (MainWindowTab* tab : tabs_) {
        pictures_.insert(pictures_.end(), tab->Pictures().begin(), tab->Pictures().end());
        connect(tab, &MainWindowTab::modalWindowClosed, this, &Sestine::Activate);
        connect(tab, &MainWindowTab::drawWritten, this, &Sestine::ShowWrittenDraw);
    }

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer_Animazioni");
    timer_->setInterval(kAnimationInterval);
    connect(timer_, &QTimer::timeout, this, &Sestine::TickAnimations);

    for (Backdrop* backdrop : findChildren<Backdrop*>()) {
        connect(backdrop, &Backdrop::pointerMoved, this, [this] { StopAnimations(false); });
    }
    ConnectPictures();
    connect(tabella_, &QTabWidget::currentChanged, this, &Sestine::TabChanged);
    platform_.sounds.OnCompleted(
        [this](const std::string& device) { OnSoundCompleted(state_, platform_.sounds, device); });

    resize(StartSize(*this));
}

Sestine::~Sestine() {
    platform_.sounds.OnCompleted(nullptr);
}

void Sestine::BuildTabs() {
    const WindowLauncher open = [this](LaunchedWindow which) { OpenWindow(which); };
    tabs_ = {new ArchiveTab(state_, platform_),
             nullptr,
             nullptr,
             new CombinationTab,
             new LauncherTab(open),
             nullptr,
             nullptr};
    for (int tab = 0; tab < 7; ++tab) {
        MainWindowTab*& page = tabs_[static_cast<std::size_t>(tab)];
        const auto hooked = hooks_.tabs.find(tab);
        if (page == nullptr && hooked != hooks_.tabs.end() && hooked->second) page = hooked->second(nullptr);
        if (page == nullptr) page = new MainWindowTab(tab);
        tabella_->addTab(page, QString());
        tabella_->setTabToolTip(tab, kTabTitles[tab]);
    }
    DrawTabTitles();
    ConnectPageLaunchers(open);
}

void Sestine::ConnectPageLaunchers(const WindowLauncher& open) {
    // Buttons of pages the subsystems own that open windows only the main window knows.
    struct PageLauncher {
        int page;
        const char* button;
        LaunchedWindow window;
    };
    static constexpr PageLauncher kPageLaunchers[] = {
        {kSingleDrawPage, "CommandButton5", LaunchedWindow::Browser},
        {kSingleDrawPage, "CommandButton13", LaunchedWindow::Form45},
    };
    for (const PageLauncher& launcher : kPageLaunchers) {
        auto* button = Page(launcher.page).findChild<QPushButton*>(launcher.button);
        if (button == nullptr) continue;  // the subsystem's page is not plugged in
        connect(button, &QPushButton::clicked, this, [open, launcher] { open(launcher.window); });
    }
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

void Sestine::ConnectPictures() {
    connect(exit_, &AnimatedPicture::clicked, this, &Sestine::LeaveProgram);
    connect(info_, &AnimatedPicture::released, this, &Sestine::OpenManual);
    connect(settings_, &AnimatedPicture::released, this, &Sestine::OpenSettings);
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
            break;
    }
    return o.Form45;
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
    if (RunModalWindow(platform_.modal, factory, this)) Activate();
}

void Sestine::ShowWrittenDraw(int record) {
    Page(kSingleDrawPage).ShowArchiveRecord(state_.RecordCount, record);
    Page(kTablePage).ShowArchiveRecord(state_.RecordCount, record);
}

void Sestine::ShowReplacedArchive() {
    const int records = state_.RecordCount;
    Page(kSingleDrawPage).ShowArchiveRecord(records, records);
    Page(kStatisticsPage).ArchiveReplaced(records);
    Page(kTablePage).ShowArchiveRecord(records, records);
}

void Sestine::Load() {
    if (loaded_) return;
    loaded_ = true;
    CentreOnScreen(*this);
    for (AnimatedPicture* picture : pictures_) picture->Reset();
    timer_->setInterval(kAnimationInterval);
    state_.FillWheelNames();

    DrawArchive archive(state_.programFolder);
    const bool opened = archive.OpenDrawArchive();
    const std::string archiveError = opened ? std::string() : archive.Error();
    const int records = archive.RecordCount();
    const std::string newestDate = ParseDrawRecord(archive.ReadDrawRecord(records)).date;
    archive.CloseDrawArchive();
    state_.RecordCount = records;

    for (MainWindowTab* tab : tabs_) tab->Load(records);
    // The table first, then the single draw: the newest draw, sorted, is left in DrawNumbers.
    Page(kTablePage).ShowArchiveRecord(records, records);
    Page(kSingleDrawPage).ShowArchiveRecord(records, records);

    state_.CurrentDrawDate = newestDate;
    state_.ClickSoundOn = 1;
    state_.VoiceOn = 1;
    state_.MusicOn = 1;
    show();
    // An archive that cannot be opened is said, not shown as an empty one.
    ReportReadError(platform_.dialogs, archiveError);

    LoadGreeting(state_, platform_.sounds);
    // The settings window stays loaded and hidden; unticking its music box turns the music off.
    if (hooks_.openers.Setup) setup_ = hooks_.openers.Setup(this);
    if (setup_ != nullptr) {
        setup_->hide();
        if (auto* music = setup_->findChild<QCheckBox*>("CheckBox4(1)")) music->setChecked(false);
    }
    PlayGreeting(platform_.sounds);
    show();
}

void Sestine::Activate() {
    for (MainWindowTab* tab : tabs_) tab->Activate();
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
    if (tab >= 0 && tab < static_cast<int>(tabs_.size())) tabs_[static_cast<std::size_t>(tab)]->Chosen();
    SpeakTabName(state_, platform_.sounds, tab);
}

void Sestine::TickAnimations() {
    for (AnimatedPicture* picture : pictures_) picture->Tick();
}

void Sestine::StopAnimations(bool overTabStrip) {
    for (MainWindowTab* tab : tabs_) {
        for (AnimatedPicture* picture : tab->Pictures()) {
            if (overTabStrip && tab->KeepsRunningOverTabStrip(picture)) continue;
            if (picture->Animation().Hovering()) picture->Reset();
        }
    }
    for (AnimatedPicture* picture : {exit_, info_, settings_}) {
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
    ShowInTextEditor(platform_.launcher, platform_.dialogs, state_.programFolder / "manuale.txt");
}

void Sestine::OpenSettings() {
    if (setup_ == nullptr) return;
    RunModal(platform_.modal, *setup_);
    Activate();
}

}  // namespace fortunara
