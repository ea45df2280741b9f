#include "slips/windows/schedine.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "ui/controls.h"
#include "ui/look.h"
#include "ui/strip_painter.h"

namespace fortunara {

namespace {

// Room for every frame and the sketch on a 1366 x 768 screen.
constexpr int kWidth = 800;
constexpr int kHeight = 430;

// What each value means on the paper, for the tooltips of its box.
constexpr const char* kTwips = " in twip (1440 twip = un pollice = 2,54 cm)";

// The first panel of a slip as the layout values see it: where HO and VE start the squares from the
// corner of the printable area, IX and IY from one square to the next, the mark DX by DY.
class SlipSketch : public QWidget {
public:
    explicit SlipSketch(QWidget* parent) : QWidget(parent) {
        setObjectName("Schema");
        setFixedSize(270, 190);
        setToolTip("Il primo pannello della schedina e i valori che lo descrivono");
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), look::kIvoryDark);
        constexpr double kPitch = 14;
        constexpr double kMark = 9;
        const QPointF corner(12, 14);
        const QPointF first(corner.x() + 36, corner.y() + 40);
        p.setPen(QPen(look::kGold, 2));
        p.drawLine(corner, corner + QPointF(40, 0));
        p.drawLine(corner, corner + QPointF(0, 40));
        QFont small = CaptionFont(7);
        p.setFont(small);
        for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
            const SlipSquare square = SquareOf(n);
            const QRectF box(first.x() + square.column * kPitch, first.y() + square.row * kPitch, kMark, kMark);
            p.setPen(QPen(look::kGreenLight, 1));
            p.setBrush(n == 1 || n == 90 ? QBrush(Qt::black) : Qt::NoBrush);
            p.drawRect(box);
        }
        p.setPen(QPen(look::kGreen, 1));
        const double numberOne = first.x() + SquareOf(1).column * kPitch;
        // HO runs from the corner to the first column, VE to the first row.
        p.drawLine(QPointF(corner.x(), corner.y() + 8), QPointF(first.x(), corner.y() + 8));
        p.drawText(QPointF(corner.x() + 10, corner.y() + 20), "HO");
        p.drawLine(QPointF(numberOne - 6, corner.y()), QPointF(numberOne - 6, first.y()));
        p.drawText(QPointF(numberOne - 26, corner.y() + 30), "VE");
        p.drawLine(QPointF(numberOne, first.y() - 5), QPointF(numberOne + kPitch, first.y() - 5));
        p.drawText(QPointF(numberOne + 2, first.y() - 8), "IX");
        const double lastColumn = first.x() + (kPanelColumns - 1) * kPitch + kMark + 4;
        p.drawLine(QPointF(lastColumn, first.y()), QPointF(lastColumn, first.y() + kPitch));
        p.drawText(QPointF(lastColumn + 3, first.y() + 10), "IY");
        const double bottom = first.y() + kPanelRows * kPitch + 12;
        p.drawText(QPointF(first.x(), bottom), "1 e 90: segni DX x DY");
    }
};

// The window's background: ivory with a deep green frame.
class Background : public QWidget {
public:
    explicit Background(QWidget* parent) : QWidget(parent) { setObjectName("Sfondo"); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), look::kIvory);
        p.setPen(QPen(look::kGreen, 4));
        p.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
};

// A frame holding one box, named after the frame's place in the window.
QLineEdit* BoxInFrame(QWidget* parent, const QString& frame, const QString& caption, const QString& name,
                      const QString& tip) {
    QGroupBox* box = MakeFrame(parent, frame, caption);
    auto* text = new QLineEdit(box);
    text->setObjectName(name);
    text->setToolTip(tip);
    text->setFont(GridFont());
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->addWidget(text);
    return text;
}

QGroupBox* FrameOf(QWidget* box) {
    return static_cast<QGroupBox*>(box->parentWidget());
}

}  // namespace

