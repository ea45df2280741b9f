#include "platform/qt/qt_printer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <algorithm>

#include "platform/qt/qt_paths.h"
#include "tests/fakes/fake_dialogs.h"
#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;

const std::string kEscape(1, '\x1b');

// The PDF's text laid out on the grid of the report font (10 pt DejaVu Sans Mono is 6.02 pt
// wide), so that every blank of a line can be checked.
std::string PdfText(const fs::path& pdf) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                             QStringLiteral("6.02"), ToQString(pdf), QStringLiteral("-")});
    tool.waitForFinished(30000);
    return tool.readAllStandardOutput().toStdString();
}

// The first sheet as a grey image at 36 dots per inch.
QImage FirstSheet(const fs::path& pdf, const fs::path& folder) {
    const fs::path prefix = folder / "sheet";
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("36"),
                                                   QStringLiteral("-singlefile"), ToQString(pdf), ToQString(prefix)});
    return QImage(ToQString(prefix) + QStringLiteral(".pgm"));
}

class PdfPrinting : public ::testing::Test {
protected:
    // Every job ends with one message, the file's name or why there is none.
    void SetUp() override {
        printer.ForcePdf(true);
        for (int job = 0; job < 2; ++job) dialogs.Answer(DialogAnswer::Ok);
    }

    test::TempFolder folder;
    test::FakeDialogs dialogs;
    QtPrinter printer{folder.path(), dialogs};
};

TEST_F(PdfPrinting, ReportGoesToANewFileInStampeAndTheUserIsToldItsName) {
    printer.Print(kEscape + "MESTRAZIONI ESAMINATE");
    printer.Print("|  Numeri per bolletta : ", LineEnd::Open);
    printer.Print({6LL});
    printer.NewPage();
    printer.Print("FINE DEL RESOCONTO");
    printer.EndJob();

    const fs::path file = printer.LastFile();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(file.parent_path(), folder.path() / "stampe");
    EXPECT_TRUE(file.filename().string().starts_with("stampa-")) << file;
    EXPECT_EQ(file.extension(), ".pdf");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"STAMPA SALVATA NEL FILE " + file.string()});
    EXPECT_EQ(dialogs.questions().at(0).title, "Fortunara");

    const std::string text = PdfText(file);
    const std::size_t header = text.find("ESTRAZIONI ESAMINATE");
    ASSERT_NE(header, std::string::npos) << text;
    EXPECT_EQ(text.find("MESTRAZIONI"), std::string::npos) << "the printer command was printed";
    EXPECT_NE(text.find("|  Numeri per bolletta :  6"), std::string::npos) << text;
    const std::size_t sheetEnd = text.find('\f');
    const std::size_t last = text.find("FINE DEL RESOCONTO");
    ASSERT_NE(last, std::string::npos) << text;
    EXPECT_LT(header, sheetEnd);
    EXPECT_GT(last, sheetEnd) << "the new page did not start a new sheet";
}

TEST_F(PdfPrinting, LongReportsContinueOnFurtherSheets) {
    for (int row = 1; row <= 150; ++row) printer.Print("RIGA " + std::to_string(row));
    printer.EndJob();

    const std::string text = PdfText(printer.LastFile());
    EXPECT_GE(std::count(text.begin(), text.end(), '\f'), 3) << "150 lines fit on fewer than three sheets";
    std::size_t previous = 0;
    for (int row = 1; row <= 150; ++row) {
        const std::size_t at = text.find("RIGA " + std::to_string(row) + "\n");
        ASSERT_NE(at, std::string::npos) << "line " << row << " missing";
        EXPECT_GE(at, previous);
        previous = at;
    }
}

TEST_F(PdfPrinting, JobsInTheSameSecondGetTheirOwnFiles) {
    printer.Print("PRIMA");
    printer.EndJob();
    const fs::path first = printer.LastFile();
    printer.Print("SECONDA");
    printer.EndJob();
    const fs::path second = printer.LastFile();

    EXPECT_NE(first, second);
    EXPECT_NE(PdfText(first).find("PRIMA"), std::string::npos);
    EXPECT_NE(PdfText(second).find("SECONDA"), std::string::npos);
    EXPECT_EQ(dialogs.MessageTexts().size(), 2u);
}

TEST_F(PdfPrinting, MarksAreBlackBoxesPlacedInTwips) {
    // One inch square, one inch from the top left corner of the printable area.
    printer.Mark({1440, 1440, 2880, 2880});
    printer.EndJob();

    const QImage sheet = FirstSheet(printer.LastFile(), folder.path());
    ASSERT_FALSE(sheet.isNull());
    // The printable area starts 15 mm from the sheet's edges: at 36 dpi the square spans
    // about 57 to 93 dots on both axes.
    EXPECT_LT(qGray(sheet.pixel(75, 75)), 64);
    EXPECT_GT(qGray(sheet.pixel(45, 75)), 192);
    EXPECT_GT(qGray(sheet.pixel(75, 105)), 192);
}

TEST_F(PdfPrinting, PicturesAreStretchedOverTheirBoxInTwips) {
    // A dark picture over the same inch square as the mark, and one that is no PNG at all below it.
    QImage dark(4, 2, QImage::Format_RGB32);
    dark.fill(Qt::black);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    dark.save(&buffer, "PNG");
    printer.Print("GRAFICO");
    printer.Picture({{1440, 1440, 2880, 2880}, bytes.toStdString()});
    printer.Picture({{1440, 4320, 2880, 5760}, "not a picture"});
    printer.EndJob();

    const QImage sheet = FirstSheet(printer.LastFile(), folder.path());
    ASSERT_FALSE(sheet.isNull());
    EXPECT_LT(qGray(sheet.pixel(75, 75)), 64);
    EXPECT_GT(qGray(sheet.pixel(45, 75)), 192);
    EXPECT_GT(qGray(sheet.pixel(75, 165)), 192);
    EXPECT_NE(PdfText(printer.LastFile()).find("GRAFICO"), std::string::npos);
}

TEST_F(PdfPrinting, WithoutAPrinterTheSelectionSaysWherePrintsGo) {
    EXPECT_FALSE(printer.ChoosePrinter());
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"NESSUNA STAMPANTE: OGNI STAMPA DIVENTA UN FILE PDF "
                                                               "NELLA CARTELLA " +
                                                               (folder.path() / "stampe").string()});
}

TEST_F(PdfPrinting, UnwritableFolderIsReportedInItalian) {
    folder.WriteFile("stampe", "not a folder");
    printer.Print("PRIMA");
    printer.EndJob();

    EXPECT_TRUE(printer.LastFile().empty());
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"IMPOSSIBILE SCRIVERE LA STAMPA IN " + (folder.path() / "stampe").string()});
}

TEST(PaperText, PrinterCommandsAndControlCharactersStayOffThePaper) {
    const std::pair<std::string, std::string> rows[] = {
        {kEscape + "MTITOLO", "TITOLO"},
        {"A" + kEscape + "M" + kEscape + "MB", "AB"},
        {kEscape + "XY", "XY"},
        {"1\t2\r\n3", "123"},
        {kEscape + "M", ""},
        {"TITOLO" + kEscape, "TITOLO"},
        {"Città", "Città"},
    };
    for (const auto& [line, paper] : rows) EXPECT_EQ(QtPrinter::PaperText(line), paper) << line;
}

}  // namespace
}  // namespace fortunara
