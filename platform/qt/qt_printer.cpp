#include "platform/qt/qt_printer.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/qt_paths.h"

namespace fortunara {

namespace fs = std::filesystem;

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr char kEscape = 27;
const std::string kTitle = "Fortunara";

QMarginsF PaperMargins() {
    return QMarginsF(15, 15, 15, 15);
}

// A page left empty by a page break right before the end of the job gives no blank sheet.
std::size_t SheetsToPrint(const PrintJob& job) {
    std::size_t count = job.pages.size();
    while (count > 1 && job.pages[count - 1].lines.empty() && job.pages[count - 1].marks.empty() &&
           job.pages[count - 1].pictures.empty()) {
        --count;
    }
    return count;
}

QRectF DeviceBox(const PrintMark& mark, const QPaintDevice& device) {
    const double dotsX = device.logicalDpiX() / kTwipsPerInch;
    const double dotsY = device.logicalDpiY() / kTwipsPerInch;
    return QRectF(QPointF(mark.left * dotsX, mark.top * dotsY), QPointF(mark.right * dotsX, mark.bottom * dotsY))
        .normalized();
}

void DrawMarks(QPainter& painter, const PrintPage& page, const QPaintDevice& device) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const PrintMark& mark : page.marks) painter.drawRect(DeviceBox(mark, device));
    painter.restore();
}

// A picture that does not decode leaves its box empty; the rest of the page prints.
void DrawPictures(QPainter& painter, const PrintPage& page, const QPaintDevice& device) {
    for (const PrintPicture& picture : page.pictures) {
        const QImage image = QImage::fromData(
            QByteArray::fromRawData(picture.png.data(), static_cast<qsizetype>(picture.png.size())), "PNG");
        if (!image.isNull()) painter.drawImage(DeviceBox(picture.box, device), image);
    }
}

}  // namespace

QtPrinter::QtPrinter(fs::path programFolder, Dialogs& dialogs, QWidget* parent)
    : programFolder_(std::move(programFolder)), dialogs_(dialogs), parent_(parent) {}

QtPrinter::~QtPrinter() = default;

std::string QtPrinter::PaperText(const std::string& line) {
    std::string text;
    text.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == kEscape && i + 1 < line.size() && line[i + 1] == 'M') {
            ++i;
            continue;
        }
        if (static_cast<unsigned char>(line[i]) < 32) continue;
        text += line[i];
    }
    return text;
}

bool QtPrinter::ChoosePrinter() {
    // Without a printer there is nothing to choose: the user learns where the prints go instead.
    if (forcePdf_ || QPrinterInfo::availablePrinters().isEmpty()) {
        dialogs_.Message(
            "NESSUNA STAMPANTE: OGNI STAMPA DIVENTA UN FILE PDF NELLA CARTELLA " + ToUtf8(programFolder_ / "stampe"),
            kTitle, DialogButtons::Ok, DialogIcon::Information);
        return false;
    }
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), parent_);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    return dialog.exec() == QDialog::Accepted;
}

void QtPrinter::Deliver(const PrintJob& job) {
    if (forcePdf_ || QPrinterInfo::availablePrinters().isEmpty()) {
        DeliverToPdf(job);
    } else {
        DeliverToPrinter(job);
    }
}

void QtPrinter::DeliverToPdf(const PrintJob& job) {
    const fs::path folder = programFolder_ / "stampe";
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    const std::string stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    for (int n = 1; n < 1000; ++n) {
        const fs::path path = folder / ("stampa-" + stamp + (n > 1 ? "-" + std::to_string(n) : "") + ".pdf");
        QFile file(ToQString(path));
        // NewOnly: an earlier print is never overwritten, even by a job finished in the same second.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists()) continue;
            break;
        }
        bool written = false;
        {
            QPdfWriter writer(&file);
            writer.setTitle(QString::fromStdString(kTitle));
            writer.setCreator(QString::fromStdString(kTitle));
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(PaperMargins(), QPageLayout::Millimeter);
            written = RenderPrintJob(job, writer);
        }
        file.close();
        if (!written || file.error() != QFileDevice::NoError) {
            file.remove();
            break;
        }
        lastFile_ = path;
        dialogs_.Message("STAMPA SALVATA NEL FILE " + ToUtf8(path), kTitle, DialogButtons::Ok, DialogIcon::Information);
        return;
    }
    dialogs_.Message("IMPOSSIBILE SCRIVERE LA STAMPA IN " + ToUtf8(folder), kTitle, DialogButtons::Ok,
                     DialogIcon::Warning);
}

void QtPrinter::DeliverToPrinter(const PrintJob& job) {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setDocName(QString::fromStdString(kTitle));
    if (!printer_->isValid() || !RenderPrintJob(job, *printer_)) {
        dialogs_.Message("IMPOSSIBILE STAMPARE SULLA STAMPANTE " + printer_->printerName().toStdString(), kTitle,
                         DialogButtons::Ok, DialogIcon::Warning);
    }
}

bool RenderPrintJob(const PrintJob& job, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics = QFontMetricsF(painter.font(), &device);
    const double lineHeight = metrics.lineSpacing();
    const double pageHeight = device.height();

    const std::size_t sheets = SheetsToPrint(job);
    for (std::size_t p = 0; p < sheets; ++p) {
        const PrintPage& page = job.pages[p];
        if (p > 0) device.newPage();
        DrawMarks(painter, page, device);
        DrawPictures(painter, page, device);
        double top = 0;
        for (const std::string& line : page.lines) {
            if (top > 0 && top + lineHeight > pageHeight) {
                device.newPage();
                top = 0;
            }
            painter.drawText(QPointF(0, top + metrics.ascent()), QString::fromStdString(QtPrinter::PaperText(line)));
            top += lineHeight;
        }
    }
    return painter.end();
}

}  // namespace fortunara