Schedine::Schedine(ProgramState& state, Platform& platform, CombinationSource resultGrid, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), resultGrid_(std::move(resultGrid)) {
    setObjectName("Schedine");
    setWindowTitle("Fortunara");
    Sfondo = new Background(this);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(Sfondo);

    Label1 = MakeCaption(Sfondo, "OPZIONI STAMPA", 12);
    Label1->setObjectName("Label1");

    Frame1 = MakeFrame(Sfondo, "Frame1", "Valori");
    CommandButton5 = MakeWideButton(Frame1, "CommandButton5", "CARICA");
    CommandButton2 = MakeWideButton(Frame1, "CommandButton2", "SALVA");
    CommandButton5->setToolTip("Legge i valori dal file matrion/valori.tab");
    CommandButton2->setToolTip("Scrive i valori nel file matrion/valori.tab");
    auto* values = new QHBoxLayout(Frame1);
    values->addWidget(CommandButton5);
    values->addWidget(CommandButton2);

    Text7 = BoxInFrame(Sfondo, "Frame2", "Dimens.Y", "Text7", QString("Altezza di un segno (DY)") + kTwips);
    Text6 = BoxInFrame(Sfondo, "Frame3", "Dimens. X", "Text6", QString("Larghezza di un segno (DX)") + kTwips);
    Text8 = BoxInFrame(Sfondo, "Frame4", "Interlinea Y", "Text8",
                       QString("Distanza fra una riga di caselle e la seguente (IY)") + kTwips);
    Text5 = BoxInFrame(Sfondo, "Frame5", "Interlinea X", "Text5",
                       QString("Distanza fra una casella e quella alla sua destra (IX)") + kTwips);

    Frame6 = MakeFrame(Sfondo, "Frame6", "Avanzamento Schedina");
    Option3d1 = MakeOption(Frame6, "Option3d1", "- Continua");
    Option3d2 = MakeOption(Frame6, "Option3d2", "- A Richiesta");
    Option3d1->setChecked(true);
    Frame6->setMinimumWidth(Frame6->fontMetrics().horizontalAdvance(Frame6->title()) + 24);
    auto* feed = new QVBoxLayout(Frame6);
    feed->addWidget(Option3d1);
    feed->addWidget(Option3d2);

    Text14 = BoxInFrame(Sfondo, "Frame7", "TAB 2 Schedine", "Text14", "Conservato nel file con gli altri valori");
    Text1 = BoxInFrame(Sfondo, "Frame8", "TAB Orizzontale", "Text1",
                       QString("Dal bordo sinistro dell'area stampabile alla prima colonna di caselle (HO)") + kTwips);
    Text2 = BoxInFrame(Sfondo, "Frame9", "TAB Verticale", "Text2",
                       QString("Dal bordo alto dell'area stampabile alla prima riga di caselle (VE)") + kTwips);
    Text4 = BoxInFrame(Sfondo, "Frame10", "Fine Schedina", "Text4", "L'ultima combinazione da stampare");
    Text3 = BoxInFrame(Sfondo, "Frame11", "Inizio Schedina", "Text3", "La prima combinazione da stampare");
    Text3->setText("1");

    CommandButton6 = MakeWideButton(Sfondo, "CommandButton6", "STAMPANTE");
    CommandButton1 = MakeWideButton(Sfondo, "CommandButton1", "TEST");
    CommandButton3 = MakeWideButton(Sfondo, "CommandButton3", "STAMPA");
    CommandButton4 = MakeWideButton(Sfondo, "CommandButton4", "ESCI");
    CommandButton1->setToolTip("Stampa la pagina di prova: tutte le caselle dei cinque pannelli");
    CommandButton3->setToolTip("Stampa le schedine, cinque combinazioni per schedina");

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->addWidget(FrameOf(Text2), 0, 0);
    grid->addWidget(FrameOf(Text1), 1, 0);
    grid->addWidget(FrameOf(Text14), 2, 0);
    grid->addWidget(FrameOf(Text5), 0, 1);
    grid->addWidget(FrameOf(Text8), 1, 1);
    grid->addWidget(FrameOf(Text6), 2, 1);
    grid->addWidget(FrameOf(Text7), 3, 1);
    grid->addWidget(FrameOf(Text3), 0, 2);
    grid->addWidget(FrameOf(Text4), 1, 2);
    grid->addWidget(Frame6, 2, 2, 2, 1);
    grid->addWidget(new SlipSketch(Sfondo), 0, 3, 4, 1, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Frame1);
    buttons->addStretch();
    for (QPushButton* button : {CommandButton6, CommandButton1, CommandButton3, CommandButton4}) {
        button->setMinimumWidth(100);
        buttons->addWidget(button, 0, Qt::AlignBottom);
    }

    auto* layout = new QVBoxLayout(Sfondo);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->addWidget(Label1);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(kWidth, kHeight);

    connect(CommandButton5, &QPushButton::clicked, this, [this] {
        Click();
        LoadLayout();
    });
    connect(CommandButton2, &QPushButton::clicked, this, &Schedine::SaveLayout);
    connect(CommandButton6, &QPushButton::clicked, this, &Schedine::ChoosePrinter);
    connect(CommandButton1, &QPushButton::clicked, this, &Schedine::PrintCalibration);
    connect(CommandButton3, &QPushButton::clicked, this, &Schedine::PrintSlips);
    connect(CommandButton4, &QPushButton::clicked, this, &QDialog::close);
    for (QRadioButton* option : {Option3d1, Option3d2}) connect(option, &QRadioButton::clicked, this, &Schedine::Click);
    Load();
}

QLineEdit* Schedine::ValueBox(SlipValue value) const {
    // In the order of the lines of valori.tab: VE, HO, T2, IX, DX, IY, DY.
    const std::array<QLineEdit*, kSlipValues> boxes = {Text2, Text1, Text14, Text5, Text6, Text8, Text7};
    return boxes[static_cast<std::size_t>(value)];
}

}  // namespace fortunara
